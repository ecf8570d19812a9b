// The trouble-code page in the main window: what a connection fills in, reading, clearing behind
// its warning, the manufacturer choice, resizing and printing.

#include "core/l10n/const_str.h"
#include "core/l10n/qt_translations.h"
#include "core/link/comm_log.h"
#include "tests/support/error_boxes.h"
#include "tests/support/fake_dtc_dialogs.h"
#include "tests/support/grid_pixels.h"
#include "tests/support/log_file.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "ui/pages/dtc_page.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

namespace {

// The stored codes of the full vehicle: the engine's three, then the transmission's.
const QStringList kFullVehicleCodes{"P0133", "P0171", "P0300", "P0700"};

const QStringList kDemoStoredCodes{"P0125", "P0736", "P0455", "P1107", "P1299",
                                   "P1198", "B1491", "B1992", "B2427"};

void expectEveryRowMarked(QTableWidget* grid, const QString& mark) {
    for (int row = 0; row < grid->rowCount(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(showsMark(renderedCell(grid, row, 0), QPoint(2, 3), mark));
    }
}

void expectNoCodes(QTableWidget* grid) {
    EXPECT_EQ(columnTexts(grid, 1), QStringList({"P0000"}));
    EXPECT_EQ(columnTexts(grid, 2),
              QStringList({"No emission related trouble codes stored in ECU"}));
    expectEveryRowMarked(grid, QStringLiteral("BMP_OK"));
}

TEST(DtcPage, StartsWithOneEmptyRowPerGridAndNoMark) {
    ProgramRun run;
    run.showPage("btnFehlercodes");
    for (const char* name : {"DTC_Grid", "DTC_Grid_P", "DTC_Grid_Permanent"}) {
        QTableWidget* grid = run.grid(name);
        EXPECT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(columnTexts(grid, 1), QStringList({QString()}));
        const QImage cell = renderedCell(grid, 0, 0);
        EXPECT_FALSE(showsMark(cell, QPoint(2, 3), QStringLiteral("BMP_OK")));
        EXPECT_FALSE(showsMark(cell, QPoint(2, 3), QStringLiteral("BMP_ERROR")));
    }
    auto* makers = run.find<QComboBox>("cbManufacturer");
    EXPECT_EQ(makers->currentText(), "Generic");
    EXPECT_GT(makers->count(), 2);
}

TEST(DtcPage, DemoConnectionListsStoredAndPendingCodesWithFailureMarks) {
    ProgramRun run;
    run.connectDemo();
    run.showPage("btnFehlercodes");
    QTableWidget* stored = run.grid("DTC_Grid");
    EXPECT_EQ(columnTexts(stored, 1), kDemoStoredCodes);
    EXPECT_EQ(stored->item(0, 2)->text(),
              "Insufficient Coolant Temperature for Closed Loop Fuel Control");
    // "Generic" is selected, and the makers' own codes have no generic description.
    EXPECT_EQ(stored->item(3, 2)->text(), QString());
    expectEveryRowMarked(stored, QStringLiteral("BMP_ERROR"));

    QTableWidget* pending = run.grid("DTC_Grid_P");
    EXPECT_EQ(columnTexts(pending, 1), QStringList({"P0125", "P0736", "P0455"}));
    expectEveryRowMarked(pending, QStringLiteral("BMP_ERROR"));

    QTableWidget* permanent = run.grid("DTC_Grid_Permanent");
    EXPECT_EQ(columnTexts(permanent, 1), QStringList({"P0125"}));
    expectEveryRowMarked(permanent, QStringLiteral("BMP_ERROR"));
    // Every code is the engine's, named by the name it gave after the lists were shown.
    for (QTableWidget* grid : {stored, pending, permanent})
        for (const QString& unit : columnTexts(grid, 3))
            EXPECT_EQ(unit, "ECM-EngineControl") << grid->objectName().toStdString();
}

// Each language's run describes the codes the emulated vehicle reports (P0133 first) from its
// own module.
TEST(DtcPage, EachLanguageDescribesCodesInItsOwnWords) {
    const struct {
        const char* language;
        const char* description;
        const char* read;
        const char* generic; // the maker choice of the codes every vehicle shares
    } cases[] = {
        {"de", "Lambdasonde – Ansprechverhalten zu langsam (Bank 1 Sonde 1)", "Lesen", "Allgemein"},
        {"fr", "Sonde lambda – réponse lente (Banc 1 Sonde 1)", "Lire", "Générique"},
        {"es", "Sonda lambda – respuesta lenta (Bancada 1 Sonda 1)", "Leer", "Genérico"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        ProgramRun run(QString::fromLatin1(c.language));
        run.connectElmsim();
        EXPECT_EQ(run.grid("DTC_Grid")->item(0, 2)->text(), QString::fromUtf8(c.description));
        EXPECT_EQ(run.find<QPushButton>("TroubleCodesRead")->text(), QString::fromUtf8(c.read));
        EXPECT_EQ(run.find<QComboBox>("cbManufacturer")->currentText(),
                  QString::fromUtf8(c.generic));
    }
}

TEST(DtcPage, ReadWithoutConnectionOnlyShowsTheGuardMessage) {
    ProgramRun run;
    run.context.link.setCommLogging(true);
    run.click("TroubleCodesRead");
    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_TRUE(run.notifier.messages[0].text.startsWith(const_str::NoCommunicationLine1));
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid"), 1), QStringList({QString()}));

    bool asked = false;
    FakeDtcDialogs dialogs;
    dialogs.clearAnswer = [&asked](const QString&) {
        asked = true;
        return QMessageBox::Yes;
    };
    run.window->dtcPage()->setDialogs(dialogs);
    run.click("TroubleCodesDelete");
    EXPECT_FALSE(asked);
    EXPECT_EQ(run.notifier.messages.size(), 2);
    run.context.link.setCommLogging(false);

    // The action lines are logged before the guard refuses.
    QStringList actions;
    for (const QString& line : readCrLfLines(CommLog::path()))
        if (line.endsWith(" - Read DTC") || line.endsWith(" - Delete DTC"))
            actions << line.mid(line.lastIndexOf(" - "));
    EXPECT_EQ(actions, QStringList({" - Read DTC", " - Delete DTC"}));
}

TEST(DtcPage, ReadShowsMonitorStatusAndCodesAgain) {
    ProgramRun run;
    run.connectElmsim();
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid"), 1), kFullVehicleCodes);
    run.window->dtcPage()->emptyGrids();
    run.find<QLabel>("DTCCountLabel")->setText("?");

    run.click("TroubleCodesRead");
    EXPECT_EQ(run.find<QLabel>("DTCCountLabel")->text(), "3");
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid"), 1), kFullVehicleCodes);
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid_P"), 1), QStringList({"P0171", "P0715"}));
    EXPECT_TRUE(run.notifier.messages.isEmpty());
}

TEST(DtcPage, ClearAnsweredNoOrCancelSendsNothing) {
    ProgramRun run;
    run.connectElmsim();
    QStringList warnings;
    FakeDtcDialogs dialogs;
    run.window->dtcPage()->setDialogs(dialogs);
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Cancel}) {
        dialogs.clearAnswer = [&warnings, answer](const QString& text) {
            warnings << text;
            return answer;
        };
        const int requests = run.elm->requestCount();
        run.click("TroubleCodesDelete");
        EXPECT_EQ(run.elm->requestCount(), requests);
    }
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].startsWith("WARNING!!!\n\nAre you sure?\n\n"));
    EXPECT_TRUE(warnings[0].endsWith("- Time since diagnostic trouble codes cleared"));
    EXPECT_EQ(warnings[0].count(QLatin1Char('\n')), 17);
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid"), 1), kFullVehicleCodes);
    EXPECT_TRUE(run.notifier.messages.isEmpty());
}

