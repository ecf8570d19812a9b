#include "ui/app/input_pause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

InputPause::InputPause(QWidget* window) : m_window(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputPause::~InputPause() {
    QCoreApplication::instance()->removeEventFilter(this);
    // Queued, so that it comes after the handler that waited has returned; an outer pause that
    // still lives holds it back again.
    if (m_closeHeldBack && m_window)
        QMetaObject::invokeMethod(m_window, &QWidget::close, Qt::QueuedConnection);
}

bool InputPause::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
        break;
    case QEvent::Close:
        if (watched != m_window)
            return false;
        event->ignore();
        m_closeHeldBack = true;
        return true;
    default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && m_window && widget->window() == m_window;
}
