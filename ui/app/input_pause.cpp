#include "ui/app/input_pause.h"

#include "ui/widgets/user_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

InputPause::InputPause(QWidget* window, QWidget* stillUsable, std::function<void()> closeHeldBack)
    : m_window(window), m_stillUsable(stillUsable), m_onCloseHeldBack(std::move(closeHeldBack)) {
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
    if (event->type() == QEvent::Close && watched == m_window) {
        event->ignore();
        m_closeHeldBack = true;
        if (m_onCloseHeldBack)
            m_onCloseHeldBack();
        return true;
    }
    if (!isUserInput(*event))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && m_stillUsable && (widget == m_stillUsable || m_stillUsable->isAncestorOf(widget)))
        return false;
    return widget && m_window && widget->window() == m_window;
}
