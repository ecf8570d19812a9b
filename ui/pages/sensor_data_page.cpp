#include "ui/pages/sensor_data_page.h"

#include "core/connection/communication_guard.h"
#include "core/connection/program_context.h"
#include "core/j1979/supported_pids.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "core/livedata/sensor_polling.h"
#include "core/livedata/sensor_thread.h"
#include "ui/app/error_display.h"
#include "ui/pages/dashboard_tab.h"
#include "ui/pages/data_log_bar.h"
#include "ui/pages/log_viewer_tab.h"
#include "ui/pages/result_grid.h"
#include "ui/pages/sensor_graph_tab.h"
#include "ui/pages/sensor_options_tab.h"
#include "ui/pages/striped_grid_delegate.h"
#include "ui/widgets/segment_display.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kSensorColumn = 2;

} // namespace

SensorDataPage::SensorDataPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent)
    : QWidget(parent), m_context(context), m_notifier(notifier) {
    setObjectName(QStringLiteral("Page_Sensordaten"));
    m_polling = std::make_unique<SensorPolling>(m_context.link, m_data,
                                                [this] { return isEnglish(m_context.unitSystem); });
    m_thread = std::make_unique<SensorThread>(*m_polling, m_data.activeTab);
    // Direct: the worker waits in the hand-off until the cycle is shown.
    connect(m_thread.get(), &SensorThread::pollingStarted, this, &SensorDataPage::onPollingStarted,
            Qt::DirectConnection);
    connect(m_thread.get(), &SensorThread::cycleReady, this, &SensorDataPage::onCycleReady,
            Qt::DirectConnection);
    connect(m_thread.get(), &SensorThread::pollingFinished, this,
            &SensorDataPage::onPollingFinished, Qt::DirectConnection);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("nbSensordata"));
    m_tabs->addTab(buildTableTab(), QStringLiteral("Table Data"));
    m_graph = new SensorGraphTab(m_data, m_tabs);
    m_tabs->addTab(m_graph, QStringLiteral("Real Time Data"));
    m_dashboard = new DashboardTab(m_data.dashboard, m_tabs);
    m_tabs->addTab(m_dashboard, QStringLiteral("Dashboard"));
    m_sensorOptions = new SensorOptionsTab(m_data.lists, m_tabs);
    m_tabs->addTab(m_sensorOptions, QStringLiteral("Sensor Options"));
    m_tabs->addTab(new LogViewerTab(m_tabs), QStringLiteral("Log Viewer"));
    m_graph->polling = [this] { return m_thread->isPolling(); };
    m_graph->english = [this] { return isEnglish(m_context.unitSystem); };
    connect(m_graph, &SensorGraphTab::resetRequested, this, &SensorDataPage::onResetClicked);
    connect(m_sensorOptions, &SensorOptionsTab::aboutToApply, this,
            &SensorDataPage::stopPollingAndWait);
    connect(m_sensorOptions, &SensorOptionsTab::applied, this, [this] {
        m_graph->fillSelectors(m_data.lists.MonitoredSensors, false);
        refreshSensorTable();
    });
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildBottomBar());
    connect(m_tabs, &QTabWidget::currentChanged, this, guarded([this] { onTabChanged(); }));
    setGridHeadings(gridHeadingTexts());
    refreshSensorTable();
}

SensorDataPage::~SensorDataPage() {
    // The worker reaches into the widgets through the hand-off; it ends before they do.
    disconnect(m_thread.get(), &SensorThread::pollingFinished, nullptr, nullptr);
    disconnect(m_thread.get(), &SensorThread::cycleReady, nullptr, nullptr);
    m_thread->stopPollingAndWait();
}

QWidget* SensorDataPage::buildTableTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsTabelle"));
    auto* column = new QVBoxLayout(tab);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    m_gridPanel = new QWidget(tab);
    m_gridPanel->setObjectName(QStringLiteral("SensorDataGrid_Panel"));
    auto* panel = new QVBoxLayout(m_gridPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    m_grid = createResultGrid(QStringLiteral("SensorDataGrid"),
                              {{17, 18, 255, 98, 52, 50}, 17, true, true}, m_gridPanel);
    m_grid->setItemDelegate(new StripedGridDelegate({3}, 0, m_grid));
    panel->addWidget(m_grid);
    m_gridPanel->installEventFilter(this);
    column->addWidget(m_gridPanel, 1);

    m_log = new DataLogBar(tab);
    m_log->sensorNames = [this] { return monitoredNames(); };
    column->addWidget(m_log);
    return tab;
}

