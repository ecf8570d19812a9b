#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// While it lives, clicks, key presses and wheel turns aimed at one window are dropped. The waits
// for the interface and for the polling worker run nested event loops; without it a second
// "Connect" or a page change would run its handler inside the first one. Dialogs opened meanwhile
// (a message box) are windows of their own and stay usable. A request to close the window (the
// window manager's close, Alt+F4) is held back and made again when the pause ends, so that the
// shut-down never runs inside the handler that waits.
// One control can be left usable (the Disconnect button while a connection is made), and the
// waiting handler can be told of a held-back close, so that it ends its wait early.
class InputPause : public QObject {
public:
    explicit InputPause(QWidget* window, QWidget* stillUsable = nullptr,
                        std::function<void()> closeHeldBack = {});
    ~InputPause() override;
    InputPause(const InputPause&) = delete;
    InputPause& operator=(const InputPause&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_stillUsable;
    std::function<void()> m_onCloseHeldBack;
    bool m_closeHeldBack = false;
};
