#include "ui/pages/freeze_frame_page.h"
#include "ui/app/error_display.h"

#include "core/connection/communication_guard.h"
#include "core/connection/freeze_frame_reading.h"
#include "core/connection/program_context.h"
#include "core/l10n/const_str.h"
#include "ui/pages/dtc_grid_draw_cell.h"
#include "ui/pages/result_grid.h"
#include "ui/pages/shown_grid_texts.h"
#include "ui/pages/striped_grid_delegate.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

FreezeFramePage::FreezeFramePage(ProgramContext& context, UserNotifier& notifier, QWidget* parent)
    : QWidget(parent), m_context(context), m_notifier(notifier) {
    setObjectName(QStringLiteral("Page_FreezeFrames"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Panel14"));
    auto* client = new QVBoxLayout(m_client);
    client->setContentsMargins(8, 8, 8, 8);
    client->setSpacing(8);
    client->addWidget(buildFrameSelector(m_client));

    QFrame* codeBox = createResultBox(m_client);
    m_codeBox = codeBox;
    codeBox->setFixedHeight(64);
    auto* codeColumn = new QVBoxLayout(codeBox);
    codeColumn->setContentsMargins(6, 3, 6, 3);
    codeColumn->setSpacing(2);
    codeColumn->addWidget(
        createBoxHeading(QStringLiteral("Diagnostic Trouble Code (DTC)"), codeBox));
    m_code =
        createResultGrid(QStringLiteral("DTC_Grid_FF"), {{19, 44, 456}, 19, false, false}, codeBox);
    m_code->setItemDelegate(new DtcGridDelegate(m_code));
    m_code->setFixedHeight(19);
    m_code->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A description wider than the box (German ones can be) scrolls; the row keeps its height.
    m_code->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_code->setFrameShape(QFrame::NoFrame);
    codeColumn->addWidget(m_code);
    codeColumn->addWidget(createCodeLegend(codeBox));
    client->addWidget(codeBox);

    QFrame* valueBox = createResultBox(m_client);
    auto* valueColumn = new QVBoxLayout(valueBox);
    valueColumn->setContentsMargins(2, 2, 2, 2);
    m_values = createResultGrid(QStringLiteral("gridFreezeFrames"),
                                {{21, 350, 80, 64}, 17, true, true}, valueBox);
    m_values->setItemDelegate(new StripedGridDelegate({2}, -1, m_values));
    valueColumn->addWidget(m_values);
    client->addWidget(valueBox, 1);
    m_client->installEventFilter(this);
    m_code->installEventFilter(this);
    connect(m_code->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { fitCodeGridHeight(); });
    layout->addWidget(m_client, 1);

    auto* bar = new QWidget(this);
    bar->setFixedHeight(31);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 2, 8, 4);
    auto* read = new QPushButton(QStringLiteral("Read"), bar);
    read->setObjectName(QStringLiteral("btnFreezeFramesRead"));
    read->setFixedWidth(75);
    row->addWidget(read);
    row->addStretch(1);
    layout->addWidget(bar);
    connect(read, &QPushButton::clicked, this, guarded([this] { onReadFreezeFrameClicked(); }));
    // Until the translation pass hands over its texts the headings are the English ones.
    setGridHeadings(gridHeadingTexts());
}

QWidget* FreezeFramePage::buildFrameSelector(QWidget* parent) {
    // Only frame 0, the one OBD-II requires, is ever read: the selector is kept but never shown.
    QFrame* box = createResultBox(parent);
    box->setObjectName(QStringLiteral("FrameSelector"));
    auto* row = new QHBoxLayout(box);
    row->addWidget(createBoxHeading(QStringLiteral("Freeze Frames"), box));
    row->addWidget(new QLabel(QStringLiteral("Frame"), box));
    auto* frame = new QSpinBox(box);
    frame->setRange(0, 0);
    frame->setEnabled(false);
    row->addWidget(frame);
    row->addWidget(new QLabel(QStringLiteral("- OBD-II Mandated"), box), 1);
    box->hide();
    return box;
}

bool FreezeFramePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::Resize)
        fitFreezeFrameColumns();
    // The grid's own width is only known once the box has laid it out.
    if (watched == m_code && event->type() == QEvent::Resize)
        fitCodeGridHeight();
    return QWidget::eventFilter(watched, event);
}

