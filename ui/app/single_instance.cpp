#include "ui/app/single_instance.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

namespace {
constexpr char kActivate[] = "activate ";
constexpr char kRaised[] = "raised\n";
constexpr char kElsewhere[] = "elsewhere\n";
constexpr int kConnectTimeoutMs = 1000;
// The first instance answers from its event loop, which may be busy for a moment (a vehicle
// request waits up to a few seconds for its answer).
constexpr int kReplyTimeoutMs = 8000;
// A request is one short line; anything longer is no instance of this program.
constexpr qsizetype kMaxRequest = 1024;

// Waits, letting events run, for the first instance's one-line answer.
QByteArray awaitReply(QLocalSocket& socket) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (socket.canReadLine())
            loop.quit();
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    timer.start(kReplyTimeoutMs);
    if (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState)
        loop.exec();
    return socket.canReadLine() ? socket.readLine(kMaxRequest) : QByteArray();
}
} // namespace

QString SingleInstance::lockName(const QString& executableName) {
    const QString chosen = qEnvironmentVariable("QUORVANE_INSTANCE");
    return QStringLiteral("PREVINST:%1:%2")
        .arg(chosen.isEmpty() ? executableName : chosen)
        .arg(::getuid());
}

QString SingleInstance::currentDisplay() {
    return QGuiApplication::platformName() + QLatin1Char('|') + qEnvironmentVariable("DISPLAY") +
           QLatin1Char('|') + qEnvironmentVariable("WAYLAND_DISPLAY");
}

SingleInstance::SingleInstance(QString name, QString display, QObject* parent)
    : QObject(parent), m_name(std::move(name)), m_display(std::move(display)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::acquire() {
    {
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(kConnectTimeoutMs)) {
            probe.write(kActivate + m_display.toUtf8().left(kMaxRequest / 2) + '\n');
            probe.waitForBytesWritten(kConnectTimeoutMs);
            const bool raised = awaitReply(probe) == kRaised;
            probe.disconnectFromServer();
            return raised ? Claim::Raised : Claim::NotRaised;
        }
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody answered, so a socket file left by a crashed instance is in the way.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return Claim::NotRaised;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kMaxRequest)
                        socket->abort();
                    return;
                }
                QByteArray request = socket->readLine(kMaxRequest);
                request.chop(1); // the line's end
                if (!request.startsWith(kActivate))
                    return socket->abort();
                const QByteArray display = request.mid(qsizetype(sizeof(kActivate)) - 1);
                socket->write(activateWindow(display) ? kRaised : kElsewhere);
                socket->flush();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return Claim::First;
}

void SingleInstance::release() {
    m_window = nullptr;
    if (m_server == nullptr)
        return;
    m_server->close(); // also removes the socket file
    m_server->deleteLater();
    m_server = nullptr;
}

bool SingleInstance::activateWindow(const QByteArray& requestDisplay) {
    if (QString::fromUtf8(requestDisplay) != m_display)
        return false;
    if (m_window == nullptr)
        return true; // still starting: the window shows when it is built
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return true;
}
