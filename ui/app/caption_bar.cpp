#include "ui/app/caption_bar.h"

#include "ui/widgets/title_strip.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

CaptionBar::CaptionBar(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {
    setObjectName(QStringLiteral("dxContainer7"));
    setFixedHeight(15);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    QToolButton* minimize = addButton(QStringLiteral("tbMinimize"), Symbol::Minimize);
    m_maximize = addButton(QStringLiteral("tbMaximize"), Symbol::Maximize);
    QToolButton* close = addButton(QStringLiteral("tbClose"), Symbol::Close);
    connect(minimize, &QToolButton::clicked, this, &CaptionBar::minimizeClicked);
    connect(m_maximize, &QToolButton::clicked, this, &CaptionBar::maximizeClicked);
    connect(close, &QToolButton::clicked, this, &CaptionBar::closeClicked);
}

QIcon CaptionBar::symbolIcon(Symbol symbol, const QColor& color) {
    constexpr int size = 11;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QPen pen(color);
    pen.setWidth(1);
    painter.setPen(pen);
    switch (symbol) {
    case Symbol::Minimize:
        painter.fillRect(QRect(2, 8, 7, 2), color);
        break;
    case Symbol::Maximize:
        painter.drawRect(1, 1, 8, 8);
        painter.fillRect(QRect(1, 1, 9, 2), color);
        break;
    case Symbol::Restore:
        // The window behind shows only where the front one leaves it free.
        painter.fillRect(QRect(3, 1, 7, 2), color);
        painter.drawLine(9, 1, 9, 6);
        painter.drawLine(3, 1, 3, 3);
        painter.drawRect(1, 4, 6, 5);
        painter.fillRect(QRect(1, 4, 7, 2), color);
        break;
    case Symbol::Close:
        painter.setRenderHint(QPainter::Antialiasing);
        pen.setWidthF(1.6);
        painter.setPen(pen);
        painter.drawLine(QPointF(2, 2), QPointF(9, 9));
        painter.drawLine(QPointF(9, 2), QPointF(2, 9));
        break;
    }
    return QIcon(pixmap);
}

QToolButton* CaptionBar::addButton(const QString& name, Symbol symbol) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setFixedSize(15, 15);
    button->setAutoRaise(true);
    // A plain face under the symbol: the stripes would cut through it.
    button->setAutoFillBackground(true);
    button->setBackgroundRole(QPalette::Button);
    button->setIcon(symbolIcon(symbol, palette().color(QPalette::ButtonText)));
    button->setIconSize(QSize(11, 11));
    layout()->addWidget(button);
    return button;
}

void CaptionBar::showMaximized(bool maximized) {
    m_maximize->setIcon(symbolIcon(maximized ? Symbol::Restore : Symbol::Maximize,
                                   palette().color(QPalette::ButtonText)));
}

void CaptionBar::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The title stays clear of the three buttons at the right, and centred.
    const int buttons = 3 * 15;
    paintTitleStrip(painter, *this, event->rect(), m_title,
                    QRect(buttons, 0, width() - 2 * buttons, height()));
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    if (QWindow* handle = window()->windowHandle())
        handle->startSystemMove();
    event->accept();
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent* event) {
    Q_EMIT maximizeClicked();
    event->accept();
}
