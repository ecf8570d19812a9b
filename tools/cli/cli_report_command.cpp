// quorvane-cli report: the diagnostic report of the connected vehicle, written by the builder and
// stylesheet the window uses, as XML and optionally as HTML and PDF.

#include "core/connection/shown_results.h"
#include "core/l10n/const_str.h"
#include "core/l10n/translator.h"
#include "core/report/report_document.h"
#include "core/report/report_files.h"
#include "core/report/report_transform.h"
#include "core/settings/settings_names.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_report_pdf.h"
#include "tools/cli/cli_session.h"

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
// the first oxygen sensor.
ShownResults shownResults(CliSession& session, const QString& maker) {
    ProgramContext& context = session.context();
    const CliConnectionView& view = session.view();
    const FaultCodeTable& table = context.faultCodeTable;
    ShownResults shown;
    shown.userAddress = storedAddress(context.settings);
    shown.monitorStatus = shownMonitorStatus(context.service01->monitorStatus());
    shown.storedCodes = shownCodeGrid(view.storedCodes, table, maker, const_str::NoStoredCodes,
                                      const_str::TroubleCodesNotRead);
    shown.pendingCodes = shownCodeGrid(view.pendingCodes, table, maker, const_str::NoStoredCodes,
                                       const_str::TroubleCodesNotRead);
    // A frame the sequence never came to read stays as the page starts.
    if (view.freezeFrame)
        shown.freezeFrame = shownFreezeFrame(*view.freezeFrame, table, maker);
    if (!view.o2Locations || view.o2Locations->isEmpty()) {
        shown.o2Tests = shownO2Tests(QString());
    } else {
        const O2SensorLocation& first = view.o2Locations->first();
        const auto results = context.service05->readO2SensorTests(context.link, first.mask);
        shown.o2Tests = shownO2Tests(first.text, &results);
    }
    return shown;
}

// A section that could not be read is written as such, and the tool says so by its exit code.
bool somethingNotRead(const ShownResults& shown) {
    for (const ReadState state : {shown.monitorStatus.state, shown.storedCodes.state,
                                  shown.pendingCodes.state, shown.freezeFrame.state})
        if (state == ReadState::CouldNotBeRead)
            return true;
    return false;
}

ReportChoices choicesOf(CliSession& session, const CliOptions& options) {
    ReportChoices choices; // every section, as the dialog starts
    for (qsizetype i = 0; i < options.customer.size(); ++i)
        choices.customerAddress[std::size_t(i)] = options.customer.at(i);
    choices.make = options.make;
    choices.model = options.model;
    choices.year = options.year;
    // Nobody types the VIN here: the vehicle's own serves unless one is given.
    choices.vin = options.vin.isEmpty() ? session.context().service09->vin() : options.vin;
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

int report(CliSession& session, const CliOptions& options, CliIo& io) {
    if (!session.loadFaultCodes())
        for (const QString& message : session.notifier().messages)
            io.error(message);
    const ShownResults shown = shownResults(session, chosenMaker(session, options));
    const Translator& translator = appTranslator();
    const ReportInput input{
        shown, choicesOf(session, options),
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
        }
        io.line(options.reportOut);
        io.doc[QStringLiteral("report")] = options.reportOut;
        if (options.reportHtml.isEmpty() && options.reportPdf.isEmpty())
            return somethingNotRead(shown) ? cli_exit::NoAnswer : cli_exit::Success;
        const ReportHtml html = transformReportFile(options.reportOut);
        if (!html.ok) {
            io.error(QStringLiteral("quorvane-cli: ") + html.error);
            return cli_exit::WriteFailed;
        }
        if (!options.reportHtml.isEmpty()) {
            writeFileAtomically(options.reportHtml, html.html.toUtf8());
            io.line(options.reportHtml);
            io.doc[QStringLiteral("html")] = options.reportHtml;
        }
        if (!options.reportPdf.isEmpty()) {
            writeReportPdf(html.html, options.reportPdf);
            io.line(options.reportPdf);
            io.doc[QStringLiteral("pdf")] = options.reportPdf;
        }
    } catch (const ReportError& e) {
        io.error(QStringLiteral("quorvane-cli: ") + e.message());
        return cli_exit::WriteFailed;
    }
    return somethingNotRead(shown) ? cli_exit::NoAnswer : cli_exit::Success;
}

} // namespace cli_report
