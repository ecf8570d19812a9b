// The report document line by line and byte for byte: which sections each choice gives, the texts
// of the pages in their places, the encoding, and user text that must not break the XML.

#include "core/report/report_document.h"

#include "core/j1979/monitor_status.h"

#include "tests/core/report/report_samples.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QStringList linesOf(const QByteArray& document) {
    QStringList lines = QString::fromLatin1(document).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()) << "the last line ends with CR LF too";
    return lines;
}

const QStringList kHead{
    R"(<?xml version="1.0" encoding="ISO-8859-1"?>)",
    R"(<?xml-stylesheet type ="text/xsl" href="DTCResults.xsl"?>)",
    "<doc>",
    "<USER_INFO>",
    "      <USER_NAME>Garage Miller</USER_NAME>",
    "      <USER_ADDRESS1>Main Street 1</USER_ADDRESS1>",
    "      <USER_ADDRESS2>12345 Springfield</USER_ADDRESS2>",
    "      <USER_ADDRESS3></USER_ADDRESS3>",
    "      <USER_PHONE_LAB>Phone:</USER_PHONE_LAB>",
    "      <USER_PHONE>0123 456</USER_PHONE>",
    "      <USER_FAX_LAB>Fax:</USER_FAX_LAB>",
    "      <USER_FAX>0123 457</USER_FAX>",
    "      <USER_EMAIL_LAB>Email:</USER_EMAIL_LAB>",
    "      <USER_EMAIL>info@garage.example</USER_EMAIL>",
    "      <USER_INTERNET_LAB>Internet:</USER_INTERNET_LAB>",
    "      <USER_INTERNET>www.garage.example</USER_INTERNET>",
    "      <DATE_TIME_LAB>Date/Time:</DATE_TIME_LAB>",
    "      <DATE_TIME>12/09/26 07:00:00</DATE_TIME>",
    "</USER_INFO>",
    "<LAYOUT_REPORT>",
    "      <TITLE>OBD-II Diagnostic Report</TITLE>",
    "</LAYOUT_REPORT>",
};

const QStringList kVehicleAndCustomer{
    "<VEHICLE_CUSTOMER_INFO>",
    "      <TITLE_VEHICLE_INFO>Vehicle</TITLE_VEHICLE_INFO>",
    "      <VEHICLE_MAKE_LAB>Marke:</VEHICLE_MAKE_LAB>",
    "      <VEHICLE_MAKE>Chevrolet</VEHICLE_MAKE>",
    "      <VEHICLE_MODEL_LAB>Model:</VEHICLE_MODEL_LAB>",
    "      <VEHICLE_MODEL>Cavalier</VEHICLE_MODEL>",
    "      <VEHICLE_YEAR_LAB>Year:</VEHICLE_YEAR_LAB>",
    "      <VEHICLE_YEAR>1994</VEHICLE_YEAR>",
    "      <VEHICLE_VIN_LAB>VIN:</VEHICLE_VIN_LAB>",
    "      <VEHICLE_VIN>1G1JC5444R7252367</VEHICLE_VIN>",
    "      <TITLE_CUSTOMER_ADDRESS>Customer</TITLE_CUSTOMER_ADDRESS>",
    "      <ADDRESS1>Jane Doe</ADDRESS1>",
    "      <ADDRESS2>Elm Road 5</ADDRESS2>",
    "      <ADDRESS3>54321 Shelbyville</ADDRESS3>",
    "      <ADDRESS4></ADDRESS4>",
    "</VEHICLE_CUSTOMER_INFO>",
};

