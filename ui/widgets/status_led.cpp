#include "ui/widgets/status_led.h"

#include <QPainter>
#include <QTimerEvent>

StatusLed::StatusLed(QWidget* parent) : QWidget(parent) {
    resize(10, 10);
    // Paint over what is there without clearing it first.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void StatusLed::setInterval(int ms) {
    m_interval = ms;
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = startTimer(m_interval);
    }
}

void StatusLed::setBlink(bool blink) {
    if (blink) {
        if (m_timerId != 0)
            killTimer(m_timerId);
        m_timerId = startTimer(m_interval);
        return;
    }
    if (m_timerId != 0)
        killTimer(m_timerId);
    m_timerId = 0;
    setLedOn(m_on);
}

void StatusLed::setLedOn(bool on) {
    m_on = on;
    m_shown = on ? m_onColor : m_offColor;
    update();
}

void StatusLed::setLedStyle(Shape style) {
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void StatusLed::setPenWidth(int width) {
    if (width == m_penWidth)
        return;
    m_penWidth = width;
    update();
}

void StatusLed::setPenColor(const QColor& color) {
    if (color == m_penColor)
        return;
    m_penColor = color;
    update();
}

QRect StatusLed::shapeRect() const {
    const int i = m_penWidth / 2;
    return QRect(QPoint(i, i), QPoint(width() - i, height() - i));
}

void StatusLed::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_style == Ellipse);
    QPen pen(m_penColor, m_penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(m_penWidth > 0 ? pen : QPen(Qt::NoPen));
    painter.setBrush(m_shown);
    // The pen is centred on the outline, so the far edge is one pixel in from the widget's size.
    const QRectF r = QRectF(shapeRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_style == Rectangle)
        painter.drawRect(r);
    else
        painter.drawEllipse(r);
}

void StatusLed::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timerId) {
        QWidget::timerEvent(event);
        return;
    }
    if (!m_on)
        return; // a lamp that is off does not blink
    m_shown = m_shown == m_onColor ? m_offColor : m_onColor;
    update();
}
