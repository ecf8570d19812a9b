#include "ui/widgets/mil_lamp.h"

#include "ui/widgets/pictures.h"

#include <QLabel>
#include <QPainter>

MilLamp::MilLamp(QWidget* parent)
    : QWidget(parent), m_on(picture(QStringLiteral("MIL_ON"), QSize(48, 32))),
      m_off(picture(QStringLiteral("MIL_OFF"), QSize(48, 32))) {
    setFixedSize(m_on.deviceIndependentSize().toSize());
}

void MilLamp::setBitmapOn(const QPixmap& pixmap) {
    m_on = pixmap;
    update();
}

void MilLamp::setBitmapOff(const QPixmap& pixmap) {
    m_off = pixmap;
    update();
}

void MilLamp::setColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void MilLamp::setCaptionOn(const QString& caption) {
    if (caption == m_captionOn)
        return;
    m_captionOn = caption;
    update();
}

void MilLamp::setCaptionOff(const QString& caption) {
    if (caption == m_captionOff)
        return;
    m_captionOff = caption;
    update();
}

void MilLamp::setMilOn(bool on) {
    if (on == m_milOn)
        return;
    m_milOn = on;
    if (m_label)
        m_label->setText(on ? m_captionOn : m_captionOff);
    update();
}

void MilLamp::setMILLabel(QLabel* label) {
    if (label == m_label)
        return;
    m_label = label;
    if (m_label)
        m_label->setText(m_milOn ? m_captionOn : m_captionOff);
    update();
}

void MilLamp::paintEvent(QPaintEvent*) {
    ++m_paints;
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    // The picture at its own size, never scaled to the widget.
    painter.drawPixmap(0, 0, m_milOn ? m_on : m_off);
}
