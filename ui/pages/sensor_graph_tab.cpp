#include "ui/pages/sensor_graph_tab.h"

#include "core/l10n/const_str.h"
#include "core/livedata/graph_window.h"
#include "core/livedata/live_data.h"
#include "core/livedata/live_number.h"
#include "core/settings/data_dirs.h"
#include "core/settings/file_io.h"
#include "ui/app/error_display.h"
#include "ui/pages/sensor_graph_dialogs.h"
#include "ui/pages/sensor_item_delegate.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/print_job.h"
#include "ui/widgets/segment_display.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <stdexcept>

namespace {

const QColor kChartBackground(0xF0, 0xF0, 0xF0);
const QColor kInitialColour[2] = {QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x00, 0xFF)};

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

void paintPanel(QFrame* panel, const QColor& colour) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
}

QFrame* colourPanel(const QString& name, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    return panel;
}

QString runPictureDialog(QWidget* parent, const QString& suggested) {
    const QString bitmaps = const_str::BitmapFileType + QStringLiteral(" (*.bmp)");
    const QString png = const_str::PngFileType + QStringLiteral(" (*.png)");
    QFileDialog dialog(parent, const_str::SaveCaption, QFileInfo(suggested).absolutePath(),
                       bitmaps + QStringLiteral(";;") + png);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.selectFile(QFileInfo(suggested).fileName());
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, png](const QString& filter) {
            dialog.setDefaultSuffix(filter == png ? QStringLiteral("png") : QStringLiteral("bmp"));
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

class FileDialogs : public SensorGraphDialogs {
public:
    explicit FileDialogs(QWidget* parent) : m_parent(parent) {}
    QString choosePictureFile(const QString& suggested) override {
        return runPictureDialog(m_parent, suggested);
    }
    bool choosePrinter(QPrinter& printer) override {
        QPrintDialog dialog(&printer, m_parent);
        return dialog.exec() == QDialog::Accepted;
    }

private:
    QWidget* m_parent;
};

} // namespace

SensorGraphTab::SensorGraphTab(LiveData& data, QWidget* parent) : QWidget(parent), m_data(data) {
    setObjectName(QStringLiteral("tsEinzeln"));
    polling = [] { return false; };
    english = [] { return false; };
    m_ownDialogs = std::make_unique<FileDialogs>(this);
    m_dialogs = m_ownDialogs.get();
    graphsFolder = [] { return data_dirs::dataDir() + QStringLiteral("/graphs"); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    // The two sensor panels with the spacer between them kept in the middle: equal stretch on
    // both sides does what a resize handler would.
    auto* sensors = new QWidget(this);
    sensors->setObjectName(QStringLiteral("Panel59"));
    auto* row = new QHBoxLayout(sensors);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buildSensorPanel(1, sensors), 1);
    auto* spacer = new QWidget(sensors);
    spacer->setFixedWidth(16);
    row->addWidget(spacer);
    row->addWidget(buildSensorPanel(2, sensors), 1);
    layout->addWidget(sensors);

    buildChart();
    layout->addWidget(m_view, 1);

    auto* bottom = new QHBoxLayout;
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("tbGraph"));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::NoTicks);
    m_slider->setRange(0, 0);
    bottom->addWidget(m_slider, 1);
    const struct {
        const char* name;
        const char* picture;
    } buttons[] = {{"dxButton7", "TB_PICTURE"}, {"dxButton13", "TB_PRINT"}};
    QToolButton* made[2] = {};
    for (int i = 0; i < 2; ++i) {
        made[i] = new QToolButton(this);
        made[i]->setObjectName(QLatin1String(buttons[i].name));
        made[i]->setFixedSize(22, 22);
        made[i]->setIconSize(QSize(18, 18));
        made[i]->setIcon(QIcon(picture(QLatin1String(buttons[i].picture), QSize(18, 18))));
        bottom->addWidget(made[i]);
    }
    layout->addLayout(bottom);

    connect(m_slider, &QSlider::valueChanged, this, guarded([this] { onHistorySliderMoved(); }));
    connect(made[0], &QToolButton::clicked, this, guarded([this] { onSaveChartClicked(); }));
    connect(made[1], &QToolButton::clicked, this, guarded([this] { onPrintChartClicked(); }));
}

SensorGraphTab::~SensorGraphTab() = default;

