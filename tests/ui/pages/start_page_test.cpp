// The start page as the user drives it: Connect in Demo-Mode and through the serial line, what the
// page shows afterwards, Disconnect, the init-Status drawing and the MIL lamp.

#include "core/connection/communication_guard.h"
#include "core/connection/program_context.h"
#include "core/connection/session.h"
#include "core/j1979/monitor_status.h"
#include "core/l10n/translator.h"
#include "core/settings/data_dirs.h"
#include "core/settings/settings_store.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recording_notifier.h"
#include "tools/elmsim/pty_elm.h"
#include "ui/app/main_window.h"
#include "ui/pages/log_list_delegate.h"
#include "ui/pages/start_page.h"
#include "ui/widgets/mil_lamp.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// The window as the program shows it, connecting through the port each test names.
ProgramStart startPage(const QString& language = QStringLiteral("en")) {
    return {language, /*freshSettings=*/true, /*shown=*/true, /*instantDemo=*/true,
            /*quickSerial=*/false};
}

const QStringList kFifteenLinesAfterPort = {
    "response from interface: OK", "Echo off: OK",       "LF off: OK",
    "Chip Version: ELM323 v2.0",   "Interface is ready", "Connection to ECU: OK",
};

void expectConnectedPage(const ProgramRun& w) {
    EXPECT_TRUE(w.find<MilLamp>("MILLamp")->milOn());
    EXPECT_EQ(w.text("labMIL_Status"), "On");
    EXPECT_EQ(w.text("DTCCountLabel"), "9");
    for (const char* name :
         {"labMisfire_S", "labMisfire_C", "labFuelsystem_S", "labFuelsystem_C", "labComponents_S",
          "labComponents_C", "labCatalyst_S", "labCatalyst_C", "labEvaporativesys_S",
          "labEvaporativesys_C", "labOxygensensor_S", "labOxygensensor_C",
          "labOxygensensorheater_S", "labOxygensensorheater_C"})
        EXPECT_EQ(w.text(name), "Yes") << name;
    EXPECT_EQ(w.text("edOBDType"), "OBD II (California ARB)");
    EXPECT_EQ(w.text("edVIN"), "1G1JC5444R7252367");
    EXPECT_EQ(w.text("cbCIN"), "1131533479060002");
    EXPECT_EQ(w.find<QComboBox>("cbCIN")->itemText(1), "0325451332060004");
    EXPECT_EQ(w.text("cbCVN"), "AE6D46B4");
    EXPECT_EQ(w.text("InterfaceLabel"), "Interface: ELM323 v2.0");
    EXPECT_FALSE(w.context.connection.noCommunication());
    for (const char* led : {"COM_Led", "ELM_Led", "ECU_Led"})
        EXPECT_TRUE(w.find<QWidget>(led)->property("LedOn").toBool()) << led;
}

TEST(StartPage, DemoModeConnectFillsThePageWithoutAnySerialPort) {
    ProgramRun w(startPage());
    w.context.comPort->setPortName("/dev/quorvane-no-such-port");
    EXPECT_EQ(w.text("labMisfire_S"), "N/A");
    EXPECT_EQ(w.text("labMIL_Status"), "N/A"); // nothing read yet: neither "Off" nor 0 codes
    EXPECT_EQ(w.text("DTCCountLabel"), "N/A");
    w.click("cbDemoMode");
    EXPECT_TRUE(w.context.link.demoMode());
    w.click("NeuInitialisierenBtn");

    // No port was opened, and the first line claims none; it neither passed nor failed.
    bool allOk = false;
    const QStringList lines = w.logLines(&allOk, 1);
    ASSERT_EQ(lines.size(), 15) << lines.join('\n').toStdString();
    EXPECT_TRUE(allOk);
    EXPECT_EQ(lines[0], "Demo-Mode: no port opened");
    EXPECT_TRUE(w.find<QListWidget>("LogListBox")->item(0)->data(Qt::DecorationRole).isNull());
    EXPECT_EQ(lines.mid(1, 6), kFifteenLinesAfterPort);
    EXPECT_TRUE(lines[7].startsWith("Mode 01 Init")) << lines[7].toStdString();
    EXPECT_TRUE(lines[14].startsWith("Mode 09 Init")) << lines[14].toStdString();
    expectConnectedPage(w);

    // Disconnect adds its lines and forgets the readings; guarded actions are refused again.
    w.click("btnDisconnect");
    EXPECT_EQ(w.logLines().size(), 18);
    EXPECT_EQ(w.text("DTCCountLabel"), "N/A");
    EXPECT_TRUE(w.context.connection.noCommunication());
    EXPECT_TRUE(communicationLost(w.context.connection, w.notifier));
    EXPECT_EQ(w.notifier.messages.size(), 1);
}