// Enter on the question must not erase the codes; in a German run Qt's own buttons are German.
TEST(DtcPage, TheClearQuestionDefaultsToNoInTheRunsLanguage) {
    auto box = DtcPage::clearCodesBox(QStringLiteral("WARNING!!!"), nullptr);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));
    EXPECT_EQ(box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), "Yes");

    std::unique_ptr<QTranslator> qtGerman(installQtTranslations(QStringLiteral("de_DE"), nullptr));
    ASSERT_NE(qtGerman, nullptr) << "qtbase_de.qm missing in " << qtTranslationsDir().toStdString();
    box = DtcPage::clearCodesBox(QStringLiteral("WARNING!!!"), nullptr);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), "Ja");
    EXPECT_EQ(box->button(QMessageBox::No)->text().remove(QLatin1Char('&')), "Nein");
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), "Abbrechen");
    QCoreApplication::removeTranslator(qtGerman.get());
    // A language Qt has no catalogue for installs nothing.
    EXPECT_EQ(installQtTranslations(QStringLiteral("xx"), nullptr), nullptr);
}

TEST(DtcPage, ClearAnsweredYesClearsAndReadsEverythingAgain) {
    ProgramRun run;
    run.connectElmsim();
    run.showPage("btnFehlercodes");
    EXPECT_EQ(run.grid("DTC_Grid_FF")->item(0, 1)->text(), "P0133");
    FakeDtcDialogs dialogs;
    dialogs.clearAnswer = [](const QString&) { return QMessageBox::Yes; };
    run.window->dtcPage()->setDialogs(dialogs);
    run.click("TroubleCodesDelete");

    ASSERT_EQ(run.notifier.messages.size(), 1);
    EXPECT_EQ(run.notifier.messages[0].text,
              "Trouble codes cleared successfully. Permanent trouble codes stay until the monitors "
              "that set them have run and passed.");
    // A vehicle without codes: the success mark in both grids.
    expectNoCodes(run.grid("DTC_Grid"));
    expectNoCodes(run.grid("DTC_Grid_P"));
    // Read again with the others: a permanent code stays until its monitor has passed.
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid_Permanent"), 1), QStringList({"P0133"}));
    EXPECT_EQ(run.find<QLabel>("DTCCountLabel")->text(), "0");
    EXPECT_EQ(run.find<QLabel>("labMIL_Status")->text(), "Off");
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid_FF"), 1), QStringList({"P0000"}));
    EXPECT_EQ(columnTexts(run.grid("gridFreezeFrames"), 0), QStringList({QString()}));
}