QWidget* SensorGraphTab::buildSensorPanel(int graph, QWidget* parent) {
    Side& side = m_sides[graph - 1];
    const QString n = QString::number(graph);
    auto* panel = new QWidget(parent);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    side.selector = new QComboBox(panel);
    side.selector->setObjectName(QStringLiteral("cbSD") + n);
    auto* view = new QListView(side.selector);
    view->setItemDelegate(new SensorItemDelegate(view));
    side.selector->setView(view);
    side.selector->setIconSize(QSize(15, 13));
    column->addWidget(side.selector);

    auto* readings = new QHBoxLayout;
    side.digiPanel = colourPanel(QStringLiteral("panelSensDigi") + n, panel);
    side.display = new SegmentDisplay(5, side.digiPanel);
    side.display->setObjectName(QStringLiteral("IAeverLiquidIndicator") + n);
    side.display->setText(QStringLiteral("0,00"));
    side.display->setMinimumSize(110, 40);
    side.digiPanel->layout()->addWidget(side.display);
    side.captionPanel = colourPanel(QStringLiteral("panelSensAnalog") + n, panel);
    side.caption = new QLabel(QStringLiteral("-"), side.captionPanel);
    side.caption->setObjectName(QStringLiteral("labTextIndikator") + n);
    side.caption->setAlignment(Qt::AlignCenter);
    QFont bold = side.caption->font();
    bold.setBold(true);
    side.caption->setFont(bold);
    side.captionPanel->layout()->addWidget(side.caption);
    readings->addWidget(side.digiPanel);
    readings->addWidget(side.captionPanel, 1);
    column->addLayout(readings);

    paintPanel(side.digiPanel, kInitialColour[graph - 1]);
    paintPanel(side.captionPanel, kInitialColour[graph - 1]);
    // A user's pick; filling the selectors from code never counts as a choice.
    connect(side.selector, &QComboBox::activated, this,
            guarded([this, graph] { graph == 1 ? cbSD1Change() : cbSD2Change(); }));
    return panel;
}

