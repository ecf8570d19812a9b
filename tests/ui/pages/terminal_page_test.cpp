// The terminal page: the calculator as the user types into it, raw commands and J1979 requests
// through the simulated vehicle and the emulated interface, the transcript and its file, and
// requests made while the acceleration worker holds the interface.

#include "core/l10n/const_str.h"
#include "core/link/comm_log.h"
#include "core/livedata/speed_thread.h"
#include "tests/support/error_boxes.h"
#include "tests/support/fake_transcript_dialogs.h"
#include "tests/support/log_file.h"
#include "tests/support/program_run.h"
#include "ui/pages/terminal_page.h"
#include "ui/pages/tests_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {

struct TerminalRun : ProgramRun {
    TerminalPage* page = window->terminalPage();

    QString text(const QString& name) const { return find<QLineEdit>(name)->text(); }
    void type(const QString& name, const QString& keys) const {
        QTest::keyClicks(find<QLineEdit>(name), keys);
    }
    QStringList tickedBits() const {
        QStringList ticked;
        for (int n = 1; n <= 32; ++n)
            if (find<QCheckBox>(QStringLiteral("cb%1").arg(n))->isChecked())
                ticked << QStringLiteral("cb%1").arg(n);
        return ticked;
    }
    QStringList transcript() const {
        const QString all = find<QPlainTextEdit>("Memo1")->toPlainText();
        return all.isEmpty() ? QStringList() : all.split('\n');
    }
    // Clicks a Send button and waits for its answer.
    void send(const QString& button) {
        click(button);
        page->waitForRequest();
    }
};

TEST(TerminalPage, CalculatorConvertsAsTheUserTypes) {
    TerminalRun run;
    run.showPage("btnTerminal");
    for (const char* output :
         {"BinEdit2", "BinEdit3", "IntEdit2", "IntEdit3", "HexEdit2", "HexEdit3"}) {
        EXPECT_EQ(run.text(output), "0") << output;
        EXPECT_TRUE(run.find<QLineEdit>(output)->isReadOnly()) << output;
    }

    run.type("BinEdit1", "10a1x0");
    EXPECT_EQ(run.text("BinEdit1"), "1010");
    EXPECT_EQ(run.text("BinEdit2"), "10");
    EXPECT_EQ(run.text("BinEdit3"), "0000000A");

    run.type("IntEdit1", "99999999991");
    EXPECT_EQ(run.text("IntEdit1"), "9999999999"); // ten digits at most
    EXPECT_EQ(run.text("IntEdit2"), "2540BE3FF");
    EXPECT_EQ(run.text("IntEdit3"), "01010100000010111110001111111111");

    run.type("HexEdit1", "8000000c1");
    EXPECT_EQ(run.text("HexEdit1"), "8000000C"); // "c" entered as "C", the ninth digit refused
    run.find<QLineEdit>("HexEdit1")->clear();
    run.type("HexEdit1", "80000001");
    EXPECT_EQ(run.text("HexEdit2"), "2147483649");
    EXPECT_EQ(run.text("HexEdit3"), "1" + QString(30, '0') + "1");
    EXPECT_EQ(run.tickedBits(), (QStringList{"cb8", "cb25"}));
    EXPECT_EQ(run.find<QCheckBox>("cb8")->text(), "Bit0");
    EXPECT_EQ(run.find<QCheckBox>("cb25")->text(), "Bit7");

    // Deleting the text clears every box; clicking a box changes nothing.
    QLineEdit* hex = run.find<QLineEdit>("HexEdit1");
    hex->selectAll();
    QTest::keyClick(hex, Qt::Key_Backspace);
    EXPECT_EQ(run.text("HexEdit2"), "0");
    EXPECT_TRUE(run.tickedBits().isEmpty());
    QTest::mouseClick(run.find<QCheckBox>("cb3"), Qt::LeftButton);
    EXPECT_TRUE(run.tickedBits().isEmpty());
}

// Tab moves on from each calculator field as from any other, the field keeping its text.
TEST(TerminalPage, TabLeavesTheCalculatorFields) {
    ProgramRun run;
    run.showPage("btnTerminal");
    run.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(run.window.get()));
    for (const char* name : {"BinEdit1", "IntEdit1", "HexEdit1"}) {
        SCOPED_TRACE(name);
        QLineEdit* edit = run.find<QLineEdit>(name);
        edit->setFocus();
        const QString before = edit->text();
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), edit);
        EXPECT_EQ(edit->text(), before);
    }
}

TEST(TerminalPage, PastedTextThatIsNoNumberLeavesTheOutputsAsTheyWere) {
    TerminalRun run;
    ErrorBoxes boxes;
    run.showPage("btnTerminal");
    run.type("IntEdit1", "255");
    run.type("HexEdit1", "FF");
    run.find<QLineEdit>("IntEdit1")->setText("12a"); // as a paste does
    run.find<QLineEdit>("HexEdit1")->setText("xyz");
    while (boxes.texts.size() < 2)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(boxes.texts[0], "'12a' is not a valid integer value.");
    EXPECT_TRUE(boxes.texts[1].contains("xyz"));
    EXPECT_EQ(run.text("IntEdit2"), "000000FF");
    EXPECT_EQ(run.text("HexEdit2"), "255");
    EXPECT_EQ(run.tickedBits().size(), 8);
}

