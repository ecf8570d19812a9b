#include "ui/app/input_pause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

InputPause::InputPause(QWidget* window) : m_window(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputPause::~InputPause() {
    QCoreApplication::instance()->removeEventFilter(this);
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
    default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && m_window && widget->window() == m_window;
}
