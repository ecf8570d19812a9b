#pragma once

#include <QString>

// The line settings of the channel. The program always uses 9600 8N1 without handshake; other
// values only arrive through a hand-edited settings file and are honoured as far as the device can.
struct LineSettings {
    enum class StopBits { One, OnePointFive, Two };
    enum class Parity { None, Odd, Even, Mark, Space };
    enum class FlowControl { Hardware, Software, None, Custom };

    int baudRate = 9600; // 0 stands for "Custom": the device keeps the standard 9600
    int dataBits = 8;
    StopBits stopBits = StopBits::One;
    Parity parity = Parity::None;
    FlowControl flowControl = FlowControl::None;
};
