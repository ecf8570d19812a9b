// The main window as a user meets it: navigation, the options page and its persistence, the
// German, French and Spanish translation of the window, the general error display and the
// single-instance rule.

#include "core/connection/program_context.h"
#include "core/connection/session.h"
#include "core/l10n/startup_language.h"
#include "core/l10n/translator.h"
#include "core/settings/data_dirs.h"
#include "core/settings/settings_store.h"
#include "core/settings/window_placement.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recording_notifier.h"
#include "ui/app/error_display.h"
#include "ui/app/main_window.h"
#include "ui/app/single_instance.h"
#include "ui/widgets/navigation_bar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

// The window as the program shows it at start, over the settings file the test's runs share.
ProgramStart asStarted(const QString& language = QStringLiteral("en")) {
    return {language, /*freshSettings=*/false, /*shown=*/true, /*instantDemo=*/false,
            /*quickSerial=*/false};
}

struct Shell : testing::Test {
    void SetUp() override { QFile::remove(SettingsStore::defaultPath()); }
};

TEST_F(Shell, EachNavigationButtonShowsItsPageAndCaption) {
    ProgramRun run(asStarted());
    EXPECT_EQ(run.currentPage(), "Page_Start");
    EXPECT_EQ(run.title(), "  Start");
    const struct {
        const char* button;
        const char* page;
        const char* title;
    } expected[] = {
        {"btnFehlercodes", "Page_DTC", "  DTCs"},
        {"btnSensorData", "Page_Sensordaten", "  Sensor Data"},
        {"btnFreezeFrames", "Page_FreezeFrames", "  Freeze Frames"},
        {"btnO2Sensor", "Page_O2Sensors", "  O2 Sensors"},
        {"btnMonitorTests", "MonitorTestsPage", "  Monitor Tests"},
        {"btnTerminal", "Page_Terminal", "  Terminal"},
        {"btnTests", "Page_Tests", "  Tests"},
        {"btnOptions", "Page_General Options", "  Options"},
        {"btnStart", "Page_Start", "  Start"},
    };
    int stops = 0;
    run.window->stopPollingAndWait = [&stops] { ++stops; };
    for (const auto& e : expected) {
        QTest::mouseClick(run.find<QAbstractButton>(e.button), Qt::LeftButton);
        EXPECT_EQ(run.currentPage(), e.page);
        EXPECT_EQ(run.title(), e.title);
    }
    EXPECT_EQ(stops, 9); // the polling is stopped on every navigation
}

// The window opens where the last run left it (maximised again if it was), and at its built-in
// place when no screen has that place any more.
TEST_F(Shell, WindowOpensWhereTheLastRunLeftItWhileAScreenHasThatPlace) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect left;
    QSize builtIn;
    {
        ProgramRun run(asStarted());
        builtIn = run.window->size();
        left = QRect(screen.topLeft() + QPoint(7, 9),
                     run.window->minimumSize().expandedTo(QSize(320, 240)));
        ASSERT_TRUE(screen.contains(left));
        run.window->setGeometry(left);
        run.window->close();
    }
    {
        ProgramRun run(asStarted());
        EXPECT_EQ(run.window->geometry(), left);
        EXPECT_FALSE(run.window->isMaximized());
        run.window->showMaximized();
        run.window->close();
    }
    {
        ProgramRun run(asStarted());
        EXPECT_TRUE(run.window->isMaximized());
        EXPECT_EQ(run.window->normalGeometry(), left);
    }
    SettingsStore store;
    storeWindowPlacement(store, {left.translated(screen.width(), 0), false});
    ProgramRun run(asStarted());
    EXPECT_EQ(run.window->size(), builtIn);
    EXPECT_FALSE(run.window->isMaximized());
}

