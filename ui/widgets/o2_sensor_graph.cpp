#include "ui/widgets/o2_sensor_graph.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The voltage of a typical sensor at sample i on the 0..100 scale: a sine swinging between lean
// and rich around a slowly rising mean, lifted a little for the first samples.
int sampleValue(int i) {
    const double t = 0.099 * i;
    const double mean = i <= 14 ? 4.5 : 3.8;
    return int(std::lrint((-std::sin(2.3 * t) * 2.5 + mean + 0.1 * t) * 12.0));
}

enum class Anchor { TopLeft, BottomLeft, TopCentre, BottomCentre };

void drawLabel(QPainter& painter, int x, int y, const QString& text, Anchor anchor) {
    const QFontMetrics metrics(painter.font());
    if (anchor == Anchor::TopCentre || anchor == Anchor::BottomCentre)
        x -= metrics.horizontalAdvance(text) / 2;
    const bool top = anchor == Anchor::TopLeft || anchor == Anchor::TopCentre;
    painter.drawText(x, top ? y + metrics.ascent() : y - metrics.descent(), text);
}

} // namespace

O2SensorGraph::O2SensorGraph(QWidget* parent) : QWidget(parent) {
    // The samples are pushed through a window of as many points as the diagram has divisions,
    // the oldest falling out at the front. Sample 15 is left out: the curve steps down there, from
    // the rich start to the mean it keeps.
    std::vector<int> window(std::size_t(m_divisions), 0);
    auto push = [&window](int value) {
        window.erase(window.begin());
        window.push_back(value);
    };
    for (int i = 0; i <= 14; ++i)
        push(sampleValue(i));
    for (int i = 16; i <= 98; ++i)
        push(sampleValue(i));
    for (std::size_t i = 0; i < window.size() && i < m_curve.size(); ++i)
        m_curve[i] = window[i];
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void O2SensorGraph::changed() {
    update();
}

namespace {

template <typename T>
bool assign(T& member, const T& value) {
    if (member == value)
        return false;
    member = value;
    return true;
}

} // namespace

void O2SensorGraph::setColor(const QColor& color) {
    if (assign(m_color, color))
        changed();
}
void O2SensorGraph::setColorGraph(const QColor& color) {
    if (assign(m_colorGraph, color))
        changed();
}
void O2SensorGraph::setColorMass(const QColor& color) {
    if (assign(m_colorMass, color))
        changed();
}
void O2SensorGraph::setColorCenterLine(const QColor& color) {
    if (assign(m_colorCenterLine, color))
        changed();
}
void O2SensorGraph::setColorDashLines(const QColor& color) {
    if (assign(m_colorDashLines, color))
        changed();
}
void O2SensorGraph::setFontColor(const QColor& color) {
    if (assign(m_fontColor, color))
        changed();
}

// The value range never collapses: y() divides by its width.
void O2SensorGraph::setMinVal(int value) {
    if (assign(m_minVal, std::min(value, m_maxVal - 1)))
        changed();
}
void O2SensorGraph::setMaxVal(int value) {
    if (assign(m_maxVal, std::max(value, m_minVal + 1)))
        changed();
}

void O2SensorGraph::setOffsetLeft(int value) {
    if (assign(m_offsetLeft, std::max(value, 0)))
        changed();
}
void O2SensorGraph::setOffsetRight(int value) {
    if (assign(m_offsetRight, std::max(value, 0)))
        changed();
}
void O2SensorGraph::setOffsetTop(int value) {
    if (assign(m_offsetTop, std::max(value, 0)))
        changed();
}
void O2SensorGraph::setOffsetBottom(int value) {
    if (assign(m_offsetBottom, std::max(value, 0)))
        changed();
}

void O2SensorGraph::setDivisions(int value) {
    if (assign(m_divisions, std::clamp(value, 2, 200)))
        changed();
}

void O2SensorGraph::setCaptionRich(const QString& text) {
    if (assign(m_captionRich, text))
        changed();
}
void O2SensorGraph::setCaptionLean(const QString& text) {
    if (assign(m_captionLean, text))
        changed();
}

int O2SensorGraph::yOf(int value) const {
    const int plotHeight = height() - m_offsetBottom - m_offsetTop;
    return plotHeight + m_offsetTop - 2 -
           (plotHeight - 4) * (value - m_minVal) / (m_maxVal - m_minVal);
}

int O2SensorGraph::xOf(double step) const {
    const int plotWidth = width() - m_offsetRight - m_offsetLeft;
    const double stepWidth = double(plotWidth - 4) / m_divisions;
    return m_offsetLeft + int(std::lrint(2.0 + step * stepWidth));
}

void O2SensorGraph::paintEvent(QPaintEvent* /*event*/) {
    // Drawn whole off screen and copied in one piece, so a repaint never flickers.
    if (m_bitmap.size() != size())
        m_bitmap = QImage(size(), QImage::Format_RGB32);
    drawDiagram(m_bitmap);
    QPainter(this).drawImage(0, 0, m_bitmap);
}

void O2SensorGraph::drawDiagram(QImage& image) const {
    QPainter painter(&image);
    const int w = width();
    const int h = height();
    painter.setPen(QPen(m_color, 1));
    painter.setBrush(m_color);
    painter.drawRect(0, 0, w - 1, h - 1);

    // The band between the switch-time voltages: only the hatch lines, the background between.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(m_colorCenterLine, Qt::BDiagPattern));
    painter.drawRect(QRect(QPoint(1, yOf(70)), QPoint(w - 2, yOf(31))));

    QPen dashed(m_colorDashLines, 1, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(1, yOf(31), w - 1, yOf(31));
    painter.drawLine(1, yOf(70), w - 1, yOf(70));

    painter.setPen(QPen(m_colorMass, 1));
    auto line = [&](double k1, int v1, double k2, int v2) {
        painter.drawLine(xOf(k1), yOf(v1), xOf(k2), yOf(v2));
    };
    const struct {
        double k;
        int top;
    } extensions[] = {{9.7, 31},  {29.5, 31}, {37.4, 31}, {64.1, 31},
                      {16.5, 70}, {23, 70},   {67.5, 50}, {82, 53}};
    for (const auto& e : extensions)
        line(e.k, 10, e.k, e.top);
    // Arrowheads point outwards from the extension line at each end of a dimension.
    for (double k : {9.7, 23.0, 37.4, 67.5}) {
        line(k, 11, k + 1, 12);
        line(k, 11, k + 1, 10);
    }
    for (double k : {16.5, 29.5, 64.1, 82.0}) {
        line(k, 11, k - 1, 12);
        line(k, 11, k - 1, 10);
    }
    line(66.5, 50, 68.5, 50);
    line(81, 53, 83, 53);
    line(31.5, 20, 35.5, 20);
    line(73, 85, 77, 85);
    line(9.7, 11, 16.5, 11);
    line(23, 11, 29.5, 11);
    line(37.4, 11, 64.1, 11);
    line(67.5, 11, 82, 11);

    painter.setFont(font());
    painter.setPen(m_fontColor);
    painter.setBackgroundMode(Qt::TransparentMode);
    drawLabel(painter, xOf(69), yOf(50), QStringLiteral("$01"), Anchor::TopLeft);
    drawLabel(painter, xOf(83.5), yOf(53), QStringLiteral("$02"), Anchor::TopLeft);
    drawLabel(painter, 1, yOf(30), QStringLiteral("$03"), Anchor::TopLeft);
    drawLabel(painter, 1, yOf(71), QStringLiteral("$04"), Anchor::BottomLeft);
    drawLabel(painter, xOf(13.1), yOf(12), QStringLiteral("$05"), Anchor::BottomCentre);
    drawLabel(painter, xOf(26), yOf(12), QStringLiteral("$06"), Anchor::BottomCentre);
    drawLabel(painter, xOf(50.7), yOf(12), QStringLiteral("$09"), Anchor::BottomCentre);
    drawLabel(painter, xOf(74.7), yOf(12), QStringLiteral("$0A"), Anchor::BottomCentre);
    drawLabel(painter, xOf(75), yOf(86), QStringLiteral("$08"), Anchor::BottomCentre);
    drawLabel(painter, xOf(33.5), yOf(19), QStringLiteral("$07"), Anchor::TopCentre);
    drawLabel(painter, xOf(50), h - 2, m_captionLean, Anchor::BottomCentre);
    drawLabel(painter, xOf(50), 2, m_captionRich, Anchor::TopCentre);

    // Up to 200 divisions may be set, but the curve has only its hundred samples: the points
    // beyond them are not drawn.
    painter.setPen(QPen(m_colorGraph, 1));
    const int points = std::min(m_divisions, kCurvePoints);
    QPoint previous(m_offsetLeft + 2, yOf(m_curve[0]));
    for (int i = 1; i < points; ++i) {
        const QPoint next(xOf(i), yOf(m_curve[std::size_t(i)]));
        painter.drawLine(previous, next);
        previous = next;
    }
}