void FreezeFramePage::fitFreezeFrameColumns() {
    const int width = m_client->width();
    setFillingColumnWidth(m_code, 2, width - m_code->columnWidth(0) - m_code->columnWidth(1) - 42);
    setFillingColumnWidth(m_values, 1,
                          width - m_values->columnWidth(0) - m_values->columnWidth(2) -
                              m_values->columnWidth(3) - 48);
}

void FreezeFramePage::fitCodeGridHeight() {
    int columns = 0;
    for (int column = 0; column < m_code->columnCount(); ++column)
        columns += m_code->columnWidth(column);
    const int bar =
        columns > m_code->width() ? m_code->horizontalScrollBar()->sizeHint().height() : 0;
    if (m_code->height() == 19 + bar)
        return;
    m_code->setFixedHeight(19 + bar);
    m_codeBox->setFixedHeight(64 + bar);
}

void FreezeFramePage::setGridHeadings(const GridHeadingTexts& texts) {
    for (int column = 0; column < texts.freezeFrame.size() && column < m_values->columnCount();
         ++column)
        m_values->horizontalHeaderItem(column)->setText(texts.freezeFrame[column]);
}

void FreezeFramePage::emptyGrids() {
    m_codes.clear();
    resetRows(m_values, 1);
    resetRows(m_code, m_code->rowCount());
    // Should the reading that follows fail, the report sees the emptied grids as the user does.
    m_context.shown.freezeFrame.state = ReadState::NotYetRead;
    recordShown();
}

void FreezeFramePage::forgetVehicle() {
    resetRows(m_code, 1);
    emptyGrids();
}

void FreezeFramePage::onReadFreezeFrameClicked() {
    if (communicationLost(m_context.connection, m_notifier))
        return;
    readFreezeFrames();
}

void FreezeFramePage::readFreezeFrames() {
    emptyGrids();
    if (!m_context.service02)
        m_context.service02.emplace();
    showFreezeFrame(readFreezeFrameData(m_context.link, *m_context.service02,
                                        m_context.pidCatalogue, isEnglish(m_context.unitSystem)));
}

void FreezeFramePage::showFreezeFrame(const FreezeFrameReading& reading) {
    m_codes = reading.codes.value_or(QStringList());
    if (!reading.codes) {
        showCodesNotRead(m_code, const_str::FreezeFrameNotRead);
    } else if (m_codes.isEmpty()) {
        resetRows(m_code, 1);
        setCellText(m_code, 0, 1, QStringLiteral("P0000"));
        setCellText(m_code, 0, 2, const_str::NoFreezeFrame);
    } else {
        resetRows(m_code, int(m_codes.size()));
        for (int row = 0; row < m_codes.size(); ++row)
            setCellText(m_code, row, 1, m_codes[row]);
        refreshDescription();
    }

    resetRows(m_values, int(reading.rows.size()));
    for (int row = 0; row < reading.rows.size(); ++row) {
        const FreezeFrameRow& value = reading.rows[row];
        setCellText(m_values, row, 0, value.pid);
        setCellText(m_values, row, 1, value.name);
        setCellText(m_values, row, 2, value.value.value_or(const_str::Error));
        setCellText(m_values, row, 3, value.unit);
    }
    m_context.shown.freezeFrame.state = reading.codes ? ReadState::Read : ReadState::CouldNotBeRead;
    recordShown();
}

void FreezeFramePage::recordShown() {
    ShownFreezeFrame& shown = m_context.shown.freezeFrame;
    shown.code = shownCodeGridOf(m_code, shown.state);
    shown.rows = shownFreezeFrameRowsOf(m_values);
}

void FreezeFramePage::refreshDescription() {
    const QString maker = selectedManufacturer ? selectedManufacturer() : QString();
    for (int row = 0; row < m_codes.size(); ++row) {
        const QString& code = m_codes[row];
        setCellText(m_code, row, 2,
                    m_context.faultCodeTable.findDescription(code, manufacturerForCode(code, maker))
                        .value_or(QString()));
    }
    m_code->viewport()->update();
    recordShown();
}
