#pragma once

#include <QDialog>
#include <memory>

class QLabel;
struct UrlOpener;

// "Info": the program's name and version, and links to the maker's web page and support e-mail
// address. Its texts stay English in every language.
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    // version: the program's version as the build knows it ("1.1" or "1.1.0.0").
    explicit InfoDialog(const QString& version, QWidget* parent = nullptr);
    ~InfoDialog() override;

    void onWebsiteClicked();
    void onMailClicked();

    // Tests take the links instead of the desktop; the opener outlives the dialog.
    void setUrlOpener(UrlOpener& opener) { m_opener = &opener; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* link(const QString& name, const QString& text, int y);

    std::unique_ptr<UrlOpener> m_ownOpener;
    UrlOpener* m_opener = nullptr;
    QLabel* m_web = nullptr;
    QLabel* m_mail = nullptr;
};

// The version as four numbers "a.b.c.d", missing ones as 0; "0" when the text is no version (a
// part that is no number from 0 to 65535, or more than four parts).
QString fileVersionText(const QString& version);
