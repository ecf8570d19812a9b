// The main window's creation and shut-down steps, in their fixed order.

#include "core/connection/catalogue_translation.h"
#include "core/connection/program_context.h"
#include "core/connection/session.h"
#include "core/l10n/const_str.h"
#include "core/l10n/flag_library.h"
#include "core/l10n/language_list.h"
#include "core/l10n/translator.h"
#include "core/l10n/user_notifier.h"
#include "core/link/com_port.h"
#include "core/settings/data_dirs.h"
#include "core/settings/settings_load.h"
#include "core/settings/window_placement.h"
#include "ui/app/error_display.h"
#include "ui/app/input_pause.h"
#include "ui/app/main_window.h"
#include "ui/app/options_page.h"
#include "ui/app/window_connection_view.h"
#include "ui/app/window_translation.h"
#include "ui/pages/data_log_bar.h"
#include "ui/pages/dtc_page.h"
#include "ui/pages/freeze_frame_page.h"
#include "ui/pages/grid_heading_fanout.h"
#include "ui/pages/o2_sensor_page.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/pages/start_page.h"
#include "ui/pages/tests_page.h"
#include "ui/widgets/navigation_bar.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

// Right of the window if the screen has room there, else left of it, else as far right as the
// screen allows; the top edges level, inside the screen.
QPoint besideWindow(const QRect& window, const QSize& size, const QRect& screen) {
    int x = window.right() + 1;
    if (x + size.width() - 1 > screen.right()) {
        x = window.left() - size.width();
        if (x < screen.left())
            x = std::max(screen.left(), screen.right() + 1 - size.width());
    }
    const int y = std::clamp(window.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace

void MainWindow::locateHelpFile() {
    QString code = m_translator.currentLanguage();
    if (code.size() != 2)
        code = QStringLiteral("en");
    const QString base = data_dirs::programDir() + QStringLiteral("/locale/");
    QString path = base + code + QStringLiteral("/help/index.html");
    if (!QFile::exists(path))
        path = base + QStringLiteral("en/help/index.html");
    if (!QFile::exists(path)) {
        m_help->hide();
        m_notifier.showMessage(UserNotifier::Icon::Information,
                               m_translator.translate(const_str::HelpFileNotFound) +
                                   QLatin1Char('\n') + path);
    }
    m_context.helpFilePath = path;
}

void MainWindow::startUp() {
    locateHelpFile();

    TranslationExclusions exclusions;
    exclusions.properties = {QStringLiteral("font"), QStringLiteral("objectName")};
    exclusions.objectProperties = {QStringLiteral("TfMain.windowTitle"),
                                   QStringLiteral("panelWWW.text")};
    translateWindow(
        this, [this](const QString& text) { return m_translator.translate(text); }, exclusions);
    m_navigation->assignMnemonics();
    // The title strip's padded caption is no catalogue text: it names the start page as its
    // button now does.
    m_infoPanel->setText(QStringLiteral("  ") + m_translator.translate(QStringLiteral("Start")));

    const TranslationInfo info = translationInfo(m_translator);
    m_options->showTranslationInfo(info.language, info.translator);

    m_session.open();
    // A damaged table is reported, and the program still starts (without descriptions).
    runReportingErrors(
        [this] { m_session.loadFaultTable(m_translator.currentLanguage(), m_notifier); });

    m_context.serialPortNames = serialPortNames();
    m_options->fillPorts(m_context.serialPortNames);

    // Every step that reads a file reports a damaged or unreadable one, and start-up goes on.
    SettingsLoadResult loaded;
    runReportingErrors([&] { loaded = m_session.loadSettings(); });
    if (loaded.unreadable)
        m_notifier.showMessage(
            UserNotifier::Icon::Error,
            const_str::SettingsNotReadable + QLatin1Char('\n') + m_context.settings.path() +
                (loaded.damagedCopy.isEmpty()
                     ? QString()
                     : QLatin1Char('\n') +
                           const_str::SettingsDamagedCopyKept.arg(loaded.damagedCopy)));
    const PersistedOptions& options = loaded.options;
    m_context.unitSystem = options.unitSystem;
    m_context.autoDetect = options.autoDetect;
    m_context.autoConnect = options.autoConnect;
    m_context.recordSessions = options.recordSessions;
    m_context.anonymizeRecordings = options.anonymizeRecordings;
    m_context.adapter = options.adapter;
    m_context.link.setSilenceTimeout(options.adapter.silenceTimeoutMs);
    m_options->showOptions(options);
    restorePlacement(options.window);
    runReportingErrors([this] {
        m_options->showLanguages(
            buildLanguageList(m_translator, FlagLibrary::defaultPath(), m_notifier));
    });
    GridHeadingFanout gridHeadings{m_freezeFrames, m_o2Sensors, m_sensorData};
    m_context.pidCatalogue = translateCatalogues(m_translator, &gridHeadings);
    m_sensorData->showDashboardTexts(isEnglish(m_context.unitSystem));
    m_sensorData->setGraphWidth(1, options.widthGraph1);
    m_sensorData->setGraphWidth(2, options.widthGraph2);
    if (options.colorGraph1)
        m_sensorData->setGraphColour(1, storedToColor(*options.colorGraph1));
    if (options.colorGraph2)
        m_sensorData->setGraphColour(2, storedToColor(*options.colorGraph2));
    // The units are known and translated from here on.
    m_tests->showStartValues();
    m_dtc->emptyGrids();

    m_options->selectPort(m_context.comPort->portName());
    // A full disk ends the log, not the reading that was being logged.
    m_context.link.commLog().setFailureHandler(showErrorMessageLater);
    // So does a recording that cannot be written; its mark goes once the window is told.
    m_context.link.recorder().setFailureHandler([this](const QString& message) {
        showErrorMessageLater(message);
        QMetaObject::invokeMethod(
            this, [this] { showRecordingMark(); }, Qt::QueuedConnection);
    });
    // Before the first connection the status strip names the port the connection will try.
    if (!m_context.comPort->portName().isEmpty())
        m_connectionView->setComLabel(m_context.comPort->portName());
    // A log that cannot be opened (a directory of that name, a read-only data directory) must
    // not keep the program from starting: it is reported once and stays off for this run.
    if (options.commLogging)
        m_options->switchOnCommLogging();
    // After the translation pass: the choice shows the table's "Generic" in the run's language.
    m_dtc->fillManufacturers(m_context.faultCodeTable.manufacturers());
    m_dtc->selectFirstManufacturer();
    // The report reads what the pages show from now on, the translated start-up texts included.
    m_start->setShownRecord(&m_context.shown.monitorStatus);

    auto* notebook = findChild<QStackedWidget*>(QStringLiteral("Notebook"));
    notebook->setCurrentWidget(notebook->findChild<QWidget*>(QStringLiteral("Page_Start")));
    if (auto* start = findChild<QAbstractButton*>(QStringLiteral("btnStart")))
        start->setChecked(true);
    m_sensorData->refreshSensorTable();
    m_sensorData->tabs()->setCurrentIndex(0);

    if (m_context.autoConnect)
        m_autoConnectTimer->start();
}

void MainWindow::shutDown() {
    m_closed = true;
    Q_EMIT shutDownStarted();
    m_autoConnectTimer->stop();
    const InputPause pause(this);
    stopPollingAndWait();
    // A window that was never shown has no place of the user's to keep.
    if (isVisible())
        storeWindowPlacement(m_context.settings,
                             {isMaximized() ? normalGeometry() : geometry(), isMaximized()});
    // Nobody should watch a window wait for an interface that may never answer.
    hide();
    runReportingErrors([this] { m_session.shutDown(); });
    if (m_sensorData->dataLog()->isFileOpen())
        m_sensorData->dataLog()->onStopRecordingClicked();
    if (m_helpWindow != nullptr)
        m_helpWindow->close();
}

void MainWindow::restorePlacement(const std::optional<WindowPlacement>& stored) {
    if (!stored)
        return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const std::optional<QRect> place = placementOnScreens(stored->normal, screens, minimumSize());
    if (!place)
        return;
    setGeometry(*place);
    if (stored->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::onHelpClicked() {
    const bool first = m_helpWindow == nullptr;
    if (first) {
        auto* browser = new QTextBrowser(this);
        browser->setWindowFlag(Qt::Window);
        browser->setObjectName(QStringLiteral("HelpWindow"));
        browser->setOpenExternalLinks(true);
        browser->resize(640, 560);
        m_helpWindow = browser;
    }
    auto* browser = static_cast<QTextBrowser*>(m_helpWindow);
    browser->setSource(QUrl::fromLocalFile(m_context.helpFilePath));
    // The book's own title names it in the taskbar, in the run's language.
    const QString title = browser->documentTitle().trimmed();
    browser->setWindowTitle(title.isEmpty() ? QStringLiteral("OBD-II Quorvane") : title);
    // Opened beside the window it explains, so that the user reads both; later the user's place.
    if (first)
        m_helpWindow->move(besideWindow(frameGeometry(), m_helpWindow->frameGeometry().size(),
                                        screen()->availableGeometry()));
    m_helpWindow->show();
    m_helpWindow->raise();
}
