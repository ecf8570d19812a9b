// Failures the user must see as failures and can always undo: an interface that goes away, a
// Disconnect it cannot take, a port that does not open, a log or settings file that cannot be
// used, and a shut-down with an interface that never answers.

#include "core/l10n/const_str.h"
#include "core/link/comm_log.h"
#include "core/link/serial_channel.h"
#include "core/settings/settings_names.h"
#include "tests/support/error_boxes.h"
#include "tests/support/log_file.h"
#include "tests/support/program_run.h"
#include "ui/app/single_instance.h"
#include "ui/widgets/status_led.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <unistd.h>

namespace {

bool anyLampOn(const ProgramRun& run) {
    for (const char* name : {"COM_Led", "ELM_Led", "ECU_Led"})
        if (run.find<StatusLed>(name)->ledOn())
            return true;
    return false;
}

QStringList lastLogLines(const ProgramRun& run, int count) {
    const QListWidget* list = run.find<QListWidget>("LogListBox");
    QStringList lines;
    for (int row = std::max(0, list->count() - count); row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

int logLinesEndingWith(const QString& event) {
    int count = 0;
    for (const QString& line : readCrLfLines(CommLog::path()))
        count += line.contains(event) ? 1 : 0;
    return count;
}

// The adapter is pulled while connected: the first action that meets it reports the device error
// once, and the program is then exactly as after Disconnect, without a word to the device.
TEST(LostInterface, IsHandledLikeDisconnectAndTheNextActionMeetsTheGuard) {
    ProgramRun run;
    run.connectElmsim();
    run.context.link.setCommLogging(true);
    ASSERT_FALSE(run.context.connection.noCommunication());
    ASSERT_TRUE(anyLampOn(run));
    const int lostBefore = logLinesEndingWith(" - Connection lost");
    run.elm->closeMaster();

    ErrorBoxes boxes;
    run.click("TroubleCodesRead");
    QApplication::processEvents();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(run.elm->slavePath()));
    EXPECT_TRUE(run.context.connection.noCommunication());
    EXPECT_FALSE(run.context.comPort->isOpen());
    EXPECT_FALSE(anyLampOn(run));
    // Plainly not connected: no interface, and the port Connect will open again.
    EXPECT_EQ(run.find<QLabel>("COM_Label")->text(), run.elm->slavePath());
    EXPECT_EQ(run.find<QLabel>("InterfaceLabel")->text(), "Not connected");
    EXPECT_EQ(lastLogLines(run, 1), QStringList({"Connection to the interface lost"}));
    EXPECT_EQ(logLinesEndingWith(" - Connection lost"), lostBefore + 1);

    run.click("TroubleCodesRead");
    run.click("btnFreezeFramesRead");
    QApplication::processEvents();
    EXPECT_EQ(boxes.texts.size(), 1);
    ASSERT_EQ(run.notifier.messages.size(), 2);
    EXPECT_TRUE(run.notifier.messages[1].text.startsWith(const_str::NoCommunicationLine1));
    run.context.link.setCommLogging(false);
}

TEST(LostInterface, DisconnectEndsTheConnectionEvenWhenTheResetCannotBeSent) {
    ProgramRun run;
    run.connectElmsim();
    run.elm->closeMaster();
    ErrorBoxes boxes;
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        run.click("btnDisconnect");
        QApplication::processEvents();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        EXPECT_TRUE(run.context.connection.noCommunication());
        EXPECT_FALSE(run.context.comPort->isOpen());
        EXPECT_FALSE(anyLampOn(run));
        EXPECT_EQ(lastLogLines(run, 3), QStringList({"ECU connection aborted",
                                                     "ELM connection aborted", "COM Port closed"}));
        // The aborted connections passed nothing: no OK icon before them.
        const QListWidget* log = run.find<QListWidget>("LogListBox");
        EXPECT_TRUE(log->item(log->count() - 3)->data(Qt::DecorationRole).isNull());
        EXPECT_TRUE(log->item(log->count() - 2)->data(Qt::DecorationRole).isNull());
        EXPECT_EQ(run.find<QLabel>("COM_Label")->text(), run.elm->slavePath());
        EXPECT_EQ(run.find<QLabel>("InterfaceLabel")->text(), "Not connected");
    }
}

// Another port chosen while connected, one that does not open: the choice is kept, and the
// program ends up plainly not connected, with a message naming the port.
TEST(PortChoice, APortThatDoesNotOpenIsStoredAndEndsTheConnection) {
    ProgramRun run;
    run.connectElmsim();
    ErrorBoxes boxes;
    const QString missing = test_env::root() + "/no-such-port";
    auto* ports = run.find<QComboBox>("COM_CB");
    ports->setEditText(missing);
    Q_EMIT ports->lineEdit()->editingFinished();
    QApplication::processEvents();

    SettingsStore store;
    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readText("Port"), missing);
    store.close();
    EXPECT_TRUE(boxes.texts.isEmpty());
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith("Port: " + missing +
                                                         " could not be "
                                                         "opened!\n"));
    EXPECT_TRUE(run.context.connection.noCommunication());
    EXPECT_FALSE(run.context.comPort->isOpen());
    EXPECT_EQ(run.context.comPort->portName(), missing);
    EXPECT_FALSE(anyLampOn(run));
    EXPECT_EQ(run.find<QLabel>("COM_Label")->text(), missing);
}

