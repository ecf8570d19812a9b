#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;

// "Info": the program's name and version, and links to the maker's web page and support e-mail
// address. Its texts stay English in every language.
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    // version: the program's version as the build knows it ("1.1" or "1.1.0.0").
    explicit InfoDialog(const QString& version, QWidget* parent = nullptr);

    void onWebsiteClicked();
    void onMailClicked();

    // Hands a link to the desktop (web browser, mail program); tests replace it.
    std::function<void(const QUrl&)> openUrl;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* link(const QString& name, const QString& text, int y);

    QLabel* m_web = nullptr;
    QLabel* m_mail = nullptr;
};

// The version as four numbers "a.b.c.d", missing ones as 0; "0" when the text is no version (a
// part that is no number from 0 to 65535, or more than four parts).
QString fileVersionText(const QString& version);