// A keyboard user reaches every page: Ctrl and the button's place, Alt and the marked letter of
// its caption (no two alike among the window's buttons, in every language), and Tab.
TEST_F(Shell, EveryPageCanBeReachedFromTheKeyboard) {
    const QStringList pages{"Page_Start",          "Page_DTC",       "Page_Sensordaten",
                            "Page_FreezeFrames",   "Page_O2Sensors", "MonitorTestsPage",
                            "Page_Terminal",       "Page_Tests",     "Page_Vehicle",
                            "Page_General Options"};
    for (const char* language : {"en", "de", "fr", "es"}) {
        SCOPED_TRACE(language);
        ProgramRun run(asStarted(QLatin1String(language)));
        run.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(run.window.get()));
        auto* bar = run.find<NavigationBar>("OutlookBar");
        QMap<int, QString> owners; // mnemonic key -> the button that has it
        for (const QAbstractButton* button : run.window->findChildren<QAbstractButton*>()) {
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            if (key.isEmpty())
                continue;
            EXPECT_FALSE(owners.contains(key[0].toCombined()))
                << button->objectName().toStdString() << " and "
                << owners.value(key[0].toCombined()).toStdString();
            owners.insert(key[0].toCombined(), button->objectName());
        }
        const QList<QAbstractButton*> buttons = bar->findChildren<QAbstractButton*>();
        ASSERT_EQ(buttons.size(), pages.size());
        // Tab reaches the bar (at its checked button, as in any group of choices), and the
        // arrows move along it.
        auto* reached = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        for (int tab = 0; tab < 300 && !buttons.contains(reached); ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        }
        ASSERT_EQ(reached, buttons[0]);
        QTest::keyClick(reached, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), buttons[1]);
        for (int i = pages.size() - 1; i >= 0; --i) {
            QTest::keyClick(run.window.get(), Qt::Key(Qt::Key_0 + (i + 1) % 10),
                            Qt::ControlModifier);
            EXPECT_EQ(run.currentPage(), pages[i]);
        }
        for (int i = 0; i < pages.size(); ++i) {
            const QKeySequence key = QKeySequence::mnemonic(buttons[i]->text());
            EXPECT_FALSE(key.isEmpty()) << buttons[i]->objectName().toStdString();
            if (key.isEmpty())
                continue;
            QSignalSpy clicked(buttons[i], &QAbstractButton::clicked);
            QTest::keyClick(run.window.get(), key[0].key(), key[0].keyboardModifiers());
            ASSERT_TRUE(clicked.count() > 0 || clicked.wait(5000));
            EXPECT_EQ(run.currentPage(), pages[i]);
        }
    }
}

TEST_F(Shell, OptionsPutsTheFocusOnPortAutoDetection) {
    ProgramRun run(asStarted());
    run.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(run.window.get()));
    QTest::mouseClick(run.find<QAbstractButton>("btnOptions"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), run.find<QCheckBox>("cbAutodetect"));
}

// French and Spanish have their captions, help book and trouble-code table, loaded without any
// complaint.
TEST_F(Shell, FrenchAndSpanishRunsShowTheirCaptionsHelpBookAndDescriptions) {
    const struct {
        const char* language;
        const char* start;
        const char* options;
        const char* autodetect;
        const char* p0125;
    } runs[] = {
        {"fr", "Démarrer", "Options", "Détection automatique du port COM",
         "Température du liquide de refroidissement insuffisante pour la régulation de richesse "
         "en boucle fermée"},
        {"es", "Iniciar", "Opciones", "Detección automática del puerto COM",
         "Temperatura del refrigerante insuficiente para el control de mezcla en lazo cerrado"},
    };
    for (const auto& expected : runs) {
        SCOPED_TRACE(expected.language);
        ProgramRun run(asStarted(QLatin1String(expected.language)));
        EXPECT_EQ(run.title(), QStringLiteral("  ") + QString::fromUtf8(expected.start));
        EXPECT_EQ(NavigationBar::caption(run.find<QAbstractButton>("btnStart")),
                  QString::fromUtf8(expected.start));
        QTest::mouseClick(run.find<QAbstractButton>("btnOptions"), Qt::LeftButton);
        EXPECT_EQ(run.title(), QStringLiteral("  ") + QString::fromUtf8(expected.options));
        EXPECT_EQ(run.find<QCheckBox>("cbAutodetect")->text(),
                  QString::fromUtf8(expected.autodetect));
        EXPECT_TRUE(run.context.helpFilePath.endsWith(QStringLiteral("/locale/") +
                                                      QLatin1String(expected.language) +
                                                      QStringLiteral("/help/index.html")))
            << qPrintable(run.context.helpFilePath);
        EXPECT_EQ(run.context.faultCodeTable.findDescription("P0125", "Generic"),
                  QString::fromUtf8(expected.p0125));
        EXPECT_TRUE(run.notifier.messages.isEmpty());
    }
}

TEST_F(Shell, GermanRunTranslatesCaptionsButKeepsPageNamesAndWindowTitle) {
    ProgramRun run(asStarted(QStringLiteral("de")));
    QTest::mouseClick(run.find<QAbstractButton>("btnOptions"), Qt::LeftButton);
    EXPECT_EQ(run.currentPage(), "Page_General Options");
    EXPECT_EQ(run.title(), "  Optionen");
    EXPECT_EQ(run.find<QCheckBox>("cbAutodetect")->text(), "COM-Port automatisch erkennen");
    EXPECT_EQ(run.window->windowTitle(), "OBD-II Quorvane");
    EXPECT_TRUE(run.find<QLabel>("panelWWW")->text().contains(QLatin1String(kWebAddress)));
}

