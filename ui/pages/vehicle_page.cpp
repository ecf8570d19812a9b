#include "ui/pages/vehicle_page.h"

#include "core/connection/program_context.h"
#include "core/j1979/control_units.h"
#include "core/j1979/vehicle_units.h"
#include "core/l10n/const_str.h"
#include "ui/pages/result_grid.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum UnitGridColumn { Address, Name, Protocol, Vin, CalibrationIds, Cvns, Lamp, Readiness };
enum RatioColumn { UnitColumn, MonitorColumn, Completions, Conditions, Ratio };

// The ratio column: the number, and behind it a bar as long as the ratio (full at 1; the limit
// a monitor must reach is lower, so a full bar is always enough).
class RatioBarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant ratio = index.data(Qt::UserRole);
        if (ratio.isValid()) {
            const double share = qBound(0.0, ratio.toDouble(), 1.0);
            QRect bar = option.rect.adjusted(2, 3, -2, -3);
            bar.setWidth(int(bar.width() * share));
            painter->fillRect(bar,
                              share < 0.1 ? QColor(0xE0, 0x80, 0x80) : QColor(0x80, 0xC0, 0x80));
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

VehiclePage::VehiclePage(ProgramContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("Page_Vehicle"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);

    QFrame* unitBox = createResultBox(this);
    auto* unitColumn = new QVBoxLayout(unitBox);
    unitColumn->setContentsMargins(2, 2, 2, 2);
    m_units = createResultGrid(QStringLiteral("gridControlUnits"),
                               {{55, 130, 95, 140, 125, 70, 35, 125}, 19, true, true}, unitBox);
    m_units->setColumnCount(8);
    unitColumn->addWidget(m_units);
    layout->addWidget(unitBox, 1);

    QFrame* ratioBox = createResultBox(this);
    auto* ratioColumn = new QVBoxLayout(ratioBox);
    ratioColumn->setContentsMargins(2, 2, 2, 2);
    m_ratios = createResultGrid(QStringLiteral("gridInUseRatios"),
                                {{150, 220, 90, 100, 150}, 19, true, true}, ratioBox);
    m_ratios->setColumnCount(5);
    m_ratios->setItemDelegateForColumn(Ratio, new RatioBarDelegate(m_ratios));
    ratioColumn->addWidget(m_ratios);
    layout->addWidget(ratioBox, 2);

    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("lblVehicleNotes"));
    m_notes->setWordWrap(true);
    m_notes->setTextFormat(Qt::PlainText);
    layout->addWidget(m_notes);

    applyHeadings();
    forgetVehicle();
}

void VehiclePage::showEvent(QShowEvent* event) {
    applyHeadings();
    QWidget::showEvent(event);
}

void VehiclePage::applyHeadings() {
    m_units->setHorizontalHeaderLabels({const_str::VehicleAddress, const_str::VehicleUnitName,
                                        const_str::ProtocolNumber, const_str::ReportVin,
                                        const_str::VehicleCalibrationIds, const_str::VehicleCvns,
                                        const_str::VehicleLamp, const_str::VehicleReadiness});
    m_ratios->setHorizontalHeaderLabels({const_str::VehicleControlUnit, const_str::VehicleMonitor,
                                         const_str::VehicleCompletions,
                                         const_str::VehicleConditions, const_str::VehicleRatio});
}

void VehiclePage::forgetVehicle() {
    resetRows(m_units, 1);
    resetRows(m_ratios, 1);
    m_notes->setText(const_str::VehicleNoUnits);
}

void VehiclePage::showUnits(const QList<VehicleUnit>& units) {
    if (units.isEmpty()) {
        forgetVehicle();
        return;
    }
    QStringList notes;
    resetRows(m_units, int(units.size()));
    int ratioRows = 0;
    for (const VehicleUnit& unit : units)
        ratioRows += int(unit.info.inUseRatios().monitors.size());
    resetRows(m_ratios, qMax(ratioRows, 1));
    int ratioRow = 0;
    for (int row = 0; row < units.size(); ++row) {
        const VehicleUnit& unit = units.at(row);
        const Service09& info = unit.info;
        const QString name = unit.address.isEmpty()
                                 ? info.ecuName()
                                 : control_units::displayName(unit.address, m_context.unitNames);
        setCellText(m_units, row, Address, unit.address);
        setCellText(m_units, row, Name, name);
        setCellText(m_units, row, Protocol, m_context.protocolName);
        // The column is narrow; the whole protocol name is a hover away.
        if (QTableWidgetItem* item = m_units->item(row, Protocol))
            item->setToolTip(m_context.protocolName);
        setCellText(m_units, row, Vin,
                    info.vinState() == Service09::ItemState::Read ? info.vin() : QString());
        if (info.calibrationIdState() == Service09::ItemState::Read)
            setCellText(m_units, row, CalibrationIds, info.calibrationIds().join(u'\n'));
        if (info.cvnState() == Service09::ItemState::Read)
            setCellText(m_units, row, Cvns, info.calibrationVerificationNumbers().join(u'\n'));
        setCellText(m_units, row, Lamp,
                    !unit.status.answered ? const_str::NotAvailable
                    : unit.status.milOn   ? const_str::CliOn
                                          : const_str::CliOff);
        setCellText(m_units, row, Readiness, readinessSummary(unit.status));
        const int lines =
            int(qMax(info.calibrationIds().size(), info.calibrationVerificationNumbers().size()));
        m_units->setRowHeight(row, 19 * qMax(lines, 1));

        const InUseRatios& ratios = info.inUseRatios();
        const QString shownName = name.isEmpty() ? const_str::NotAvailable : name;
        if (ratios.problem == InUseRatios::Problem::None)
            notes << const_str::VehicleInUseCounters.arg(shownName)
                         .arg(ratios.obdConditions)
                         .arg(ratios.ignitionCycles);
        else if (const QString problem = inUseProblemText(ratios, shownName); !problem.isEmpty())
            notes << problem;
        if (info.ecuNameState() == Service09::ItemState::NotAnswered)
            notes << const_str::VehicleNameNotRead.arg(shownName);
        for (const InUseRatio& ratio : ratios.monitors) {
            setCellText(m_ratios, ratioRow, UnitColumn, name);
            setCellText(m_ratios, ratioRow, MonitorColumn, ratio.monitor);
            setCellText(m_ratios, ratioRow, Completions, QString::number(ratio.completions));
            setCellText(m_ratios, ratioRow, Conditions, QString::number(ratio.conditions));
            const std::optional<double> value = ratio.ratio();
            setCellText(m_ratios, ratioRow, Ratio,
                        value ? QString::number(*value, 'f', 3) : const_str::NotAvailable);
            if (QTableWidgetItem* item = m_ratios->item(ratioRow, Ratio); item && value)
                item->setData(Qt::UserRole, *value);
            ++ratioRow;
        }
    }
    if (units.size() == 1 && units.first().address.isEmpty())
        notes.prepend(const_str::VehicleUnitsMerged);
    m_notes->setText(notes.join(u'\n'));
}