QWidget* SensorDataPage::buildBottomBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(6);

    auto* counterPanel = new QFrame(bar);
    counterPanel->setObjectName(QStringLiteral("panCounter"));
    auto* counterRow = new QHBoxLayout(counterPanel);
    counterRow->setContentsMargins(0, 0, 0, 0);
    counterRow->addWidget(new QLabel(QStringLiteral("Samples"), counterPanel));
    m_counter = new SegmentDisplay(6, counterPanel);
    m_counter->setObjectName(QStringLiteral("labCounter"));
    m_counter->setText(QStringLiteral("0"));
    m_counter->setFixedSize(100, 26);
    counterRow->addWidget(m_counter);
    auto* reset = new QPushButton(QStringLiteral("Reset"), counterPanel);
    reset->setObjectName(QStringLiteral("btnReset"));
    counterRow->addWidget(reset);
    row->addWidget(counterPanel);
    row->addStretch(1);

    m_read = new QPushButton(QStringLiteral("Read"), bar);
    m_read->setObjectName(QStringLiteral("btnSensorsRead"));
    m_read->setFixedWidth(75);
    m_stop = new QPushButton(QStringLiteral("Stop"), bar);
    m_stop->setObjectName(QStringLiteral("btnSensorsStop"));
    m_stop->setFixedWidth(75);
    m_stop->setEnabled(false);
    row->addWidget(m_read);
    row->addWidget(m_stop);

    connect(reset, &QPushButton::clicked, this, guarded([this] { onResetClicked(); }));
    connect(m_read, &QPushButton::clicked, this, guarded([this] { onStartPollingClicked(); }));
    connect(m_stop, &QPushButton::clicked, this, guarded([this] { onStopPollingClicked(); }));
    return bar;
}

void SensorDataPage::buildSensorLists(const SupportedPidSet& supported) {
    // The lists are never rebuilt under a running cycle.
    stopPollingAndWait();
    // The file's columns are the old connection's sensors.
    m_log->endRecording();
    ::buildSensorLists(m_data.lists, m_context.pidCatalogue, supported);
    m_sensorOptions->showLists();
    m_graph->fillSelectors(m_data.lists.MonitoredSensors, true);
    refreshSensorTable();
}

void SensorDataPage::forgetVehicle() {
    stopPollingAndWait();
    SensorLists& lists = m_data.lists;
    lists.MonitoredSensors.clear();
    lists.SupportedSensors.clear();
    lists.NotSupportedSensors.clear();
    lists.entries.clear();
    m_sensorOptions->showLists();
    m_graph->fillSelectors(lists.MonitoredSensors, true);
    // Not refreshSensorTable: a data log that records on must not get an empty record.
    resetRows(m_grid, 1);
    m_dashboard->forgetVehicle();
    onResetClicked();
}

QStringList SensorDataPage::monitoredNames() const {
    QStringList names;
    for (const SensorListItem& item : m_data.lists.MonitoredSensors)
        names << item.displayName;
    return names;
}

void SensorDataPage::refreshSensorTable() {
    const bool recording = m_log->isRecording();
    const QDateTime recordTime = recording ? m_log->now() : QDateTime();
    const SensorList& sensors = m_data.lists.MonitoredSensors;
    const bool english = isEnglish(m_context.unitSystem);
    // One body row even without sensors, as the grid always shows one.
    if (m_grid->rowCount() != std::max<int>(int(sensors.size()), 1))
        m_grid->setRowCount(std::max<int>(int(sensors.size()), 1));
    if (sensors.isEmpty())
        for (int column = 0; column < m_grid->columnCount(); ++column)
            setCellText(m_grid, 0, column, QString());
    QStringList record;
    for (int row = 0; row < sensors.size(); ++row) {
        const LiveSensor& entry = *sensors[row].entry;
        setCellText(m_grid, row, 1, entry.pid.pidCode);
        setCellText(m_grid, row, kSensorColumn, sensors[row].displayName);
        setCellText(m_grid, row, 3, entry.valueText);
        setCellText(m_grid, row, 4, entry.pid.valueUnit(english));
        setCellText(m_grid, row, 0, entry.supported ? QStringLiteral("1") : QStringLiteral("0"));
        if (recording)
            record << cellText(m_grid, row, 3);
    }
    if (recording)
        m_log->writeRecord(recordTime, record);
}

