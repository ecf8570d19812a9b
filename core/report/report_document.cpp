#include "core/report/report_document.h"

#include "core/connection/shown_results.h"
#include "core/l10n/const_str.h"

#include <QDateTime>
#include <QLocale>

namespace {

// Calls f with every code point of the text; a broken UTF-16 pair gives the replacement character.
template <typename F>
void forEachCodePoint(const QString& text, F&& f) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            f(char32_t(QChar::ReplacementCharacter));
        } else {
            f(char32_t(c.unicode()));
        }
    }
}

const QString kLeafIndent = QStringLiteral("      ");
// The freeze-frame and oxygen-sensor leaves are indented by a tab and two blanks.
const QString kListIndent = QStringLiteral("\t  ");

class Lines {
public:
    void tag(const char* name) {
        m_lines << QLatin1Char('<') + QLatin1String(name) + QLatin1Char('>');
    }
    void endTag(const char* name) {
        m_lines << QStringLiteral("</") + QLatin1String(name) + QLatin1Char('>');
    }
    void leaf(const QString& indent, const QString& name, const QString& text) {
        m_lines << indent + QLatin1Char('<') + name + QLatin1Char('>') + escapeReportText(text) +
                       QStringLiteral("</") + name + QLatin1Char('>');
    }
    void leaf(const char* name, const QString& text) {
        leaf(kLeafIndent, QLatin1String(name), text);
    }
    void listLeaf(const QString& name, const QString& text) { leaf(kListIndent, name, text); }
    void raw(const QString& line) { m_lines << line; }
    QStringList take() { return std::move(m_lines); }

private:
    QStringList m_lines;
};

QString withColon(const QString& text) {
    return text + QLatin1Char(':');
}

void userInfo(Lines& out, const ReportInput& in) {
    const std::array<QString, 8>& address = in.shown.userAddress;
    const ReportCaptions& c = in.captions;
    out.tag("USER_INFO");
    out.leaf("USER_NAME", address[0]);
    out.leaf("USER_ADDRESS1", address[1]);
    out.leaf("USER_ADDRESS2", address[2]);
    out.leaf("USER_ADDRESS3", address[3]);
    out.leaf("USER_PHONE_LAB", withColon(c.phone));
    out.leaf("USER_PHONE", address[4]);
    out.leaf("USER_FAX_LAB", withColon(c.fax));
    out.leaf("USER_FAX", address[5]);
    out.leaf("USER_EMAIL_LAB", withColon(c.email));
    out.leaf("USER_EMAIL", address[6]);
    out.leaf("USER_INTERNET_LAB", withColon(c.internet));
    out.leaf("USER_INTERNET", address[7]);
    out.leaf("DATE_TIME_LAB", withColon(c.dateTime));
    out.leaf("DATE_TIME", in.dateTime);
    out.endTag("USER_INFO");
}

void vehicleAndCustomer(Lines& out, const ReportInput& in) {
    const ReportChoices& ch = in.choices;
    const ReportCaptions& c = in.captions;
    if (!ch.vehicle && !ch.customer)
        return;
    out.tag("VEHICLE_CUSTOMER_INFO");
    if (ch.vehicle) {
        out.leaf("TITLE_VEHICLE_INFO", c.vehicle);
        out.leaf("VEHICLE_MAKE_LAB", withColon(c.make));
        out.leaf("VEHICLE_MAKE", ch.make);
        out.leaf("VEHICLE_MODEL_LAB", withColon(c.model));
        out.leaf("VEHICLE_MODEL", ch.model);
        out.leaf("VEHICLE_YEAR_LAB", withColon(c.year));
        out.leaf("VEHICLE_YEAR", ch.year);
        out.leaf("VEHICLE_VIN_LAB", withColon(c.vin));
        out.leaf("VEHICLE_VIN", ch.vin);
    }
    if (ch.customer) {
        out.leaf("TITLE_CUSTOMER_ADDRESS", c.customer);
        for (int i = 0; i < 4; ++i)
            out.leaf(kLeafIndent, QStringLiteral("ADDRESS%1").arg(i + 1),
                     ch.customerAddress[std::size_t(i)]);
    }
    out.endTag("VEHICLE_CUSTOMER_INFO");
}

