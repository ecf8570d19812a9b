#include "ui/app/main_window.h"

#include "core/connection/program_context.h"
#include "core/connection/session.h"
#include "core/j1979/monitor_status.h"
#include "core/l10n/const_str.h"
#include "core/link/serial_port.h"
#include "core/link/stop_signal.h"
#include "core/settings/file_io.h"
#include "ui/app/caption_bar.h"
#include "ui/app/connect_run.h"
#include "ui/app/error_display.h"
#include "ui/app/frame_edges.h"
#include "ui/app/input_pause.h"
#include "ui/app/options_page.h"
#include "ui/app/window_connection_view.h"
#include "ui/pages/data_log_bar.h"
#include "ui/pages/dtc_page.h"
#include "ui/pages/freeze_frame_page.h"
#include "ui/pages/monitor_tests_page.h"
#include "ui/pages/o2_sensor_page.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/pages/start_page.h"
#include "ui/pages/terminal_page.h"
#include "ui/pages/tests_page.h"
#include "ui/pages/vehicle_page.h"
#include "ui/widgets/navigation_bar.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/status_led.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

MainWindow::MainWindow(Session& session, Translator& translator, UserNotifier& notifier,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::FramelessWindowHint), m_session(session),
      m_context(session.context()), m_translator(translator), m_notifier(notifier),
      m_connectStop(std::make_unique<StopSignal>()) {
    setObjectName(QStringLiteral("TfMain"));
    setWindowTitle(QStringLiteral("OBD-II Quorvane"));
    resize(960, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    new FrameEdges(this);
    buildFrame();
    wireConnection();
    startUp();
}

MainWindow::~MainWindow() {
    // A window destroyed without being closed (a test, say) still shuts down in order.
    if (!m_closed)
        shutDown();
    m_session.attachView(nullptr);
}

void MainWindow::wireConnection() {
    WindowConnectionView::Widgets widgets;
    widgets.window = this;
    widgets.startPage = m_start;
    widgets.vehiclePage = m_vehicle;
    widgets.comLabel = findChild<QLabel*>(QStringLiteral("COM_Label"));
    widgets.interfaceLabel = findChild<QLabel*>(QStringLiteral("InterfaceLabel"));
    widgets.comLed = findChild<StatusLed*>(QStringLiteral("COM_Led"));
    widgets.elmLed = findChild<StatusLed*>(QStringLiteral("ELM_Led"));
    widgets.ecuLed = findChild<StatusLed*>(QStringLiteral("ECU_Led"));
    widgets.dtcPage = m_dtc;
    widgets.freezeFramePage = m_freezeFrames;
    widgets.o2SensorPage = m_o2Sensors;
    widgets.monitorTestsPage = m_monitorTests;
    widgets.sensorDataPage = m_sensorData;
    m_connectionView = std::make_unique<WindowConnectionView>(widgets);
    m_session.attachView(m_connectionView.get());

    connect(m_start->connectButton(), &QPushButton::clicked, this,
            guarded([this] { onConnectClicked(); }));
    connect(m_start->disconnectButton(), &QPushButton::clicked, this,
            guarded([this] { onDisconnectClicked(); }));
    connect(m_start->demoModeBox(), &QCheckBox::clicked, this,
            guarded([this](bool checked) { onDemoModeToggled(checked); }));

    // The exchange reports a lost device while it is locked, perhaps on the polling thread: the
    // window answers afterwards, on its own thread.
    connect(
        &m_session, &Session::deviceLost, this,
        [this](const QString& reason) { runReportingErrors([&] { interfaceLost(reason); }); },
        Qt::QueuedConnection);
    connect(&m_session, &Session::recordingChanged, this, [this] { showRecordingMark(); });
    connect(&m_session, &Session::recordingFailed, this, [](const QString& message) {
        showErrorMessageLater(const_str::RecordingNotStarted + QLatin1Char('\n') + message);
    });
    // Slots that talk to the interface may throw; guarded() keeps that out of Qt's signal code.
    connect(m_options, &OptionsPage::connectionLost, this, guarded([this](const QString& reason) {
                const InputPause pause(this);
                stopPollingAndWait();
                m_sensorData->dataLog()->endRecording();
                m_session.connectionLost(reason);
            }));

    connect(m_dtc, &DtcPage::monitorStatusRead, m_start, &StartPage::showMonitorStatus);
    // Clearing erased the frame too: its supported set and its values are read again.
    connect(m_dtc, &DtcPage::troubleCodesCleared, this, guarded([this] {
                if (m_context.service02)
                    m_context.service02->readSupported(m_context.link);
                m_freezeFrames->readFreezeFrames();
            }));
    connect(m_dtc, &DtcPage::manufacturerChanged, m_freezeFrames,
            &FreezeFramePage::refreshDescription);
    m_freezeFrames->selectedManufacturer = [this] { return m_dtc->selectedManufacturer(); };

    m_autoConnectTimer = new QTimer(this);
    m_autoConnectTimer->setObjectName(QStringLiteral("AutoConnectTimer"));
    m_autoConnectTimer->setSingleShot(true);
    m_autoConnectTimer->setInterval(500);
    connect(m_autoConnectTimer, &QTimer::timeout, this,
            guarded([this] { onAutoConnectTimeout(); }));
}

void MainWindow::showRecordingMark() {
    const QString file = m_session.recordingFile();
    m_recordingMark->setVisible(!file.isEmpty());
    m_recordingMark->setToolTip(file.isEmpty() ? QString()
                                               : const_str::RecordingInto.arg(shownPath(file)));
}

void MainWindow::onConnectClicked() {
    connectNow();
}

void MainWindow::connectNow() {
    if (m_connecting)
        return;
    m_disconnectAsked = false;
    m_connectStop->reset();
    {
        m_connecting = true;
        const auto done = qScopeGuard([this] { m_connecting = false; });
        {
            // Stopped first: the polling worker gives the link's stop signal back when it ends.
            // Disconnect and a close already count.
            const InputPause pause(this, m_start->disconnectButton(),
                                   [this] { m_connectStop->request(); });
            stopPollingAndWait();
        }
        const ConnectRun run(this, m_start->disconnectButton(), m_context.link, *m_connectStop);
        m_session.connect();
    }
    if (m_disconnectAsked)
        onDisconnectClicked();
}

void MainWindow::onDisconnectClicked() {
    if (m_connecting) {
        // This click came from the wait of the sequence: it ends after the exchange in progress,
        // and the disconnect follows.
        m_disconnectAsked = true;
        m_connectStop->request();
        return;
    }
    const InputPause pause(this);
    stopPollingAndWait();
    m_session.disconnect();
}

void MainWindow::onDemoModeToggled(bool checked) {
    m_context.link.switchDemoMode(checked);
}

void MainWindow::interfaceLost(const QString& reason) {
    // Disconnect, a new connection or the shut-down may have closed the port meanwhile; then the
    // loss has been dealt with. A connection being made has replaced the lost one: a device it
    // loses itself ends it with an error of its own.
    if (m_closed || m_connecting || !m_context.comPort || !m_context.comPort->isOpen())
        return;
    const InputPause pause(this);
    stopPollingAndWait();
    // The file ends with the last whole record; a new session records into a new file.
    m_sensorData->dataLog()->endRecording();
    m_session.connectionLost(reason);
}

void MainWindow::onAutoConnectTimeout() {
    m_autoConnectTimer->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The cursor comes back whatever the sequence does, errors included.
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;
    connectNow();
}

void MainWindow::setDialogs(QWidget* info, QWidget* dtcSearch, QWidget* reportSettings) {
    m_infoDialog = info;
    m_dtcSearch = dtcSearch;
    m_reportSettings = reportSettings;
}

void MainWindow::buildFrame() {
    auto* central = new QWidget(this);
    central->setMouseTracking(true);
    auto* layout = new QVBoxLayout(central);
    // The thin border left free around the content is where the window is resized.
    layout->setContentsMargins(FrameEdges::kBorder, FrameEdges::kBorder, FrameEdges::kBorder,
                               FrameEdges::kBorder);
    layout->setSpacing(0);
    m_caption = new CaptionBar(windowTitle(), central);
    connect(m_caption, &CaptionBar::minimizeClicked, this, &QWidget::showMinimized);
    connect(m_caption, &CaptionBar::maximizeClicked, this,
            guarded([this] { onMaximizeClicked(); }));
    connect(m_caption, &CaptionBar::closeClicked, this, &QWidget::close);
    layout->addWidget(m_caption);
    layout->addSpacing(2);
    layout->addWidget(buildToolbar());
    layout->addWidget(buildMiddle(), 1);
    layout->addWidget(buildStatusStrip());
    setCentralWidget(central);
}

QToolButton* MainWindow::toolButton(QWidget* parent, const QString& name,
                                    const QString& pictureName, int x) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(QIcon(picture(pictureName, QSize(28, 28))));
    button->setIconSize(QSize(28, 28));
    button->setGeometry(x, 2, 36, 36);
    return button;
}

