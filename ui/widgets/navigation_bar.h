#pragma once

#include <QFrame>
#include <QHash>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QToolButton;
class QVBoxLayout;

// The navigation bar on the left of the main window: one group with a header and a column of
// large picture buttons, each of which stands for one page.
class NavigationBar : public QFrame {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

    // The group's header (objectName groupName, caption as its text).
    void setGroup(const QString& groupName, const QString& caption);
    QToolButton* addButton(const QString& name, const QString& caption, const QString& pictureName,
                           QWidget* page);
    // Gives each button, top to bottom, Alt and a letter of its caption that no button above it
    // has taken (marked in the caption); call once the captions are in the run's language. A
    // caption whose letters are all taken gets none.
    void assignMnemonics();
    // A button's caption as the user reads it, without the mark of its mnemonic.
    static QString caption(const QAbstractButton* button);

    // The page a button of the bar stands for; null for any other button.
    QWidget* pageOf(const QAbstractButton* button) const { return m_pages.value(button); }

Q_SIGNALS:
    void buttonClicked(QAbstractButton* button);

private:
    QLabel* m_header;
    QVBoxLayout* m_buttons;
    QButtonGroup* m_group;
    QHash<const QAbstractButton*, QWidget*> m_pages;
};
