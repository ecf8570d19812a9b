#pragma once

#include <QEvent>

// Whether an event is the user acting on a control (a click, a key, a shortcut, a wheel turn),
// for filters that keep a control or a whole window from taking input.
inline bool isUserInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}
