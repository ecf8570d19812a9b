#pragma once

// A diagnosis as the pages could show it, and the captions of an English run, for the report
// tests.

#include "core/connection/shown_results.h"
#include "core/j1979/o2_sensor_tests.h"
#include "core/report/report_document.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

inline ReportCaptions englishCaptions() {
    return reportCaptions([](const QString& text) { return text; });
}

inline ShownResults sampleShownResults() {
    ShownResults shown;
    shown.userAddress = {
        "Garage Miller", "Main Street 1", "12345 Springfield",   "",
        "0123 456",      "0123 457",      "info@garage.example", "www.garage.example"};
    shown.monitorStatus.state = ReadState::Read;
    shown.monitorStatus.milStatus = "On";
    shown.monitorStatus.supported = {"Yes", "Yes", "Yes", "Yes", "Yes", "No", "Yes"};
    shown.monitorStatus.completed = {"Yes", "No", "Yes", "No", "Yes", "No", "No"};
    shown.storedCodes.state = ReadState::Read;
    shown.storedCodes.rows = {{"P0133", "O2 Sensor Circuit Slow Response (Bank 1 Sensor 1)"},
                              {"P0171", "System Too Lean (Bank 1)"},
                              {"P0300", "Random/Multiple Cylinder Misfire Detected"}};
    shown.freezeFrame.state = ReadState::Read;
    shown.freezeFrame.code.rows = {{"P0133", "O2 Sensor Circuit Slow Response (Bank 1 Sensor 1)"}};
    shown.freezeFrame.rows = {{"0C", "Engine RPM", "1726", "rpm"},
                              {"05", "Engine Coolant Temperature", "83", "°C"},
                              {"11", "Absolute Throttle Position", "12.5", "%"}};
    std::array<O2TestResult, 10> results{};
    results[0] = {"1", "0.450", "0.400", "0.500"};
    shown.o2Tests = shownO2Tests("Bank 1 - Sensor 1", &results);
    return shown;
}

inline ReportChoices sampleChoices() {
    ReportChoices choices;
    choices.customerAddress = {"Jane Doe", "Elm Road 5", "54321 Shelbyville", ""};
    choices.make = "Chevrolet";
    choices.model = "Cavalier";
    choices.year = "1994";
    choices.vin = "1G1JC5444R7252367";
    return choices;
}

inline ReportChoices nothingChosen() {
    ReportChoices choices;
    choices.vehicle = choices.customer = choices.systemStatus = choices.storedCodes =
        choices.pendingCodes = choices.permanentCodes = choices.freezeFrame = choices.o2Sensors =
            choices.monitorTests = false;
    return choices;
}

inline QByteArray documentOf(const ShownResults& shown, const ReportChoices& choices,
                             const ReportCaptions& captions = englishCaptions()) {
    return encodeReport(buildReport({shown, choices, captions, "12/09/26 07:00:00"}));
}

// The text of every leaf element, by name (the first of each name), as an XML reader sees the
// document; the reader's complaint in error when it is not well-formed.
inline QHash<QString, QString> leafTexts(const QByteArray& document, QString* error) {
    QXmlStreamReader reader(document);
    QHash<QString, QString> texts;
    QString name;
    QString text;
    bool leaf = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            name = reader.name().toString();
            text.clear();
            leaf = true;
            break;
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            if (leaf && !texts.contains(name))
                texts.insert(name, text);
            leaf = false;
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return texts;
}
