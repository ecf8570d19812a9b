#include "ui/widgets/analog_gauge.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBackground(Qt::black);
const QColor kFace(0x20, 0x20, 0x24);
const QColor kMarkings(0xF0, 0xF0, 0xF0);

QString tickText(double value) {
    const double whole = std::round(value);
    if (std::abs(value - whole) < 1e-9)
        return QString::number(qint64(whole));
    return QString::number(value, 'f', 1);
}

} // namespace

AnalogGauge::AnalogGauge(Sweep sweep, QWidget* parent) : QWidget(parent), m_sweep(sweep) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AnalogGauge::setScale(double scale) {
    m_scale = scale > 0 ? scale : 1;
    update();
}

void AnalogGauge::setMainTicks(int count) {
    m_mainTicks = std::max(count, 1);
    update();
}

void AnalogGauge::setSubTicks(int perInterval) {
    m_subTicks = std::max(perInterval, 1);
    update();
}

void AnalogGauge::setMarks(double lower, double upper) {
    m_lowerMark = lower;
    m_upperMark = upper;
    update();
}

void AnalogGauge::setZoneColours(const QColor& low, const QColor& middle, const QColor& high) {
    m_zoneColour[0] = low;
    m_zoneColour[1] = middle;
    m_zoneColour[2] = high;
    update();
}

void AnalogGauge::setZonesShown(bool low, bool middle, bool high) {
    m_zoneShown[0] = low;
    m_zoneShown[1] = middle;
    m_zoneShown[2] = high;
    update();
}

void AnalogGauge::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void AnalogGauge::setValue(double value) {
    if (std::isnan(value))
        value = 0;
    if (value == m_value)
        return;
    m_value = value;
    update();
}

QSize AnalogGauge::sizeHint() const {
    return m_sweep == Sweep::Degrees270 ? QSize(170, 170) : QSize(170, 120);
}

double AnalogGauge::angleOf(double value) const {
    const double share = std::clamp(value / m_scale, 0.0, 1.0);
    if (m_sweep == Sweep::Degrees270)
        return 225.0 - share * 270.0;
    return 135.0 - share * 90.0;
}

void AnalogGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::Antialiasing);

    const double margin = 4;
    const QRectF area = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    QPointF centre;
    double radius = 0;
    if (m_sweep == Sweep::Degrees270) {
        radius = std::min(area.width(), area.height()) / 2;
        centre = area.center();
    } else {
        // The fan of 90 degrees is sqrt(2) radii wide and a radius high above the pivot; the
        // cap and caption need a little room below it.
        radius = std::min(area.width() / std::sqrt(2.0), area.height() / 1.12);
        centre = QPointF(area.center().x(), area.top() + radius);
    }
    if (radius < 8)
        return;
    auto at = [&](double angle, double r) {
        const double a = qDegreesToRadians(angle);
        return centre + QPointF(r * std::cos(a), -r * std::sin(a));
    };

    // The face.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFace);
    if (m_sweep == Sweep::Degrees270) {
        painter.drawEllipse(centre, radius, radius);
    } else {
        QPainterPath fan;
        fan.moveTo(centre);
        fan.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 45, 90);
        fan.closeSubpath();
        painter.drawPath(fan);
        painter.drawEllipse(centre, radius * 0.16, radius * 0.16);
    }

    // Zones, as a band inside the ticks.
    const double zoneRadius = radius * 0.86;
    const QRectF zoneRect(centre.x() - zoneRadius, centre.y() - zoneRadius, 2 * zoneRadius,
                          2 * zoneRadius);
    const double bounds[4] = {0, m_lowerMark, m_upperMark, m_scale};
    for (int zone = 0; zone < 3; ++zone) {
        const double from = std::clamp(bounds[zone], 0.0, m_scale);
        const double to = std::clamp(bounds[zone + 1], 0.0, m_scale);
        if (!m_zoneShown[zone] || to <= from)
            continue;
        painter.setPen(QPen(m_zoneColour[zone], radius * 0.07, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        const double start = angleOf(to);
        painter.drawArc(zoneRect, int(std::lround(start * 16)),
                        int(std::lround((angleOf(from) - start) * 16)));
    }

    // Ticks and their values.
    QFont font = painter.font();
    font.setPixelSize(std::max(7, int(radius * 0.15)));
    painter.setFont(font);
    const int steps = m_mainTicks * m_subTicks;
    for (int step = 0; step <= steps; ++step) {
        const double value = m_scale * step / steps;
        const double angle = angleOf(value);
        const bool main = step % m_subTicks == 0;
        painter.setPen(QPen(kMarkings, main ? std::max(1.5, radius * 0.025) : 1.0));
        painter.drawLine(at(angle, radius * (main ? 0.74 : 0.82)), at(angle, radius * 0.95));
        if (!main)
            continue;
        const QPointF textCentre = at(angle, radius * 0.58);
        const QRectF box(textCentre.x() - radius * 0.3, textCentre.y() - radius * 0.1, radius * 0.6,
                         radius * 0.2);
        painter.drawText(box, Qt::AlignCenter, tickText(value));
    }

    // The caption where no tick is: in the open bottom of the round scale, or beside the
    // quarter's pivot.
    font.setPixelSize(std::max(8, int(radius * 0.14)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kMarkings);
    if (m_sweep == Sweep::Degrees270) {
        const QRectF box(centre.x() - radius * 0.5, centre.y() + radius * 0.58, radius,
                         radius * 0.3);
        painter.drawText(box, Qt::AlignCenter, m_caption);
    } else {
        const QRectF box(area.left(), centre.y() - radius * 0.22,
                         std::max(0.0, centre.x() - radius * 0.2 - area.left()), radius * 0.24);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    }

    // The needle and the cap over its pivot.
    const double needleAngle = angleOf(m_value);
    const QPointF tip = at(needleAngle, radius * 0.9);
    const QPointF tail = at(needleAngle + 180, radius * 0.12);
    const QPointF side1 = at(needleAngle + 90, radius * 0.035);
    const QPointF side2 = at(needleAngle - 90, radius * 0.035);
    QPainterPath needle;
    needle.moveTo(tip);
    needle.lineTo(side1);
    needle.lineTo(tail);
    needle.lineTo(side2);
    needle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_needle);
    painter.drawPath(needle);
    painter.setBrush(QColor(0x60, 0x60, 0x66));
    painter.drawEllipse(centre, radius * 0.08, radius * 0.08);
}