// The program started over the settings file as it stands (ProgramRun starts without one). A
// window that could not be created stays null.
struct StartOverStoredSettings {
    Session session;
    ProgramContext& context = session.context();
    Translator translator{data_dirs::programDir() + QStringLiteral("/locale")};
    RecordingNotifier notifier;
    std::unique_ptr<MainWindow> window;

    StartOverStoredSettings() {
        translator.chooseLanguage(QStringLiteral("en"));
        try {
            window = std::make_unique<MainWindow>(session, translator, notifier);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "the window was not created: " << error.what();
        }
    }
};

// LogFile.txt as a directory: nothing can open it.
struct UnopenableLog : testing::Test {
    void SetUp() override {
        QFile::remove(CommLog::path());
        ASSERT_TRUE(QDir().mkpath(CommLog::path()));
    }
    void TearDown() override { QDir(CommLog::path()).removeRecursively(); }
};

TEST_F(UnopenableLog, TickingTheBoxReportsItAndStoresNothing) {
    ProgramRun run;
    auto* box = run.find<QCheckBox>("cbCommunicationLog");
    run.click("cbCommunicationLog");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(run.context.link.commLogging());
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith(const_str::CommLogNotOpened));
    SettingsStore store;
    ASSERT_TRUE(store.open(false));
    EXPECT_NE(store.readBool(setting_names::CommLogging), std::optional<bool>(true));
}

TEST_F(UnopenableLog, AStoredLogOptionNeverKeepsTheProgramFromStarting) {
    QFile::remove(SettingsStore::defaultPath());
    SettingsStore stored;
    storeBool(setting_names::CommLogging, true, stored);
    const StartOverStoredSettings start;
    ASSERT_TRUE(start.window);
    EXPECT_EQ(start.notifier.texts().filter(const_str::CommLogNotOpened).size(), 1);
    EXPECT_FALSE(start.context.link.commLogging());
    EXPECT_FALSE(start.window->findChild<QCheckBox*>("cbCommunicationLog")->isChecked());
    // The user's choice stays for the next start, when the file may be usable again.
    SettingsStore store;
    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readBool(setting_names::CommLogging), std::optional<bool>(true));
}

TEST(DamagedSettings, AreReportedAndTheProgramStarts) {
    QDir().mkpath(QFileInfo(SettingsStore::defaultPath()).absolutePath());
    QFile file(SettingsStore::defaultPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\nPort=/dev/ttyS9\n[Broken\n\x01\x02\xff=\n");
    file.close();
    const StartOverStoredSettings start;
    EXPECT_TRUE(start.window);
    EXPECT_EQ(start.notifier.texts().filter(const_str::SettingsNotReadable).size(), 1);
    QFile::remove(SettingsStore::defaultPath());
}

// Stands for an interface that keeps talking without ever sending its prompt, and notes what the
// closing window looked like when the reset went out.
class BabblingChannel : public SerialChannel {
public:
    std::function<void()> onWrite;
    int waits = 0;
    QList<QByteArray> written;

    bool isOpen() const override { return true; }
    void write(const QByteArray& bytes) override {
        written << bytes;
        onWrite();
    }
    bool waitForData(int) override {
        ++waits;
        return true;
    }
    int receivedCount() override { return 1; }
    QByteArray read(int) override { return "x"; }
    void purge() override {}
};

TEST(ShutDown, FreesTheInstanceNameFirstAndResetsWithinOneAnswerTime) {
    ProgramRun run;
    const QString name = SingleInstance::lockName("quorvane-close-" + QString::number(getpid()));
    SingleInstance first(name);
    ASSERT_EQ(first.acquire(), SingleInstance::Claim::First);
    first.setWindow(run.window.get());
    QObject::connect(run.window.get(), &MainWindow::shutDownStarted, [&first] { first.release(); });

    bool secondStartIsFirst = false;
    bool windowShown = true;
    BabblingChannel channel;
    channel.onWrite = [&] {
        SingleInstance second(name);
        secondStartIsFirst = second.acquire() == SingleInstance::Claim::First;
        windowShown = run.window->isVisible();
    };
    run.context.link.setChannel(&channel);
    run.window->show();
    run.window->close();

    // A babble cut off at the answer cap is interrupted with a carriage return; nothing else goes.
    const QList<QByteArray> reset{"ATZ\r"};
    const QList<QByteArray> interrupted{"ATZ\r", "\r"};
    EXPECT_TRUE(channel.written == reset || channel.written == interrupted)
        << channel.written.size() << " writes";
    EXPECT_TRUE(secondStartIsFirst);
    EXPECT_FALSE(windowShown);
    // The reset's answer is cut off at the answer cap or the time limit, whichever comes first.
    EXPECT_GE(channel.waits, 1);
    EXPECT_LE(channel.waits, 64 * 1024);
}

} // namespace