const QStringList kSystemStatus{
    "<SYSTEM_STATUS>",
    "      <TITLE_S_C>Supported/Completed</TITLE_S_C>",
    "      <MIL_STATE>On</MIL_STATE>",
    "      <TITLE_READINESS_1>Continuous Monitoring tests</TITLE_READINESS_1>",
    "      <TITLE_READINESS_2>non-Continuous Monitoring tests</TITLE_READINESS_2>",
    "      <TEST_1_C>Misfire:</TEST_1_C>",
    "      <TEST_2_C>Fuel system:</TEST_2_C>",
    "      <TEST_3_C>Components:</TEST_3_C>",
    "      <TEST_1_N>Catalyst:</TEST_1_N>",
    "      <TEST_2_N>Evaporative system:</TEST_2_N>",
    "      <TEST_3_N>Oxygen sensor:</TEST_3_N>",
    "      <TEST_4_N>Oxygen sensor heater:</TEST_4_N>",
    "      <TEST_1_C_S>Yes</TEST_1_C_S>",
    "      <TEST_2_C_S>Yes</TEST_2_C_S>",
    "      <TEST_3_C_S>Yes</TEST_3_C_S>",
    "      <TEST_1_N_S>Yes</TEST_1_N_S>",
    "      <TEST_2_N_S>Yes</TEST_2_N_S>",
    "      <TEST_3_N_S>No</TEST_3_N_S>",
    "      <TEST_4_N_S>Yes</TEST_4_N_S>",
    "      <TEST_1_C_C>Yes</TEST_1_C_C>",
    "      <TEST_2_C_C>No</TEST_2_C_C>",
    "      <TEST_3_C_C>Yes</TEST_3_C_C>",
    "      <TEST_1_N_C>No</TEST_1_N_C>",
    "      <TEST_2_N_C>Yes</TEST_2_N_C>",
    "      <TEST_3_N_C>No</TEST_3_N_C>",
    "      <TEST_4_N_C>No</TEST_4_N_C>",
    "</SYSTEM_STATUS>",
};

const QStringList kStoredCodes{
    "<STORED_DTCS>",
    "      <TITLE_STORED_DTCS>Stored Emission-Related Diagnostic Trouble Codes "
    "(DTC)</TITLE_STORED_DTCS>",
    "</STORED_DTCS>",
    "<STORED_DTC_RESULTS>",
    "      <DTC_NUMBER>P0133</DTC_NUMBER>",
    "      <DTC_DESCRIPTION>O2 Sensor Circuit Slow Response (Bank 1 Sensor 1)</DTC_DESCRIPTION>",
    "</STORED_DTC_RESULTS>",
    "<STORED_DTC_RESULTS>",
    "      <DTC_NUMBER>P0171</DTC_NUMBER>",
    "      <DTC_DESCRIPTION>System Too Lean (Bank 1)</DTC_DESCRIPTION>",
    "</STORED_DTC_RESULTS>",
    "<STORED_DTC_RESULTS>",
    "      <DTC_NUMBER>P0300</DTC_NUMBER>",
    "      <DTC_DESCRIPTION>Random/Multiple Cylinder Misfire Detected</DTC_DESCRIPTION>",
    "</STORED_DTC_RESULTS>",
};

// The pending grid before any reading: one empty row.
const QStringList kPendingCodesUnread{
    "<PENDING_DTCS>",
    "      <TITLE_PENDING_DTCS>Pending Emission-Related Diagnostic Trouble Codes "
    "(DTC)</TITLE_PENDING_DTCS>",
    "</PENDING_DTCS>",
    "<PENDING_DTC_RESULTS>",
    "      <DTC_NUMBER></DTC_NUMBER>",
    "      <DTC_DESCRIPTION></DTC_DESCRIPTION>",
    "</PENDING_DTC_RESULTS>",
};

