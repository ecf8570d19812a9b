#pragma once

// A main window as the program creates it, over the test's own settings, optionally connected to
// the emulated interface on a pseudo-terminal or to the Demo-Mode vehicle.

#include "core/connection/session.h"
#include "core/l10n/translator.h"
#include "core/link/serial_port.h"
#include "core/settings/data_dirs.h"
#include "core/settings/settings_store.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/test_environment.h"
#include "tools/elmsim/pty_elm.h"
#include "ui/app/main_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// How a run starts. The defaults suit a test that connects: a fresh settings file, the simulated
// vehicle without its answer delay, the port the test names (no auto-detection) and a short wait
// for a silent interface.
struct ProgramStart {
    QString language = QStringLiteral("en");
    bool freshSettings = true; // off: the settings a run before it left behind
    bool shown = false;
    bool instantDemo = true;
    bool quickSerial = true;
};

struct ProgramRun {
    Session session;
    ProgramContext& context = session.context();
    Translator translator{data_dirs::programDir() + QStringLiteral("/locale")};
    RecordingNotifier notifier;
    std::unique_ptr<PtyElm> elm;
    std::unique_ptr<MainWindow> window;

    explicit ProgramRun(const QString& language = QStringLiteral("en"))
        : ProgramRun(ProgramStart{language}) {}
    explicit ProgramRun(const ProgramStart& start) {
        if (start.freshSettings)
            QFile::remove(SettingsStore::defaultPath());
        translator.chooseLanguage(start.language);
        window = std::make_unique<MainWindow>(session, translator, notifier);
        if (start.shown)
            window->show();
        if (start.instantDemo)
            context.link.setDemoDelay(0);
        if (start.quickSerial) {
            context.autoDetect = false;
            // A silent interface costs one short wait per command instead of 2.5 s.
            context.link.setSilenceTimeout(500);
        }
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
    // The text of a label, line edit or combo box.
    QString text(const QString& name) const {
        if (auto* label = window->findChild<QLabel*>(name))
            return label->text();
        if (auto* edit = window->findChild<QLineEdit*>(name))
            return edit->text();
        if (auto* box = window->findChild<QComboBox*>(name))
            return box->currentText();
        ADD_FAILURE() << "no text widget " << name.toStdString();
        return {};
    }
    QString currentPage() const {
        return find<QStackedWidget>(QStringLiteral("Notebook"))->currentWidget()->objectName();
    }
    QString title() const { return find<QLabel>(QStringLiteral("InfoPanel"))->text(); }
    // The start page's log lines; allOk tells whether every line has the green mark.
    // allOk: every line from firstMarked on carries the OK mark.
    QStringList logLines(bool* allOk = nullptr, int firstMarked = 0) const {
        QListWidget* list = find<QListWidget>(QStringLiteral("LogListBox"));
        QStringList lines;
        if (allOk)
            *allOk = true;
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
            const QPixmap mark = list->item(i)->data(Qt::DecorationRole).value<QPixmap>();
            if (allOk && i >= firstMarked &&
                (mark.isNull() || mark.toImage().pixelColor(7, 6).red() > 150))
                *allOk = false; // no mark, or the red failure mark
        }
        return lines;
    }
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