// The vehicle answers "0101" of the Read action and then falls silent: "03" and "07" time out.
// Neither grid may then look like a car without codes.
TEST(DtcPage, CodesThatDidNotComeShowTheFailureRowNotACleanCar) {
    ProgramRun run;
    // The answered requests are waited for as long as a hang takes; the short wait for silence
    // starts once the status has been shown, before the first unanswered request goes out.
    const int silence = run.context.link.silenceTimeoutMs();
    run.context.link.setSilenceTimeout(120'000);
    DtcPage* page = run.window->dtcPage();
    QObject::connect(page, &DtcPage::monitorStatusRead, page,
                     [&run, silence] { run.context.link.setSilenceTimeout(silence); });
    // The status is three requests on the full car: ATH0 (the connection's last reads told the
    // control units apart), 0101 and, as it lists PID 41, 0141.
    run.connectElmsimFallingSilent(3);
    run.showPage("btnFehlercodes");
    run.click("TroubleCodesRead");
    EXPECT_EQ(run.find<QLabel>("labMIL_Status")->text(), "On");
    EXPECT_EQ(run.find<QLabel>("DTCCountLabel")->text(), "3");
    for (const char* name : {"DTC_Grid", "DTC_Grid_P"}) {
        SCOPED_TRACE(name);
        QTableWidget* grid = run.grid(name);
        EXPECT_EQ(columnTexts(grid, 1), QStringList({QString()}));
        EXPECT_EQ(columnTexts(grid, 2), QStringList({"Trouble codes could not be read"}));
        expectEveryRowMarked(grid, QStringLiteral("BMP_ERROR"));
    }
    EXPECT_TRUE(run.notifier.messages.isEmpty());
    // Without the pending codes, asking for the permanent ones would only wait again.
    EXPECT_EQ(columnTexts(run.grid("DTC_Grid_Permanent"), 2),
              QStringList({"Permanent trouble codes could not be read"}));
    expectEveryRowMarked(run.grid("DTC_Grid_Permanent"), QStringLiteral("BMP_ERROR"));
    // Printed as it is shown.
    const QList<DtcPage::PrintLine> lines = run.window->dtcPage()->printLines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[1].text, "  Trouble codes could not be read");
    EXPECT_EQ(lines[5].text, "  Permanent trouble codes could not be read");
}

// Silent from the Read action's first request on: after three requests without an answer the
// interface is gone, as one that hung up. The start page keeps "N/A" everywhere instead of
// reporting the lamp off, no codes and no monitors, and no grid shows a clean car.
TEST(DtcPage, AnInterfaceSilentForThreeRequestsIsLostAndNothingLooksRead) {
    ProgramRun run;
    run.connectElmsimFallingSilent(0);
    ErrorBoxes boxes;
    run.click("TroubleCodesRead");
    EXPECT_EQ(boxes.texts, QStringList({"The interface has not answered 3 requests in a row."}));
    while (!run.logLines().contains(const_str::InterfaceLost))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(run.context.connection.noCommunication());
    EXPECT_EQ(run.find<QLabel>("labMIL_Status")->text(), "N/A");
    EXPECT_EQ(run.find<QLabel>("DTCCountLabel")->text(), "N/A");
    for (const char* name :
         {"labMisfire_S", "labMisfire_C", "labCatalyst_S", "labOxygensensorheater_C"})
        EXPECT_EQ(run.find<QLabel>(name)->text(), "N/A") << name;
    for (const QString& text : columnTexts(run.grid("DTC_Grid"), 2))
        EXPECT_FALSE(text.startsWith("No emission related")) << text.toStdString();
}

