#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

// One running copy per user: the first instance listens on a local socket named after the program
// and the user; a later start connects, asks the first to show its window, and ends. The first
// answers whether it could: a window on another display (another X server, another session) is no
// window the user of the later start can see.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // "PREVINST:" + the executable's name + the user id. QUORVANE_INSTANCE, when set, takes the
    // place of the executable's name, so that tests never meet the copy the user is running.
    static QString lockName(const QString& executableName);

    // The display the windows of this process appear on, as two instances compare it: the
    // platform and its display name.
    static QString currentDisplay();

    explicit SingleInstance(QString name, QString display = currentDisplay(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Claim {
        First,     // this is the first instance and now holds the lock
        Raised,    // the running instance shows its window on this display
        NotRaised, // one runs, but its window could not be brought to the user's display
    };
    Claim acquire();

    // The window the first instance restores and raises when asked.
    void setWindow(QWidget* window) { m_window = window; }

    // Gives the name up (the program is shutting down): a start from now on becomes a new first
    // instance instead of asking this one to show a window that is going away.
    void release();

private:
    // Shows the window when the request comes from this instance's display; true when it did (or
    // will: the window is still being built).
    bool activateWindow(const QByteArray& requestDisplay);

    QString m_name;
    QString m_display;
    QLocalServer* m_server = nullptr;
    QWidget* m_window = nullptr;
};