// A first start (no settings) shows which language and units are in effect, whatever the system
// language's spelling; the language is named in its own words.
TEST_F(Shell, FirstRunShowsTheLanguageAndUnitsInEffect) {
    const struct {
        const char* run;
        const char* listed;
        const char* ownName;
    } cases[] = {{"en", "en", "English"}, {"de_DE", "de", "Deutsch"}, {"ja_JP", "en", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.run);
        QFile::remove(SettingsStore::defaultPath());
        ProgramRun run(asStarted(QLatin1String(c.run)));
        EXPECT_EQ(run.find<QComboBox>("cbLanguage")->currentData().toString(), c.listed);
        EXPECT_EQ(run.find<QComboBox>("cbSystemOfMeasurements")->currentIndex(), 0);
        EXPECT_EQ(run.find<QLabel>("LabelTranslationLanguage")->text(), c.ownName);
    }
}

// The help window carries its book's title and opens beside the main window where the screen has
// room, so neither hides the other.
TEST_F(Shell, HelpOpensBesideTheWindowTitledWithTheBook) {
    for (const char* language : {"en", "de"}) {
        SCOPED_TRACE(language);
        ProgramRun run(asStarted(QString::fromLatin1(language)));
        const QRect screen = run.window->screen()->availableGeometry();
        run.window->move(screen.topLeft());
        QTest::mouseClick(run.find<QAbstractButton>("btnHelp"), Qt::LeftButton);
        auto* help = run.window->findChild<QWidget*>("HelpWindow");
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), QLatin1String(language) == QLatin1String("de")
                                           ? "OBD-II Quorvane Hilfe"
                                           : "OBD-II Quorvane Help");
        EXPECT_TRUE(screen.contains(help->geometry().topLeft()));
        if (screen.width() >= run.window->frameGeometry().width() + help->frameGeometry().width()) {
            EXPECT_FALSE(help->frameGeometry().intersects(run.window->frameGeometry()));
        }
    }
}

TEST_F(Shell, SettingsThatNameGermanGiveAGermanWindow) {
    {
        SettingsStore store;
        ASSERT_TRUE(store.open(true));
        store.writeText("Language", "de");
        store.close();
    }
    Session session;
    ProgramContext& context = session.context();
    Translator translator(data_dirs::programDir() + QStringLiteral("/locale"));
    chooseRunLanguage(translator, context.settings);
    EXPECT_EQ(translator.currentLanguage(), "de");
    RecordingNotifier notifier;
    MainWindow window(session, translator, notifier);
    EXPECT_EQ(NavigationBar::caption(window.findChild<QAbstractButton*>("btnOptions")), "Optionen");
    EXPECT_EQ(window.findChild<QAbstractButton*>("NeuInitialisierenBtn")->text(), "Verbinden");
    EXPECT_TRUE(notifier.messages.isEmpty()); // German help book and fault table are there
}

TEST_F(Shell, StatusStripStartsDarkNamingTheStoredPort) {
    ProgramRun run(asStarted());
    EXPECT_EQ(run.find<QLabel>("InterfaceLabel")->text(), "Initializing...");
    EXPECT_EQ(run.find<QLabel>("COM_Label")->text(), run.context.comPort->portName());
    EXPECT_FALSE(run.context.comPort->portName().isEmpty());
    for (const char* name : {"COM_Led", "ELM_Led", "ECU_Led"}) {
        QWidget* led = run.find<QWidget>(name);
        EXPECT_EQ(led->size(), QSize(17, 9));
        EXPECT_FALSE(led->property("LedOn").toBool());
        EXPECT_EQ(led->property("LedOffColor").value<QColor>(), QColor(0x00, 0x80, 0x00));
        EXPECT_EQ(led->property("Interval").toInt(), 200);
    }
}

