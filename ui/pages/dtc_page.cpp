#include "ui/pages/dtc_page.h"
#include "ui/app/error_display.h"

#include "core/connection/communication_guard.h"
#include "core/connection/program_context.h"
#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/control_units.h"
#include "core/j1979/monitor_status.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "ui/pages/dtc_grid_draw_cell.h"
#include "ui/pages/dtc_page_dialogs.h"
#include "ui/pages/result_grid.h"
#include "ui/pages/shown_grid_texts.h"
#include "ui/widgets/print_job.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCodeColumn = 1;
constexpr int kDescriptionColumn = 2;
constexpr int kUnitColumn = 3;
constexpr int kUnitColumnWidth = 130;

QPushButton* barButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFixedWidth(75);
    return button;
}

class MessageDialogs : public DtcPageDialogs {
public:
    explicit MessageDialogs(QWidget* parent) : m_parent(parent) {}
    QMessageBox::StandardButton askClearCodes(const QString& warning) override {
        return QMessageBox::StandardButton(DtcPage::clearCodesBox(warning, m_parent)->exec());
    }
    bool choosePrinter(QPrinter& printer) override {
        QPrintDialog dialog(&printer, m_parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
        dialog.setMinMax(1, 1);
        dialog.setFromTo(1, 1);
        return dialog.exec() == QDialog::Accepted;
    }

private:
    QWidget* m_parent;
};

} // namespace

DtcPage::DtcPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent)
    : QWidget(parent), m_context(context), m_notifier(notifier) {
    setObjectName(QStringLiteral("Page_DTC"));
    m_ownDialogs = std::make_unique<MessageDialogs>(this);
    m_dialogs = m_ownDialogs.get();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildClientArea(), 1);
    layout->addWidget(buildBottomBar());
    emptyGrids();
}

DtcPage::~DtcPage() = default;

QWidget* DtcPage::buildCodeBox(QTableWidget*& grid, QLabel*& heading, const QString& name,
                               const QString& title) {
    QFrame* box = createResultBox(m_client);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(3);
    heading = createBoxHeading(title, box);
    column->addWidget(heading);
    grid = createResultGrid(name, {{19, 44, 430, kUnitColumnWidth}, 19, false, false}, box);
    grid->setItemDelegate(new DtcGridDelegate(grid));
    column->addWidget(grid, 1);
    column->addWidget(createCodeLegend(box));
    return box;
}

QWidget* DtcPage::buildClientArea() {
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Panel10"));
    auto* layout = new QVBoxLayout(m_client);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(buildCodeBox(m_stored, m_storedHeading, QStringLiteral("DTC_Grid"),
                                   QStringLiteral("Stored Emission-Related Diagnostic Trouble "
                                                  "Codes (DTC)")),
                      1);
    QWidget* pending =
        buildCodeBox(m_pending, m_pendingHeading, QStringLiteral("DTC_Grid_P"),
                     QStringLiteral("Pending Emission-Related Diagnostic Trouble Codes (DTC)"));
    pending->setFixedHeight(153);
    layout->addWidget(pending);
    QWidget* permanent =
        buildCodeBox(m_permanent, m_permanentHeading, QStringLiteral("DTC_Grid_Permanent"),
                     QStringLiteral("Permanent Diagnostic Trouble Codes (DTC)"));
    // Few vehicles hold more than a couple: the stored codes keep the room.
    permanent->setFixedHeight(115);
    layout->addWidget(permanent);
    m_client->installEventFilter(this);
    return m_client;
}