// Rows 0C, 05 and 11: the engine speed pair, the coolant pair, nothing for 11.
const QStringList kFreezeFrame{
    "<FREEZE_FRAME>",
    "      <TITLE_FREEZE_FRAME>Freeze Frames</TITLE_FREEZE_FRAME>",
    "\t  <FF_DTC_LAB>Diagnostic Trouble Code (DTC)</FF_DTC_LAB>",
    "\t  <FF_DTC>P0133</FF_DTC>",
    "\t  <FF_ENGINE_RPM_LAB>Engine RPM</FF_ENGINE_RPM_LAB>",
    "\t  <FF_ENGINE_RPM>1726 rpm</FF_ENGINE_RPM>",
    "\t  <FF_COOLANT_TEMPERATURE_LAB>Engine Coolant Temperature</FF_COOLANT_TEMPERATURE_LAB>",
    "\t  <FF_COOLANT_TEMPERATURE>83 °C</FF_COOLANT_TEMPERATURE>",
    "\t  <FF_VALUE>",
    "\t    <PID>11</PID>",
    "\t    <NAME>Absolute Throttle Position</NAME>",
    "\t    <VALUE>12.5</VALUE>",
    "\t    <UNIT>%</UNIT>",
    "\t  </FF_VALUE>",
    "</FREEZE_FRAME>",
};

QStringList oxygenSensorLines() {
    QStringList lines{
        "<OXYGEN_SENSOR>",
        "      <TITLE_OXYGEN_SENSOR>O2 Sensors  (Bank 1 - Sensor 1)</TITLE_OXYGEN_SENSOR>",
        "\t  <TITLE_LAB>Description</TITLE_LAB>",
        "\t  <TITLE_VAL>Value</TITLE_VAL>",
        "\t  <TITLE_MIN>Min</TITLE_MIN>",
        "\t  <TITLE_MAX>Max</TITLE_MAX>",
        "\t  <TITLE_UNI></TITLE_UNI>",
        "\t  <TEST0_LAB>Rich to lean sensor threshold voltage (constant)</TEST0_LAB>",
        "\t  <TEST0_VAL>0.450</TEST0_VAL>",
        "\t  <TEST0_MIN>0.400</TEST0_MIN>",
        "\t  <TEST0_MAX>0.500</TEST0_MAX>",
        "\t  <TEST0_UNI>V</TEST0_UNI>",
    };
    // The other nine tests were not answered: name and unit only.
    const auto catalogue = O2TestCatalogue();
    for (int n = 1; n < 10; ++n) {
        const QString test = QStringLiteral("TEST%1").arg(n);
        lines << "\t  <" + test + "_LAB>" + catalogue[std::size_t(n)].description + "</" + test +
                     "_LAB>";
        for (const char* suffix : {"_VAL", "_MIN", "_MAX"})
            lines << "\t  <" + test + suffix + "></" + test + suffix + ">";
        lines << "\t  <" + test + "_UNI>" + catalogue[std::size_t(n)].unit + "</" + test + "_UNI>";
    }
    lines << "</OXYGEN_SENSOR>";
    return lines;
}

TEST(ReportDocument, EverySectionInItsOrderByteForByte) {
    const QByteArray document = documentOf(sampleShownResults(), sampleChoices());
    const QStringList expected = kHead + kVehicleAndCustomer + kSystemStatus + kStoredCodes +
                                 kPendingCodesUnread + kFreezeFrame + oxygenSensorLines() +
                                 QStringList{"</doc>"};
    EXPECT_EQ(linesOf(document), expected);
    // ISO-8859-1 as declared: the degree sign is one byte, and every line ends with CR LF.
    EXPECT_TRUE(document.contains("<FF_COOLANT_TEMPERATURE>83 \xB0"
                                  "C<"));
    EXPECT_EQ(document.count("\r\n"), expected.size());
    EXPECT_EQ(document.count('\n'), expected.size());
}

