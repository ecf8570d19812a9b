#include "ui/pages/start_page.h"

#include "core/connection/shown_results.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/service09.h"
#include "core/l10n/const_str.h"
#include "ui/pages/log_list_delegate.h"
#include "ui/widgets/mil_lamp.h"
#include "ui/widgets/pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A monitor's caption on the page and the name its two value labels are made from.
struct MonitorRow {
    Monitor monitor;
    const char* caption;
    const char* name;
};

constexpr MonitorRow monitorRows[] = {
    {Monitor::Misfire, "Misfire:", "labMisfire"},
    {Monitor::FuelSystem, "Fuel system:", "labFuelsystem"},
    {Monitor::Components, "Components:", "labComponents"},
    {Monitor::Catalyst, "Catalyst:", "labCatalyst"},
    {Monitor::EvaporativeSystem, "Evaporative system:", "labEvaporativesys"},
    {Monitor::OxygenSensor, "Oxygen sensor:", "labOxygensensor"},
    {Monitor::OxygenSensorHeater, "Oxygen sensor heater:", "labOxygensensorheater"},
};

const MonitorRow& monitorRow(Monitor monitor) {
    return *std::find_if(std::begin(monitorRows), std::end(monitorRows),
                         [monitor](const MonitorRow& row) { return row.monitor == monitor; });
}

// Panels: grey frame, light grey inside, bold heading.
QFrame* panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("panel"));
    frame->setStyleSheet(
        QStringLiteral("QFrame#panel { background: #F0F0F0; border: 1px solid #DFDFDF; }"));
    return frame;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* valueLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString yesNoText(bool flag) {
    return flag ? const_str::Yes : const_str::No;
}

// A calibration ID is shown up to its first zero character.
QString untilZero(const QString& text) {
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

} // namespace

StartPage::StartPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Page_Start"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 0);
    outer->setSpacing(6);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(15);
    auto* left = new QVBoxLayout;
    left->addWidget(heading(QStringLiteral("Init-Status"), this));
    m_log = new QListWidget(this);
    m_log->setObjectName(QStringLiteral("LogListBox"));
    m_log->setItemDelegate(new LogListDelegate(m_log));
    // Each line is as wide as its text needs (not as the first line), so the list scrolls
    // sideways to the end of the longest one; a few dozen lines cost nothing to measure.
    m_log->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_log->setSelectionMode(QAbstractItemView::NoSelection);
    QPalette pal = m_log->palette();
    pal.setColor(QPalette::Base, QColor(0xF0, 0xF0, 0xF0));
    m_log->setPalette(pal);
    left->addWidget(m_log, 1);
    columns->addLayout(left, 273);
    columns->addWidget(buildStatusColumn(), 241);
    outer->addLayout(columns, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(0, 2, 0, 4);
    m_connect = new QPushButton(QStringLiteral("Connect"), this);
    m_connect->setObjectName(QStringLiteral("NeuInitialisierenBtn"));
    m_connect->setFixedWidth(129);
    m_disconnect = new QPushButton(QStringLiteral("Disconnect"), this);
    m_disconnect->setObjectName(QStringLiteral("btnDisconnect"));
    m_disconnect->setFixedWidth(129);
    m_demoMode = new QCheckBox(QStringLiteral("Demo-Mode"), this);
    m_demoMode->setObjectName(QStringLiteral("cbDemoMode"));
    bottom->addWidget(m_connect);
    bottom->addSpacing(15);
    bottom->addWidget(m_disconnect);
    bottom->addSpacing(23);
    bottom->addWidget(m_demoMode);
    bottom->addStretch(1);
    outer->addLayout(bottom);
}

