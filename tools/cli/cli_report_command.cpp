// quorvane-cli report: the diagnostic report of the connected vehicle, written by the builder and
// stylesheet the window uses, as XML and optionally as HTML and PDF.

#include "core/connection/freeze_frame_reading.h"
#include "core/connection/shown_results.h"
#include "core/j1979/monitor_reading.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/service09.h"
#include "core/l10n/const_str.h"
#include "core/l10n/translator.h"
#include "core/link/serial_port_error.h"
#include "core/report/report_document.h"
#include "core/report/report_files.h"
#include "core/report/report_transform.h"
#include "core/settings/file_io.h"
#include "core/settings/settings_names.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_report_pdf.h"
#include "tools/cli/cli_session.h"
#include "tools/cli/cli_values.h"

namespace {

// The options page's address fields as the program stored them; the tool only reads them.
std::array<QString, 8> storedAddress(SettingsStore& store) {
    std::array<QString, 8> address;
    if (!store.keyExists() || !store.open(false))
        return address;
    for (std::size_t i = 0; i < address.size(); ++i)
        address[i] = store.readText(setting_names::Address[i]).value_or(QString());
    store.close();
    return address;
}

// What the pages show once the connection sequence has filled them and "OK" has been pressed for
// the first oxygen sensor, and the monitor tests. A connection that is lost (lostConnection holds
// why, before or during the oxygen-sensor or monitor tests) leaves every section it did not come
// to as not read.
ShownResults shownResults(CliSession& session, const QString& maker, QString& lostConnection) {
    ProgramContext& context = session.context();
    const CliConnectionView& view = session.view();
    const FaultCodeTable& table = context.faultCodeTable;
    ShownResults shown;
    shown.userAddress = storedAddress(context.settings);
    // Lost before its first request, the status was never asked: as unanswered as a silent one.
    shown.monitorStatus = shownMonitorStatus(context.service01 ? context.service01->monitorStatus()
                                                               : MonitorStatus{});
    // The lamp's caption as the window's translation gives it to the lamp ("On" is "An").
    if (shown.monitorStatus.state == ReadState::Read)
        shown.monitorStatus.milStatus = appTranslator().translate(shown.monitorStatus.milStatus);
    shown.storedCodes = shownCodeGrid(view.storedCodes, table, maker, const_str::NoStoredCodes,
                                      const_str::TroubleCodesNotRead, context.unitNames);
    shown.pendingCodes = shownCodeGrid(view.pendingCodes, table, maker, const_str::NoStoredCodes,
                                       const_str::TroubleCodesNotRead, context.unitNames);
    shown.permanentCodes = shownPermanentCodes(view.permanentCodes.value_or(PermanentCodes{}),
                                               table, maker, context.unitNames);
    // A frame the sequence never came to read stays as the page starts, unless the connection
    // went first.
    if (view.freezeFrame)
        shown.freezeFrame = shownFreezeFrame(*view.freezeFrame, table, maker);
    else if (!lostConnection.isEmpty())
        shown.freezeFrame = shownFreezeFrame(FreezeFrameReading{}, table, maker);
    shown.o2Tests = shownO2Tests(QString());
    if (view.o2Locations && !view.o2Locations->isEmpty()) {
        const O2SensorLocation& first = view.o2Locations->first();
        shown.o2Tests.location = first.text;
        try {
            if (lostConnection.isEmpty()) {
                const auto results = context.service05->readO2SensorTests(context.link, first.mask);
                shown.o2Tests = shownO2Tests(first.text, &results);
            }
        } catch (const SerialPortError& e) {
            lostConnection = e.message();
        }
    }
    // Tests never asked for, because the sensors were not found or the connection had gone.
    if (shown.o2Tests.state == ReadState::NotYetRead &&
        (!view.o2Locations || !lostConnection.isEmpty()))
        shown.o2Tests.state = ReadState::CouldNotBeRead;
    // Read after every other section, the window's sequence knowing nothing of them; a vehicle
    // without service 06, or a connection gone, leaves them marked as not read.
    if (lostConnection.isEmpty()) {
        try {
            shown.monitorTests = shownMonitorTests(readMonitorTests(context.link));
        } catch (const SerialPortError& e) {
            lostConnection = e.message();
        }
    }
    if (shown.monitorTests.state == ReadState::NotYetRead)
        shown.monitorTests.state = ReadState::CouldNotBeRead;
    // Taken from the service itself: a connection lost after the VIN came keeps it.
    if (context.service09 && context.service09->vinState() == Service09::ItemState::Read)
        shown.vin = context.service09->vin();
    return shown;
}

// Each section that could not be read, named on standard error; the document marks them as well.
void listNotRead(const ShownResults& shown, const CliOptions& options, CliIo& io,
                 UnreadValues& unread) {
    const std::pair<ReadState, const char*> sections[] = {
        {shown.monitorStatus.state, "monitor status"},
        {shown.storedCodes.state, "stored codes"},
        {shown.pendingCodes.state, "pending codes"},
        {shown.permanentCodes.state, "permanent codes"},
        {shown.freezeFrame.state, "freeze frame"},
        {shown.o2Tests.state, "oxygen-sensor tests"},
        {shown.monitorTests.state, "monitor tests"},
    };
    for (const auto& [state, name] : sections)
        if (state == ReadState::CouldNotBeRead)
            unread.add(io, QLatin1String(name));
    // A VIN typed on the command line needs none from the vehicle.
    if (options.vin.isEmpty() && shown.vin.isEmpty())
        unread.add(io, QStringLiteral("VIN"));
}

ReportChoices choicesOf(const ShownResults& shown, const CliOptions& options) {
    ReportChoices choices; // every section, as the dialog starts
    for (qsizetype i = 0; i < options.customer.size(); ++i)
        choices.customerAddress[std::size_t(i)] = options.customer.at(i);
    choices.make = options.make;
    choices.model = options.model;
    choices.year = options.year;
    // Nobody types the VIN here: the vehicle's own serves unless one is given.
    if (!options.vin.isEmpty())
        choices.vin = options.vin;
    else
        choices.vin = shown.vin.isEmpty() ? const_str::NotAvailable : shown.vin;
    return choices;
}

} // namespace

