#include "ui/pages/log_viewer_tab.h"

#include "core/livedata/log_span.h"
#include "core/livedata/log_table.h"
#include "core/settings/data_dirs.h"
#include "ui/app/error_display.h"
#include "ui/widgets/log_plot.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

// Six series fit a screen's height with room to read each; more can be ticked.
constexpr int kFirstShown = 6;

QString statText(double v, const QString& unit) {
    if (std::isnan(v))
        return QStringLiteral("missing");
    const QString number = QString::number(v, 'g', 6);
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

} // namespace

LogViewerTab::LogViewerTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsLogViewer"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);

    auto* bar = new QHBoxLayout;
    auto* open = new QPushButton(QStringLiteral("Open Log..."), this);
    open->setObjectName(QStringLiteral("btnLogOpen"));
    m_fileLabel = new QLabel(QStringLiteral("No log open"), this);
    m_fileLabel->setObjectName(QStringLiteral("labLogFile"));
    auto* showAll = new QPushButton(QStringLiteral("Show All"), this);
    showAll->setObjectName(QStringLiteral("btnLogShowAll"));
    m_exportPicture = new QPushButton(QStringLiteral("Save Picture..."), this);
    m_exportPicture->setObjectName(QStringLiteral("btnLogSavePicture"));
    m_exportCsv = new QPushButton(QStringLiteral("Save Span as CSV..."), this);
    m_exportCsv->setObjectName(QStringLiteral("btnLogSaveCsv"));
    bar->addWidget(open);
    bar->addWidget(m_fileLabel, 1);
    bar->addWidget(showAll);
    bar->addWidget(m_exportPicture);
    bar->addWidget(m_exportCsv);
    column->addLayout(bar);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_columns = new QListWidget(splitter);
    m_columns->setObjectName(QStringLiteral("lstLogColumns"));
    auto* right = new QWidget(splitter);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    m_plot = new LogPlot(right);
    m_plot->setObjectName(QStringLiteral("logPlot"));
    m_cursorLabel = new QLabel(right);
    m_cursorLabel->setObjectName(QStringLiteral("labLogCursor"));
    m_stats = new QTableWidget(0, 5, right);
    m_stats->setObjectName(QStringLiteral("gridLogStats"));
    m_stats->setHorizontalHeaderLabels({QStringLiteral("Series"), QStringLiteral("At cursor"),
                                        QStringLiteral("Minimum"), QStringLiteral("Maximum"),
                                        QStringLiteral("Mean")});
    m_stats->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_stats->verticalHeader()->hide();
    m_stats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_stats->setMaximumHeight(170);
    rightColumn->addWidget(m_plot, 1);
    rightColumn->addWidget(m_cursorLabel);
    rightColumn->addWidget(m_stats);
    splitter->addWidget(m_columns);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 800});
    column->addWidget(splitter, 1);

    m_exportPicture->setEnabled(false);
    m_exportCsv->setEnabled(false);
    m_folder = data_dirs::dataDir() + QStringLiteral("/logfiles");
    connect(open, &QPushButton::clicked, this, guarded([this] { onOpenClicked(); }));
    connect(showAll, &QPushButton::clicked, m_plot, &LogPlot::showAll);
    connect(m_exportPicture, &QPushButton::clicked, this,
            guarded([this] { onExportPictureClicked(); }));
    connect(m_exportCsv, &QPushButton::clicked, this, guarded([this] { onExportCsvClicked(); }));
    connect(m_columns, &QListWidget::itemChanged, this, guarded([this] { onColumnsChanged(); }));
    connect(m_plot, &LogPlot::viewChanged, this, guarded([this] { refreshStats(); }));
}

LogViewerTab::~LogViewerTab() = default;

