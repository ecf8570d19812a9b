#pragma once

#include "ui/dialogs/maker_contact.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

struct ProgramContext;
struct WindowPlacement;
class CaptionBar;
class DtcPage;
class FreezeFramePage;
class MonitorTestsPage;
class O2SensorPage;
class SensorDataPage;
class StartPage;
class TerminalPage;
class TestsPage;
class VehiclePage;
class QTimer;
class WindowConnectionView;
class NavigationBar;
class OptionsPage;
class Session;
class QAbstractButton;
class QLabel;
class QStackedWidget;
class QToolButton;
class StatusLed;
class StopSignal;
class Translator;
class UserNotifier;

// The program's one main window: its own caption bar, the toolbar, the navigation bar with the
// title strip and the pages, and the status strip with the three connection lamps.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, Translator& translator, UserNotifier& notifier,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The shared click handler of the navigation buttons.
    void onNavigationClicked(QAbstractButton* button);

    // Stops the live-data polling and the acceleration test and waits for them and for a terminal
    // request, processing window events meanwhile; called before every navigation, every new
    // connection and at shut-down. Does nothing while none of them runs.
    std::function<void()> stopPollingAndWait = [] {};

    // The dialogs the toolbar opens (created after the main window, owned by the caller).
    void setDialogs(QWidget* info, QWidget* dtcSearch, QWidget* reportSettings);

    OptionsPage* optionsPage() const { return m_options; }
    StartPage* startPage() const { return m_start; }
    DtcPage* dtcPage() const { return m_dtc; }
    FreezeFramePage* freezeFramePage() const { return m_freezeFrames; }
    O2SensorPage* o2SensorPage() const { return m_o2Sensors; }
    MonitorTestsPage* monitorTestsPage() const { return m_monitorTests; }
    SensorDataPage* sensorDataPage() const { return m_sensorData; }
    TestsPage* testsPage() const { return m_tests; }
    VehiclePage* vehiclePage() const { return m_vehicle; }
    TerminalPage* terminalPage() const { return m_terminal; }

Q_SIGNALS:
    // The first thing the window's shut-down does, before the interface is talked to: the owner
    // gives up the single-instance lock, so that a start during shut-down is a new program, not a
    // call on this dying window.
    void shutDownStarted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFrame();
    QWidget* buildToolbar();
    QWidget* buildMiddle();
    QWidget* buildStatusStrip();
    QToolButton* toolButton(QWidget* parent, const QString& name, const QString& pictureName,
                            int x);
    StatusLed* statusLed(QWidget* parent, const QString& name);

    void startUp();
    void wireConnection();
    void onAutoConnectTimeout();
    void onConnectClicked();
    // The connection sequence, with the window kept alive meanwhile (ConnectRun); a Disconnect
    // asked for during it is made when it has stopped.
    void connectNow();
    void onDisconnectClicked();
    void onDemoModeToggled(bool checked);
    void interfaceLost(const QString& reason);
    // The recording mark of the status strip shown, with its file, while the session records.
    void showRecordingMark();
    void shutDown();
    // Puts the window where the last run left it, when a screen still has that place.
    void restorePlacement(const std::optional<WindowPlacement>& stored);
    void locateHelpFile();
    void onMaximizeClicked();
    void onHelpClicked();
    void onWebsiteClicked();

    Session& m_session;
    ProgramContext& m_context;
    Translator& m_translator;
    UserNotifier& m_notifier;
    CaptionBar* m_caption = nullptr;
    NavigationBar* m_navigation = nullptr;
    QLabel* m_infoPanel = nullptr;
    QLabel* m_recordingMark = nullptr;
    QStackedWidget* m_notebook = nullptr;
    OptionsPage* m_options = nullptr;
    StartPage* m_start = nullptr;
    DtcPage* m_dtc = nullptr;
    FreezeFramePage* m_freezeFrames = nullptr;
    O2SensorPage* m_o2Sensors = nullptr;
    MonitorTestsPage* m_monitorTests = nullptr;
    SensorDataPage* m_sensorData = nullptr;
    TestsPage* m_tests = nullptr;
    VehiclePage* m_vehicle = nullptr;
    TerminalPage* m_terminal = nullptr;
    QTimer* m_autoConnectTimer = nullptr;
    std::unique_ptr<WindowConnectionView> m_connectionView;
    QToolButton* m_help = nullptr;
    QWidget* m_infoDialog = nullptr;
    QWidget* m_dtcSearch = nullptr;
    QWidget* m_reportSettings = nullptr;
    QWidget* m_helpWindow = nullptr;
    bool m_closed = false;
    std::unique_ptr<StopSignal> m_connectStop;
    bool m_connecting = false;
    bool m_disconnectAsked = false;
};