QWidget* StartPage::buildStatusColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    QFrame* dtc = panel(column);
    auto* dtcLayout = new QGridLayout(dtc);
    dtcLayout->addWidget(heading(QStringLiteral("DTC-Status"), dtc), 0, 0, 1, 3);
    m_lamp = new MilLamp(dtc);
    m_lamp->setObjectName(QStringLiteral("MILLamp"));
    dtcLayout->addWidget(m_lamp, 1, 0, 2, 1);
    dtcLayout->addWidget(new QLabel(QStringLiteral("MIL Status:"), dtc), 1, 1);
    QLabel* milStatus = valueLabel(QStringLiteral("labMIL_Status"), QString(), dtc);
    dtcLayout->addWidget(milStatus, 1, 2);
    dtcLayout->addWidget(new QLabel(QStringLiteral("Number of DTCs:"), dtc), 2, 1);
    m_dtcCount = valueLabel(QStringLiteral("DTCCountLabel"), QStringLiteral("N/A"), dtc);
    dtcLayout->addWidget(m_dtcCount, 2, 2);
    dtcLayout->setColumnStretch(2, 1);
    m_lamp->setMILLabel(milStatus);
    // The lamp writes its "Off" caption; nothing has been read yet.
    milStatus->setText(QStringLiteral("N/A"));
    layout->addWidget(dtc);

    layout->addWidget(monitorPanel(QStringLiteral("Continuous Monitoring tests"), true));
    layout->addWidget(monitorPanel(QStringLiteral("non-Continuous Monitoring tests"), false));
    layout->addWidget(furtherMonitorPanel());

    auto* rows = new QGridLayout;
    rows->setColumnMinimumWidth(0, 65);
    auto addRow = [&](int row, const QString& title, QWidget* value) {
        rows->addWidget(heading(title, column), row, 0);
        rows->addWidget(value, row, 1);
    };
    m_obdType = new QLineEdit(column);
    m_obdType->setObjectName(QStringLiteral("edOBDType"));
    m_obdType->setReadOnly(true);
    m_vin = new QLineEdit(column);
    m_vin->setObjectName(QStringLiteral("edVIN"));
    m_vin->setReadOnly(true);
    m_cin = new QComboBox(column);
    m_cin->setObjectName(QStringLiteral("cbCIN"));
    m_cvn = new QComboBox(column);
    m_cvn->setObjectName(QStringLiteral("cbCVN"));
    addRow(0, QStringLiteral("OBD Type"), m_obdType);
    addRow(1, QStringLiteral("VIN"), m_vin);
    addRow(2, QStringLiteral("CID"), m_cin);
    addRow(3, QStringLiteral("CVN"), m_cvn);
    layout->addLayout(rows);
    layout->addStretch(1);
    return column;
}