void LogViewerTab::openLog(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::shared_ptr<const LogTable> table;
    try {
        table = std::make_shared<const LogTable>(readLogFile(path));
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    m_table = table;
    m_folder = QFileInfo(path).absolutePath();
    m_fileName = QFileInfo(path).fileName();
    QString info = QStringLiteral("%1: %2 records over %3")
                       .arg(m_fileName)
                       .arg(table->rowCount())
                       .arg(elapsedText(table->times.back()));
    if (table->skippedLines > 0)
        info += QStringLiteral(", %1 unreadable lines left out").arg(table->skippedLines);
    m_fileLabel->setText(info);
    {
        const QSignalBlocker blocker(m_columns);
        m_columns->clear();
        for (size_t i = 0; i < table->series.size(); ++i) {
            auto* item = new QListWidgetItem(table->series[i].name, m_columns);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(int(i) < kFirstShown ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_plot->setLog(m_table, m_fileName);
    m_exportPicture->setEnabled(true);
    m_exportCsv->setEnabled(true);
    onColumnsChanged();
}

void LogViewerTab::onColumnsChanged() {
    std::vector<int> chosen;
    for (int i = 0; i < m_columns->count(); ++i)
        if (m_columns->item(i)->checkState() == Qt::Checked)
            chosen.push_back(i);
    m_plot->setSeries(chosen);
}

void LogViewerTab::refreshStats() {
    const LogPlotView& view = m_plot->view();
    m_stats->setRowCount(int(view.series.size()));
    if (!m_table)
        return;
    const auto [first, last] = rowsBetween(*m_table, view.from, view.to);
    const qsizetype row = view.cursor ? rowAt(*m_table, *view.cursor) : -1;
    m_cursorLabel->setText(row < 0 ? QStringLiteral("Click the picture to place the cursor")
                                   : QStringLiteral("Cursor at %1 %2 (record %3)")
                                         .arg(elapsedText(m_table->times[size_t(row)], true),
                                              clockText(*m_table, m_table->times[size_t(row)]))
                                         .arg(row + 1));
    for (int n = 0; n < int(view.series.size()); ++n) {
        const LogSeries& series = m_table->series[size_t(view.series[size_t(n)])];
        const SpanStats stats = spanStats(series, first, last);
        const QString& unit = series.unit;
        const QString none = QStringLiteral("-");
        const QStringList cells{series.name,
                                row < 0 ? QString() : statText(series.values[size_t(row)], unit),
                                stats.count == 0 ? none : statText(stats.min, unit),
                                stats.count == 0 ? none : statText(stats.max, unit),
                                stats.count == 0 ? none : statText(stats.mean, unit)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 0)
                item->setForeground(logSeriesColour(n));
            m_stats->setItem(n, c, item);
        }
    }
}

QString LogViewerTab::chooseSaveFile(const QString& filter, const QString& suffix) {
    const QString suggested =
        m_folder + QLatin1Char('/') + QFileInfo(m_fileName).completeBaseName() + suffix;
    QString chosenFilter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save"), suggested, filter,
                                                &chosenFilter);
    // A name typed without an ending gets the one of the chosen kind, so the file is written in
    // the form that was picked.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += chosenFilter.contains(QLatin1String("*.svg"))
                    ? QStringLiteral(".svg")
                    : QLatin1Char('.') + QFileInfo(suffix).suffix();
    return path;
}

void LogViewerTab::onOpenClicked() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open Log"), m_folder,
                                     QStringLiteral("CSV logs (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        openLog(path);
}

void LogViewerTab::onExportPictureClicked() {
    const QString path =
        chooseSaveFile(QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"), ".png");
    if (!path.isEmpty())
        exportPicture(path);
}

void LogViewerTab::onExportCsvClicked() {
    const QString path = chooseSaveFile(QStringLiteral("CSV file (*.csv)"), "-span.csv");
    if (!path.isEmpty())
        exportSpanCsv(path);
}

void LogViewerTab::exportPicture(const QString& path) {
    if (!m_table)
        return;
    // The picture as large as it is on screen, but never smaller than a report page needs.
    const QSize size = m_plot->size().expandedTo(QSize(1200, 800));
    const QString problem = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
                                ? saveLogPlotSvg(path, size, *m_table, m_plot->view())
                                : saveLogPlotPng(path, size, *m_table, m_plot->view());
    if (!problem.isEmpty())
        throw LogReadError(problem);
}

void LogViewerTab::exportSpanCsv(const QString& path) {
    if (m_table)
        writeSpanCsv(path, *m_table, m_plot->view().series, m_plot->view().from, m_plot->view().to);
}
