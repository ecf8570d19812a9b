#include "ui/app/caption_bar.h"

#include "ui/widgets/title_strip.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

CaptionBar::CaptionBar(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {
    setObjectName(QStringLiteral("dxContainer7"));
    setFixedHeight(15);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    QToolButton* minimize = addButton(QStringLiteral("tbMinimize"), QStyle::SP_TitleBarMinButton);
    m_maximize = addButton(QStringLiteral("tbMaximize"), QStyle::SP_TitleBarMaxButton);
    QToolButton* close = addButton(QStringLiteral("tbClose"), QStyle::SP_TitleBarCloseButton);
    connect(minimize, &QToolButton::clicked, this, &CaptionBar::minimizeClicked);
    connect(m_maximize, &QToolButton::clicked, this, &CaptionBar::maximizeClicked);
    connect(close, &QToolButton::clicked, this, &CaptionBar::closeClicked);
}

QToolButton* CaptionBar::addButton(const QString& name, QStyle::StandardPixmap symbol) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setFixedSize(15, 15);
    button->setAutoRaise(true);
    button->setIcon(style()->standardIcon(symbol));
    button->setIconSize(QSize(11, 11));
    layout()->addWidget(button);
    return button;
}

void CaptionBar::showMaximized(bool maximized) {
    m_maximize->setIcon(style()->standardIcon(maximized ? QStyle::SP_TitleBarNormalButton
                                                        : QStyle::SP_TitleBarMaxButton));
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
