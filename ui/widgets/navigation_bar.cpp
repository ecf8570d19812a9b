#include "ui/widgets/navigation_bar.h"

#include "ui/widgets/pictures.h"

#include <QButtonGroup>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
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
        "QToolButton:focus { border: 1px dotted white; }"
        "QToolButton:checked { background: #6a6a6a; border-color: #e0e0e0; }"));
    // Reached with Tab, and with Ctrl and its place (Ctrl+1 for the top one, Ctrl+0 for the
    // tenth) from anywhere in the window.
    button->setFocusPolicy(Qt::StrongFocus);
    const int place = int(m_group->buttons().size()) + 1;
    if (place <= 10) {
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + place % 10)), this);
        connect(key, &QShortcut::activated, button, &QToolButton::click);
    }
    m_pages.insert(button, page);
    m_group->addButton(button);
    m_buttons->addWidget(button, 0, Qt::AlignHCenter);
    return button;
}

QString NavigationBar::caption(const QAbstractButton* button) {
    QString plain;
    const QString text = button->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        // "&&" stands for one ampersand, a single one marks the next character.
        if (text.at(i) == QLatin1Char('&') && ++i >= text.size())
            break;
        plain.append(text.at(i));
    }
    return plain;
}

namespace {

// Finds button a letter of its own, moving letters of the buttons above to others of theirs where
// that frees one (a matching of buttons to letters): as many buttons as possible get a key, each
// the earliest letter of its caption that leaves the others theirs.
bool matchLetter(qsizetype button, const QList<QString>& captions, QList<bool>& tried,
                 QHash<QChar, qsizetype>& owner, QList<qsizetype>& at) {
    const QString& text = captions[button];
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar letter = text.at(i).toLower();
        const qsizetype slot = letter.unicode();
        if (!text.at(i).isLetter() || tried[slot])
            continue;
        tried[slot] = true;
        const qsizetype holder = owner.value(letter, -1);
        if (holder < 0 || matchLetter(holder, captions, tried, owner, at)) {
            owner.insert(letter, button);
            at[button] = i;
            return true;
        }
    }
    return false;
}

} // namespace

void NavigationBar::assignMnemonics() {
    const QList<QAbstractButton*> buttons = m_group->buttons();
    QList<QString> captions;
    for (const QAbstractButton* button : buttons)
        captions.append(caption(button));
    QHash<QChar, qsizetype> owner;
    QList<qsizetype> at(buttons.size(), -1);
    for (qsizetype b = 0; b < buttons.size(); ++b) {
        QList<bool> tried(0x10000, false);
        matchLetter(b, captions, tried, owner, at);
    }
    for (qsizetype b = 0; b < buttons.size(); ++b) {
        QString text;
        for (qsizetype i = 0; i < captions[b].size(); ++i) {
            if (i == at[b])
                text.append(QLatin1Char('&'));
            text.append(captions[b].at(i));
            if (captions[b].at(i) == QLatin1Char('&'))
                text.append(QLatin1Char('&'));
        }
        buttons[b]->setText(text);
    }
}
