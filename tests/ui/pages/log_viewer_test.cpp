#include "core/livedata/log_table.h"
#include "tests/support/test_environment.h"
#include "ui/pages/log_viewer_tab.h"
#include "ui/widgets/log_plot.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QTableWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// A minute of a data log as the window writes it, one record a second, with "Error" cells.
QString writeMinuteLog(const QString& folder) {
    QByteArray text = "\"Time\",\"Engine RPM\",\"Catalyst Temperature Bank 1, Sensor 1\"\r\n";
    for (int s = 0; s < 60; ++s)
        text += QStringLiteral("\"10:00:%1\",\"%2 rpm\",\"%3\"\r\n")
                    .arg(s, 2, 10, QLatin1Char('0'))
                    .arg(800 + s * 10)
                    .arg(s % 7 == 3 ? QStringLiteral("Error") : QStringLiteral("%1 °C").arg(s))
                    .toUtf8();
    const QString path = folder + "/minute.csv";
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

QString cell(LogViewerTab& tab, int row, int column) {
    auto* grid = tab.findChild<QTableWidget*>("gridLogStats");
    return grid->item(row, column) ? grid->item(row, column)->text() : QString();
}

TEST(LogViewer, CursorShowsRecordedValuesAndStatsFollowTheSpan) {
    LogViewerTab tab;
    tab.openLog(writeMinuteLog(test_env::freshDir("logviewer-cursor")));
    LogPlot& plot = *tab.plot();
    ASSERT_EQ(plot.view().series, (std::vector<int>{0, 1}));
    const struct {
        double cursor;
        const char* rpm;
        const char* temperature;
    } cases[] = {{0, "800 rpm", "0 °C"},
                 {3, "830 rpm", "missing"},
                 {3.9, "830 rpm", "missing"},
                 {58.5, "1380 rpm", "58 °C"},
                 {59, "1390 rpm", "missing"}};
    for (const auto& c : cases) {
        plot.setCursorTime(c.cursor);
        EXPECT_EQ(cell(tab, 0, 1), c.rpm) << c.cursor;
        EXPECT_EQ(cell(tab, 1, 1), QString::fromUtf8(c.temperature)) << c.cursor;
    }
    EXPECT_EQ(cell(tab, 0, 2), "800 rpm");
    plot.setSpan(10, 20);
    EXPECT_EQ(cell(tab, 0, 2), "900 rpm");
    EXPECT_EQ(cell(tab, 0, 3), "1000 rpm");
    EXPECT_EQ(cell(tab, 0, 4), "950 rpm");

    // Keys zoom and pan, never past either end of the log.
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        double from, to;
    } keys[] = {{Qt::Key_Home, {}, 0, 59},
                {Qt::Key_Up, {}, 14.75, 44.25},
                {Qt::Key_Left, {}, 11.8, 41.3},
                {Qt::Key_Down, {}, 0, 59},
                {Qt::Key_Right, {}, 0, 59}};
    plot.setCursorTime(29.5);
    for (const auto& k : keys) {
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers);
        QApplication::sendEvent(&plot, &press);
        EXPECT_NEAR(plot.view().from, k.from, 1e-9) << k.key;
        EXPECT_NEAR(plot.view().to, k.to, 1e-9) << k.key;
    }
}

TEST(LogViewer, ExportsPictureAndSpan) {
    const QString folder = test_env::freshDir("logviewer-export");
    LogViewerTab tab;
    tab.resize(900, 600);
    tab.openLog(writeMinuteLog(folder));
    tab.plot()->setCursorTime(20);

    tab.exportPicture(folder + "/view.png");
    EXPECT_EQ(QImage(folder + "/view.png").size(), QSize(1200, 800));

    tab.exportPicture(folder + "/view.svg");
    QFile svg(folder + "/view.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QString text;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters)
            text += xml.text();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(text.contains("Engine RPM (rpm)")) << "legend";
    EXPECT_TRUE(text.contains("Time since the first record")) << "axis title";

    tab.plot()->setSpan(58, 59);
    tab.exportSpanCsv(folder + "/span.csv");
    QFile csv(folder + "/span.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 3); // the header and the records at 58 s and 59 s
    EXPECT_THROW(tab.exportPicture(folder + "/missing/view.png"), LogReadError);
}

TEST(LogViewer, AnUnreadableFileKeepsTheLogShown) {
    const QString folder = test_env::freshDir("logviewer-bad");
    LogViewerTab tab;
    tab.openLog(writeMinuteLog(folder));
    QFile bad(folder + "/bad.csv");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x7f"
              "ELF\x02\x01\x01\0\0\0",
              10);
    bad.close();
    EXPECT_THROW(tab.openLog(bad.fileName()), LogReadError);
    EXPECT_THROW(tab.openLog(folder + "/none.csv"), LogReadError);
    EXPECT_EQ(tab.plot()->log()->rowCount(), 60);
}

} // namespace
