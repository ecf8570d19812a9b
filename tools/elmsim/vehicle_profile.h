#pragma once

#include <QString>
#include <memory>

// The vehicle behind the emulated interface. answer() gets an OBD request as upper-case hex
// digits without blanks ("0100") and returns what the control units say: bytes as hex pairs
// separated by blanks, several lines (frames or control units) separated by "\r", or an empty text
// when no unit answers (the interface then prints "NO DATA").
class VehicleProfile {
public:
    virtual ~VehicleProfile() = default;
    virtual QString answer(const QString& request) = 0;
    // The answer on a CAN bus (ISO 15765-4), for the requests whose data differ there from the
    // older protocols beyond layout: service 06 reports other results in another form.
    virtual QString canAnswer(const QString& request) { return answer(request); }
    // The control unit a line of the answer comes from (0 the engine, 1 the transmission), for
    // the headers the chip prints: each line is one unit unless the profile knows better.
    virtual int unitOfLine(const QString& request, int line) {
        Q_UNUSED(request);
        return line;
    }
};

// "demo": the simulated vehicle of Demo-Mode, answer for answer; "full", "modern" and "diesel"
// standing. Returns nullptr for an unknown name.
std::unique_ptr<VehicleProfile> makeVehicleProfile(const QString& name);
