#include "ui/widgets/navigation_bar.h"

#include "ui/widgets/pictures.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

NavigationBar::NavigationBar(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_header = new QLabel(this);
    m_header->setAlignment(Qt::AlignCenter);
    m_header->setFixedHeight(22);
    m_header->setAutoFillBackground(true);
    m_header->setFrameShape(QFrame::Panel);
    m_header->setFrameShadow(QFrame::Raised);
    QPalette headerPal = m_header->palette();
    headerPal.setColor(QPalette::Window, palette().color(QPalette::Button));
    m_header->setPalette(headerPal);
    QFont bold = m_header->font();
    bold.setBold(true);
    m_header->setFont(bold);
    layout->addWidget(m_header);

    m_buttons = new QVBoxLayout;
    m_buttons->setContentsMargins(5, 4, 5, 4);
    m_buttons->setSpacing(2);
    layout->addLayout(m_buttons);
    layout->addStretch(1);

    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::buttonClicked, this, &NavigationBar::buttonClicked);
}

void NavigationBar::setGroup(const QString& groupName, const QString& caption) {
    m_header->setObjectName(groupName);
    m_header->setText(caption);
}

QToolButton* NavigationBar::addButton(const QString& name, const QString& caption,
                                      const QString& pictureName, QWidget* page) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(QIcon(picture(pictureName, QSize(32, 32))));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCheckable(true);
    button->setFixedSize(98, 56);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; border: 1px solid transparent; border-radius: 3px; }"
        "QToolButton:hover { border-color: #c8c8c8; }"
        "QToolButton:checked { background: #6a6a6a; border-color: #e0e0e0; }"));
    m_pages.insert(button, page);
    m_group->addButton(button);
    m_buttons->addWidget(button, 0, Qt::AlignHCenter);
    return button;
}
