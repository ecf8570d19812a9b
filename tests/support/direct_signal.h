#pragma once

// Runs a test's slot inside the emit, on the emitting thread, as the program's receivers of the
// workers' hand-off signals do; the connection ends with the sender.

#include <QObject>

template <class Sender, class Signal, class Slot>
QMetaObject::Connection onSignal(Sender* sender, Signal signal, Slot slot) {
    return QObject::connect(sender, signal, sender, std::move(slot), Qt::DirectConnection);
}