QWidget* MainWindow::buildToolbar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setFixedHeight(40);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QWidget(bar);
    left->setFixedWidth(90);
    auto* right = new QWidget(bar);
    right->setFixedWidth(186);
    layout->addWidget(left);
    layout->addStretch(1);
    layout->addWidget(right);

    QToolButton* search =
        toolButton(left, QStringLiteral("btnDTCSearch"), QStringLiteral("TB_DTCSEARCH"), 4);
    QToolButton* print =
        toolButton(left, QStringLiteral("btnPrint"), QStringLiteral("TB_PRINT"), 48);
    m_help = toolButton(right, QStringLiteral("btnHelp"), QStringLiteral("TB_HELP"), 64);
    QToolButton* info =
        toolButton(right, QStringLiteral("btnInfo"), QStringLiteral("TB_INFO"), 106);
    QToolButton* close =
        toolButton(right, QStringLiteral("btnApplicationClose"), QStringLiteral("TB_CLOSE"), 148);
    auto execDialog = [](QWidget* dialog) {
        if (auto* d = qobject_cast<QDialog*>(dialog))
            d->exec();
    };
    connect(search, &QToolButton::clicked, this,
            guarded([this, execDialog] { execDialog(m_dtcSearch); }));
    connect(print, &QToolButton::clicked, this,
            guarded([this, execDialog] { execDialog(m_reportSettings); }));
    connect(info, &QToolButton::clicked, this,
            guarded([this, execDialog] { execDialog(m_infoDialog); }));
    connect(m_help, &QToolButton::clicked, this, guarded([this] { onHelpClicked(); }));
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    return bar;
}

