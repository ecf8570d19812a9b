#include "ui/widgets/title_strip.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

TitleStrip::TitleStrip(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFixedHeight(15);
}

void TitleStrip::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintTitleStrip(painter, *this, event->rect(), text(), rect());
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    if (QWindow* handle = window()->windowHandle())
        handle->startSystemMove();
    event->accept();
}

void paintTitleStrip(QPainter& painter, const QWidget& strip, const QRect& paintArea,
                     const QString& text, const QRect& textArea) {
    const QPalette& palette = strip.palette();
    painter.fillRect(paintArea, palette.color(QPalette::Button));
    painter.setPen(QColor(128, 128, 128));
    for (int i = 0; i < paintArea.height(); ++i)
        painter.drawLine(1, paintArea.top() + 2 * i, strip.width() - 2, paintArea.top() + 2 * i);

    const QString shown = painter.fontMetrics().elidedText(
        QLatin1Char(' ') + text + QLatin1Char(' '), Qt::ElideRight, textArea.width());
    QRect textRect = painter.fontMetrics().boundingRect(textArea, Qt::AlignCenter, shown);
    textRect.setTop(0);
    textRect.setBottom(strip.height() - 1);
    painter.fillRect(textRect, palette.color(QPalette::Button));
    painter.setPen(palette.color(QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, shown);
}
