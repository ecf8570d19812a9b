// The adapter options in the window: a fresh settings file finds an adapter set to another rate
// by itself and keeps it; the options page fixes a rate, a protocol and the time-outs, and the
// next connection uses them.

#include "core/settings/settings_store.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"

#include <QComboBox>
#include <QSpinBox>

namespace {

std::optional<QString> stored(const QString& name) {
    SettingsStore store;
    if (!store.open(false))
        return std::nullopt;
    const std::optional<QString> value = store.readText(name);
    store.close();
    return value;
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

TEST(AdapterOptions, WindowFindsTheRateByItselfAndTheOptionsFixTheirChoice) {
    ProgramRun run;
    EXPECT_EQ(stored("BaudRate"), "9600"); // what a first start writes
    PtyElm::Config config;
    config.elm327 = true;
    config.baud = 38400;
    run.connectElmsim(config);
    bool allOk = false;
    const QStringList lines = run.logLines(&allOk);
    EXPECT_TRUE(allOk) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.filter("Baud rate"), QStringList{"Baud rate: 38400"});
    EXPECT_EQ(stored("BaudRate"), "38400");
    EXPECT_EQ(run.context.comPort->lineSettings().baudRate, 38400);

    run.click(QStringLiteral("btnDisconnect"));
    run.showPage(QStringLiteral("btnOptions"));
    auto* baud = run.find<QComboBox>(QStringLiteral("cbBaudRate"));
    auto* protocol = run.find<QComboBox>(QStringLiteral("cbProtocol"));
    EXPECT_EQ(baud->currentText(), "Automatic");
    choose(baud, baud->findData(38400));
    choose(protocol, protocol->findData(6));
    run.find<QSpinBox>(QStringLiteral("spinEditChipTimeout"))->setValue(200);
    run.find<QSpinBox>(QStringLiteral("spinEditSilenceTimeout"))->setValue(1500);
    EXPECT_EQ(stored("AutomaticBaudRate"), "0");
    EXPECT_EQ(stored("Protocol"), "6");
    EXPECT_EQ(stored("ChipTimeout"), "200");
    EXPECT_EQ(stored("SilenceTimeout"), "1500");
    EXPECT_EQ(run.context.link.silenceTimeoutMs(), 1500);

    // The fixed rate and protocol are used as they are: no search, ATSP 6 and AT ST.
    run.context.link.setSilenceTimeout(500);
    run.showPage(QStringLiteral("btnStart"));
    run.click(QStringLiteral("NeuInitialisierenBtn"));
    const QStringList fixed = run.logLines(&allOk);
    EXPECT_TRUE(allOk) << fixed.join('\n').toStdString();
    EXPECT_TRUE(fixed.filter("Baud rate").isEmpty());
    EXPECT_TRUE(fixed.contains("Answer time-out: OK"));
    EXPECT_TRUE(
        fixed.contains("Protocol chosen in the options: 6, ISO 15765-4 CAN 11 bit 500 kbaud"))
        << fixed.join('\n').toStdString();

    // A fixed rate the adapter does not run at is not searched past.
    run.click(QStringLiteral("btnDisconnect"));
    run.showPage(QStringLiteral("btnOptions"));
    choose(baud, baud->findData(9600));
    run.showPage(QStringLiteral("btnStart"));
    run.click(QStringLiteral("NeuInitialisierenBtn"));
    EXPECT_TRUE(run.logLines().contains("response from interface: Error"));
    EXPECT_EQ(stored("BaudRate"), "9600");
}

} // namespace
