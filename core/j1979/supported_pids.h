#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

class CommandLink;

// Which parameters of a service the vehicle supports: entry i tells whether parameter number
// i + 1 (01..E0 hexadecimal) is. For PIDs whose byte A says which of their values the vehicle
// has (two coolant sensors, four exhaust-gas sensors), the byte the vehicle sent once.
class SupportedPidSet {
public:
    static constexpr std::size_t Size = 0xE0;

    bool& operator[](std::size_t index) { return m_pids[index]; }
    bool operator[](std::size_t index) const { return m_pids[index]; }
    static constexpr std::size_t size() { return Size; }

    // Byte A of the PID's answer, when it was read.
    std::optional<quint8> presenceByte(int pid) const;
    void setPresenceByte(int pid, quint8 byte) { m_presence.insert(pid, byte); }

    bool operator==(const SupportedPidSet&) const = default;

private:
    std::array<bool, Size> m_pids{};
    QHash<int, quint8> m_presence;
};

// Reads the bitmaps of PIDs 00, 20, 40, ... C0 of the service, each further block only when the
// last bit of the one before announced it, so a vehicle that stops at 40 costs no request more.
// The frame text is appended to the requests of services 02 and 05 only. Only the first control
// unit's answer counts; a block announced but not answered ends the walk.
SupportedPidSet readSupportedPids(CommandLink& link, const QString& service, const QString& frame);

// Whether the PID (one or two hexadecimal digits, "01".."E0") is in the set; anything outside
// that range is not.
bool isSupported(const SupportedPidSet& set, const QString& pid);

// The ECU presence check: up to three "0100" requests, success at the first answer holding "41".
bool checkEcuConnection(CommandLink& link);
