#include "ui/widgets/misfire_chart.h"

#include "core/l10n/const_str.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

MisfireChart::MisfireChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumHeight(120);
}

void MisfireChart::setCylinders(const QList<Cylinder>& cylinders) {
    m_cylinders = cylinders;
    update();
}

void MisfireChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const QRect area = rect().adjusted(6, 4, -6, -4);

    // Caption with its legend: which colour is which count.
    painter.setPen(Qt::black);
    painter.drawText(area.left(), area.top() + metrics.ascent(), const_str::MisfireChartCaption);
    int legendX = area.left() + metrics.horizontalAdvance(const_str::MisfireChartCaption) + 16;
    for (const auto& [colour, text] :
         {std::pair{currentColour(), const_str::MisfireCurrentCycle},
          std::pair{averageColour(), const_str::MisfireTenCycleAverage}}) {
        painter.fillRect(legendX, area.top() + 2, 10, line - 4, colour);
        painter.drawText(legendX + 14, area.top() + metrics.ascent(), text);
        legendX += 14 + metrics.horizontalAdvance(text) + 16;
    }
    if (m_cylinders.isEmpty())
        return;

    double highest = 0;
    for (const Cylinder& cylinder : m_cylinders)
        highest = std::max({highest, cylinder.current.value_or(0), cylinder.average.value_or(0)});
    // A chart without any misfire still shows a scale, so empty bars read as zero counts.
    const double scale = highest > 0 ? highest : 1;

    const QRect plot(area.left() + metrics.horizontalAdvance(QStringLiteral("00000")) + 4,
                     area.top() + line + 4, 0, 0);
    const int plotRight = area.right();
    const int plotBottom = area.bottom() - line - 2;
    const int plotHeight = std::max(1, plotBottom - plot.top());
    painter.setPen(Qt::gray);
    painter.drawLine(plot.left(), plotBottom, plotRight, plotBottom);
    painter.drawLine(plot.left(), plot.top(), plot.left(), plotBottom);
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left(), plot.top(), plot.left() - area.left() - 4, line),
                     Qt::AlignRight, QString::number(scale, 'g', 6));
    painter.drawText(QRect(area.left(), plotBottom - line, plot.left() - area.left() - 4, line),
                     Qt::AlignRight, QStringLiteral("0"));

    const int slot = std::max(6, (plotRight - plot.left()) / int(m_cylinders.size()));
    const int barWidth = std::max(2, slot / 3);
    for (int i = 0; i < m_cylinders.size(); ++i) {
        const Cylinder& cylinder = m_cylinders[i];
        const int left = plot.left() + i * slot + (slot - 2 * barWidth) / 2;
        const auto bar = [&](const std::optional<double>& count, int x, const QColor& colour) {
            if (!count)
                return;
            const int height = int(std::lround(std::clamp(*count / scale, 0.0, 1.0) * plotHeight));
            painter.fillRect(x, plotBottom - height, barWidth, height, colour);
        };
        bar(cylinder.current, left, currentColour());
        bar(cylinder.average, left + barWidth, averageColour());
        painter.drawText(QRect(plot.left() + i * slot, plotBottom + 2, slot, line),
                         Qt::AlignHCenter, QString::number(cylinder.number));
    }
}