// The lamp's own captions are translated with the window: a German run never says "On".
TEST(StartPage, GermanRunShowsTheLampStateInGerman) {
    ProgramRun w(startPage(QStringLiteral("de")));
    auto* lamp = w.find<MilLamp>("MILLamp");
    EXPECT_EQ(lamp->captionOn(), "An");
    EXPECT_EQ(lamp->captionOff(), "Aus");
    EXPECT_EQ(w.text("labMIL_Status"), "k.A."); // nothing read yet
    w.click("cbDemoMode");
    w.click("NeuInitialisierenBtn");
    EXPECT_TRUE(lamp->milOn());
    EXPECT_EQ(w.text("labMIL_Status"), "An");
}

TEST(StartPage, ConnectThroughThePseudoTerminalShowsTheSameLines) {
    PtyElm elm({});
    elm.start();
    ProgramRun w(startPage());
    w.context.comPort->setPortName(elm.slavePath());
    w.click("NeuInitialisierenBtn");
    // With the line that the emulated ELM323's control units are not told apart, which carries
    // the information mark; every line after it is OK.
    bool allOk = false;
    const QStringList lines = w.logLines(&allOk, 8);
    ASSERT_EQ(lines.size(), 16) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[7], "Control units not told apart");
    EXPECT_TRUE(allOk);
    EXPECT_TRUE(lines[0].contains(elm.slavePath()));
    EXPECT_EQ(lines.mid(1, 6), kFifteenLinesAfterPort);
    expectConnectedPage(w);
    EXPECT_EQ(w.text("COM_Label"), elm.slavePath());
    w.click("btnDisconnect");
    EXPECT_FALSE(w.context.comPort->isOpen());
}

TEST(StartPage, AnElm327OnACanCarFillsTheWindowLikeTheElm323) {
    for (const bool headers : {false, true}) {
        SCOPED_TRACE(headers ? "headers on" : "headers off");
        PtyElm::Config config;
        config.elm327 = true;
        config.elm327Settings.headers = headers;
        PtyElm elm(config);
        elm.start();
        ProgramRun w(startPage());
        w.context.comPort->setPortName(elm.slavePath());
        w.click("NeuInitialisierenBtn");
        EXPECT_TRUE(w.logLines().join('\n').contains("Protocol"))
            << w.logLines().join('\n').toStdString();
        EXPECT_EQ(w.text("DTCCountLabel"), "9");
        EXPECT_EQ(w.text("edVIN"), "1G1JC5444R7252367");
        EXPECT_EQ(w.text("cbCIN"), "1131533479060002");
        EXPECT_EQ(w.text("cbCVN"), "AE6D46B4");
        EXPECT_EQ(w.text("InterfaceLabel"), "Interface: ELM327 v1.5");
        auto* stored = w.find<QTableWidget>("DTC_Grid");
        auto* pending = w.find<QTableWidget>("DTC_Grid_P");
        QStringList codes;
        for (int row = 0; row < stored->rowCount(); ++row)
            if (stored->item(row, 1))
                codes << stored->item(row, 1)->text();
        EXPECT_EQ(codes, QStringList({"P0125", "P0736", "P0455", "P1107", "P1299", "P1198", "B1491",
                                      "B1992", "B2427"}));
        int pendingCodes = 0;
        for (int row = 0; row < pending->rowCount(); ++row)
            if (pending->item(row, 1) && !pending->item(row, 1)->text().isEmpty())
                ++pendingCodes;
        EXPECT_EQ(pendingCodes, 3);
    }
}