namespace cli_report {

void validate(const CliOptions& options) {
    if (options.reportOut.isEmpty())
        throw CliUsageError(QStringLiteral("report needs --out FILE.xml"));
    if (options.customer.size() > 4)
        throw CliUsageError(QStringLiteral("at most four --customer lines"));
}

int report(CliSession& session, const CliOptions& options, CliIo& io, QString lostConnection) {
    if (!session.loadFaultCodes())
        for (const QString& message : session.notifier().messages)
            io.error(message);
    const ShownResults shown = shownResults(session, chosenMaker(session, options), lostConnection);
    if (!lostConnection.isEmpty())
        io.error(QStringLiteral("quorvane-cli: ") + lostConnection);
    UnreadValues unread;
    listNotRead(shown, options, io, unread);
    const Translator& translator = appTranslator();
    const ReportInput input{
        shown, choicesOf(shown, options),
        reportCaptions([&translator](const QString& text) { return translator.translate(text); }),
        reportDateTimeText()};
    try {
        switch (writeReportFile(options.reportOut, encodeReport(buildReport(input)))) {
        case StylesheetPlacement::Placed:
            break;
        case StylesheetPlacement::NotPlaced:
            io.error(QStringLiteral("quorvane-cli: the stylesheet could not be put beside the "
                                    "report (%1)")
                         .arg(stylesheetSourcePath()));
            break;
        case StylesheetPlacement::NotRegularFile:
            io.error(QStringLiteral("quorvane-cli: %1 beside the report is not a regular file; "
                                    "it was left alone")
                         .arg(QLatin1String(kReportStylesheet)));
            break;
        case StylesheetPlacement::UsersKept:
            io.error(QStringLiteral("quorvane-cli: %1 beside the report is not the program's; "
                                    "it was kept")
                         .arg(QLatin1String(kReportStylesheet)));
            break;
        }
        io.line(shownPath(options.reportOut));
        io.doc[QStringLiteral("report")] = options.reportOut;
        if (options.reportHtml.isEmpty() && options.reportPdf.isEmpty())
            return unread.finish(io.doc);
        const ReportHtml html = transformReportFile(options.reportOut);
        if (!html.ok) {
            io.error(QStringLiteral("quorvane-cli: ") + html.error);
            return cli_exit::WriteFailed;
        }
        if (!options.reportHtml.isEmpty()) {
            writeFileAtomically(options.reportHtml, html.html.toUtf8());
            io.line(shownPath(options.reportHtml));
            io.doc[QStringLiteral("html")] = options.reportHtml;
        }
        if (!options.reportPdf.isEmpty()) {
            writeReportPdf(html.html, options.reportPdf);
            io.line(shownPath(options.reportPdf));
            io.doc[QStringLiteral("pdf")] = options.reportPdf;
        }
    } catch (const ReportError& e) {
        io.error(QStringLiteral("quorvane-cli: ") + e.message());
        return cli_exit::WriteFailed;
    }
    return unread.finish(io.doc);
}

} // namespace cli_report
