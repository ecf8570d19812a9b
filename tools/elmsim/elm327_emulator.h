#pragma once

#include "tools/elmsim/elm_emulator.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class VehicleProfile;

// An ELM327 v1.5 in front of the same vehicle data: the AT commands ELM327 clients send at start,
// and on the CAN protocols (6 to 9) the answers laid out as the chip prints them: headers with the
// frame's length byte after ATH1, blanks between bytes unless ATS0, long messages as numbered
// frames, "SEARCHING..." before the first answer of an automatic search, and one line per control
// unit. On the other protocols the vehicle answers as behind an ELM323.
class Elm327Emulator {
public:
    struct Settings {
        int protocol = 6;     // the vehicle's protocol: ISO 15765-4 CAN, 11 bit, 500 kbaud
        bool headers = false; // the chip's defaults, restored by ATZ, ATWS and ATD
        bool spaces = true;
        bool secondUnit = false; // a transmission unit answers beside the engine (can_vehicle)
    };

    Elm327Emulator(VehicleProfile& vehicle, ElmEmulator::Options options, Settings settings);

    std::vector<ElmEmulator::Output> feed(const QByteArray& input);
    int requestCount() const { return m_line.requestCount(); }

private:
    std::vector<ElmEmulator::Output> handleLine(const QString& line);
    QString handleAt(const QString& command);
    QString vehicleAnswer(const QString& request);
    QStringList canLines(int unit, const QByteArray& message) const;
    QString header(int unit) const;
    QString bytesText(const QByteArray& bytes) const;
    bool isCan() const { return m_settings.protocol >= 6 && m_settings.protocol <= 9; }
    void reset();

    VehicleProfile& m_vehicle;
    ElmEmulator::Line m_line;
    Settings m_settings;
    bool m_headers = false;
    bool m_spaces = true;
    int m_chosenProtocol = 0; // 0: automatic search
    bool m_found = false;     // the search has found the vehicle's protocol
};
