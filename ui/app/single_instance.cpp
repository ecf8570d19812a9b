#include "ui/app/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <unistd.h>

namespace {
constexpr char kActivate[] = "activate\n";
constexpr int kConnectTimeoutMs = 1000;
} // namespace

QString SingleInstance::lockName(const QString& executableName) {
    const QString chosen = qEnvironmentVariable("QUORVANE_INSTANCE");
    return QStringLiteral("PREVINST:%1:%2")
        .arg(chosen.isEmpty() ? executableName : chosen)
        .arg(::getuid());
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    {
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(kConnectTimeoutMs)) {
            probe.write(kActivate);
            probe.waitForBytesWritten(kConnectTimeoutMs);
            probe.disconnectFromServer();
            return false;
        }
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody answered, so a socket file left by a crashed instance is in the way.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate"))
                    activateWindow();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

void SingleInstance::release() {
    m_window = nullptr;
    if (m_server == nullptr)
        return;
    m_server->close(); // also removes the socket file
    m_server->deleteLater();
    m_server = nullptr;
}

void SingleInstance::activateWindow() {
    if (m_window == nullptr)
        return;
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