void systemStatus(Lines& out, const ReportInput& in) {
    const ShownMonitorStatus& status = in.shown.monitorStatus;
    const ReportCaptions& c = in.captions;
    // Element names of the seven monitors: the continuous ones first, then the others.
    static const char* const names[ShownMonitorCount] = {
        "TEST_1_C", "TEST_2_C", "TEST_3_C", "TEST_1_N", "TEST_2_N", "TEST_3_N", "TEST_4_N"};
    out.tag("SYSTEM_STATUS");
    out.leaf("TITLE_S_C", c.supported + QLatin1Char('/') + c.completed);
    out.leaf("MIL_STATE", status.milStatus);
    out.leaf("TITLE_READINESS_1", c.continuousTests);
    out.leaf("TITLE_READINESS_2", c.nonContinuousTests);
    for (int i = 0; i < ShownMonitorCount; ++i)
        out.leaf(names[i], c.monitorNames[std::size_t(i)]);
    for (int i = 0; i < ShownMonitorCount; ++i)
        out.leaf(kLeafIndent, QLatin1String(names[i]) + QStringLiteral("_S"),
                 status.supported[std::size_t(i)]);
    for (int i = 0; i < ShownMonitorCount; ++i)
        out.leaf(kLeafIndent, QLatin1String(names[i]) + QStringLiteral("_C"),
                 status.completed[std::size_t(i)]);
    // Every monitor the vehicle supports, after the seven, so that stylesheets that know only
    // those skip them; the drive cycle's column only where the vehicle answered it.
    if (!status.monitors.isEmpty()) {
        out.leaf("IGNITION_LAB", const_str::IgnitionCaption);
        out.leaf("IGNITION", status.ignition);
        const bool cycle = !status.monitors.first().thisDriveCycle.isEmpty();
        if (cycle)
            out.leaf("TITLE_THIS_DRIVE_CYCLE", const_str::ThisDriveCycle);
        for (const ShownMonitorRow& row : status.monitors) {
            out.raw(kLeafIndent + QStringLiteral("<MONITOR>"));
            const QString indent = kLeafIndent + QStringLiteral("  ");
            out.leaf(indent, QStringLiteral("MONITOR_NAME"), row.name);
            out.leaf(indent, QStringLiteral("MONITOR_C"), row.completed);
            if (cycle)
                out.leaf(indent, QStringLiteral("MONITOR_D"), row.thisDriveCycle);
            out.raw(kLeafIndent + QStringLiteral("</MONITOR>"));
        }
    }
    out.endTag("SYSTEM_STATUS");
}

// The section holds only its title; the results follow it as siblings.
void codeList(Lines& out, const char* section, const char* titleName, const QString& title,
              const char* resultSection, const ShownCodeGrid& grid) {
    out.tag(section);
    out.leaf(titleName, title);
    out.endTag(section);
    for (const ShownCodeRow& row : grid.rows) {
        out.tag(resultSection);
        out.leaf("DTC_NUMBER", row.code);
        out.leaf("DTC_DESCRIPTION", row.description);
        if (!row.unit.isEmpty())
            out.leaf("DTC_UNIT", row.unit);
        out.endTag(resultSection);
    }
}

// The parameters the report carries, by PID, with the element name of their pair.
const char* freezeFrameElement(int pid) {
    switch (pid) {
    case 0x03:
        return "FF_FUEL_SYSTEM";
    case 0x04:
        return "FF_CALCULATED_LOAD";
    case 0x05:
        return "FF_COOLANT_TEMPERATURE";
    case 0x06:
        return "FF_SHORT_TERM_FUEL_TRIM_B1";
    case 0x07:
        return "FF_LONG_TERM_FUEL_TRIM_B1";
    case 0x08:
        return "FF_SHORT_TERM_FUEL_TRIM_B2";
    case 0x09:
        return "FF_LONG_TERM_FUEL_TRIM_B2";
    case 0x0A:
        return "FF_FUEL_PRESSURE";
    case 0x0B:
        return "FF_INTAKE_MANIFOLD_PRESSURE";
    case 0x0C:
        return "FF_ENGINE_RPM";
    case 0x0D:
        return "FF_VEHICLE_SPEED";
    default:
        return nullptr;
    }
}

void freezeFrame(Lines& out, const ReportInput& in) {
    const ShownFreezeFrame& frame = in.shown.freezeFrame;
    out.tag("FREEZE_FRAME");
    out.leaf("TITLE_FREEZE_FRAME", in.captions.freezeFrames);
    out.listLeaf(QStringLiteral("FF_DTC_LAB"), in.captions.freezeFrameCode);
    // A frame that could not be read says so where its code would stand, as the page does.
    const ShownCodeRow first = frame.code.rows.value(0);
    out.listLeaf(QStringLiteral("FF_DTC"),
                 frame.state == ReadState::CouldNotBeRead ? first.description : first.code);
    for (const ShownFreezeFrameRow& row : frame.rows) {
        // A cell that is no PID number is no row of the vehicle's.
        bool isNumber = false;
        const int pid = row.pid.trimmed().toInt(&isNumber, 16);
        if (!isNumber || pid < 1)
            continue;
        const char* element = freezeFrameElement(pid);
        if (element == nullptr) {
            // Every other row the page shows, in a form of its own that older stylesheets skip.
            out.raw(kListIndent + QStringLiteral("<FF_VALUE>"));
            out.leaf(kListIndent + QStringLiteral("  "), QStringLiteral("PID"), row.pid);
            out.leaf(kListIndent + QStringLiteral("  "), QStringLiteral("NAME"), row.name);
            out.leaf(kListIndent + QStringLiteral("  "), QStringLiteral("VALUE"), row.value);
            out.leaf(kListIndent + QStringLiteral("  "), QStringLiteral("UNIT"), row.unit);
            out.raw(kListIndent + QStringLiteral("</FF_VALUE>"));
            continue;
        }
        const QString name = QLatin1String(element);
        out.listLeaf(name + QStringLiteral("_LAB"), row.name);
        out.listLeaf(name, pid == 0x03 ? row.value : row.value + QLatin1Char(' ') + row.unit);
    }
    out.endTag("FREEZE_FRAME");
}

