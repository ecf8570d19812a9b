#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

// One running copy per user: the first instance listens on a local socket named after the program
// and the user; a later start connects, asks the first to show its window, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // "PREVINST:" + the executable's name + the user id. QUORVANE_INSTANCE, when set, takes the
    // place of the executable's name, so that tests never meet the copy the user is running.
    static QString lockName(const QString& executableName);

    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first instance (and now holds the lock). Otherwise the running instance
    // has been asked to bring its window to the front (when it could be reached).
    bool acquire();

    // The window the first instance restores and raises when asked.
    void setWindow(QWidget* window) { m_window = window; }

    // Gives the name up (the program is shutting down): a start from now on becomes a new first
    // instance instead of asking this one to show a window that is going away.
    void release();

private:
    void activateWindow();

    QString m_name;
    QLocalServer* m_server = nullptr;
    QWidget* m_window = nullptr;
};