QWidget* DtcPage::buildBottomBar() {
    auto* bar = new QWidget(this);
    bar->setFixedHeight(31);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 2, 8, 4);
    row->setSpacing(5);
    QPushButton* read = barButton(QStringLiteral("TroubleCodesRead"), QStringLiteral("Read"), bar);
    QPushButton* clear =
        barButton(QStringLiteral("TroubleCodesDelete"), QStringLiteral("Clear"), bar);
    // Printing has no other way in than this button, so it stays visible.
    QPushButton* print = barButton(QStringLiteral("btnDTCsPrint"), QStringLiteral("Print"), bar);
    row->addWidget(read);
    row->addWidget(clear);
    row->addWidget(print);
    row->addStretch(1);

    auto* group = new QWidget(bar);
    group->setFixedWidth(324);
    auto* groupRow = new QHBoxLayout(group);
    groupRow->setContentsMargins(0, 0, 0, 0);
    groupRow->setSpacing(4);
    groupRow->addWidget(new QLabel(QStringLiteral("Manufacturer"), group), 1);
    m_manufacturer = new QComboBox(group);
    m_manufacturer->setObjectName(QStringLiteral("cbManufacturer"));
    m_manufacturer->setFixedWidth(145);
    m_prev = new QPushButton(QStringLiteral("<"), group);
    m_prev->setObjectName(QStringLiteral("btnPrevManufacturer"));
    m_prev->setFixedWidth(25);
    m_next = new QPushButton(QStringLiteral(">"), group);
    m_next->setObjectName(QStringLiteral("btnNextManufacturer"));
    m_next->setFixedWidth(25);
    groupRow->addWidget(m_manufacturer);
    groupRow->addWidget(m_prev);
    groupRow->addWidget(m_next);
    row->addWidget(group);
    updateManufacturerButtons();

    connect(read, &QPushButton::clicked, this, guarded([this] { onReadCodesClicked(); }));
    connect(clear, &QPushButton::clicked, this, guarded([this] { onClearCodesClicked(); }));
    connect(print, &QPushButton::clicked, this, guarded([this] { onPrintCodesClicked(); }));
    connect(m_prev, &QPushButton::clicked, this,
            guarded([this] { onPreviousManufacturerClicked(); }));
    connect(m_next, &QPushButton::clicked, this, guarded([this] { onNextManufacturerClicked(); }));
    connect(m_manufacturer, &QComboBox::currentIndexChanged, this,
            guarded([this] { onManufacturerChanged(); }));
    return bar;
}

bool DtcPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::Resize)
        fitDescriptionColumns();
    return QWidget::eventFilter(watched, event);
}

void DtcPage::fitDescriptionColumns() {
    for (QTableWidget* grid : {m_stored, m_pending, m_permanent})
        setFillingColumnWidth(grid, kDescriptionColumn,
                              m_client->width() - grid->columnWidth(0) - grid->columnWidth(1) -
                                  grid->columnWidth(kUnitColumn) - 42);
}

void DtcPage::emptyGrids() {
    for (QTableWidget* grid : {m_stored, m_pending, m_permanent}) {
        shownCodes(grid).clear();
        resetRows(grid, 1);
        // In the language of the run, which is chosen after the page is built.
        grid->horizontalHeaderItem(kUnitColumn)->setText(const_str::VehicleControlUnit);
        shownGrid(grid).state = ReadState::NotYetRead;
        recordShown(grid);
    }
}

ShownCodeGrid& DtcPage::shownGrid(const QTableWidget* grid) {
    return grid == m_stored    ? m_context.shown.storedCodes
           : grid == m_pending ? m_context.shown.pendingCodes
                               : m_context.shown.permanentCodes;
}

QList<UnitCode>& DtcPage::shownCodes(const QTableWidget* grid) {
    return grid == m_stored ? m_storedCodes : grid == m_pending ? m_pendingCodes : m_permanentCodes;
}

void DtcPage::recordShown(const QTableWidget* grid) {
    ShownCodeGrid& shown = shownGrid(grid);
    shown = shownCodeGridOf(grid, shown.state);
}

QString DtcPage::selectedManufacturer() const {
    return m_manufacturer->currentData().toString();
}

QString DtcPage::descriptionOf(const QString& code) const {
    return m_context.faultCodeTable
        .findDescription(code, manufacturerForCode(code, selectedManufacturer()))
        .value_or(QString());
}