void oxygenSensors(Lines& out, const ReportInput& in) {
    const ShownO2Tests& tests = in.shown.o2Tests;
    static const char* const suffixes[5] = {"_LAB", "_VAL", "_MIN", "_MAX", "_UNI"};
    out.tag("OXYGEN_SENSOR");
    out.leaf("TITLE_OXYGEN_SENSOR",
             in.captions.o2Sensors + QStringLiteral("  (") + tests.location + QLatin1Char(')'));
    // Added beside the grid, whose empty cells older stylesheets go on showing as before.
    if (tests.state == ReadState::CouldNotBeRead)
        out.listLeaf(QStringLiteral("O2_NOT_READ"), const_str::O2TestsNotRead);
    // Grid columns 2 to 6: name, value, minimum, maximum, unit.
    for (int column = 2; column <= 6; ++column)
        out.listLeaf(QStringLiteral("TITLE") + QLatin1String(suffixes[column - 2]),
                     tests.heading.value(column));
    for (int n = 0; n < 10; ++n) {
        const QStringList row = tests.rows.value(n);
        for (int column = 2; column <= 6; ++column)
            out.listLeaf(QStringLiteral("TEST%1").arg(n) + QLatin1String(suffixes[column - 2]),
                         row.value(column));
    }
    out.endTag("OXYGEN_SENSOR");
}

const char* stateCode(MonitorTestState state) {
    switch (state) {
    case MonitorTestState::Pass:
        return "pass";
    case MonitorTestState::Fail:
        return "fail";
    case MonitorTestState::LimitsInverted:
        return "limits-inverted";
    case MonitorTestState::NotRead:
        break;
    }
    return "not-read";
}

// A section of its own after the others, so that stylesheets that do not know it skip it. Each
// row carries its verdict twice: as the translated text shown, and as a fixed code (MT_STATE) a
// stylesheet can mark rows by in every language.
void monitorTests(Lines& out, const ReportInput& in) {
    const ShownMonitorTests& tests = in.shown.monitorTests;
    const ReportCaptions& c = in.captions;
    static const char* const columns[7] = {"_MONITOR", "_TEST", "_VAL",   "_MIN",
                                           "_MAX",     "_UNI",  "_RESULT"};
    out.tag("MONITOR_TESTS");
    out.leaf("TITLE_MONITOR_TESTS", c.monitorTests);
    if (tests.state == ReadState::CouldNotBeRead)
        out.listLeaf(QStringLiteral("MT_NOT_READ"), tests.rows.isEmpty()
                                                        ? const_str::MonitorResultsNotRead
                                                        : const_str::MonitorResultsIncomplete);
    for (std::size_t i = 0; i < 7; ++i)
        out.listLeaf(QStringLiteral("MT_TITLE") + QLatin1String(columns[i]),
                     c.monitorTestColumns[i]);
    const auto resultText = [&c](MonitorTestState state) {
        switch (state) {
        case MonitorTestState::Pass:
            return c.monitorTestResults[0];
        case MonitorTestState::Fail:
            return c.monitorTestResults[1];
        case MonitorTestState::LimitsInverted:
            return c.monitorTestResults[3];
        case MonitorTestState::NotRead:
            break;
        }
        return c.monitorTestResults[2];
    };
    for (const ShownMonitorTestRow& row : tests.rows) {
        out.raw(kListIndent + QStringLiteral("<MONITOR_TEST>"));
        const QString monitor = row.unitKey.isEmpty()
                                    ? row.monitor
                                    : row.monitor + QStringLiteral(" (") + row.unitKey + u')';
        const QString cells[7] = {monitor,
                                  row.test,
                                  row.value,
                                  row.minimum,
                                  row.maximum,
                                  row.unit,
                                  resultText(row.state)};
        for (std::size_t i = 0; i < 7; ++i)
            out.leaf(kListIndent + QStringLiteral("  "),
                     QStringLiteral("MT") + QLatin1String(columns[i]), cells[i]);
        out.leaf(kListIndent + QStringLiteral("  "), QStringLiteral("MT_STATE"),
                 QLatin1String(stateCode(row.state)));
        out.raw(kListIndent + QStringLiteral("</MONITOR_TEST>"));
    }
    out.endTag("MONITOR_TESTS");
}

} // namespace

