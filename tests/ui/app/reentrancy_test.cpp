// The waits for the interface and for the polling worker run nested event loops. A click that
// arrives meanwhile must not run its handler inside the one that waits.

#include "core/livedata/sensor_thread.h"
#include "tests/support/program_run.h"
#include "ui/app/close_on_signal.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/widgets/segment_display.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <csignal>
#include <functional>

namespace {

// A click as the window system delivers it: queued, and handled by whichever event loop runs
// next.
void postClick(QWidget* target) {
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

void startPolling(ProgramRun& run) {
    run.connectDemo();
    run.click(QStringLiteral("btnSensorData"));
    run.click(QStringLiteral("btnSensorsRead"));
    SensorDataPage* page = run.window->sensorDataPage();
    // The first cycle shows that the worker is under way.
    while (page->sensorThread().isPolling() && page->counter()->text().toInt() < 1)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ASSERT_TRUE(page->sensorThread().isPolling());
}

void startTerminalRequest(ProgramRun& run) {
    run.connectDemo();
    run.click(QStringLiteral("btnTerminal"));
    run.find<QLineEdit>(QStringLiteral("FlatEdit1"))->setText(QStringLiteral("ATI"));
    run.click(QStringLiteral("dxButton2"));
}

struct Case {
    const char* name;
    std::function<void(ProgramRun&)> setUp;
    const char* clicked; // the control whose handler waits; none: the window is closed
    const char* clickedMeanwhile;
};

const Case kCases[] = {
    {"ConnectDuringConnect", [](ProgramRun& run) { run.click(QStringLiteral("cbDemoMode")); },
     "NeuInitialisierenBtn", "NeuInitialisierenBtn"},
    {"NavigationDuringTheStopOfPolling", startPolling, "btnStart", "btnOptions"},
    {"NavigationWhileClosingDuringATerminalRequest", startTerminalRequest, nullptr, "btnStart"},
};

} // namespace

class Reentrancy : public ::testing::TestWithParam<Case> {};

TEST_P(Reentrancy, AClickWhileAHandlerWaitsIsNotHandledInsideIt) {
    ProgramRun run;
    run.window->show();
    GetParam().setUp(run);
    auto* meanwhile = run.find<QAbstractButton>(QString::fromLatin1(GetParam().clickedMeanwhile));
    int clicks = 0;
    QObject::connect(meanwhile, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    postClick(meanwhile);
    if (GetParam().clicked)
        run.click(QString::fromLatin1(GetParam().clicked));
    else
        run.window->close();
    // A click the waits never saw is left to nobody: it would only count after the handler.
    QCoreApplication::removePostedEvents(meanwhile);
    const bool sameControl =
        GetParam().clicked && qstrcmp(GetParam().clicked, GetParam().clickedMeanwhile) == 0;
    EXPECT_EQ(clicks, sameControl ? 1 : 0); // the handler's own click, nothing inside it
}

INSTANTIATE_TEST_SUITE_P(Waits, Reentrancy, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

// Notes the state of the connection when a close request reaches the window itself.
struct CloseWatch : QObject {
    const ProgramRun& run;
    bool closed = false;
    bool connectedWhenClosed = false;
    explicit CloseWatch(const ProgramRun& r) : run(r) { run.window->installEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Close && !closed) {
            closed = true;
            connectedWhenClosed = !run.context.connection.noCommunication();
        }
        return false;
    }
};

} // namespace

// The window manager's close (Alt+F4) is no click: while Connect waits it is held back, stops
// the connection sequence, and the program shuts down after the sequence, not inside it.
TEST(Reentrancy, ACloseWhileConnectWaitsStopsItAndShutsDownAfterIt) {
    ProgramRun run;
    run.window->show();
    run.click(QStringLiteral("cbDemoMode"));
    CloseWatch watch(run);
    QCoreApplication::postEvent(run.window.get(), new QCloseEvent);
    run.click(QStringLiteral("NeuInitialisierenBtn"));
    for (int round = 0; round < 1000 && !watch.closed; ++round)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    ASSERT_TRUE(watch.closed);
    EXPECT_FALSE(watch.connectedWhenClosed);
    EXPECT_EQ(run.logLines().last(), "Connection stopped");
    EXPECT_FALSE(run.window->isVisible());
}

// The one control a connection leaves usable: Disconnect ends the sequence after the exchange in
// progress (the simulated interface's answer time here), without a failed step, and then
// disconnects; also when the connection began by stopping live-data polling.
TEST(Reentrancy, DisconnectWhileConnectWaitsStopsTheSequenceAndDisconnects) {
    for (const bool polling : {false, true}) {
        SCOPED_TRACE(polling ? "while polling" : "idle");
        ProgramRun run;
        run.window->show();
        if (polling)
            startPolling(run);
        else
            run.click(QStringLiteral("cbDemoMode"));
        run.context.link.setDemoDelay(200);
        auto* disconnect = run.find<QAbstractButton>(QStringLiteral("btnDisconnect"));
        int clicks = 0;
        QObject::connect(disconnect, &QAbstractButton::clicked, [&clicks] { ++clicks; });
        postClick(disconnect);
        run.click(QStringLiteral("NeuInitialisierenBtn"));
        EXPECT_EQ(clicks, 1);
        const QStringList lines = run.logLines();
        const QString shown = lines.join('\n');
        const qsizetype stopped = lines.indexOf("Connection stopped");
        ASSERT_GE(stopped, 0) << shown.toStdString();
        EXPECT_TRUE(lines.mid(stopped).contains("COM Port closed")) << shown.toStdString();
        EXPECT_TRUE(lines.filter("Error").isEmpty() && lines.filter("failed").isEmpty())
            << shown.toStdString();
        EXPECT_TRUE(run.context.connection.noCommunication());
    }
}

// SIGTERM, SIGINT and SIGHUP close the window with its shut-down, as the close button does; one
// that comes while Connect waits stops the connection first.
TEST(Reentrancy, ASignalClosesTheWindowWithItsShutDownEvenWhileConnecting) {
    for (const bool connecting : {false, true}) {
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            SCOPED_TRACE(testing::Message()
                         << "signal " << signal << ", connecting " << connecting);
            ProgramRun run;
            run.window->show();
            run.click(QStringLiteral("cbDemoMode"));
            run.context.link.setDemoDelay(50);
            bool shutDown = false;
            QObject::connect(run.window.get(), &MainWindow::shutDownStarted,
                             [&shutDown] { shutDown = true; });
            CloseOnSignal closer(run.window.get());
            ::raise(signal);
            if (connecting) {
                run.click(QStringLiteral("NeuInitialisierenBtn"));
                EXPECT_EQ(run.logLines().last(), "Connection stopped");
            }
            while (!shutDown)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            EXPECT_FALSE(run.window->isVisible());
            EXPECT_EQ(closer.signalNumber(), signal);
        }
    }
}
