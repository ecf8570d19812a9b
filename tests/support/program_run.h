#pragma once

// A main window as the program creates it, over the test's own settings, optionally connected to
// the emulated interface on a pseudo-terminal or to the Demo-Mode vehicle.

#include "core/connection/program_context.h"
#include "core/l10n/translator.h"
#include "core/link/serial_port.h"
#include "core/settings/data_dirs.h"
#include "core/settings/settings_store.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/test_environment.h"
#include "tools/elmsim/pty_elm.h"
#include "ui/app/main_window.h"

#include <QAbstractButton>
#include <QFile>
#include <QLocale>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

struct ProgramRun {
    ProgramContext context;
    Translator translator{data_dirs::programDir() + QStringLiteral("/locale")};
    RecordingNotifier notifier;
    std::unique_ptr<PtyElm> elm;
    std::unique_ptr<MainWindow> window;

    explicit ProgramRun(const QString& language = QStringLiteral("en")) {
        QFile::remove(SettingsStore::defaultPath());
        translator.chooseLanguage(language);
        window = std::make_unique<MainWindow>(context, translator, notifier);
        context.link.setDemoDelay(0);
        context.autoDetect = false;
        // A silent interface costs one short wait per command instead of 2.5 s.
        context.link.setSilenceTimeout(500);
    }
    ~ProgramRun() {
        window.reset();
        if (elm)
            elm->stop();
    }

    template <typename T>
    T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    QTableWidget* grid(const QString& name) const { return find<QTableWidget>(name); }
    // Shows the window with the page of a navigation button, laid out and painted.
    void showPage(const QString& navigationButton) {
        window->show();
        click(navigationButton);
        QApplication::processEvents();
    }

    void connectDemo() {
        click(QStringLiteral("cbDemoMode"));
        click(QStringLiteral("NeuInitialisierenBtn"));
    }
    // The emulated interface with the given vehicle, reached through the serial channel.
    void connectElmsim(const QString& profile = QStringLiteral("full")) {
        PtyElm::Config config;
        config.profile = profile;
        connectElmsim(config);
    }
    void connectElmsim(const PtyElm::Config& config) {
        if (elm)
            elm->stop();
        elm = std::make_unique<PtyElm>(config);
        elm->start();
        context.comPort->setPortName(elm->slavePath());
        click(QStringLiteral("NeuInitialisierenBtn"));
    }
    // An interface that falls silent right after the connection: it answers the connection's
    // requests and then extra ones more (counted on a first interface of the same kind).
    void connectElmsimFallingSilent(int extra, PtyElm::Config config = fullVehicle()) {
        connectElmsim(config);
        config.emulator.muteAfter = elm->requestCount() + extra;
        connectElmsim(config);
    }
    static PtyElm::Config fullVehicle() {
        PtyElm::Config config;
        config.profile = QStringLiteral("full");
        return config;
    }
};

// Column texts of a grid, top to bottom.
inline QStringList columnTexts(const QTableWidget* grid, int column) {
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem* item = grid->item(row, column);
        texts << (item != nullptr ? item->text() : QString());
    }
    return texts;
}

// Sets the default locale for a test and puts the previous one back.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};
