#include "ui/widgets/segment_display.h"

#include <QPainter>
#include <QPainterPath>

namespace {

enum : quint8 { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64, Point = 128 };

bool isPoint(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

} // namespace

quint8 sevenSegmentsOf(QChar character) {
    switch (character.unicode()) {
    case '0':
    case 'O':
    case 'D':
        return A | B | C | D | E | F;
    case '1':
    case 'I':
        return B | C;
    case '2':
    case 'Z':
        return A | B | D | E | G;
    case '3':
        return A | B | C | D | G;
    case '4':
        return B | C | F | G;
    case '5':
    case 'S':
    case 's':
        return A | C | D | F | G;
    case '6':
    case 'G':
        return A | C | D | E | F | G;
    case '7':
        return A | B | C;
    case '8':
    case 'B':
        return A | B | C | D | E | F | G;
    case '9':
    case 'g':
        return A | B | C | D | F | G;
    case '-':
        return G;
    case '_':
        return D;
    case '=':
        return D | G;
    case 'A':
    case 'a':
        return A | B | C | E | F | G;
    case 'b':
        return C | D | E | F | G;
    case 'C':
        return A | D | E | F;
    case 'c':
        return D | E | G;
    case 'd':
        return B | C | D | E | G;
    case 'E':
    case 'e':
        return A | D | E | F | G;
    case 'F':
    case 'f':
        return A | E | F | G;
    case 'H':
        return B | C | E | F | G;
    case 'h':
        return C | E | F | G;
    case 'i':
        return C;
    case 'J':
    case 'j':
        return B | C | D | E;
    case 'L':
    case 'l':
        return D | E | F;
    case 'N':
        return A | B | C | E | F;
    case 'n':
        return C | E | G;
    case 'o':
        return C | D | E | G;
    case 'P':
    case 'p':
        return A | B | E | F | G;
    case 'q':
        return A | B | C | F | G;
    case 'R':
    case 'r':
        return E | G;
    case 't':
    case 'T':
        return D | E | F | G;
    case 'U':
        return B | C | D | E | F;
    case 'u':
    case 'v':
        return C | D | E;
    case 'Y':
    case 'y':
        return B | C | D | F | G;
    default:
        return 0;
    }
}

SegmentDisplay::SegmentDisplay(int digitCount, QWidget* parent)
    : QWidget(parent), m_digits(std::max(digitCount, 1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SegmentDisplay::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void SegmentDisplay::setDigitCount(int count) {
    m_digits = std::max(count, 1);
    updateGeometry();
    update();
}

void SegmentDisplay::setLitColor(const QColor& color) {
    m_lit = color;
    update();
}

void SegmentDisplay::setUnlitColor(const QColor& color) {
    m_unlit = color;
    update();
}

void SegmentDisplay::setBackgroundColor(const QColor& color) {
    m_background = color;
    update();
}

QList<quint8> SegmentDisplay::cells() const {
    // A point lights the point of the cell before it; a point with no cell before it (or after
    // another point) takes a cell of its own.
    QList<quint8> all;
    bool pointTaken = true;
    for (QChar c : m_text) {
        if (isPoint(c)) {
            if (pointTaken)
                all.append(0);
            all.last() |= Point;
            pointTaken = true;
        } else {
            all.append(sevenSegmentsOf(c));
            pointTaken = false;
        }
    }
    if (all.size() > m_digits)
        all = all.mid(all.size() - m_digits);
    while (all.size() < m_digits)
        all.prepend(0);
    return all;
}

QSize SegmentDisplay::sizeHint() const {
    return {m_digits * 16 + 6, 30};
}

void SegmentDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const QRectF area = QRectF(rect()).adjusted(3, 3, -3, -3);
    const double cellWidth = area.width() / m_digits;
    // Digits keep a readable shape however the widget is stretched.
    const double digitHeight = std::min(area.height(), cellWidth * 1.9);
    const double digitWidth = std::min(cellWidth * 0.72, digitHeight * 0.55);
    const double thickness = std::max(1.5, digitWidth * 0.17);
    const double top = area.top() + (area.height() - digitHeight) / 2;

    const QList<quint8> shown = cells();
    for (int i = 0; i < shown.size(); ++i) {
        const double left = area.left() + i * cellWidth + (cellWidth - digitWidth) / 2 - 1;
        const double half = digitHeight / 2;
        const double t = thickness;
        // Each segment as a bar between two points, with pointed ends.
        auto bar = [&](QPointF from, QPointF to) {
            const bool horizontal = from.y() == to.y();
            QPainterPath path;
            if (horizontal) {
                path.moveTo(from.x() + t / 2, from.y());
                path.lineTo(from.x() + t, from.y() - t / 2);
                path.lineTo(to.x() - t, to.y() - t / 2);
                path.lineTo(to.x() - t / 2, to.y());
                path.lineTo(to.x() - t, to.y() + t / 2);
                path.lineTo(from.x() + t, from.y() + t / 2);
            } else {
                path.moveTo(from.x(), from.y() + t / 2);
                path.lineTo(from.x() + t / 2, from.y() + t);
                path.lineTo(to.x() + t / 2, to.y() - t);
                path.lineTo(to.x(), to.y() - t / 2);
                path.lineTo(to.x() - t / 2, to.y() - t);
                path.lineTo(from.x() - t / 2, from.y() + t);
            }
            path.closeSubpath();
            return path;
        };
        const double x0 = left + t / 2, x1 = left + digitWidth - t / 2;
        const double y0 = top + t / 2, y1 = top + half, y2 = top + digitHeight - t / 2;
        const QPainterPath segments[7] = {
            bar({x0, y0}, {x1, y0}), // a
            bar({x1, y0}, {x1, y1}), // b
            bar({x1, y1}, {x1, y2}), // c
            bar({x0, y2}, {x1, y2}), // d
            bar({x0, y1}, {x0, y2}), // e
            bar({x0, y0}, {x0, y1}), // f
            bar({x0, y1}, {x1, y1}), // g
        };
        for (int s = 0; s < 7; ++s)
            painter.fillPath(segments[s], (shown[i] >> s) & 1 ? m_lit : m_unlit);
        const QRectF point(left + digitWidth + t * 0.4, top + digitHeight - t, t, t);
        painter.setBrush(shown[i] & Point ? m_lit : m_unlit);
        painter.drawEllipse(point);
    }
}
