#include "ui/app/startup.h"

#include "core/connection/session.h"
#include "core/l10n/const_str.h"
#include "core/l10n/qt_translations.h"
#include "core/l10n/startup_language.h"
#include "core/l10n/translator.h"
#include "core/settings/command_line.h"
#include "ui/app/close_on_signal.h"
#include "ui/app/error_display.h"
#include "ui/app/main_window.h"
#include "ui/app/single_instance.h"
#include "ui/app/splash_screen.h"
#include "ui/app/ui_notifier.h"
#include "ui/app/window_translation.h"
#include "ui/dialogs/dtc_search_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/report_preview.h"
#include "ui/dialogs/report_settings_dialog.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

constexpr int kSplashMs = 2000;

TranslationExclusions dialogExclusions() {
    TranslationExclusions exclusions;
    exclusions.properties = {QStringLiteral("font"), QStringLiteral("objectName")};
    // Makers are names of the fault-code table and are looked up as they stand.
    exclusions.objectProperties = {QStringLiteral("cbManufacturer.items")};
    return exclusions;
}

const command_line::Program& program() {
    static const command_line::Program window{.name = QStringLiteral("quorvane"),
                                              .version = QStringLiteral(QUORVANE_VERSION)};
    return window;
}

void defineOptions(QCommandLineParser& parser) {
    command_line::addStandardOptions(parser);
    parser.setApplicationDescription(
        QStringLiteral("OBD-II emission diagnostics through ELM323/ELM327 interfaces.\n"
                       "Qt's own options (-platform, -style, ...) are taken as well."));
}

// --help and --version are answered before the application object exists, so that they need no
// display (the manual page is made from them while building). Anything else waits until the
// application has taken Qt's own options away.
std::optional<int> answerWithoutDisplay(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    defineOptions(parser);
    // Qt's options are unknown here; they are no mistake.
    parser.parse(arguments);
    const bool help = parser.isSet(QStringLiteral("help"));
    if (!help && !parser.isSet(QStringLiteral("version")))
        return std::nullopt;
    QTextStream out(stdout);
    out << (help ? command_line::helpText(parser, program())
                 : command_line::versionText(program()));
    return 0;
}

} // namespace

int runProgram(int argc, char** argv) {
    if (const std::optional<int> code = answerWithoutDisplay(argc, argv))
        return *code;
    QuorvaneApplication app(argc, argv);
    {
        QCommandLineParser parser;
        defineOptions(parser);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> code =
                command_line::parse(parser, QCoreApplication::arguments(), program(), out, err))
            return *code;
    }
    // The lock is named after the executable, before the program sets its own title.
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();

    Translator& translator = appTranslator();
    // A settings file or catalogue that cannot be read leaves the run in English; it never keeps
    // the program from starting.
    runReportingErrors([&translator] {
        SettingsStore store;
        chooseRunLanguage(translator, store);
    });
    // Qt's own buttons and dialogs speak the language the window speaks.
    installQtTranslations(translator.catalogueLanguage(), &app);
    SingleInstance instance(SingleInstance::lockName(executable));
    switch (instance.acquire()) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::Raised:
        return 0;
    case SingleInstance::Claim::NotRaised: {
        // Ending without a window and without a word would look like a start that failed.
        const QString text = translator.translate(const_str::AlreadyRunningElsewhere);
        std::fprintf(stderr, "%s\n", qPrintable(text));
        UiNotifier().showMessage(UserNotifier::Icon::Error, text);
        return 1;
    }
    }

    QApplication::setApplicationName(QStringLiteral("OBD-II Quorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("OBD-II Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    // A damaged catalogue would leave the window English with no sign of why.
    if (const QString refused = translator.refusedCatalogue(); !refused.isEmpty())
        UiNotifier().showMessage(UserNotifier::Icon::Error, refused);

    auto splash = std::make_unique<SplashScreen>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    Session session;
    ProgramContext& context = session.context();
    UiNotifier notifier;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<InfoDialog> info;
    std::unique_ptr<DtcSearchDialog> dtcSearch;
    std::unique_ptr<ReportSettingsDialog> reportSettings;
    std::unique_ptr<ReportPreview> reportPreview;
    try {
        main = std::make_unique<MainWindow>(session, translator, notifier);
        instance.setWindow(main.get());
        QObject::connect(main.get(), &MainWindow::shutDownStarted,
                         [&instance] { instance.release(); });
        info = std::make_unique<InfoDialog>(QStringLiteral(QUORVANE_VERSION), main.get());
        dtcSearch = std::make_unique<DtcSearchDialog>(context.faultCodeTable, main.get());
        translateWindow(
            dtcSearch.get(), [&](const QString& t) { return translator.translate(t); },
            dialogExclusions());
        // The settings dialog shows the preview, so the preview is made first.
        reportPreview = std::make_unique<ReportPreview>(main.get());
        reportSettings = std::make_unique<ReportSettingsDialog>(context.shown, translator,
                                                                reportPreview.get(), main.get());
        translateWindow(
            reportSettings.get(), [&](const QString& t) { return translator.translate(t); },
            dialogExclusions());
        main->setDialogs(info.get(), dtcSearch.get(), reportSettings.get());
        main->show();
    } catch (...) {
        showCurrentException();
    }

    // The splash stays a while longer on top of the finished window.
    QApplication::processEvents();
    splash->raise();
    QTimer::singleShot(kSplashMs, splash.get(), [&splash] { splash.reset(); });
    if (!main)
        return 1;
    const CloseOnSignal closeOnSignal(main.get());
    int code = QApplication::exec();
    // Ended by a signal, the program exits as a shell expects (128 + its number).
    if (closeOnSignal.signalNumber() != 0)
        code = 128 + closeOnSignal.signalNumber();
    // Dialogs belong to the main window's lifetime but are released first.
    reportSettings.reset();
    reportPreview.reset();
    dtcSearch.reset();
    info.reset();
    main.reset();
    return code;
}
