#pragma once

#include "tools/elmsim/chip_timing.h"
#include "tools/elmsim/elm_emulator.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class VehicleProfile;

// An ELM327 v1.5 in front of the same vehicle data: the AT commands ELM327 clients send at start,
// and on the CAN protocols (6 to 9) the answers laid out as the chip prints them: headers with the
// frame's length byte after ATH1, blanks between bytes unless ATS0, long messages as numbered
// frames, "SEARCHING..." before the first answer of an automatic search, and one line per control
// unit. On the other protocols the vehicle answers as behind an ELM323, and after ATH1 each
// message shows the header and check byte of its protocol (iso_messages). A request may end in one
// more hexadecimal digit, the number of answers to expect ("010C1"): the chip prints no more than
// that many. An empty line repeats the last command. With realtime timing (chip_timing.h) the
// answer and the prompt come when the chip would send them.
class Elm327Emulator {
public:
    // The ways cheap clones differ from the chip they name (elmsim --clone).
    struct Clone {
        QString version = QStringLiteral("ELM327 v1.5"); // the ATZ and ATI answer
        // Only the commands of v1.0: "?" to AT AT, AT H1 and a request with the answer count.
        bool v10Commands = false;
        // "BUS INIT: ...OK" after "SEARCHING..." before the first answer of a search.
        bool busInit = false;
        bool lowerCaseHex = false; // "41 0c 1a f8"
    };
    // The named clone families; false for a name that is none.
    static bool cloneByName(const QString& name, Clone& clone, ElmEmulator::Options& options);

    struct Settings {
        int protocol = 6;     // the vehicle's protocol: ISO 15765-4 CAN, 11 bit, 500 kbaud
        bool headers = false; // the chip's defaults, restored by ATZ, ATWS and ATD
        bool spaces = true;
        // A transmission unit answers beside the engine of a one-unit vehicle (sim_units).
        bool secondUnit = false;
        ChipTiming::Settings timing;
        Clone clone;
    };

    Elm327Emulator(VehicleProfile& vehicle, ElmEmulator::Options options, Settings settings);

    std::vector<ElmEmulator::Output> feed(const QByteArray& input);
    int requestCount() const { return m_line.requestCount(); }

private:
    // What the vehicle said to one request: the text to print and how many control units it
    // holds answers from (0: none answered, the text says why).
    struct VehicleAnswer {
        QString text;
        int units = 0;
    };

    std::vector<ElmEmulator::Output> handleLine(const QString& line);
    std::vector<ElmEmulator::Output> handleRequest(const QString& request, int expectedAnswers);
    QString handleAt(const QString& command);
    VehicleAnswer vehicleAnswer(const QString& request, int expectedAnswers);
    QStringList canLines(int unit, const QByteArray& message) const;
    QString header(int unit) const;
    QString bytesText(const QByteArray& bytes) const;
    bool isCan() const { return m_settings.protocol >= 6 && m_settings.protocol <= 9; }
    void reset();

    std::unique_ptr<VehicleProfile> m_secondUnit;
    VehicleProfile& m_vehicle;
    ElmEmulator::Line m_line;
    Settings m_settings;
    ChipTiming m_timing;
    bool m_headers = false;
    bool m_spaces = true;
    int m_chosenProtocol = 0; // 0: automatic search
    bool m_found = false;     // the search has found the vehicle's protocol
};