TEST(DtcPage, ManufacturerChoiceDescribesTheShownCodesAtOnce) {
    ProgramRun run;
    run.connectDemo();
    auto* makers = run.find<QComboBox>("cbManufacturer");
    auto* prev = run.find<QPushButton>("btnPrevManufacturer");
    auto* next = run.find<QPushButton>("btnNextManufacturer");
    EXPECT_FALSE(prev->isEnabled());
    EXPECT_TRUE(next->isEnabled());

    makers->setCurrentIndex(makers->findText("Honda"));
    QTableWidget* stored = run.grid("DTC_Grid");
    EXPECT_EQ(stored->item(3, 2)->text(), "Barometric pressure sensor circuit low input");
    EXPECT_EQ(stored->item(0, 2)->text(),
              "Insufficient Coolant Temperature for Closed Loop Fuel Control");

    run.click("btnPrevManufacturer");
    EXPECT_EQ(makers->currentText(), makers->itemText(makers->findText("Honda") - 1));
    makers->setCurrentIndex(makers->findText("Ford"));
    EXPECT_EQ(stored->item(3, 2)->text(), "Dual alternator lower circuit malfunction");

    // The buttons walk to either end of the list and no further.
    for (int i = 0; i < makers->count() + 2; ++i)
        run.window->dtcPage()->onNextManufacturerClicked();
    EXPECT_EQ(makers->currentIndex(), makers->count() - 1);
    EXPECT_FALSE(next->isEnabled());
    EXPECT_TRUE(prev->isEnabled());
    for (int i = 0; i < makers->count() + 2; ++i)
        run.window->dtcPage()->onPreviousManufacturerClicked();
    EXPECT_EQ(makers->currentIndex(), 0);
    EXPECT_FALSE(prev->isEnabled());
}

TEST(DtcPage, WithoutFaultTableNoMakerIsChosenAndCodesStayUndescribed) {
    ProgramContext context;
    RecordingNotifier notifier;
    DtcPage page(context, notifier);
    page.fillManufacturers({});
    page.selectFirstManufacturer();
    EXPECT_EQ(page.selectedManufacturer(), QString());
    EXPECT_FALSE(page.findChild<QPushButton*>("btnPrevManufacturer")->isEnabled());
    EXPECT_FALSE(page.findChild<QPushButton*>("btnNextManufacturer")->isEnabled());
    page.onNextManufacturerClicked();
    page.onPreviousManufacturerClicked();

    page.showStoredCodes(QList<UnitCode>{{"P0125", ""}, {"P1107", ""}});
    EXPECT_EQ(columnTexts(page.storedGrid(), 1), QStringList({"P0125", "P1107"}));
    EXPECT_EQ(columnTexts(page.storedGrid(), 2), QStringList({"", ""}));
}

TEST(DtcPage, DescriptionColumnsFollowTheWidth) {
    ProgramRun run;
    run.showPage("btnFehlercodes");
    QWidget* client = run.find<QWidget>("Panel10");
    for (int width : {700, 1000, 820}) {
        run.window->resize(width, 612);
        QApplication::processEvents();
        for (const char* name : {"DTC_Grid", "DTC_Grid_P", "DTC_Grid_Permanent"}) {
            QTableWidget* grid = run.grid(name);
            EXPECT_EQ(grid->columnWidth(0), 19);
            EXPECT_EQ(grid->columnWidth(1), 44);
            EXPECT_EQ(grid->columnWidth(2), client->width() - 19 - 44 - 130 - 42);
        }
    }
    // Narrower than the fixed columns: the description column shrinks to nothing, no further.
    client->resize(60, client->height());
    EXPECT_EQ(run.grid("DTC_Grid")->columnWidth(2), 0);
    EXPECT_EQ(run.grid("DTC_Grid")->columnWidth(1), 44);
}

