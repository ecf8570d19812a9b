#include "ui/widgets/log_plot_painter.h"

#include "core/livedata/log_span.h"
#include "core/livedata/log_table.h"
#include "core/settings/file_io.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace {

constexpr double kLeft = 70, kRight = 12, kTop = 26, kBottom = 40, kStripGap = 6;
const QColor kMissingMark(210, 30, 30);

double niceStep(double span, double pixels, double minPixels) {
    static const double steps[] = {0.1, 0.2, 0.5, 1,   2,    5,    10,   15,    30,   60,
                                   120, 300, 600, 900, 1800, 3600, 7200, 14400, 43200};
    for (double step : steps)
        if (span / step * minPixels <= pixels)
            return step;
    return 86400;
}

QString number(double v) {
    return QString::number(v, 'g', std::abs(v) >= 1000 ? 6 : 4);
}

struct Strip {
    QRectF rect;
    double low = 0, high = 1;
    double y(double v) const { return rect.bottom() - (v - low) / (high - low) * rect.height(); }
};

Strip stripFor(const QRectF& rect, const LogSeries& series, qsizetype first, qsizetype last) {
    Strip strip{rect, 0, 1};
    const SpanStats stats = spanStats(series, first, last);
    if (stats.count == 0)
        return strip;
    const double range = stats.max - stats.min;
    const double pad = range > 0 ? range * 0.06 : std::max(std::abs(stats.max) * 0.05, 1.0);
    strip.low = stats.min - pad;
    strip.high = stats.max + pad;
    return strip;
}

void drawSeries(QPainter& p, const Strip& strip, const LogTable& table, const LogSeries& series,
                const LogPlotView& view, qsizetype first, qsizetype last) {
    const QRectF& r = strip.rect;
    const double xScale = r.width() / (view.to - view.from);
    const int width = std::max(1, int(r.width()));
    p.save();
    p.setClipRect(r.adjusted(0, -1, 0, 1));
    if (last - first > width) {
        // Each pixel column as one vertical stroke from its lowest to its highest value, joined
        // to the column before; plain lines without antialiasing keep this cheap.
        const std::vector<ColumnRange> columns =
            columnRanges(table, series, view.from, view.to, width);
        QVector<QLineF> lines;
        lines.reserve(2 * width);
        const ColumnRange* previous = nullptr;
        for (int x = 0; x < width; ++x) {
            const ColumnRange& c = columns[size_t(x)];
            if (c.empty)
                continue;
            const double px = r.left() + x + 0.5;
            if (previous != nullptr && !c.gapBefore)
                lines.append(QLineF(px - 1, strip.y((previous->low + previous->high) / 2), px,
                                    strip.y((c.low + c.high) / 2)));
            lines.append(QLineF(px, strip.y(c.low), px, strip.y(c.high)));
            previous = &c;
        }
        p.setPen(QPen(p.pen().color(), 1));
        p.drawLines(lines);
    } else {
        // Few enough samples to draw each; a lone sample between gaps gets a dot.
        p.setRenderHint(QPainter::Antialiasing, true);
        QPolygonF run;
        auto flush = [&p, &run] {
            if (run.size() == 1)
                p.drawEllipse(run.first(), 1.2, 1.2);
            else if (run.size() > 1)
                p.drawPolyline(run);
            run.clear();
        };
        double previous = -1e300;
        for (qsizetype i = std::max<qsizetype>(first - 1, 0);
             i < std::min(last + 1, table.rowCount()); ++i) {
            const double t = table.times[size_t(i)];
            const double v = series.values[size_t(i)];
            if (std::isnan(v) || t - previous > table.gapSeconds)
                flush();
            previous = t;
            if (!std::isnan(v))
                run.append(QPointF(r.left() + (t - view.from) * xScale, strip.y(v)));
        }
        flush();
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    // Marks under the records without a value, at most one per pixel column.
    p.setPen(Qt::NoPen);
    p.setBrush(kMissingMark);
    int lastMark = -1;
    for (qsizetype i = first; i < last; ++i) {
        if (!std::isnan(series.values[size_t(i)]))
            continue;
        const int x = int((table.times[size_t(i)] - view.from) * xScale);
        if (x == lastMark)
            continue;
        lastMark = x;
        const double px = r.left() + x;
        p.drawPolygon(QPolygonF{QPointF(px, r.bottom() - 6), QPointF(px - 3, r.bottom()),
                                QPointF(px + 3, r.bottom())});
    }
    p.restore();
}

void drawTimeAxis(QPainter& p, const QRectF& data, const LogTable& table, const LogPlotView& view) {
    const double span = view.to - view.from;
    const double step = niceStep(span, data.width(), 90);
    const QFontMetricsF metrics(p.font());
    p.setPen(Qt::black);
    for (double t = std::ceil(view.from / step) * step; t <= view.to + 1e-9; t += step) {
        const double x = data.left() + (t - view.from) / span * data.width();
        p.drawLine(QPointF(x, data.bottom()), QPointF(x, data.bottom() + 4));
        const QString text = elapsedText(t, step < 1);
        p.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2, data.bottom() + 16), text);
    }
    QString title = QStringLiteral("Time since the first record");
    if (table.clockTime)
        title += QStringLiteral(", which was at %1").arg(clockText(table, 0).left(8));
    p.drawText(QRectF(data.left(), data.bottom() + 20, data.width(), 18), Qt::AlignHCenter, title);
}

