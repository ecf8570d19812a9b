#include "ui/pages/monitor_tests_page.h"
#include "ui/app/error_display.h"

#include "core/connection/communication_guard.h"
#include "core/connection/program_context.h"
#include "core/connection/shown_results.h"
#include "core/j1979/monitor_names.h"
#include "core/j1979/monitor_reading.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "ui/pages/result_grid.h"
#include "ui/pages/striped_grid_delegate.h"
#include "ui/widgets/misfire_chart.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMarkColumn = 0;
constexpr int kTestColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kMinColumn = 3;
constexpr int kMaxColumn = 4;
constexpr int kUnitColumn = 5;
constexpr int kResultColumn = 6;

// The misfire monitors of cylinders 1..16 and the two counts each of them reports.
constexpr int kFirstMisfireCylinder = 0xA2;
constexpr int kLastMisfireCylinder = 0xB1;
constexpr int kTenCycleAverageTest = 0x0B;
constexpr int kCurrentCycleTest = 0x0C;

QString numberText(const std::optional<double>& value) {
    return value ? QLocale().toString(*value, 'g', 10) : QString();
}

// The mark column: "1" the success mark, "0" the failure mark, empty no mark at all. A test
// without a verdict must never look passed.
QString markText(MonitorTestState state) {
    switch (state) {
    case MonitorTestState::Pass:
        return QStringLiteral("1");
    case MonitorTestState::Fail:
        return QStringLiteral("0");
    case MonitorTestState::NotRead:
    case MonitorTestState::LimitsInverted:
        break;
    }
    return QString();
}

QString resultText(MonitorTestState state) {
    switch (state) {
    case MonitorTestState::Pass:
        return const_str::MonitorTestPassed;
    case MonitorTestState::Fail:
        return const_str::MonitorTestFailed;
    case MonitorTestState::LimitsInverted:
        return const_str::MonitorTestLimitsInverted;
    case MonitorTestState::NotRead:
        break;
    }
    return const_str::MonitorTestNotRead;
}

QString summaryText(const QList<MonitorTestResult>& results, bool anything) {
    if (!anything || results.isEmpty())
        return const_str::MonitorTestsNotRead;
    const auto count = [&](MonitorTestState state) {
        return int(std::count_if(results.begin(), results.end(),
                                 [state](const MonitorTestResult& r) { return r.state == state; }));
    };
    const int failed = count(MonitorTestState::Fail);
    const int notRead = count(MonitorTestState::NotRead);
    QString text = failed > 0 || notRead > 0
                       ? const_str::MonitorTestsOutsideLimits.arg(failed).arg(results.size())
                       : const_str::MonitorTestsWithinLimits.arg(results.size());
    if (notRead > 0)
        text += QStringLiteral("; ") + const_str::MonitorTestsUnread.arg(notRead);
    return text;
}

QList<MisfireChart::Cylinder> misfireCylinders(const QList<MonitorTestResult>& results) {
    QList<MisfireChart::Cylinder> cylinders;
    for (const MonitorTestResult& row : results) {
        if (row.mid < kFirstMisfireCylinder || row.mid > kLastMisfireCylinder)
            continue;
        const int number = row.mid - kFirstMisfireCylinder + 1;
        auto it = std::find_if(cylinders.begin(), cylinders.end(),
                               [number](const auto& c) { return c.number == number; });
        if (it == cylinders.end()) {
            cylinders.append({number, std::nullopt, std::nullopt});
            it = cylinders.end() - 1;
        }
        // Several units reporting the same cylinder: the highest count is the one to look at.
        const auto keep = [](std::optional<double>& bar, const std::optional<double>& value) {
            if (value && (!bar || *value > *bar))
                bar = value;
        };
        if (row.tid == kCurrentCycleTest)
            keep(it->current, row.value);
        else if (row.tid == kTenCycleAverageTest)
            keep(it->average, row.value);
    }
    std::sort(cylinders.begin(), cylinders.end(),
              [](const auto& a, const auto& b) { return a.number < b.number; });
    return cylinders;
}

} // namespace