TEST(ReportDocument, ChoicesSelectTheSections) {
    const ShownResults shown = sampleShownResults();
    // Every box cleared: the head, the user's address and the title.
    EXPECT_EQ(linesOf(documentOf(shown, nothingChosen())), kHead + QStringList{"</doc>"});

    ReportChoices customerOnly = nothingChosen();
    customerOnly.customerAddress = sampleChoices().customerAddress;
    customerOnly.customer = true;
    QStringList customer{"<VEHICLE_CUSTOMER_INFO>"};
    customer << kVehicleAndCustomer.mid(10);
    EXPECT_EQ(linesOf(documentOf(shown, customerOnly)), kHead + customer + QStringList{"</doc>"});

    ReportChoices vehicleOnly = sampleChoices();
    vehicleOnly.customer = vehicleOnly.systemStatus = vehicleOnly.storedCodes =
        vehicleOnly.pendingCodes = vehicleOnly.freezeFrame = vehicleOnly.o2Sensors = false;
    QStringList vehicle = kVehicleAndCustomer.mid(0, 10);
    vehicle << "</VEHICLE_CUSTOMER_INFO>";
    EXPECT_EQ(linesOf(documentOf(shown, vehicleOnly)), kHead + vehicle + QStringList{"</doc>"});

    ReportChoices codesOnly = nothingChosen();
    codesOnly.storedCodes = true;
    EXPECT_EQ(linesOf(documentOf(shown, codesOnly)), kHead + kStoredCodes + QStringList{"</doc>"});
}

TEST(ReportDocument, PagesBeforeAnyReadingGiveTheirStartTexts) {
    ShownResults shown; // as the pages are before a connection
    ReportChoices choices = nothingChosen();
    choices.systemStatus = choices.storedCodes = choices.freezeFrame = true;
    const QStringList lines = linesOf(documentOf(shown, choices));
    EXPECT_TRUE(lines.contains("      <MIL_STATE>N/A</MIL_STATE>"));
    EXPECT_EQ(lines.filter("N/A").size(), 15);
    // One empty row in the grid: one result section with empty leaves.
    EXPECT_EQ(lines.count("<STORED_DTC_RESULTS>"), 1);
    EXPECT_TRUE(lines.contains("      <DTC_NUMBER></DTC_NUMBER>"));
    // An empty freeze-frame row counts as PID 0 and gives no pair.
    const qsizetype frame = lines.indexOf("<FREEZE_FRAME>");
    ASSERT_GE(frame, 0);
    EXPECT_EQ(lines.mid(frame, 5),
              QStringList({"<FREEZE_FRAME>",
                           "      <TITLE_FREEZE_FRAME>Freeze Frames</TITLE_FREEZE_FRAME>",
                           "\t  <FF_DTC_LAB>Diagnostic Trouble Code (DTC)</FF_DTC_LAB>",
                           "\t  <FF_DTC></FF_DTC>", "</FREEZE_FRAME>"}));
}

TEST(ReportDocument, ReadingsThatFailedSayItInsteadOfLookingClean) {
    ShownResults shown;
    shown.storedCodes = {ReadState::CouldNotBeRead, {{"", "Trouble codes could not be read"}}};
    shown.freezeFrame.state = ReadState::CouldNotBeRead;
    shown.freezeFrame.code = {ReadState::CouldNotBeRead, {{"", "Freeze frame could not be read"}}};
    ReportChoices choices = nothingChosen();
    choices.storedCodes = choices.freezeFrame = true;
    const QStringList lines = linesOf(documentOf(shown, choices));
    EXPECT_EQ(lines.count("<STORED_DTC_RESULTS>"), 1);
    EXPECT_EQ(lines.filter("Trouble codes could not be read").size(), 1);
    EXPECT_EQ(lines.filter("P0000").size(), 0);
    EXPECT_TRUE(lines.contains("\t  <FF_DTC>Freeze frame could not be read</FF_DTC>"));
}