void SensorGraphTab::buildChart() {
    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setBackgroundBrush(kChartBackground);
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setBackgroundRoundness(0);

    m_bottom = new QValueAxis(m_chart);
    m_bottom->setRange(0, double(GraphWindow::kSpan));
    m_bottom->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(m_bottom, Qt::AlignBottom);
    const char* const titles[2] = {"SeriesRed", "SeriesBlue"};
    const Qt::Alignment sides[2] = {Qt::AlignLeft, Qt::AlignRight};
    for (int g = 0; g < 2; ++g) {
        Side& side = m_sides[g];
        side.axis = new QValueAxis(m_chart);
        side.axis->setRange(0, 100);
        setAxisTitle(side, const_str::NotAvailable);
        side.axis->setLabelFormat(QStringLiteral("%g"));
        side.axis->setLinePenColor(kInitialColour[g]);
        m_chart->addAxis(side.axis, sides[g]);
        side.series = new QLineSeries(m_chart);
        side.series->setObjectName(QStringLiteral("Series") + QString::number(g + 1));
        side.series->setName(QLatin1String(titles[g]));
        QPen pen(kInitialColour[g]);
        pen.setWidth(1);
        side.series->setPen(pen);
        side.series->setPointsVisible(false);
        m_chart->addSeries(side.series);
        side.series->attachAxis(m_bottom);
        side.series->attachAxis(side.axis);
    }
    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("SensorChart"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setRubberBand(QChartView::NoRubberBand);
}

void SensorGraphTab::fillSelectors(const SensorList& monitored, bool selectPlaceholder) {
    for (Side& side : m_sides) {
        const QSignalBlocker block(side.selector);
        side.selector->clear();
        SensorList items{
            {m_data.lists.PlaceholderSensor.pid.name, &m_data.lists.PlaceholderSensor}};
        items += monitored;
        for (int row = 0; row < items.size(); ++row) {
            side.selector->addItem(QString());
            SensorItemDelegate::setItem(side.selector->model(), row, items[row]);
        }
        side.selector->setCurrentIndex(selectPlaceholder ? 0 : -1);
        side.appliedPosition = -1;
    }
    // The placeholder shown is also what is polled: a series must not go on asking for a sensor
    // of the last vehicle that no selector shows any more. The axes stay as the start left them.
    if (selectPlaceholder) {
        m_data.SeriesPid1 = 0;
        m_data.SeriesPid2 = 0;
        for (Side& side : m_sides) {
            side.axis->setRange(0, 100);
            setAxisTitle(side, const_str::NotAvailable);
        }
    }
}

void SensorGraphTab::cbSD1Change() {
    sensorChosen(1);
}

void SensorGraphTab::cbSD2Change() {
    sensorChosen(2);
}

void SensorGraphTab::sensorChosen(int graph) {
    Side& side = m_sides[graph - 1];
    const int position = side.selector->currentIndex();
    if (position < 0 || position == side.appliedPosition)
        return;
    const LiveSensor* entry =
        SensorItemDelegate::entryOf(side.selector->model()->index(position, 0));
    if (entry == nullptr)
        return;
    Q_EMIT resetRequested();
    side.appliedPosition = position;
    setAxisTitle(side, graphAxisTitle(entry->pid, english()));
    side.axis->setMax(entry->pid.graphMax);
    side.axis->setMin(entry->pid.graphMin);
    std::atomic<int>& seriesPid = graph == 1 ? m_data.SeriesPid1 : m_data.SeriesPid2;
    seriesPid = entry->pid.key();
}

void SensorGraphTab::setAxisTitle(Side& side, const QString& title) {
    side.title = title;
    // Axis titles are rich text: "<" would open a tag and runs of blanks would collapse.
    side.axis->setTitleText(
        title.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
}

void SensorGraphTab::showWindow(const GraphWindow& window) {
    QList<QPointF> points[2];
    if (!window.empty) {
        const std::vector<GraphSample> samples = m_data.history.range(window.first, window.last);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const double x = double(window.first + i);
            points[0].append({x, samples[i].series1});
            points[1].append({x, samples[i].series2});
        }
    }
    if (window.axisFrom)
        m_bottom->setRange(double(*window.axisFrom), double(*window.axisFrom + GraphWindow::kSpan));
    m_sides[0].series->replace(points[0]);
    m_sides[1].series->replace(points[1]);
}

void SensorGraphTab::graphHandOff() {
    for (int g = 0; g < 2; ++g) {
        const SeriesReading& reading = m_data.seriesReadings[std::size_t(g)];
        m_sides[g].caption->setText(reading.caption);
        m_sides[g].display->setText(reading.display);
    }
    const GraphWindow window = newestGraphWindow(m_data.history.size());
    showWindow(window);
    m_slider->setMaximum(window.sliderMaximum);
    m_slider->setValue(window.sliderMaximum);
}

void SensorGraphTab::graphReset() {
    for (Side& side : m_sides)
        side.series->clear();
    m_bottom->setRange(0, double(GraphWindow::kSpan));
}

void SensorGraphTab::onHistorySliderMoved() {
    if (polling())
        return;
    showWindow(sliderGraphWindow(m_data.history.size(), m_slider->value()));
}

QImage SensorGraphTab::chartPicture() const {
    QImage image(m_view->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    m_view->render(&painter);
    return image;
}

void SensorGraphTab::onSaveChartClicked() {
    const QString folder = graphsFolder();
    if (!QDir().mkpath(folder))
        fail(const_str::DirectoryNotCreated.arg(shownPath(folder)));
    const QString suggested =
        folder + QLatin1Char('/') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyMMddhhmmss")) +
        QStringLiteral(".bmp");
    const QString path = m_dialogs->choosePictureFile(suggested);
    if (path.isEmpty())
        return;
    const QByteArray format =
        QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0
            ? QByteArrayLiteral("PNG")
            : QByteArrayLiteral("BMP");
    // Written whole or not at all: a picture that fails half-way never replaces an earlier one.
    QSaveFile file(path);
    const QString shown = shownPath(path);
    if (const QString reason = openForSaving(file); !reason.isEmpty())
        fail(const_str::FileNotWritten.arg(shown, reason));
    if (!chartPicture().save(&file, format.constData())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(const_str::FileNotWritten.arg(shown, reason));
    }
    if (const QString reason = commitSaveFile(file); !reason.isEmpty())
        fail(const_str::FileNotWritten.arg(shown, reason));
}

void SensorGraphTab::onPrintChartClicked() {
    QPrinter printer;
    if (!m_dialogs->choosePrinter(printer))
        return;
    printChart(printer);
}

void SensorGraphTab::printChart(QPrinter& printer) const {
    printOrFail(printer, [this](QPrinter& target) {
        QPainter painter;
        if (!painter.begin(&target))
            return false;
        // The chart as it is shown, scaled to the page's width and kept in proportion.
        const QImage image = chartPicture();
        const QRectF page = target.pageLayout().paintRectPixels(target.resolution());
        const QSizeF size = QSizeF(image.size()).scaled(page.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(QPointF(0, 0), size), image);
        return painter.end();
    });
}

void SensorGraphTab::setGraphWidth(int graph, int width) {
    Side& side = m_sides[graph - 1];
    QPen pen = side.series->pen();
    pen.setWidth(std::clamp(width, 1, 5));
    side.series->setPen(pen);
}

void SensorGraphTab::setGraphColour(int graph, const QColor& colour) {
    Side& side = m_sides[graph - 1];
    QPen pen = side.series->pen();
    pen.setColor(colour);
    side.series->setPen(pen);
    side.axis->setLinePenColor(colour);
    paintPanel(side.digiPanel, colour);
    paintPanel(side.captionPanel, colour);
}