void drawLegend(QPainter& p, const QRectF& area, const LogTable& table, const LogPlotView& view) {
    const QFontMetricsF metrics(p.font());
    double x = area.left() + 6;
    p.setPen(Qt::black);
    if (!view.title.isEmpty()) {
        p.drawText(QPointF(x, area.top() + 16), view.title);
        x += metrics.horizontalAdvance(view.title) + 16;
    }
    for (size_t n = 0; n < view.series.size(); ++n) {
        const LogSeries& series = table.series.at(size_t(view.series[n]));
        const QString text = series.unit.isEmpty()
                                 ? series.name
                                 : QStringLiteral("%1 (%2)").arg(series.name, series.unit);
        p.fillRect(QRectF(x, area.top() + 8, 14, 8), logSeriesColour(int(n)));
        p.drawText(QPointF(x + 18, area.top() + 16), text);
        x += 18 + metrics.horizontalAdvance(text) + 14;
    }
}

// Text needs the fonts of a GUI application object; without one Qt would abort.
QString missingGuiApplication() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr
               ? QStringLiteral("drawing needs the GUI application object (none was made)")
               : QString();
}

} // namespace

QRectF logPlotDataArea(const QRectF& area) {
    return area.adjusted(kLeft, kTop, -kRight, -kBottom);
}

QColor logSeriesColour(int n) {
    static const QColor colours[] = {
        QColor(31, 119, 180),  QColor(214, 39, 40),  QColor(44, 160, 44),   QColor(255, 127, 14),
        QColor(148, 103, 189), QColor(140, 86, 75),  QColor(227, 119, 194), QColor(23, 190, 207),
        QColor(127, 127, 127), QColor(188, 189, 34), QColor(0, 0, 128),     QColor(128, 0, 0)};
    return colours[n % int(std::size(colours))];
}

void paintLogPlot(QPainter& p, const QRectF& area, const LogTable& table, const LogPlotView& view) {
    p.save();
    p.fillRect(area, Qt::white);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const QRectF data = logPlotDataArea(area);
    const int count = int(view.series.size());
    if (count == 0 || data.width() < 10 || data.height() < 10 || !(view.to > view.from)) {
        p.setPen(Qt::darkGray);
        p.drawText(area, Qt::AlignCenter, QStringLiteral("No series chosen"));
        p.restore();
        return;
    }
    drawLegend(p, area, table, view);
    const auto [first, last] = rowsBetween(table, view.from, view.to);
    const double stripHeight = (data.height() - kStripGap * (count - 1)) / count;
    const QFontMetricsF metrics(p.font());
    std::vector<Strip> strips;
    for (int n = 0; n < count; ++n) {
        const LogSeries& series = table.series.at(size_t(view.series[size_t(n)]));
        const QRectF rect(data.left(), data.top() + n * (stripHeight + kStripGap), data.width(),
                          stripHeight);
        const Strip strip = stripFor(rect, series, first, last);
        strips.push_back(strip);
        p.setPen(QColor(200, 200, 200));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect);
        // The strip's own scale and the unit as its axis title.
        p.setPen(Qt::black);
        const QString high = number(strip.high), low = number(strip.low);
        p.drawText(QPointF(rect.left() - 4 - metrics.horizontalAdvance(high), rect.top() + 10),
                   high);
        p.drawText(QPointF(rect.left() - 4 - metrics.horizontalAdvance(low), rect.bottom()), low);
        p.setPen(logSeriesColour(n));
        p.drawText(QRectF(area.left() + 2, rect.top() + 12, kLeft - 6, rect.height() - 24),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextWrapAnywhere,
                   series.unit.isEmpty() ? series.name : series.unit);
        p.setPen(QPen(logSeriesColour(n), 1.3));
        p.setBrush(logSeriesColour(n));
        drawSeries(p, strip, table, series, view, first, last);
    }
    drawTimeAxis(p, data, table, view);
    if (view.cursor && *view.cursor >= view.from && *view.cursor <= view.to) {
        const qsizetype row = rowAt(table, *view.cursor);
        const double x =
            data.left() + (*view.cursor - view.from) / (view.to - view.from) * data.width();
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawLine(QPointF(x, data.top()), QPointF(x, data.bottom()));
        for (int n = 0; n < count; ++n) {
            const double v = table.series.at(size_t(view.series[size_t(n)])).values[size_t(row)];
            const QString text = std::isnan(v) ? QStringLiteral("missing") : number(v);
            const QRectF box(x + 4, strips[size_t(n)].rect.top() + 2,
                             metrics.horizontalAdvance(text) + 6, 15);
            p.fillRect(box, QColor(255, 255, 255, 220));
            p.setPen(logSeriesColour(n));
            p.drawText(box, Qt::AlignCenter, text);
        }
    }
    p.restore();
}

QString saveLogPlotPng(const QString& path, QSize size, const LogTable& table,
                       const LogPlotView& view) {
    if (const QString missing = missingGuiApplication(); !missing.isEmpty())
        return missing;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintLogPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), table, view);
    }
    QSaveFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (const QString reason = openForSaving(file); !reason.isEmpty())
        return QStringLiteral("%1: %2").arg(shown, reason);
    if (!image.save(&file, "PNG")) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("%1: %2").arg(shown, reason);
    }
    if (const QString reason = commitSaveFile(file); !reason.isEmpty())
        return QStringLiteral("%1: %2").arg(shown, reason);
    return {};
}

QString saveLogPlotSvg(const QString& path, QSize size, const LogTable& table,
                       const LogPlotView& view) {
    if (const QString missing = missingGuiApplication(); !missing.isEmpty())
        return missing;
    QSaveFile file(path);
    if (const QString reason = openForSaving(file); !reason.isEmpty())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(view.title);
        QPainter painter(&generator);
        paintLogPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), table, view);
    }
    if (const QString reason = commitSaveFile(file); !reason.isEmpty())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
    return {};
}