// A code's unit is an element of its own where the units were told apart, so that a stylesheet
// that knows nothing of it shows the rest as before; the permanent codes come once read.
TEST(ReportDocument, UnitsAndPermanentCodesAreAddedElements) {
    ShownResults shown;
    shown.storedCodes = {ReadState::Read, {{"P0133", "O2 Sensor", "Engine (7E8)"}, {"P0700", ""}}};
    ReportChoices choices = nothingChosen();
    choices.storedCodes = choices.permanentCodes = true;
    QStringList lines = linesOf(documentOf(shown, choices));
    EXPECT_EQ(lines.filter("<DTC_UNIT>").size(), 1);
    EXPECT_EQ(lines.indexOf("      <DTC_UNIT>Engine (7E8)</DTC_UNIT>"),
              lines.indexOf("      <DTC_DESCRIPTION>O2 Sensor</DTC_DESCRIPTION>") + 1);
    EXPECT_FALSE(lines.contains("<PERMANENT_DTCS>")) << "not read yet";

    const struct {
        ShownCodeGrid grid;
        bool chosen;
        const char* text; // the row's text in the section; none: no section
    } cases[] = {
        {{ReadState::Read, {{"P0420", "Catalyst", "Transmission (7E9)"}}},
         true,
         "      <DTC_UNIT>Transmission (7E9)</DTC_UNIT>"},
        {{ReadState::NotSupported, {{"", "This vehicle does not support permanent trouble codes"}}},
         true,
         "      <DTC_DESCRIPTION>This vehicle does not support permanent trouble codes"
         "</DTC_DESCRIPTION>"},
        {{ReadState::CouldNotBeRead, {{"", "Permanent trouble codes could not be read"}}},
         true,
         "      <DTC_DESCRIPTION>Permanent trouble codes could not be read</DTC_DESCRIPTION>"},
        {{ReadState::Read, {{"P0420", "Catalyst"}}}, false, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grid.rows[0].description.toStdString());
        shown.permanentCodes = c.grid;
        choices.permanentCodes = c.chosen;
        lines = linesOf(documentOf(shown, choices));
        const qsizetype section = lines.indexOf("<PERMANENT_DTCS>");
        EXPECT_EQ(section >= 0, c.text != nullptr);
        if (c.text == nullptr)
            continue;
        EXPECT_EQ(lines.mid(section, 5),
                  QStringList({"<PERMANENT_DTCS>",
                               "      <TITLE_PERMANENT_DTCS>Permanent Diagnostic Trouble Codes "
                               "(DTC)</TITLE_PERMANENT_DTCS>",
                               "</PERMANENT_DTCS>", "<PERMANENT_DTC_RESULTS>",
                               "      <DTC_NUMBER>" + c.grid.rows[0].code + "</DTC_NUMBER>"}));
        EXPECT_TRUE(lines.mid(section).contains(QString::fromLatin1(c.text)));
    }
}

// The fixed elements keep their form; every other row comes as a generic element.
TEST(ReportDocument, FuelSystemTakesTheValueAloneOtherRowsAreListedAndOddPidsSkipped) {
    ShownResults shown;
    shown.freezeFrame.rows = {{"03", "Fuel system status", "Closed loop", "unused"},
                              {"xx", "Not a number", "1", "a"},
                              {"0d", "Vehicle Speed", "40", "km/h"},
                              {"4E", "Time since codes cleared", "10", "min"}};
    ReportChoices choices = nothingChosen();
    choices.freezeFrame = true;
    const QStringList lines = linesOf(documentOf(shown, choices));
    EXPECT_EQ(lines.mid(lines.indexOf("\t  <FF_DTC></FF_DTC>") + 1, 11),
              QStringList({"\t  <FF_FUEL_SYSTEM_LAB>Fuel system status</FF_FUEL_SYSTEM_LAB>",
                           "\t  <FF_FUEL_SYSTEM>Closed loop</FF_FUEL_SYSTEM>",
                           "\t  <FF_VEHICLE_SPEED_LAB>Vehicle Speed</FF_VEHICLE_SPEED_LAB>",
                           "\t  <FF_VEHICLE_SPEED>40 km/h</FF_VEHICLE_SPEED>", "\t  <FF_VALUE>",
                           "\t    <PID>4E</PID>", "\t    <NAME>Time since codes cleared</NAME>",
                           "\t    <VALUE>10</VALUE>", "\t    <UNIT>min</UNIT>", "\t  </FF_VALUE>",
                           "</FREEZE_FRAME>"}));
}