void DtcPage::showCodes(QTableWidget* grid, const UnitCodeList& codes, const QString& noCodesText,
                        const QString& notReadText) {
    QList<UnitCode>& shown = shownCodes(grid);
    shown = codes.value_or(QList<UnitCode>());
    if (!codes) {
        shownGrid(grid).state = ReadState::CouldNotBeRead;
        showCodesNotRead(grid, notReadText);
        recordShown(grid);
        return;
    }
    shownGrid(grid).state = ReadState::Read;
    resetRows(grid, int(codes->size()));
    if (codes->isEmpty()) {
        setCellText(grid, 0, kCodeColumn, QStringLiteral("P0000"));
        setCellText(grid, 0, kDescriptionColumn, noCodesText);
        recordShown(grid);
        return;
    }
    for (int row = 0; row < codes->size(); ++row)
        setCellText(grid, row, kCodeColumn, codes->at(row).code);
    fillUnitNames(grid);
    fillDescriptions(grid);
}

void DtcPage::fillDescriptions(QTableWidget* grid) {
    const QList<UnitCode>& shown = shownCodes(grid);
    for (int row = 0; row < shown.size(); ++row)
        setCellText(grid, row, kDescriptionColumn, descriptionOf(shown[row].code));
    grid->viewport()->update();
    recordShown(grid);
}

void DtcPage::fillUnitNames(QTableWidget* grid) {
    const QList<UnitCode>& shown = shownCodes(grid);
    for (int row = 0; row < shown.size(); ++row)
        setCellText(grid, row, kUnitColumn,
                    control_units::displayName(shown[row].unit, m_context.unitNames));
    grid->viewport()->update();
    recordShown(grid);
}

void DtcPage::showUnitNames() {
    for (QTableWidget* grid : {m_stored, m_pending, m_permanent})
        fillUnitNames(grid);
}

void DtcPage::showStoredCodes(const UnitCodeList& codes) {
    showCodes(m_stored, codes, const_str::NoStoredCodes, const_str::TroubleCodesNotRead);
}

void DtcPage::showPendingCodes(const UnitCodeList& codes) {
    showCodes(m_pending, codes, const_str::NoStoredCodes, const_str::TroubleCodesNotRead);
}

void DtcPage::showPermanentCodes(const PermanentCodes& codes) {
    if (codes.state != PermanentCodes::State::NotSupported) {
        showCodes(m_permanent,
                  codes.state == PermanentCodes::State::Read ? UnitCodeList(codes.codes)
                                                             : std::nullopt,
                  const_str::NoPermanentCodes, const_str::PermanentCodesNotRead);
        return;
    }
    // Neither a clean car nor a failure: a row without a code carries no mark.
    m_permanentCodes.clear();
    shownGrid(m_permanent).state = ReadState::NotSupported;
    resetRows(m_permanent, 1);
    setCellText(m_permanent, 0, kDescriptionColumn, const_str::PermanentCodesNotSupported);
    m_permanent->viewport()->update();
    recordShown(m_permanent);
}

void DtcPage::fillStoredCodes() {
    resetRows(m_stored, m_stored->rowCount());
    recordShown(m_stored); // what the report sees should the reading fail
    const Service03 reader = m_context.service03.value_or(Service03{});
    showStoredCodes(reader.storedCodesByUnit(m_context.link));
}

void DtcPage::fillPendingCodes() {
    resetRows(m_pending, m_pending->rowCount());
    recordShown(m_pending);
    const Service07 reader = m_context.service07.value_or(Service07{});
    showPendingCodes(reader.pendingCodesByUnit(m_context.link));
}

void DtcPage::fillPermanentCodes() {
    resetRows(m_permanent, m_permanent->rowCount());
    recordShown(m_permanent);
    // Asked right after the pending codes: when those were not read the vehicle has fallen
    // silent, and its "NO DATA" would pass for a refusal.
    showPermanentCodes(m_context.shown.pendingCodes.state == ReadState::Read
                           ? Service0A().permanentCodes(m_context.link)
                           : PermanentCodes{});
}

void DtcPage::readStatusAndCodes() {
    const MonitorStatus status = m_context.service01
                                     ? m_context.service01->readMonitorStatus(m_context.link)
                                     : readMonitorStatus(m_context.link);
    Q_EMIT monitorStatusRead(status);
    fillStoredCodes();
    fillPendingCodes();
    fillPermanentCodes();
}

