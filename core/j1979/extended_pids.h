#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <span>
#include <variant>

// The service 01 PIDs above 4E that cars since about 2008 answer. Many of them carry several
// values at once (two coolant sensors, four exhaust gas temperatures); each of those is a
// sub-value of its own, and byte A usually says which of them the car has.
namespace extended_pids {

// How the data bytes of a sub-value become its value.
enum class Shape {
    Byte,       // one byte, times scale plus offset
    Word,       // two bytes, high byte first
    SignedWord, // two bytes in two's complement
    Long,       // four bytes, high byte first
    HighNibble, // the upper four bits of one byte (the gear)
    Bit,        // one bit of one byte, as one of two texts
    Enumerated, // one byte looked up in a list of texts
    Raw,        // the bytes as hexadecimal digits: layouts we do not decode
};

// The conversion of a metric value into the English unit system.
enum class Conversion {
    None,
    CelsiusToFahrenheit,
    KpaToPsi,
    KmToMiles,
    LitresToGallons, // also per hour
    NmToPoundFeet,
    GramsPerSecondToPoundsPerMinute,
};

struct Unit {
    const char* metric;
    const char* english;
    Conversion conversion;
};

// A code of an enumerated byte and its text.
struct CodeText {
    int code;
    const char* text;
};

// Names and texts are English literals; translated() gives them in the language of the run.
struct SubValue {
    const char* name;
    Shape shape;
    int firstByte; // 0 is data byte A
    int bit;       // Bit: the bit of firstByte; else unused
    double scale;  // numeric shapes: value = raw * scale + offset
    double offset;
    const Unit* unit;                // numeric shapes; nullptr for texts
    double graphMin;                 // metric
    double graphMax;                 // metric
    bool polled;                     // worth asking for again and again
    int availabilityBit;             // the bit of byte A that says the car has it; -1: always there
    std::span<const CodeText> texts; // Bit: {0, off}, {1, on}; Enumerated: the known codes

    bool isText() const {
        return shape == Shape::Bit || shape == Shape::Enumerated || shape == Shape::Raw ||
               shape == Shape::HighNibble;
    }
    // How many data bytes the sub-value reads from firstByte on.
    int width(int pidByteCount) const;
};

struct PidDescription {
    int pid;
    int byteCount;
    QList<SubValue> subValues;
};

// Every PID from 4F to C4 that has a value, in PID order; one whose layout we do not decode has a
// single Raw sub-value. The PIDs that only announce further PIDs (60, 80, A0, C0) have no
// description.
const QList<PidDescription>& descriptions();

// The description of the PID, or nullptr for a PID without one.
const PidDescription* describe(int pid);

enum class Reading {
    Value,      // read from the answer
    NotPresent, // byte A says the car does not have it
    NotRead,    // the answer stopped before its bytes
};

struct SubValueResult {
    Reading reading = Reading::NotRead;
    std::variant<double, QString> value; // only meaningful for Reading::Value
};

// The sub-values of the PID, one per sub-value of its description and in that order, from the
// data bytes of the answer (byte A first, behind the PID number). Numbers are metric, or English
// where the sub-value has an English conversion and english is set. Bytes beyond the PID's byte
// count and bits of byte A that no sub-value uses are ignored. An unknown PID gives no results.
QList<SubValueResult> decode(int pid, QByteArrayView data, bool english);

// The text a reading is shown as: a number with the decimals its resolution (and conversion)
// needs, in the user's regional format; texts translated.
QString displayText(const SubValue& sub, const std::variant<double, QString>& value, bool english);

// The unit a sub-value is shown in; empty for texts.
QString unitText(const SubValue& sub, bool english);

// The names, units and value texts in the language of the run. The translation pass hands in its
// look-up (English literal to translation); until then, and for texts it does not know, English.
// Safe to call while a worker decodes.
void setTranslation(const std::function<QString(const char*)>& translate);
QString translated(const char* text);

} // namespace extended_pids