// The monitor tests come once something was read for them, each row with its verdict as text and
// as the code the stylesheet marks by; a reading that failed says so above whatever rows came.
TEST(ReportDocument, MonitorTestsAfterTheOtherSectionsOnceRead) {
    ShownResults shown;
    const ReportChoices choices = sampleChoices();
    EXPECT_EQ(linesOf(documentOf(shown, choices)).filter("MONITOR_TESTS").size(), 0);

    shown.monitorTests = {
        ReadState::Read,
        {{"", "Catalyst monitor bank 1", "TID 81", "320", "-", "256", "raw",
          MonitorTestState::Fail},
         {"2", "EGR monitor bank 1", "-", "-", "-", "-", "", MonitorTestState::NotRead}}};
    QStringList lines = linesOf(documentOf(shown, choices));
    const qsizetype start = lines.indexOf("<MONITOR_TESTS>");
    ASSERT_GT(start, lines.indexOf("</OXYGEN_SENSOR>"));
    EXPECT_EQ(
        lines.mid(start + 9, 10),
        QStringList({"\t  <MONITOR_TEST>", "\t    <MT_MONITOR>Catalyst monitor bank 1</MT_MONITOR>",
                     "\t    <MT_TEST>TID 81</MT_TEST>", "\t    <MT_VAL>320</MT_VAL>",
                     "\t    <MT_MIN>-</MT_MIN>", "\t    <MT_MAX>256</MT_MAX>",
                     "\t    <MT_UNI>raw</MT_UNI>", "\t    <MT_RESULT>Fail</MT_RESULT>",
                     "\t    <MT_STATE>fail</MT_STATE>", "\t  </MONITOR_TEST>"}));
    EXPECT_TRUE(lines.contains("\t    <MT_MONITOR>EGR monitor bank 1 (2)</MT_MONITOR>"));
    EXPECT_TRUE(lines.contains("\t    <MT_STATE>not-read</MT_STATE>"));
    EXPECT_TRUE(lines.filter("MT_NOT_READ").isEmpty());

    for (const auto& [rows, mark] :
         {std::pair{qsizetype(0), "Monitor test results could not be read"},
          std::pair{qsizetype(2), "Not every monitor test result could be read"}}) {
        shown.monitorTests.state = ReadState::CouldNotBeRead;
        shown.monitorTests.rows.resize(rows);
        lines = linesOf(documentOf(shown, choices));
        EXPECT_TRUE(lines.contains(QStringLiteral("\t  <MT_NOT_READ>%1</MT_NOT_READ>").arg(mark)));
        EXPECT_EQ(lines.count("\t  <MONITOR_TEST>"), rows);
    }
    ReportChoices without = choices;
    without.monitorTests = false;
    EXPECT_EQ(linesOf(documentOf(shown, without)).filter("MONITOR_TESTS").size(), 0);
}

// Every supported monitor follows the seven in elements of its own, with the ignition type, and
// this drive cycle's state only where the vehicle answered PID 41.
TEST(ReportDocument, SupportedMonitorsFollowTheSevenWithTheIgnition) {
    const QStringList egr{"      <MONITOR>",
                          "        <MONITOR_NAME>EGR and/or VVT system:</MONITOR_NAME>",
                          "        <MONITOR_C>No</MONITOR_C>"};
    const struct {
        const char* answer41; // empty: not read
        QStringList egrTail;
        qsizetype titles;
    } cases[] = {
        {"", {"      </MONITOR>", "</SYSTEM_STATUS>"}, 0},
        {"41410007E5A0",
         {"        <MONITOR_D>No</MONITOR_D>", "      </MONITOR>", "</SYSTEM_STATUS>"},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer41);
        MonitorStatus status = parseMonitorStatus(QStringLiteral("41018307E580"));
        if (const auto cycle = parseDriveCycleStatus(QLatin1String(c.answer41))) {
            status.driveCycleAnswered = true;
            status.driveCycle = *cycle;
        }
        ShownResults shown = sampleShownResults();
        shown.monitorStatus = shownMonitorStatus(status);
        ReportChoices choices = nothingChosen();
        choices.systemStatus = true;
        const QStringList lines = linesOf(documentOf(shown, choices));
        const qsizetype ignition = lines.indexOf("      <IGNITION>Spark ignition</IGNITION>");
        ASSERT_GT(ignition, 0);
        EXPECT_EQ(lines[ignition - 2], "      <TEST_4_N_C>Yes</TEST_4_N_C>");
        EXPECT_EQ(lines.count("      <MONITOR>"), 8);
        EXPECT_EQ(lines.filter("TITLE_THIS_DRIVE_CYCLE").size(), c.titles);
        const qsizetype end = lines.indexOf("</SYSTEM_STATUS>");
        EXPECT_EQ(lines.mid(end - egr.size() - c.egrTail.size() + 1),
                  egr + c.egrTail + QStringList{"</doc>"});
    }
}

