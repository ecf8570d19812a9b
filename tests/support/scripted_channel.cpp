#include "tests/support/scripted_channel.h"

#include "core/link/serial_port_error.h"

void ScriptedChannel::requireOpen() const {
    if (!open)
        throw SerialPortError(QStringLiteral("The serial port is not open."));
}