QWidget* StartPage::monitorPanel(const QString& title, bool continuous) {
    QFrame* frame = panel(this);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->addWidget(heading(title, frame), 0, 0, 1, 3);
    grid->addWidget(heading(QStringLiteral("Supported"), frame), 1, 1);
    grid->addWidget(heading(QStringLiteral("Completed"), frame), 1, 2);
    QLabel* cycleHeading = heading(const_str::ThisDriveCycle, frame);
    grid->addWidget(cycleHeading, 1, 3);
    m_driveCycleWidgets.append(cycleHeading);
    int row = 2;
    for (const EvaluatedMonitor& m : evaluatedMonitors) {
        if (m.continuous != continuous)
            continue;
        const MonitorRow& shown = monitorRow(m.monitor);
        const QString name = QLatin1String(shown.name);
        grid->addWidget(new QLabel(QLatin1String(shown.caption), frame), row, 0);
        grid->addWidget(valueLabel(name + QStringLiteral("_S"), QStringLiteral("N/A"), frame), row,
                        1);
        grid->addWidget(valueLabel(name + QStringLiteral("_C"), QStringLiteral("N/A"), frame), row,
                        2);
        QLabel* cycle = valueLabel(name + QStringLiteral("_D"), QStringLiteral("N/A"), frame);
        grid->addWidget(cycle, row, 3);
        m_driveCycleWidgets.append(cycle);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    for (QWidget* widget : std::as_const(m_driveCycleWidgets))
        widget->hide();
    return frame;
}

QWidget* StartPage::furtherMonitorPanel() {
    QFrame* frame = panel(this);
    m_furtherGrid = new QGridLayout(frame);
    m_furtherGrid->setVerticalSpacing(2);
    m_furtherGrid->setColumnStretch(0, 1);
    // Up to six rows more than the page was laid out for: they scroll where the window is short.
    m_further = new QScrollArea(this);
    m_further->setObjectName(QStringLiteral("FurtherMonitors"));
    m_further->setFrameShape(QFrame::NoFrame);
    m_further->setWidgetResizable(true);
    m_further->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_further->setWidget(frame);
    m_further->hide();
    return m_further;
}

// One row per monitor beyond the seven that the vehicle supports, in the words of the seven rows;
// the ones it does not support are left out, like the whole panel when there is none.
void StartPage::showFurtherMonitors(const MonitorStatus& status) {
    QWidget* frame = m_further->widget();
    while (QLayoutItem* item = m_furtherGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QList<EvaluatedMonitor> further =
        status.answered ? furtherSupportedMonitors(status) : QList<EvaluatedMonitor>();
    m_further->setVisible(!further.isEmpty());
    if (further.isEmpty())
        return;
    const bool cycle = status.driveCycleAnswered;
    m_furtherGrid->addWidget(heading(const_str::FurtherMonitors, frame), 0, 0, 1, 4);
    // Made after the window's translation: every text comes translated from the string table.
    m_furtherGrid->addWidget(
        valueLabel(QStringLiteral("labIgnition"),
                   const_str::IgnitionCaption + QLatin1Char(' ') + ignitionText(status.ignition),
                   frame),
        1, 0);
    m_furtherGrid->addWidget(heading(const_str::CliSupported, frame), 1, 1);
    m_furtherGrid->addWidget(heading(const_str::CliCompleted, frame), 1, 2);
    if (cycle)
        m_furtherGrid->addWidget(heading(const_str::ThisDriveCycle, frame), 1, 3);
    int row = 2;
    for (const EvaluatedMonitor& m : further) {
        const QString name = QStringLiteral("labMonitor_") + monitorKey(m.monitor);
        const MonitorReadiness flags = readiness(status, m);
        m_furtherGrid->addWidget(new QLabel(monitorCaption(m.monitor), frame), row, 0);
        m_furtherGrid->addWidget(valueLabel(name + QStringLiteral("_S"), const_str::Yes, frame),
                                 row, 1);
        m_furtherGrid->addWidget(
            valueLabel(name + QStringLiteral("_C"), yesNoText(flags.completed), frame), row, 2);
        if (cycle)
            m_furtherGrid->addWidget(
                valueLabel(name + QStringLiteral("_D"),
                           yesNoText(readiness(status.driveCycle, m).completed), frame),
                row, 3);
        ++row;
    }
}

void StartPage::clearLog() {
    m_log->clear();
}

void StartPage::addLogLine(const QString& text, Icon icon) {
    auto* item = new QListWidgetItem(text, m_log);
    // The list is narrow; a long line (why a network adapter refused) is read in full here.
    item->setToolTip(text);
    if (icon != Icon::None)
        item->setData(Qt::DecorationRole, picture(icon == Icon::Ok ? QStringLiteral("BMP_OK")
                                                                   : QStringLiteral("BMP_ERROR")));
    m_log->scrollToItem(item);
}

void StartPage::showMonitorStatus(const MonitorStatus& status) {
    // An unanswered status is not a car without codes and monitors: every value says "N/A".
    const bool read = status.answered;
    m_lamp->setMilOn(read && status.milOn);
    if (QLabel* milStatus = m_lamp->milLabel())
        milStatus->setText(!read          ? const_str::NotAvailable
                           : status.milOn ? m_lamp->captionOn()
                                          : m_lamp->captionOff());
    m_dtcCount->setText(read ? QString::number(status.troubleCodeCount) : const_str::NotAvailable);
    auto flagText = [read](bool flag) {
        return !read ? const_str::NotAvailable : flag ? const_str::Yes : const_str::No;
    };
    const bool cycle = read && status.driveCycleAnswered;
    for (QWidget* widget : std::as_const(m_driveCycleWidgets))
        widget->setVisible(cycle);
    for (const EvaluatedMonitor& m : evaluatedMonitors) {
        const MonitorReadiness flags = readiness(status, m);
        const QString base = QLatin1String(monitorRow(m.monitor).name);
        findChild<QLabel*>(base + QStringLiteral("_S"))->setText(flagText(flags.supported));
        findChild<QLabel*>(base + QStringLiteral("_C"))->setText(flagText(flags.completed));
        findChild<QLabel*>(base + QStringLiteral("_D"))
            ->setText(flagText(cycle && readiness(status.driveCycle, m).completed));
    }
    showFurtherMonitors(status);
    m_shownIgnition = read ? ignitionText(status.ignition) : QString();
    m_shownMonitors = shownSupportedMonitors(status);
    if (m_shown != nullptr)
        m_shown->state = ReadState::Read;
    setShownRecord(m_shown);
}

void StartPage::setShownRecord(ShownMonitorStatus* record) {
    m_shown = record;
    if (m_shown == nullptr)
        return;
    m_shown->milStatus = findChild<QLabel*>(QStringLiteral("labMIL_Status"))->text();
    for (std::size_t i = 0; i < evaluatedMonitors.size(); ++i) {
        const QString base = QLatin1String(monitorRow(evaluatedMonitors[i].monitor).name);
        m_shown->supported[i] = findChild<QLabel*>(base + QStringLiteral("_S"))->text();
        m_shown->completed[i] = findChild<QLabel*>(base + QStringLiteral("_C"))->text();
    }
    m_shown->ignition = m_shownIgnition;
    m_shown->monitors = m_shownMonitors;
}

void StartPage::forgetVehicle() {
    showMonitorStatus(MonitorStatus{}); // unanswered: every value "N/A", the lamp off
    if (m_shown != nullptr)
        m_shown->state = ReadState::NotYetRead;
    m_obdType->clear();
    m_vin->clear();
    m_cin->clear();
    m_cvn->clear();
}

void StartPage::showObdType(const QString& text) {
    m_obdType->setText(text);
}

void StartPage::showVehicleInfo(const Service09& info) {
    m_vin->setText(info.vin());
    m_cin->clear();
    for (const QString& id : info.calibrationIds())
        m_cin->addItem(untilZero(id));
    m_cvn->clear();
    m_cvn->addItems(info.calibrationVerificationNumbers());
}