QWidget* MainWindow::buildMiddle() {
    auto* middle = new QWidget(this);
    auto* layout = new QHBoxLayout(middle);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_navigation = new NavigationBar(middle);
    m_navigation->setObjectName(QStringLiteral("OutlookBar"));
    m_navigation->setFixedWidth(108);
    m_navigation->setGroup(QStringLiteral("hdr_obdii"), QStringLiteral("OBD-II"));
    connect(m_navigation, &NavigationBar::buttonClicked, this,
            guarded([this](QAbstractButton* button) { onNavigationClicked(button); }));
    layout->addWidget(m_navigation);

    auto* right = new QWidget(middle);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_infoPanel = new QLabel(QStringLiteral("  Start"), right);
    m_infoPanel->setObjectName(QStringLiteral("InfoPanel"));
    m_infoPanel->setFixedHeight(25);
    m_infoPanel->setAutoFillBackground(true);
    QPalette pal = m_infoPanel->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    pal.setColor(QPalette::WindowText, Qt::white);
    m_infoPanel->setPalette(pal);
    QFont font = m_infoPanel->font();
    font.setPointSize(10);
    font.setBold(true);
    m_infoPanel->setFont(font);
    column->addWidget(m_infoPanel);

    m_notebook = new QStackedWidget(right);
    m_notebook->setObjectName(QStringLiteral("Notebook"));
    m_start = new StartPage(m_notebook);
    m_notebook->addWidget(m_start);
    m_dtc = new DtcPage(m_context, m_notifier, m_notebook);
    m_notebook->addWidget(m_dtc);
    m_freezeFrames = new FreezeFramePage(m_context, m_notifier, m_notebook);
    m_notebook->addWidget(m_freezeFrames);
    m_o2Sensors = new O2SensorPage(m_context, m_notifier, m_notebook);
    m_notebook->addWidget(m_o2Sensors);
    m_monitorTests = new MonitorTestsPage(m_context, m_notifier, m_notebook);
    m_notebook->addWidget(m_monitorTests);
    m_sensorData = new SensorDataPage(m_context, m_notifier, m_notebook);
    m_notebook->addWidget(m_sensorData);
    m_terminal = new TerminalPage(m_context, m_notebook);
    m_notebook->addWidget(m_terminal);
    m_tests = new TestsPage(m_context, m_notifier, m_notebook);
    m_notebook->addWidget(m_tests);
    m_vehicle = new VehiclePage(m_context, m_notebook);
    m_notebook->addWidget(m_vehicle);
    // Only one of them talks to the interface at a time, and none once this returns.
    stopPollingAndWait = [this] {
        m_sensorData->stopPollingAndWait();
        m_tests->stopTestAndWait();
        m_terminal->waitForRequest();
    };

    m_options = new OptionsPage(m_context, m_notifier, m_notebook);
    m_notebook->addWidget(m_options);
    connect(m_options, &OptionsPage::unitSystemChanged, m_sensorData,
            [this](UnitSystem units) { m_sensorData->setUnitSystem(isEnglish(units)); });
    connect(m_options, &OptionsPage::graphWidthChanged, m_sensorData,
            &SensorDataPage::setGraphWidth);
    connect(m_options, &OptionsPage::graphColorChanged, m_sensorData,
            &SensorDataPage::setGraphColour);
    column->addWidget(m_notebook, 1);
    layout->addWidget(right, 1);

    // Top to bottom as the bar shows them.
    const struct {
        const char* button;
        const char* caption;
        const char* picture;
        QWidget* page;
    } navigation[] = {
        {"btnStart", "Start", "NAV_START", m_start},
        {"btnFehlercodes", "DTCs", "NAV_DTC", m_dtc},
        {"btnSensorData", "Sensor Data", "NAV_SENSOR", m_sensorData},
        {"btnFreezeFrames", "Freeze Frames", "NAV_FREEZE", m_freezeFrames},
        {"btnO2Sensor", "O2 Sensors", "NAV_O2", m_o2Sensors},
        {"btnMonitorTests", "Monitor Tests", "NAV_TESTS", m_monitorTests},
        {"btnTerminal", "Terminal", "NAV_TERMINAL", m_terminal},
        {"btnTests", "Tests", "NAV_TESTS", m_tests},
        {"btnVehicle", "Vehicle", "NAV_VEHICLE", m_vehicle},
        {"btnOptions", "Options", "NAV_OPTIONS", m_options},
    };
    for (const auto& entry : navigation)
        m_navigation->addButton(QLatin1String(entry.button), QLatin1String(entry.caption),
                                QLatin1String(entry.picture), entry.page);
    return middle;
}

