#include "ui/app/error_display.h"

#include "core/link/serial_port_error.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

namespace {

QString messageOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const SerialPortError& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("OBD-II Quorvane"), errorBoxText(message),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showCurrentException() {
    const QString message = messageOf(std::current_exception());
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    if (QThread::currentThread() == app->thread())
        showErrorBox(message);
    else
        QMetaObject::invokeMethod(
            app, [message] { showErrorBox(message); }, Qt::QueuedConnection);
}

void showErrorMessageLater(const QString& message) {
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [message] { showErrorBox(message); }, Qt::QueuedConnection);
}

QuorvaneApplication::QuorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuorvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        return false;
    }
}
