#pragma once

#include <QString>
#include <QtGlobal>

// The translated words that some parameters decode to instead of a number. Each reads the string
// table when called, so it speaks the language of the run.
namespace state_texts {

// OBD type of PID 1C: the texts for 1..13, "N/A" for anything else.
QString obdType(qint64 value);

// Oxygen-sensor position of bit 0..7 of PID 13 (bank 1 sensors 1-4, then bank 2): "O2 location
// 1-1"..
QString o2Location(int bit);

// Fuel system status of one system byte of PID 03: the text of its one set bit 0..4, "reserved"
// when no bit or another bit is set.
QString fuelSystem(qint64 status);

// Commanded secondary air status byte of PID 12: the text of its one set bit 0..2, "air reserved"
// otherwise.
QString secondaryAir(qint64 status);

} // namespace state_texts