TEST_F(Shell, EveryOptionIsWrittenAtOnceAndRestoredByTheNextRun) {
    {
        ProgramRun run(asStarted());
        QTest::mouseClick(run.find<QAbstractButton>("btnOptions"), Qt::LeftButton);
        // On the box itself, where a user clicks: a check box may be wider than its text.
        for (const char* name : {"cbAutodetect", "cbAutoConnect", "cbCommunicationLog"}) {
            QCheckBox* box = run.find<QCheckBox>(name);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        }
        EXPECT_TRUE(run.context.link.commLogging());
        run.find<QComboBox>("cbSystemOfMeasurements")->setCurrentIndex(1);
        EXPECT_EQ(run.context.unitSystem, UnitSystem::English);
        run.find<QSpinBox>("spinEditGraph1")->setValue(3);
        QComboBox* color = run.find<QComboBox>("cbColorGraph2");
        const int green = color->findData(QColor(0x00, 0x80, 0x00));
        color->setCurrentIndex(green);
        Q_EMIT color->activated(green);
        QComboBox* port = run.find<QComboBox>("COM_CB");
        port->setEditText("/dev/ttyQUORVANE7");
        Q_EMIT port->lineEdit()->editingFinished();

        // Each value is in the file already, before the window closes.
        SettingsStore store;
        ASSERT_TRUE(store.open(false));
        EXPECT_EQ(store.readBool("AutoDetect"), true);
        EXPECT_EQ(store.readBool("AutoConnect"), true);
        EXPECT_EQ(store.readBool("CommLogging"), true);
        EXPECT_EQ(store.readInt("SystemOfMeasurements"), 1);
        EXPECT_EQ(store.readInt("WidthGraph1"), 3);
        EXPECT_EQ(store.readInt("ColorGraph2"), 0x008000);
        EXPECT_EQ(store.readText("Port"), "/dev/ttyQUORVANE7");
        EXPECT_EQ(store.readText("BaudRate"), "9600"); // the whole serial group
    }
    ProgramRun again(asStarted());
    EXPECT_TRUE(again.find<QCheckBox>("cbAutodetect")->isChecked());
    EXPECT_TRUE(again.find<QCheckBox>("cbAutoConnect")->isChecked());
    EXPECT_TRUE(again.find<QCheckBox>("cbCommunicationLog")->isChecked());
    EXPECT_TRUE(again.context.link.commLogging());
    EXPECT_EQ(again.find<QComboBox>("cbSystemOfMeasurements")->currentIndex(), 1);
    EXPECT_EQ(again.context.unitSystem, UnitSystem::English);
    EXPECT_EQ(again.find<QSpinBox>("spinEditGraph1")->value(), 3);
    EXPECT_EQ(again.find<QComboBox>("cbColorGraph2")->currentData().value<QColor>(),
              QColor(0x00, 0x80, 0x00));
    EXPECT_EQ(again.context.comPort->portName(), "/dev/ttyQUORVANE7");
}

TEST_F(Shell, AddressFieldsAreWrittenOnlyWhenLeft) {
    ProgramRun run(asStarted());
    run.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(run.window.get()));
    QTest::mouseClick(run.find<QAbstractButton>("btnOptions"), Qt::LeftButton);
    QLineEdit* name = run.find<QLineEdit>("edUserAddress1");
    name->setFocus();
    QTest::keyClicks(name, "Werkstatt ");
    name->insert(QString::fromUtf8("Müller")); // typed keys are ASCII only in QTest
    {
        SettingsStore store;
        ASSERT_TRUE(store.open(false));
        EXPECT_FALSE(store.exists("Address1"));
    }
    run.find<QLineEdit>("edUserPhone")->setFocus();
    SettingsStore store;
    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readText("Address1"), QString::fromUtf8("Werkstatt Müller"));
}

TEST_F(Shell, MaximiseTwiceRestoresTheWindow) {
    ProgramRun run(asStarted());
    const QSize normal = run.window->size();
    QAbstractButton* maximize = run.find<QAbstractButton>("tbMaximize");
    QTest::mouseClick(maximize, Qt::LeftButton);
    EXPECT_TRUE(run.window->isMaximized());
    QTest::mouseClick(maximize, Qt::LeftButton);
    EXPECT_FALSE(run.window->isMaximized());
    EXPECT_EQ(run.window->size(), normal);
}

// The caption bar's buttons are drawn in the text colour on a plain face, as readable as the
// title, not in the faint grey of the stripes.
TEST_F(Shell, CaptionButtonsAreDrawnInTheTextColour) {
    ProgramRun run(asStarted());
    QApplication::processEvents();
    for (const char* name : {"tbMinimize", "tbMaximize", "tbClose"}) {
        SCOPED_TRACE(name);
        auto* button = run.find<QAbstractButton>(name);
        const QColor text = button->palette().color(QPalette::ButtonText);
        const QImage shown = button->grab().toImage();
        int textPixels = 0;
        int stripePixels = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                textPixels += pixel == text;
                stripePixels += pixel == QColor(128, 128, 128);
            }
        EXPECT_GE(textPixels, 6);
        EXPECT_EQ(stripePixels, 0);
    }
}