StatusLed* MainWindow::statusLed(QWidget* parent, const QString& name) {
    auto* led = new StatusLed(parent);
    led->setObjectName(name);
    led->setFixedSize(17, 9);
    led->setInterval(200);
    led->setLedOnColor(QColor(0x00, 0xFF, 0x00));
    led->setLedOffColor(QColor(0x00, 0x80, 0x00));
    led->setLedStyle(StatusLed::Rectangle);
    led->setLedOn(false);
    return led;
}

QWidget* MainWindow::buildStatusStrip() {
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("StatusBar"));
    strip->setFixedHeight(21);
    strip->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);

    auto field = [strip, layout](int width) {
        auto* box = new QWidget(strip);
        if (width > 0)
            box->setFixedWidth(width);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(2, 0, 2, 0);
        row->setSpacing(4);
        layout->addWidget(box, width > 0 ? 0 : 1);
        return row;
    };
    QHBoxLayout* interfaceField = field(192);
    auto* interfacePicture = new QLabel(strip);
    interfacePicture->setPixmap(picture(QStringLiteral("INTERFACE"), QSize(16, 16)));
    interfaceField->addWidget(interfacePicture);
    auto* interfaceLabel = new QLabel(QStringLiteral("Initializing..."), strip);
    interfaceLabel->setObjectName(QStringLiteral("InterfaceLabel"));
    interfaceField->addWidget(interfaceLabel, 1);

    // Wider than a "COM1" needs: device paths such as /dev/ttyUSB0 must fit.
    QHBoxLayout* portField = field(150);
    portField->addWidget(new QLabel(QStringLiteral("Port:"), strip));
    auto* portLabel = new QLabel(QStringLiteral("COM?"), strip);
    portLabel->setObjectName(QStringLiteral("COM_Label"));
    portField->addWidget(portLabel, 1);
    portField->addWidget(statusLed(strip, QStringLiteral("COM_Led")));

    QHBoxLayout* elmField = field(50);
    elmField->addWidget(new QLabel(QStringLiteral("ELM"), strip));
    elmField->addWidget(statusLed(strip, QStringLiteral("ELM_Led")));
    QHBoxLayout* ecuField = field(50);
    ecuField->addWidget(new QLabel(QStringLiteral("ECU"), strip));
    ecuField->addWidget(statusLed(strip, QStringLiteral("ECU_Led")));

    // Red while the session is being recorded; the tooltip names the file.
    QHBoxLayout* recordingField = field(20);
    m_recordingMark = new QLabel(QStringLiteral("\u25CF"), strip);
    m_recordingMark->setObjectName(QStringLiteral("RecordingMark"));
    m_recordingMark->setStyleSheet(QStringLiteral("color: #e00000; font-weight: bold"));
    m_recordingMark->setVisible(false);
    recordingField->addWidget(m_recordingMark);

    QHBoxLayout* webField = field(0);
    auto* web = new QLabel(strip);
    web->setObjectName(QStringLiteral("panelWWW"));
    web->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff; font-weight:bold; "
                                "text-decoration:none\">%1</a>")
                     .arg(QString::fromLatin1(kWebAddress)));
    web->setCursor(Qt::PointingHandCursor);
    connect(web, &QLabel::linkActivated, this, guarded([this] { onWebsiteClicked(); }));
    webField->addWidget(web, 1);
    return strip;
}

void MainWindow::onNavigationClicked(QAbstractButton* button) {
    const InputPause pause(this);
    stopPollingAndWait();
    QWidget* page = m_navigation->pageOf(button);
    if (page != nullptr)
        m_notebook->setCurrentWidget(page);
    if (page == m_options)
        m_options->autodetectBox()->setFocus();
    button->setChecked(true);
    m_infoPanel->setText(QStringLiteral("  ") + NavigationBar::caption(button));
}

void MainWindow::onMaximizeClicked() {
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        m_caption->showMaximized(isMaximized());
    QMainWindow::changeEvent(event);
}

void MainWindow::onWebsiteClicked() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed)
        shutDown();
    QMainWindow::closeEvent(event);
}