TEST(StartPage, AutoConnectRunsTheSequenceOnceHalfASecondAfterStart) {
    QFile::remove(SettingsStore::defaultPath());
    {
        SettingsStore store;
        ASSERT_TRUE(store.open(true));
        store.writeBool("AutoConnect", true);
        store.writeText("Port", "/dev/quorvane-absent");
        store.close();
    }
    Session session;
    Translator translator(data_dirs::programDir() + QStringLiteral("/locale"));
    translator.chooseLanguage("en");
    RecordingNotifier notifier;
    MainWindow window(session, translator, notifier);
    auto* log = window.findChild<QListWidget*>("LogListBox");
    EXPECT_EQ(log->count(), 0); // not yet: the timer waits half a second
    ASSERT_TRUE(QTest::qWaitFor([&] { return log->count() > 0; }, 3000));
    EXPECT_TRUE(log->item(0)->text().contains("/dev/quorvane-absent"));
    const int lines = log->count();
    QTest::qWait(800);
    EXPECT_EQ(log->count(), lines); // once per launch
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(StartPage, LogLinesStartTheirTextAfterTheMarkOrTwoPixelsIn) {
    QListWidget list;
    auto* plain = new QListWidgetItem("Disconnected", &list);
    auto* marked = new QListWidgetItem("Interface is ready", &list);
    marked->setData(Qt::DecorationRole, QPixmap(15, 13));
    const QAbstractItemModel* model = list.model();
    EXPECT_EQ(LogListDelegate::textLeft(model->index(list.row(plain), 0)), 2);
    EXPECT_EQ(LogListDelegate::textLeft(model->index(list.row(marked), 0)), 21);
    LogListDelegate delegate;
    QStyleOptionViewItem option;
    option.initFrom(&list);
    EXPECT_EQ(delegate.sizeHint(option, model->index(0, 0)).height(), 19);
}

// A status that did not come shows "N/A"; the next one that comes replaces every "N/A", also
// where the lamp itself keeps its state (off, then off again).
TEST(StartPage, UnansweredStatusShowsNotAvailableUntilAnAnsweredOne) {
    StartPage page;
    auto* mil = page.findChild<QLabel*>("labMIL_Status");
    auto* count = page.findChild<QLabel*>("DTCCountLabel");
    page.showMonitorStatus(MonitorStatus{});
    EXPECT_EQ(mil->text(), "N/A");
    EXPECT_EQ(count->text(), "N/A");
    EXPECT_FALSE(page.findChild<MilLamp*>("MILLamp")->milOn());
    EXPECT_EQ(page.findChild<QLabel*>("labFuelsystem_S")->text(), "N/A");
    EXPECT_EQ(page.findChild<QLabel*>("labEvaporativesys_C")->text(), "N/A");

    MonitorStatus clean;
    clean.answered = true;
    clean.continuousSupported[1] = true;
    page.showMonitorStatus(clean);
    EXPECT_EQ(mil->text(), "Off");
    EXPECT_EQ(count->text(), "0");
    EXPECT_EQ(page.findChild<QLabel*>("labFuelsystem_S")->text(), "Yes");
    EXPECT_EQ(page.findChild<QLabel*>("labEvaporativesys_C")->text(), "No");
}

// Below the seven rows every further monitor the vehicle supports, in the rows' words (an
// incomplete exhaust gas recirculation shows); this drive cycle's column once PID 41 came. The
// report's record follows what is shown.
TEST(StartPage, FurtherMonitorsAndThisDriveCycle) {
    StartPage page;
    ShownMonitorStatus record;
    page.setShownRecord(&record);
    const auto text = [&page](const char* name) {
        const auto* label = page.findChild<QLabel*>(QLatin1String(name));
        return label == nullptr             ? QStringLiteral("absent")
               : !label->isVisibleTo(&page) ? QStringLiteral("hidden")
                                            : label->text();
    };
    const auto* further = page.findChild<QScrollArea*>("FurtherMonitors");
    MonitorStatus status = parseMonitorStatus(QStringLiteral("41018307E580"));
    const std::optional<MonitorFlags> cycle = parseDriveCycleStatus(QStringLiteral("41410007E5A0"));
    const struct {
        bool answered;
        bool withCycle;
        QStringList shown; // EGR S, C, D; catalyst C, D; oxygen sensor D; heated catalyst C
    } cases[] = {
        {true, false, {"Yes", "No", "absent", "Yes", "hidden", "hidden", "absent"}},
        {true, true, {"Yes", "No", "No", "Yes", "Yes", "No", "absent"}},
        {false, false, {"absent", "absent", "absent", "N/A", "hidden", "hidden", "absent"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.withCycle);
        status.answered = c.answered;
        status.driveCycleAnswered = c.withCycle;
        status.driveCycle = *cycle;
        page.showMonitorStatus(status);
        EXPECT_EQ(
            QStringList({text("labMonitor_egrVvt_S"), text("labMonitor_egrVvt_C"),
                         text("labMonitor_egrVvt_D"), text("labCatalyst_C"), text("labCatalyst_D"),
                         text("labOxygensensor_D"), text("labMonitor_heatedCatalyst_C")}),
            c.shown);
        EXPECT_EQ(further->isVisibleTo(&page), c.answered);
        EXPECT_EQ(record.monitors.size(), c.answered ? 8 : 0);
        if (c.answered) {
            EXPECT_EQ(record.monitors.last(),
                      (ShownMonitorRow{"EGR and/or VVT system:", "No", c.withCycle ? "No" : ""}));
        }
    }
}

TEST(MilLamp, FollowsItsStateAndKeepsItsLabelInStep) {
    MilLamp lamp;
    EXPECT_EQ(lamp.size(), QSize(48, 32));
    EXPECT_FALSE(lamp.milOn());
    EXPECT_EQ(lamp.color(), QColor(Qt::black));
    QLabel label("unset");
    lamp.setMILLabel(&label);
    EXPECT_EQ(label.text(), "Off"); // assigning the label shows the current state at once

    lamp.setCaptionOn("Ein");
    EXPECT_EQ(label.text(), "Off"); // a caption reaches the label only with the next change
    lamp.setMilOn(true);
    EXPECT_EQ(label.text(), "Ein");
    label.setText("touched");
    lamp.setMilOn(true); // same state: nothing changes
    EXPECT_EQ(label.text(), "touched");

    // The picture follows the state: lit and unlit lamps differ at the symbol's centre.
    lamp.show();
    const QImage lit = lamp.grab().toImage();
    lamp.setMilOn(false);
    const QImage unlit = lamp.grab().toImage();
    EXPECT_NE(lit.pixelColor(24, 16), unlit.pixelColor(24, 16));

    MilLamp alone; // without a label, state changes only repaint
    alone.setMilOn(true);
    EXPECT_TRUE(alone.milOn());
}

} // namespace