MonitorTestsPage::MonitorTestsPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent)
    : QWidget(parent), m_context(context), m_notifier(notifier) {
    setObjectName(QStringLiteral("MonitorTestsPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto* strip = new QHBoxLayout;
    auto* read = new QPushButton(QStringLiteral("Read"), this);
    read->setObjectName(QStringLiteral("btnMonitorTestsRead"));
    strip->addWidget(read);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("labMonitorSummary"));
    QFont bold = m_summary->font();
    bold.setBold(true);
    m_summary->setFont(bold);
    strip->addWidget(m_summary, 1);
    layout->addLayout(strip);

    // The list above the grid leaves the grid the page's whole width: its seven columns fit
    // without scrolling at the window's first size.
    QFrame* box = createResultBox(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    m_monitors = new QListWidget(box);
    m_monitors->setObjectName(QStringLiteral("MonitorList"));
    m_monitors->setFixedHeight(96);
    column->addWidget(m_monitors);
    m_grid = createResultGrid(QStringLiteral("MonitorTestGrid"),
                              {{21, 210, 55, 55, 55, 75, 60}, 19, true, true}, box);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setItemDelegate(
        new StripedGridDelegate({kValueColumn, kMinColumn, kMaxColumn}, kMarkColumn, m_grid));
    column->addWidget(m_grid, 1);
    layout->addWidget(box, 3);

    m_chart = new MisfireChart(this);
    m_chart->setObjectName(QStringLiteral("MisfireChart"));
    layout->addWidget(m_chart, 1);

    applyHeadings();
    forgetVehicle();
    connect(read, &QPushButton::clicked, this, guarded([this] { onReadClicked(); }));
    connect(m_monitors, &QListWidget::currentRowChanged, this,
            guarded([this](int index) { showMonitor(index); }));
}

void MonitorTestsPage::showEvent(QShowEvent* event) {
    applyHeadings();
    QWidget::showEvent(event);
}

void MonitorTestsPage::applyHeadings() {
    const QStringList headings{QString(),
                               const_str::MonitorGridTest,
                               const_str::GridValue,
                               const_str::GridMin,
                               const_str::GridMax,
                               const_str::MonitorGridUnit,
                               const_str::MonitorGridResult};
    for (int column = 0; column < headings.size(); ++column)
        m_grid->horizontalHeaderItem(column)->setText(headings[column]);
}

void MonitorTestsPage::forgetVehicle() {
    m_read.clear();
    m_monitors->clear();
    resetRows(m_grid, 0);
    m_summary->clear();
    m_chart->setCylinders({});
}

void MonitorTestsPage::onReadClicked() {
    m_context.link.logEvent(QStringLiteral(" - Read monitor tests"));
    if (communicationLost(m_context.connection, m_notifier))
        return;
    const MonitorReading reading = readMonitorTests(m_context.link);
    showReading(reading.results, !reading.results.isEmpty());
    // The report takes the section from here.
    m_context.shown.monitorTests = shownMonitorTests(reading);
}

void MonitorTestsPage::showReading(const QList<MonitorTestResult>& results, bool anything) {
    forgetVehicle();
    for (const MonitorTestResult& row : results) {
        // CAN results belong to their monitor; those of the older protocols to their component.
        auto it = std::find_if(m_read.begin(), m_read.end(), [&row](const Monitor& m) {
            return m.unitKey == row.unitKey && m.mid == row.mid &&
                   (row.mid >= 0 || m.componentId == row.componentId);
        });
        if (it == m_read.end()) {
            m_read.append({row.unitKey, row.mid, row.mid >= 0 ? -1 : row.componentId, {}});
            it = m_read.end() - 1;
        }
        it->results.append(row);
    }
    QStringList units;
    for (const Monitor& monitor : std::as_const(m_read))
        if (!units.contains(monitor.unitKey))
            units << monitor.unitKey;
    for (const Monitor& monitor : std::as_const(m_read)) {
        auto* entry = new QListWidgetItem(monitorText(monitor, units.size() > 1), m_monitors);
        const bool failed =
            std::any_of(monitor.results.begin(), monitor.results.end(),
                        [](const auto& r) { return r.state == MonitorTestState::Fail; });
        // A monitor with a failed test stands out in the list before it is chosen.
        if (failed)
            entry->setForeground(QColor(0xC0, 0x00, 0x00));
    }
    m_summary->setText(summaryText(results, anything));
    m_chart->setCylinders(misfireCylinders(results));
    if (!m_read.isEmpty())
        m_monitors->setCurrentRow(0);
}

QString MonitorTestsPage::monitorText(const Monitor& monitor, bool severalUnits) const {
    QString text;
    if (monitor.mid >= 0)
        text = monitor_names::monitorName(monitor.mid);
    else if (monitor.componentId >= 0)
        text = const_str::MonitorComponent.arg(monitor_names::idText(monitor.componentId));
    else
        text = monitor_names::testName(monitor.results.value(0).tid);
    if (severalUnits && !monitor.unitKey.isEmpty())
        text += QStringLiteral(" (") + monitor.unitKey + QLatin1Char(')');
    return text;
}

void MonitorTestsPage::showMonitor(int index) {
    if (index < 0 || index >= m_read.size()) {
        resetRows(m_grid, 0);
        return;
    }
    const QList<MonitorTestResult>& results = m_read[index].results;
    resetRows(m_grid, int(results.size()));
    for (int row = 0; row < results.size(); ++row) {
        const MonitorTestResult& result = results[row];
        setCellText(m_grid, row, kMarkColumn, markText(result.state));
        setCellText(m_grid, row, kTestColumn, monitor_names::rowTestText(result));
        setCellText(m_grid, row, kValueColumn, numberText(result.value));
        setCellText(m_grid, row, kMinColumn, numberText(result.minimum));
        setCellText(m_grid, row, kMaxColumn, numberText(result.maximum));
        setCellText(m_grid, row, kUnitColumn, monitor_names::rowUnitText(result));
        setCellText(m_grid, row, kResultColumn, resultText(result.state));
    }
    m_grid->viewport()->update();
}