void DtcPage::onReadCodesClicked() {
    m_context.link.logEvent(QStringLiteral(" - Read DTC"));
    if (communicationLost(m_context.connection, m_notifier))
        return;
    readStatusAndCodes();
}

void DtcPage::onClearCodesClicked() {
    m_context.link.logEvent(QStringLiteral(" - Delete DTC"));
    if (communicationLost(m_context.connection, m_notifier))
        return;
    if (m_dialogs->askClearCodes(const_str::ClearCodesWarning) != QMessageBox::Yes)
        return;
    if (!clearTroubleCodes(m_context.link, m_notifier))
        return;
    // What the grids, the start page and the freeze frame showed is gone from the vehicle now.
    readStatusAndCodes();
    Q_EMIT troubleCodesCleared();
}

std::unique_ptr<QMessageBox> DtcPage::clearCodesBox(const QString& warning, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Warning, QStringLiteral("OBD-II Quorvane"), warning,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    // Erasing cannot be undone: Enter must not do it.
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

void DtcPage::fillManufacturers(const QStringList& manufacturers) {
    m_manufacturer->clear();
    // The caption in the run's language; the table's own key stays with it for the lookups.
    for (const QString& maker : manufacturers)
        m_manufacturer->addItem(manufacturerCaption(maker), maker);
    updateManufacturerButtons();
}

void DtcPage::selectFirstManufacturer() {
    m_manufacturer->setCurrentIndex(m_manufacturer->count() > 0 ? 0 : -1);
    updateManufacturerButtons();
}

void DtcPage::onNextManufacturerClicked() {
    const int index = m_manufacturer->currentIndex();
    if (index + 1 < m_manufacturer->count())
        m_manufacturer->setCurrentIndex(index + 1);
}

void DtcPage::onPreviousManufacturerClicked() {
    const int index = m_manufacturer->currentIndex();
    if (index > 0)
        m_manufacturer->setCurrentIndex(index - 1);
}

void DtcPage::onManufacturerChanged() {
    updateManufacturerButtons();
    for (QTableWidget* grid : {m_stored, m_pending, m_permanent})
        fillDescriptions(grid);
    Q_EMIT manufacturerChanged();
}

void DtcPage::updateManufacturerButtons() {
    const int index = m_manufacturer->currentIndex();
    m_prev->setEnabled(index > 0);
    m_next->setEnabled(index >= 0 && index + 1 < m_manufacturer->count());
}

QList<DtcPage::PrintLine> DtcPage::printLines() const {
    QList<PrintLine> lines;
    const std::pair<const QLabel*, const QTableWidget*> lists[] = {
        {m_storedHeading, m_stored},
        {m_pendingHeading, m_pending},
        {m_permanentHeading, m_permanent}};
    for (const auto& [heading, grid] : lists) {
        lines.append({heading->text(), true});
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString code = cellText(grid, row, kCodeColumn);
            const QString unit = cellText(grid, row, kUnitColumn);
            lines.append({code + QStringLiteral("  ") + cellText(grid, row, kDescriptionColumn) +
                          (unit.isEmpty() ? QString() : QStringLiteral("  (") + unit + u')')});
            if (code.isEmpty())
                break;
        }
    }
    return lines;
}

void DtcPage::printLists(QPrinter& printer) const {
    // Positions are in units of a 600 dots-per-inch printer, so the page looks the same on any.
    printOrFail(printer, [this](QPrinter& target) {
        const double unit = target.resolution() / 600.0;
        QPainter painter;
        if (!painter.begin(&target))
            return false;
        QFont font = painter.font();
        font.setPointSize(10);
        int y = 100;
        for (const PrintLine& line : printLines()) {
            font.setBold(line.heading);
            font.setUnderline(line.heading);
            painter.setFont(font);
            const QFontMetrics metrics(painter.font());
            painter.drawText(QPointF(100 * unit, y * unit + metrics.ascent()), line.text);
            y += 100;
        }
        return painter.end();
    });
}

void DtcPage::onPrintCodesClicked() {
    QPrinter printer;
    if (!m_dialogs->choosePrinter(printer))
        return;
    printLists(printer);
}
