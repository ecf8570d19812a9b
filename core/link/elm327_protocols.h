#pragma once

#include <QString>

// The vehicle protocols an ELM327 speaks, by the number "ATDPN" answers ("6", or "A6" when the
// chip found it by its automatic search). The init-Status list shows the number with its name:
// "A6 (Automatic protocol search), ISO 15765-4 CAN 11 bit 500 kbaud". Anything that is no protocol
// number (a garbled answer) is returned as it is.
QString elmProtocolDescription(const QString& protocolNumber);

// The name of protocol 1 to 12 (hex 1 to C); empty for any other number.
QString elmProtocolName(int protocol);
