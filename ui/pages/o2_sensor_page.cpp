#include "ui/pages/o2_sensor_page.h"
#include "ui/app/error_display.h"

#include "core/connection/communication_guard.h"
#include "core/connection/program_context.h"
#include "core/j1979/o2_sensor_tests.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "ui/pages/result_grid.h"
#include "ui/pages/shown_grid_texts.h"
#include "ui/pages/striped_grid_delegate.h"
#include "ui/widgets/o2_sensor_graph.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kStatusColumn = 0;
constexpr int kTestIdColumn = 1;
constexpr int kDescriptionColumn = 2;
constexpr int kValueColumn = 3;
constexpr int kMinColumn = 4;
constexpr int kMaxColumn = 5;
constexpr int kUnitColumn = 6;

} // namespace

O2SensorPage::O2SensorPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent)
    : QWidget(parent), m_context(context), m_notifier(notifier) {
    setObjectName(QStringLiteral("Page_O2Sensors"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(buildTestBox());
    layout->addWidget(buildGraphBox(), 1);
    // Until the translation pass hands over its texts the grid shows the English ones.
    setGridHeadings(gridHeadingTexts());
}

QWidget* O2SensorPage::buildTestBox() {
    QFrame* box = createResultBox(this);
    box->setFixedHeight(263);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(0);

    auto* strip = new QWidget(box);
    strip->setFixedHeight(35);
    QFont font = strip->font();
    font.setPointSize(8);
    strip->setFont(font);
    m_locations = new QComboBox(strip);
    m_locations->setObjectName(QStringLiteral("cbO2SensLoc"));
    m_locations->setGeometry(8, 8, 169, 21);
    auto* ok = new QPushButton(QStringLiteral("OK"), strip);
    ok->setObjectName(QStringLiteral("dxButton11"));
    ok->setGeometry(184, 7, 75, 23);
    column->addWidget(strip);

    m_gridPanel = new QWidget(box);
    m_gridPanel->setObjectName(QStringLiteral("gridO2_Panel"));
    m_gridPanel->setAutoFillBackground(true);
    QPalette pal = m_gridPanel->palette();
    pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    m_gridPanel->setPalette(pal);
    auto* panelLayout = new QVBoxLayout(m_gridPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    m_grid = createResultGrid(QStringLiteral("gridO2"),
                              {{21, 24, 284, 58, 54, 57, 19}, 19, true, true}, m_gridPanel);
    m_grid->setRowCount(O2TestCount);
    m_grid->setItemDelegate(
        new StripedGridDelegate({kValueColumn, kMinColumn, kMaxColumn}, kStatusColumn, m_grid));
    panelLayout->addWidget(m_grid);
    column->addWidget(m_gridPanel, 1);
    m_gridPanel->installEventFilter(this);

    connect(ok, &QPushButton::clicked, this, guarded([this] { onReadO2TestsClicked(); }));
    connect(m_locations, &QComboBox::currentIndexChanged, this, guarded([this] {
                onO2SensorChanged();
                recordShown();
            }));
    return box;
}

QWidget* O2SensorPage::buildGraphBox() {
    QFrame* box = createResultBox(this);
    box->setFrameShadow(QFrame::Sunken);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(1, 1, 1, 1);
    m_graph = new O2SensorGraph(box);
    m_graph->setObjectName(QStringLiteral("QzO2SensorGraph1"));
    QFont font = m_graph->font();
    font.setPointSize(8);
    m_graph->setFont(font);
    m_graph->setFontColor(QColor(0xFF, 0xFF, 0x00));
    m_graph->setDivisions(98);
    column->addWidget(m_graph);
    return box;
}

bool O2SensorPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_gridPanel && event->type() == QEvent::Resize)
        fitO2Columns();
    return QWidget::eventFilter(watched, event);
}

void O2SensorPage::fitO2Columns() {
    int others = 11;
    for (int column : {0, 1, 3, 4, 5, 6})
        others += m_grid->columnWidth(column);
    setFillingColumnWidth(m_grid, kDescriptionColumn, m_gridPanel->width() - others);
}

void O2SensorPage::setGridHeadings(const GridHeadingTexts& texts) {
    for (int column = 0; column < texts.o2Grid.size() && column < m_grid->columnCount(); ++column)
        m_grid->horizontalHeaderItem(column)->setText(texts.o2Grid[column]);
    for (int row = 0; row < O2TestCount; ++row) {
        const GridHeadingTexts::O2TestRow& test = texts.o2TestRows[std::size_t(row)];
        m_statusBeforeReading[std::size_t(row)] = test.status;
        setCellText(m_grid, row, kStatusColumn, test.status);
        setCellText(m_grid, row, kTestIdColumn, test.testId);
        setCellText(m_grid, row, kDescriptionColumn, test.description);
        setCellText(m_grid, row, kUnitColumn, test.unit);
    }
    // The diagram's captions are translated in the same pass as the grid's texts.
    m_graph->setCaptionRich(const_str::O2CaptionRich);
    m_graph->setCaptionLean(const_str::O2CaptionLean);
    recordShown();
}

void O2SensorPage::recordShown() {
    ShownO2Tests& shown = m_context.shown.o2Tests;
    shown.location = m_locations->currentText();
    shown.heading = shownHeadingOf(m_grid);
    shown.rows = shownRowsOf(m_grid);
}

void O2SensorPage::showO2SensorLocations(const QList<O2SensorLocation>& locations) {
    m_locations->clear();
    for (const O2SensorLocation& location : locations)
        m_locations->addItem(location.text, location.mask);
    if (!locations.isEmpty())
        m_locations->setCurrentIndex(0);
}

void O2SensorPage::forgetVehicle() {
    m_locations->clear();
    std::array<O2TestResult, O2TestCount> none;
    for (int row = 0; row < O2TestCount; ++row)
        none[std::size_t(row)].status = m_statusBeforeReading[std::size_t(row)];
    showResults(none);
    m_context.shown.o2Tests.state = ReadState::NotYetRead;
}

void O2SensorPage::onReadO2TestsClicked() {
    const int index = m_locations->currentIndex();
    if (index < 0)
        return;
    if (communicationLost(m_context.connection, m_notifier))
        return;
    const Service05 reader = m_context.service05.value_or(Service05{});
    const auto results =
        reader.readO2SensorTests(m_context.link, m_locations->itemData(index).toInt());
    showResults(results);
    if (reportsO2TestsThroughService06(m_context.link))
        m_notifier.showMessage(UserNotifier::Icon::Information, const_str::O2TestsThroughService06);
}

void O2SensorPage::showResults(const std::array<O2TestResult, O2TestCount>& results) {
    for (int row = 0; row < O2TestCount; ++row) {
        const O2TestResult& result = results[std::size_t(row)];
        setCellText(m_grid, row, kStatusColumn, result.status);
        setCellText(m_grid, row, kValueColumn, result.value);
        setCellText(m_grid, row, kMinColumn, result.minimum);
        setCellText(m_grid, row, kMaxColumn, result.maximum);
    }
    m_grid->viewport()->update();
    m_context.shown.o2Tests.state = o2TestsState(results);
    recordShown();
}