ReportCaptions reportCaptions(const std::function<QString(const QString&)>& translate) {
    auto tr = [&translate](const char* english) { return translate(QLatin1String(english)); };
    ReportCaptions c;
    c.title = tr("OBD-II Diagnostic Report");
    c.vehicle = tr("Vehicle");
    c.customer = tr("Customer");
    c.phone = tr("Phone");
    c.fax = tr("Fax");
    c.email = tr("Email");
    c.internet = tr("Internet");
    c.dateTime = const_str::ReportDateTime;
    c.make = const_str::ReportMake;
    c.model = const_str::ReportModel;
    c.year = const_str::ReportYear;
    c.vin = const_str::ReportVin;
    c.supported = tr("Supported");
    c.completed = tr("Completed");
    c.continuousTests = tr("Continuous Monitoring tests");
    c.nonContinuousTests = tr("non-Continuous Monitoring tests");
    c.monitorNames = {tr("Misfire:"),
                      tr("Fuel system:"),
                      tr("Components:"),
                      tr("Catalyst:"),
                      tr("Evaporative system:"),
                      tr("Oxygen sensor:"),
                      tr("Oxygen sensor heater:")};
    c.storedCodes = tr("Stored Emission-Related Diagnostic Trouble Codes (DTC)");
    c.pendingCodes = tr("Pending Emission-Related Diagnostic Trouble Codes (DTC)");
    c.permanentCodes = tr("Permanent Diagnostic Trouble Codes (DTC)");
    c.freezeFrames = tr("Freeze Frames");
    c.freezeFrameCode = tr("Diagnostic Trouble Code (DTC)");
    c.o2Sensors = tr("O2 Sensors");
    c.monitorTests = tr("Monitor Test Results");
    c.monitorTestColumns = {tr("Monitor"), tr("Test"), tr("Value"), tr("Min"),
                            tr("Max"),     tr("Unit"), tr("Result")};
    c.monitorTestResults = {tr("Pass"), tr("Fail"), tr("Not read"), tr("Limits inverted")};
    return c;
}

QString reportDateTimeText() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::LongFormat);
}

QStringList buildReport(const ReportInput& in) {
    Lines out;
    out.raw(QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"));
    out.raw(QStringLiteral("<?xml-stylesheet type =\"text/xsl\" href=\"DTCResults.xsl\"?>"));
    out.tag("doc");
    userInfo(out, in);
    out.tag("LAYOUT_REPORT");
    out.leaf("TITLE", in.captions.title);
    out.endTag("LAYOUT_REPORT");
    vehicleAndCustomer(out, in);
    if (in.choices.systemStatus)
        systemStatus(out, in);
    if (in.choices.storedCodes)
        codeList(out, "STORED_DTCS", "TITLE_STORED_DTCS", in.captions.storedCodes,
                 "STORED_DTC_RESULTS", in.shown.storedCodes);
    if (in.choices.pendingCodes)
        codeList(out, "PENDING_DTCS", "TITLE_PENDING_DTCS", in.captions.pendingCodes,
                 "PENDING_DTC_RESULTS", in.shown.pendingCodes);
    if (in.choices.permanentCodes && in.shown.permanentCodes.state != ReadState::NotYetRead)
        codeList(out, "PERMANENT_DTCS", "TITLE_PERMANENT_DTCS", in.captions.permanentCodes,
                 "PERMANENT_DTC_RESULTS", in.shown.permanentCodes);
    if (in.choices.freezeFrame)
        freezeFrame(out, in);
    if (in.choices.o2Sensors)
        oxygenSensors(out, in);
    if (in.choices.monitorTests && in.shown.monitorTests.state != ReadState::NotYetRead)
        monitorTests(out, in);
    out.endTag("doc");
    return out.take();
}

QString escapeReportText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    forEachCodePoint(text, [&escaped](char32_t c) {
        if (c == U'&')
            escaped += QStringLiteral("&amp;");
        else if (c == U'<')
            escaped += QStringLiteral("&lt;");
        else if (c == U'>')
            escaped += QStringLiteral("&gt;");
        else if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
            escaped += QLatin1Char(' ');
        else
            escaped += QString::fromUcs4(&c, 1);
    });
    return escaped;
}

QByteArray encodeReport(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        forEachCodePoint(line, [&bytes](char32_t c) {
            if (c <= 0xFF)
                bytes += char(c);
            else
                bytes += "&#" + QByteArray::number(quint32(c)) + ';';
        });
        bytes += "\r\n";
    }
    return bytes;
}
