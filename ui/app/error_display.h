#pragma once

#include <QApplication>
#include <exception>
#include <type_traits>
#include <utility>

// The general error display: an exception that escapes an action (a click, a timer, any window
// event) ends that action and its message is shown in an error box titled with the application
// title; the program goes on with the next event. Actions catch through guarded() below; notify()
// is the last resort for an event handler that throws.
class QuorvaneApplication : public QApplication {
public:
    QuorvaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The message as the error box shows it: a "." is added when the last character sorts after ".".
QString errorBoxText(const QString& message);

// Shows the message of the exception in flight (call from a catch block). From another thread the
// box is shown on the ui thread, and the caller does not wait for it.
void showCurrentException();

// Shows a failure that is no exception (a log that cannot be written) once the current event has
// been handled: the caller may hold the exchange, which a box's own event loop must not re-enter.
// Any thread.
void showErrorMessageLater(const QString& message);

// Wraps a slot so that whatever it throws is reported here and never unwinds through Qt's own
// frames (Qt's widget code is not exception-safe). Every ui action is connected through it:
//   connect(button, &QPushButton::clicked, this, guarded([this] { ... }));
template <typename Slot>
auto guarded(Slot slot) {
    return [slot = std::move(slot)](auto&&... args) mutable {
        try {
            // A slot may ignore what the signal carries (clicked(bool) into a plain action).
            if constexpr (std::is_invocable_v<Slot&, decltype(args)...>)
                slot(std::forward<decltype(args)>(args)...);
            else
                slot();
        } catch (...) {
            showCurrentException();
        }
    };
}

// Runs an action and reports whatever it throws; for worker threads and callbacks that do not
// pass through the application's event delivery.
template <typename Action>
void runReportingErrors(Action&& action) {
    try {
        action();
    } catch (...) {
        showCurrentException();
    }
}
