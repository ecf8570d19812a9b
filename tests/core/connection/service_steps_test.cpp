// What each service step of the connection sequence reports, against emulated interfaces whose
// vehicle answers everything, refuses some services, or goes quiet after the control-unit check.

#include "tests/core/connection/pty_connection.h"
#include "tests/support/qt_printers.h"
#include "tools/elmsim/vehicle_profile.h"

#include <gtest/gtest.h>

namespace {

// The demo vehicle, silent to every request that starts with one of the given prefixes.
class RefusingVehicle : public VehicleProfile {
public:
    explicit RefusingVehicle(QStringList refused) : m_refused(std::move(refused)) {}
    QString answer(const QString& request) override {
        for (const QString& prefix : m_refused)
            if (request.startsWith(prefix))
                return QString();
        return m_demo->answer(request);
    }

private:
    QStringList m_refused;
    std::unique_ptr<VehicleProfile> m_demo = makeVehicleProfile(QStringLiteral("demo"));
};

struct StepCase {
    const char* name;
    QStringList refused; // request prefixes the vehicle does not answer
    int noDataAfter;     // the vehicle goes quiet after this many requests; -1 never
    QStringList steps;   // the mark and text of each line from "Mode 01" on
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

const QString m01 = "Mode 01 Init, Current Diagnostic Data";
const QString m02 = "Mode 02 Init, Freeze Frame Data";
const QString m03 = "Mode 03 Init, Diagnostic Trouble Codes";
const QString m05 = "Mode 05 Init, Oxygen Sensor Monitoring Test Results";
const QString m06 = "Mode 06 Init, On-Board Monitoring Test Results";
const QString m07 = "Mode 07 Init, Pending Diagnostic Trouble Codes";
const QString m08 = "Mode 08 Init, Control of On-Board System";
const QString m09 = "Mode 09 Init, Vehicle Information";

QString ok(const QString& step) {
    return "OK " + step;
}
QString unsupported(const QString& step) {
    return "-- " + step + ": not supported by this vehicle";
}
QString failed(const QString& step, const QString& reason = "NO DATA") {
    return "ERR " + step + ": failed (" + reason + ")";
}

const StepCase stepCases[] = {
    {"AnswersEverything",
     {},
     -1,
     {ok(m01), ok(m02), ok(m03), ok(m05), ok(m06), ok(m07), ok(m08), ok(m09)}},
    // Silence to an optional service from a vehicle that still answers is its refusal.
    {"RefusesOptionalServices",
     {"02", "0113", "09"},
     -1,
     {ok(m01), unsupported(m02), ok(m03), unsupported(m05), ok(m06), ok(m07), ok(m08),
      unsupported(m09)}},
    // A frame whose set lists a PID that then gets no value was not read.
    {"LeavesAFrameValueOut",
     {"020C"},
     -1,
     {ok(m01), failed(m02), ok(m03), ok(m05), ok(m06), ok(m07), ok(m08), ok(m09)}},
    // Every vehicle has pending codes and a monitor status to read.
    {"RefusesMandatoryReads",
     {"0101", "07"},
     -1,
     {failed(m01), ok(m02), ok(m03), ok(m05), ok(m06), failed(m07), ok(m08), ok(m09)}},
    // Found, then quiet: every step that asks the vehicle failed, none is "not supported".
    {"GoesQuietAfterTheCheck",
     {},
     10,
     {failed(m01), failed(m02), failed(m03), failed(m05), ok(m06), failed(m07), ok(m08),
      failed(m09)}},
};

class ServiceSteps : public testing::TestWithParam<StepCase> {};

TEST_P(ServiceSteps, EachLineTellsWhatItsStepGot) {
    const StepCase& c = GetParam();
    PtyElm::Config config;
    config.elm327 = true;
    config.emulator.noDataAfter = c.noDataAfter;
    const QStringList refused = c.refused;
    config.vehicle = [refused] { return std::make_unique<RefusingVehicle>(refused); };
    PtyConnection connection(config);
    // Connected in every case: the control unit answered the check.
    ASSERT_TRUE(connection.sequence.initializeConnection());

    const QStringList texts = connection.view.texts(), marks = connection.view.marks();
    const qsizetype first = texts.indexOf("Connection to ECU: OK");
    ASSERT_GE(first, 0);
    QStringList steps;
    for (qsizetype i = first + 2; i < texts.size(); ++i) // after the protocol line
        steps << marks[i] + ' ' + texts[i];
    EXPECT_EQ(steps, c.steps);
}

INSTANTIATE_TEST_SUITE_P(Vehicles, ServiceSteps, testing::ValuesIn(stepCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