TEST(TerminalPage, RequestsThroughTheSimulatedVehicleFillTheTranscript) {
    TerminalRun run;
    run.showPage("btnTerminal");
    // No interface at all: the answer says so instead of an error.
    run.find<QLineEdit>("FlatEdit1")->setText("ATI");
    run.send("dxButton2");
    EXPECT_EQ(run.text("FlatEdit2"),
              const_str::NoCommunicationLine1 + ' ' + const_str::NoCommunicationLine2);
    run.click("dxButton5");

    run.connectDemo();
    run.showPage("btnTerminal");
    run.send("dxButton2");
    EXPECT_EQ(run.text("FlatEdit2"), "ELM323 v2.0");
    // Typed commands and requests share the transcript in the order they were made.
    EXPECT_EQ(run.transcript(), (QStringList{"Command: ATI", "ELM323 v2.0", ""}));
    run.click("dxButton5");

    EXPECT_EQ(run.find<QComboBox>("ComboBox1")->currentText(), "01");
    EXPECT_EQ(run.find<QComboBox>("ComboBox2")->currentText(), "00");
    EXPECT_EQ(run.find<QComboBox>("ComboBox2")->count(), 80);
    run.send("dxButton3");
    EXPECT_EQ(run.context.link.pendingDemoRequest(), "0100");
    EXPECT_EQ(run.text("Edit1"), "4100BE1FE811");
    EXPECT_EQ(run.transcript(), (QStringList{"Mode: 01 PID: 00", "4100BE1FE811", ""}));
    run.find<QComboBox>("ComboBox2")->setCurrentText("0D");
    run.send("dxButton3");
    run.send("dxButton2");
    EXPECT_EQ(run.transcript().size(), 9);

    // Saved with CR LF under the name the user confirms; the proposal is in the data directory.
    const QString target = QDir(test_env::freshDir("terminal")).filePath("t.txt");
    QString proposed;
    FakeTranscriptDialogs dialogs;
    dialogs.savePath = [&](const QString& path) {
        proposed = path;
        return target;
    };
    run.page->setDialogs(dialogs);
    run.click("dxButton4");
    EXPECT_TRUE(
        QRegularExpression("^TL\\d{14}\\.txt$").match(QFileInfo(proposed).fileName()).hasMatch())
        << proposed.toStdString();
    EXPECT_EQ(QFileInfo(proposed).absolutePath(), QDir(data_dirs::dataDir()).absolutePath());
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Mode: 01 PID: 00\r\n4100BE1FE811\r\n\r\n"
                                         "Mode: 01 PID: 0D\r\n410D00\r\n\r\n"
                                         "Command: ATI\r\nELM323 v2.0\r\n\r\n"));
    run.click("dxButton5");
    EXPECT_TRUE(run.transcript().isEmpty());
}

// On an ELM327 before a two-unit car the readers add the answer count to their requests; a command
// the user types goes out as typed, and its answer keeps the interface's lines, one a unit, with
// the headers the user switched on.
TEST(TerminalPage, TypedCommandOnATwoUnitCarGoesOutAsTypedAndKeepsItsLines) {
    TerminalRun run;
    PtyElm::Config config;
    config.elm327 = true;
    config.elm327Settings.secondUnit = true;
    run.connectElmsim(config);
    ASSERT_FALSE(run.context.connection.noCommunication());
    ASSERT_EQ(run.context.link.service01Units(), 2);
    QFile::remove(CommLog::path());
    ASSERT_TRUE(run.context.link.setCommLogging(true));
    run.showPage("btnTerminal");
    for (const char* command : {"ATH1", "010C"}) {
        run.find<QLineEdit>("FlatEdit1")->setText(command);
        run.send("dxButton2");
    }
    run.context.link.setCommLogging(false);

    const QStringList lines = run.transcript();
    ASSERT_EQ(lines.size(), 7) << lines.join('|').toStdString();
    EXPECT_EQ(lines.mid(0, 4), (QStringList{"Command: ATH1", "OK", "", "Command: 010C"}));
    // With or without the blanks, as the chip is set.
    const QRegularExpression engine("^7E8 ?04 ?41 ?0C ?[0-9A-F]{2} ?[0-9A-F]{2}$");
    const QRegularExpression transmission("^7E9 ?04 ?41 ?0C ?[0-9A-F]{2} ?[0-9A-F]{2}$");
    EXPECT_TRUE(engine.match(lines[4]).hasMatch()) << lines[4].toStdString();
    EXPECT_TRUE(transmission.match(lines[5]).hasMatch()) << lines[5].toStdString();
    EXPECT_EQ(run.text("FlatEdit2"), lines[4] + " | " + lines[5]);
    QStringList sent;
    for (const QString& line : readCrLfLines(CommLog::path()))
        if (const qsizetype at = line.indexOf(" - S: "); at >= 0)
            sent << line.mid(at + 6);
    EXPECT_EQ(sent, (QStringList{"ATH1", "010C"}));
}

// While the acceleration worker asks for the speed without a pause, a terminal request waits its
// turn and gets its own answer, never one of the worker's.
TEST(TerminalPage, RequestsWaitForTheRunningAccelerationTest) {
    TerminalRun run;
    run.connectElmsim(QStringLiteral("demo"));
    ASSERT_FALSE(run.context.connection.noCommunication());
    TestsPage* tests = run.window->testsPage();
    tests->onStartTestClicked();
    ASSERT_TRUE(tests->speedThread().isWorking());
    for (int i = 0; i < 5; ++i) {
        run.page->findChild<QLineEdit*>("FlatEdit1")->setText("ATI");
        run.page->onSendCommandClicked();
        run.page->waitForRequest();
        EXPECT_EQ(run.text("FlatEdit2"), "ELM323 v2.0");
        run.page->findChild<QComboBox*>("ComboBox2")->setCurrentText("05");
        run.page->onSendRequestClicked();
        run.page->waitForRequest();
        EXPECT_EQ(run.text("Edit1"), "410550");
    }
    EXPECT_TRUE(tests->speedThread().isWorking());
    tests->stopTestAndWait();
}

} // namespace
