#include "ui/widgets/analog_gauge.h"

#include <QFontMetricsF>
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

namespace {

// Below this the figures are no longer legible.
constexpr int kSmallestLetters = 7;

QRectF boxAround(const QPointF& centre, const QFontMetricsF& metrics, const QString& text) {
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

// Each text in its room and clear of every other one; the indices of those that are not.
template <typename Texts>
QList<qsizetype> crowded(const Texts& texts) {
    QList<qsizetype> found;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        bool clear = texts[i].room.contains(texts[i].box);
        for (qsizetype j = 0; j < texts.size() && clear; ++j)
            clear = i == j || !texts[i].box.intersects(texts[j].box);
        if (!clear)
            found.append(i);
    }
    return found;
}

} // namespace

AnalogGauge::Layout AnalogGauge::layout() const {
    Layout l;
    const double margin = 4;
    l.area = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    if (m_sweep == Sweep::Degrees270) {
        l.radius = std::min(l.area.width(), l.area.height()) / 2;
        l.centre = l.area.center();
    } else {
        // The fan of 90 degrees is sqrt(2) radii wide and a radius high above the pivot; the
        // cap and caption need a little room below it.
        l.radius = std::min(l.area.width() / std::sqrt(2.0), l.area.height() / 1.12);
        l.centre = QPointF(l.area.center().x(), l.area.top() + l.radius);
    }
    if (l.radius < 8)
        return l;
    const double radius = l.radius;

    // The caption where no value is: in the open bottom of the round scale, or beside the
    // quarter's pivot; as large as the radius allows, smaller when it would not fit.
    QFont captionFont = font();
    captionFont.setBold(true);
    QRectF captionRoom;
    if (m_sweep == Sweep::Degrees270)
        captionRoom =
            QRectF(l.centre.x() - radius * 0.5, l.centre.y() + radius * 0.58, radius, radius * 0.3);
    else
        captionRoom =
            QRectF(l.area.left(), l.centre.y() - radius * 0.26,
                   std::max(0.0, l.centre.x() - radius * 0.26 - l.area.left()), radius * 0.26);
    Lettering caption{captionFont, m_caption, {}, captionRoom};
    for (int px = std::max(kSmallestLetters, int(radius * 0.14));; --px) {
        caption.font.setPixelSize(px);
        const QFontMetricsF metrics(caption.font);
        const double width = metrics.horizontalAdvance(m_caption);
        const double x = m_sweep == Sweep::Degrees270 ? captionRoom.center().x() - width / 2
                                                      : captionRoom.left();
        caption.box =
            QRectF(x, captionRoom.center().y() - metrics.height() / 2, width, metrics.height());
        if (captionRoom.contains(caption.box) || px <= kSmallestLetters)
            break;
    }

    // The values on the main ticks, smaller until neighbours keep apart.
    for (int px = std::max(kSmallestLetters, int(radius * 0.15));; --px) {
        QFont valueFont = font();
        valueFont.setPixelSize(px);
        const QFontMetricsF metrics(valueFont);
        l.texts.clear();
        for (int tick = 0; tick <= m_mainTicks; ++tick) {
            const double value = m_scale * tick / m_mainTicks;
            const double a = qDegreesToRadians(angleOf(value));
            const QPointF at =
                l.centre + QPointF(radius * 0.58 * std::cos(a), -radius * 0.58 * std::sin(a));
            l.texts.append({valueFont, tickText(value), boxAround(at, metrics, tickText(value)),
                            QRectF(rect())});
        }
        l.texts.append(caption);
        l.fits = crowded(l.texts).isEmpty();
        if (l.fits || px <= kSmallestLetters)
            break;
    }
    return l;
}

QStringList AnalogGauge::crowdedTexts() const {
    const Layout l = layout();
    QStringList texts;
    for (qsizetype i : crowded(l.texts))
        texts.append(l.texts[i].text);
    return texts;
}

void AnalogGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::Antialiasing);

    const Layout l = layout();
    const QPointF centre = l.centre;
    const double radius = l.radius;
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

    // Ticks, then the values and the caption where the layout put them.
    const int steps = m_mainTicks * m_subTicks;
    for (int step = 0; step <= steps; ++step) {
        const double angle = angleOf(m_scale * step / steps);
        const bool main = step % m_subTicks == 0;
        painter.setPen(QPen(kMarkings, main ? std::max(1.5, radius * 0.025) : 1.0));
        painter.drawLine(at(angle, radius * (main ? 0.74 : 0.82)), at(angle, radius * 0.95));
    }
    painter.setPen(kMarkings);
    for (const Lettering& text : l.texts) {
        painter.setFont(text.font);
        painter.drawText(text.box, Qt::AlignCenter, text.text);
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