void SensorDataPage::onStartPollingClicked() {
    // The options and the log viewer (beyond them) poll nothing.
    if (m_tabs->currentIndex() >= int(SensorTab::Options) || m_thread->isPolling())
        return;
    m_context.link.logEvent(QStringLiteral(" - Sensordata read"));
    if (communicationLost(m_context.connection, m_notifier))
        return;
    if (!checkEcuConnection(m_context.link)) {
        m_notifier.showMessage(UserNotifier::Icon::Error, const_str::LostCommunication);
        return;
    }
    refreshSensorTable();
    m_data.activeTab = m_tabs->currentIndex();
    m_thread->startPolling();
}

void SensorDataPage::showDashboardTexts(bool english) {
    m_dashboard->showTexts(english);
}

void SensorDataPage::setUnitSystem(bool english) {
    m_dashboard->setUnitSystem(english);
}

void SensorDataPage::setGraphWidth(int graph, int width) {
    m_graph->setGraphWidth(graph, width);
}

void SensorDataPage::setGraphColour(int graph, const QColor& colour) {
    m_graph->setGraphColour(graph, colour);
}

void SensorDataPage::onStopPollingClicked() {
    m_thread->requestStop();
}

void SensorDataPage::stopPollingAndWait() {
    m_thread->stopPollingAndWait();
}

void SensorDataPage::onResetClicked() {
    m_counter->setText(QStringLiteral("0"));
    m_data.history.clear();
    graphReset();
}

void SensorDataPage::graphHandOff() {
    m_graph->graphHandOff();
}

void SensorDataPage::dashboardHandOff() {
    m_dashboard->dashboardHandOff();
}

void SensorDataPage::graphReset() {
    m_graph->graphReset();
}

void SensorDataPage::onTabChanged() {
    m_thread->requestStop();
    m_data.activeTab = m_tabs->currentIndex();
    if (m_log->isFileOpen())
        m_log->onStopRecordingClicked();
}

void SensorDataPage::onPollingStarted() {
    m_read->setEnabled(false);
    m_stop->setEnabled(true);
}

void SensorDataPage::onPollingFinished(std::exception_ptr error) {
    m_read->setEnabled(true);
    m_stop->setEnabled(false);
    if (error)
        runReportingErrors([&error] { std::rethrow_exception(error); });
}

void SensorDataPage::onCycleReady() {
    // Whatever goes wrong in showing one cycle is reported; the worker waits for us regardless.
    runReportingErrors([this] {
        bool isNumber = false;
        const int samples = m_counter->text().toInt(&isNumber);
        switch (SensorTab(m_tabs->currentIndex())) {
        case SensorTab::Table:
            refreshSensorTable();
            break;
        case SensorTab::Graph:
            graphHandOff();
            break;
        case SensorTab::Dashboard:
            dashboardHandOff();
            break;
        case SensorTab::Options:
            break;
        }
        m_counter->setText(QString::number(isNumber ? samples + 1 : 1));
    });
}

bool SensorDataPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_gridPanel && event->type() == QEvent::Resize)
        fitSensorColumns();
    return QWidget::eventFilter(watched, event);
}

void SensorDataPage::fitSensorColumns() {
    int others = 0;
    for (int column : {0, 1, 3, 4, 5})
        others += m_grid->columnWidth(column);
    setFillingColumnWidth(m_grid, kSensorColumn, m_gridPanel->width() - others - 30);
}

void SensorDataPage::setGridHeadings(const GridHeadingTexts& texts) {
    for (int column = 0; column < texts.sensorTable.size() && column < m_grid->columnCount();
         ++column)
        m_grid->horizontalHeaderItem(column)->setText(texts.sensorTable[column]);
}