TEST(DtcPage, PrintsTheListsAsTextLines) {
    ProgramRun run;
    run.connectDemo();
    DtcPage* page = run.window->dtcPage();
    const QList<DtcPage::PrintLine> lines = page->printLines();
    ASSERT_EQ(lines.size(), 1 + 9 + 1 + 3 + 1 + 1);
    EXPECT_TRUE(lines[0].heading);
    EXPECT_EQ(lines[0].text, "Stored Emission-Related Diagnostic Trouble Codes (DTC)");
    EXPECT_EQ(lines[1].text,
              "P0125  Insufficient Coolant Temperature for Closed Loop Fuel Control  "
              "(ECM-EngineControl)");
    EXPECT_FALSE(lines[1].heading);
    EXPECT_EQ(lines[10].text, "Pending Emission-Related Diagnostic Trouble Codes (DTC)");
    EXPECT_TRUE(lines[10].heading);
    EXPECT_EQ(lines[13].text.left(7), "P0455  ");
    EXPECT_EQ(lines[14].text, "Permanent Diagnostic Trouble Codes (DTC)");
    EXPECT_EQ(lines[15].text, lines[1].text);

    const QString pdf = test_env::freshDir("print") + "/codes.pdf";
    FakeDtcDialogs dialogs;
    page->setDialogs(dialogs);
    dialogs.printer = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    run.click("btnDTCsPrint");
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    const QString cancelled = test_env::freshDir("cancelled") + "/codes.pdf";
    dialogs.printer = [&cancelled](QPrinter& printer) {
        printer.setOutputFileName(cancelled);
        return false;
    };
    run.click("btnDTCsPrint");
    EXPECT_FALSE(QFileInfo::exists(cancelled));
}

TEST(DtcPage, PrintingAnEmptiedListStopsAtItsFirstEmptyRow) {
    ProgramRun run;
    const QList<DtcPage::PrintLine> lines = run.window->dtcPage()->printLines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[1].text, "  ");
    EXPECT_TRUE(lines[2].heading);
}

// Each code names the unit that stored it, by the unit's own name once it has told it; the record
// the report reads follows the grid, and matches what the command line builds from the reading.
TEST(DtcPage, UnitColumnNamesEachCodesUnitAndFollowsTheirOwnNames) {
    ProgramContext context;
    RecordingNotifier notifier;
    DtcPage page(context, notifier);
    const QList<UnitCode> codes{{"P0133", "7E8"}, {"P0133", "7E9"}, {"P0420", "7EA"}};
    page.showStoredCodes(codes);
    page.showPendingCodes(QList<UnitCode>{{"P0171", ""}});
    EXPECT_EQ(columnTexts(page.storedGrid(), 3),
              QStringList({"Engine (7E8)", "Transmission (7E9)", "Unit 7EA"}));
    EXPECT_EQ(columnTexts(page.pendingGrid(), 3), QStringList({""}));

    context.unitNames.insert("7E8", "ECM-EngineControl");
    page.showUnitNames();
    EXPECT_EQ(columnTexts(page.storedGrid(), 3),
              QStringList({"ECM-EngineControl", "Transmission (7E9)", "Unit 7EA"}));
    EXPECT_EQ(context.shown.storedCodes,
              shownCodeGrid(codes, context.faultCodeTable, QString(), const_str::NoStoredCodes,
                            const_str::TroubleCodesNotRead, context.unitNames));
}

// Codes, none, not read and not supported are four different rows, and four report records.
TEST(DtcPage, PermanentCodesTellTheirStatesApart) {
    using State = PermanentCodes::State;
    const struct {
        PermanentCodes codes;
        QStringList code;
        QString description;
        ReadState state;
        const char* mark; // none for not supported: neither clean nor failed
    } cases[] = {
        {{State::Read, {{"P0420", "7E8"}}}, {"P0420"}, "", ReadState::Read, "BMP_ERROR"},
        {{State::Read, {}},
         {"P0000"},
         "No permanent trouble codes stored in ECU",
         ReadState::Read,
         "BMP_OK"},
        {{State::NotRead, {}},
         {""},
         "Permanent trouble codes could not be read",
         ReadState::CouldNotBeRead,
         "BMP_ERROR"},
        {{State::NotSupported, {}},
         {""},
         "This vehicle does not support permanent trouble codes",
         ReadState::NotSupported,
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description.toStdString());
        ProgramContext context;
        RecordingNotifier notifier;
        DtcPage page(context, notifier);
        page.showPermanentCodes(c.codes);
        QTableWidget* grid = page.permanentGrid();
        EXPECT_EQ(columnTexts(grid, 1), c.code);
        EXPECT_EQ(columnTexts(grid, 2).first(), c.description);
        EXPECT_EQ(context.shown.permanentCodes.state, c.state);
        EXPECT_EQ(context.shown.permanentCodes,
                  shownPermanentCodes(c.codes, context.faultCodeTable, QString(), {}));
        const QImage cell = renderedCell(grid, 0, 0);
        for (const char* mark : {"BMP_OK", "BMP_ERROR"})
            EXPECT_EQ(showsMark(cell, QPoint(2, 3), QLatin1String(mark)),
                      c.mark != nullptr && qstrcmp(c.mark, mark) == 0)
                << mark;
    }
}

} // namespace