TEST(ReportDocument, CaptionsComeThroughTheTranslation) {
    const QHash<QString, QString> german{
        {"Phone", "Telefon"},           {"Vehicle", "Fahrzeug"},
        {"Supported", "Unterstützt"},   {"Completed", "Abgeschlossen"},
        {"O2 Sensors", "Lambdasonden"}, {"Misfire:", "Zündaussetzer:"}};
    const ReportCaptions captions =
        reportCaptions([&german](const QString& text) { return german.value(text, text); });
    const QStringList lines = linesOf(documentOf(sampleShownResults(), sampleChoices(), captions));
    for (const char* line : {"      <USER_PHONE_LAB>Telefon:</USER_PHONE_LAB>",
                             "      <TITLE_VEHICLE_INFO>Fahrzeug</TITLE_VEHICLE_INFO>",
                             "      <TITLE_S_C>Unterstützt/Abgeschlossen</TITLE_S_C>",
                             "      <TEST_1_C>Zündaussetzer:</TEST_1_C>",
                             "      <TITLE_OXYGEN_SENSOR>Lambdasonden  (Bank 1 - Sensor "
                             "1)</TITLE_OXYGEN_SENSOR>"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
}

// What a user may type into an address field, and what a translation into another script holds.
const QString kHostile = QString::fromUtf8("Müller & Söhne <GmbH> \"quoted\" 'single' Жук 😀");

TEST(ReportDocument, HostileTextParsesBackUnchanged) {
    ShownResults shown = sampleShownResults();
    shown.userAddress[0] = kHostile;
    shown.storedCodes.rows[0].description = QStringLiteral("</DTC_DESCRIPTION><x>&amp;");
    ReportChoices choices = sampleChoices();
    choices.customerAddress[0] = QStringLiteral("tab\there\r\nnew line");
    choices.make = QString(QChar(0xD800)); // half a surrogate pair, as broken clipboard text has
    const QByteArray document = documentOf(shown, choices);

    // Only ISO-8859-1 bytes, the rest as character references.
    EXPECT_TRUE(document.contains("M\xFCller &amp; S\xF6hne &lt;GmbH&gt;"));
    EXPECT_TRUE(document.contains("&#1046;&#1091;&#1082; &#128512;"));

    QString error;
    const QHash<QString, QString> texts = leafTexts(document, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(texts.value("USER_NAME"), kHostile);
    EXPECT_EQ(texts.value("DTC_DESCRIPTION"), "</DTC_DESCRIPTION><x>&amp;");
    // Control characters cannot stand in XML: they become blanks, the words stay.
    EXPECT_EQ(texts.value("ADDRESS1"), "tab here  new line");
    EXPECT_EQ(texts.value("VEHICLE_MAKE"), QString(QChar::ReplacementCharacter));
    // Each leaf is still one line.
    EXPECT_EQ(document.count('\n'),
              linesOf(documentOf(sampleShownResults(), sampleChoices())).size());
}

} // namespace
