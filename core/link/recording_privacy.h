#pragma once

#include <QString>
#include <map>

// Takes the vehicle's identity out of a recorded answer: the characters of the VIN (service 09,
// InfoType 02) and of the calibration IDs (InfoType 04) are replaced by placeholders of the same
// length, so the answer still decodes. The same value gets the same placeholder wherever it
// appears (`placeholders` remembers them for the session). Padding bytes (00) stay, as do the
// header, frame and message bytes around the data. A placeholder VIN has no valid check digit.
//
// Understands the layouts the chips print, with headers or without, with blanks or without: CAN
// single frames, CAN first and consecutive frames (numbered "0:", "1:" ... or behind their
// headers), and the older protocols' numbered messages ("49 02 01 ..."). Any other answer, and
// the answer to any other command, is returned as it is.
QString anonymizedAnswer(const QString& command, const QString& answer,
                         std::map<QString, QString>& placeholders);