TEST(ErrorDisplay, AddsAFullStopOnlyAfterLettersAndDigits) {
    EXPECT_EQ(errorBoxText("Port not open"), "Port not open.");
    EXPECT_EQ(errorBoxText("Could not be cleared!"), "Could not be cleared!");
    EXPECT_EQ(errorBoxText("Done."), "Done.");
    EXPECT_EQ(errorBoxText("value 12"), "value 12.");
    EXPECT_EQ(errorBoxText("(x)"), "(x)"); // ")" sorts before "."
    EXPECT_EQ(errorBoxText(""), "");
}

TEST(ErrorDisplay, AnExceptionFromAButtonShowsTheBoxAndTheProgramGoesOn) {
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, guarded([&clicks] {
        ++clicks;
        throw std::runtime_error("The serial port /dev/ttyUSB0 is not open");
    }));
    button.show();
    QStringList shown;
    auto closeBoxes = [&shown] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                shown << box->windowTitle() + "|" + box->text();
                EXPECT_EQ(box->icon(), QMessageBox::Critical);
                box->accept();
            }
    };
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, closeBoxes);
    closer.start(20);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(shown, QStringList({"OBD-II Quorvane|The serial port /dev/ttyUSB0 is not open.",
                                  "OBD-II Quorvane|The serial port /dev/ttyUSB0 is not open."}));
}

// The first instance raises its window only for a start on its own display, and says so: a window
// on another display is one the user of the second start never sees.
TEST(SingleInstance, ASecondStartRaisesTheFirstWindowOnlyOnTheSameDisplay) {
    const struct {
        const char* secondDisplay;
        SingleInstance::Claim claim;
        bool raised;
    } cases[] = {{"xcb|:0|", SingleInstance::Claim::Raised, true},
                 {"xcb|:1|", SingleInstance::Claim::NotRaised, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondDisplay);
        const QString name = SingleInstance::lockName("quorvane-test-" + QString::number(getpid()));
        SingleInstance first(name, "xcb|:0|");
        ASSERT_EQ(first.acquire(), SingleInstance::Claim::First);
        QWidget window;
        first.setWindow(&window);
        window.showMinimized();
        SingleInstance second(name, QString::fromLatin1(c.secondDisplay));
        EXPECT_EQ(second.acquire(), c.claim);
        // The answer comes after the first has acted on the request.
        EXPECT_EQ(!window.isMinimized(), c.raised);
    }
}

TEST(SingleInstance, SecondProgramProcessEndsWithExitCodeZeroOrSaysWhereTheFirstRuns) {
    const QString program = data_dirs::programDir() + "/quorvane";
    // The lock of a copy the user runs on this machine (taken here when none runs) must not
    // be the one the programs under test meet.
    const QByteArray chosen = qgetenv("QUORVANE_INSTANCE");
    qunsetenv("QUORVANE_INSTANCE");
    const QString usersLock = SingleInstance::lockName("quorvane");
    QLocalServer usersCopy;
    usersCopy.listen(usersLock);
    qputenv("QUORVANE_INSTANCE", chosen);
    ASSERT_NE(SingleInstance::lockName("quorvane"), usersLock);

    QProcess firstRun;
    firstRun.start(program, {});
    ASSERT_TRUE(firstRun.waitForStarted());
    QTest::qWait(1500); // the first instance takes the lock while it starts
    QProcess secondRun;
    secondRun.start(program, {});
    ASSERT_TRUE(secondRun.waitForFinished(10000));
    EXPECT_EQ(secondRun.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(secondRun.exitCode(), 0);
    EXPECT_EQ(firstRun.state(), QProcess::Running);

    // A start on another display cannot get the window: it says why (and then waits for its
    // message box to be closed).
    QProcess elsewhere;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", environment.value("DISPLAY") + "-elsewhere");
    elsewhere.setProcessEnvironment(environment);
    elsewhere.setReadChannel(QProcess::StandardError);
    elsewhere.start(program, {});
    QByteArray said;
    while (!said.contains("already running") && elsewhere.waitForReadyRead(10000))
        said += elsewhere.readAll();
    EXPECT_TRUE(said.contains("already running")) << said.toStdString();
    elsewhere.kill();
    elsewhere.waitForFinished(5000);
    EXPECT_EQ(firstRun.state(), QProcess::Running);
    firstRun.terminate();
    firstRun.waitForFinished(5000);
}

} // namespace
