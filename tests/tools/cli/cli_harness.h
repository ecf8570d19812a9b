#pragma once

#include "tools/cli/cli_run.h"
#include "tools/cli/cli_session.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>

// One run of the tool in this process, with what it printed.
struct CliRun {
    int code = -1;
    QString out;
    QString err;

    QStringList outLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QStringList errLines() const { return err.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QJsonObject json() const {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
        return doc.object();
    }
};

// The simulated vehicle without its answer delay, and a short wait for a silent interface.
inline CliTuning fastTuning() {
    CliTuning tuning;
    tuning.demoDelayMs = 0;
    tuning.silenceTimeoutMs = 300;
    return tuning;
}

inline CliRun runTool(const QStringList& arguments, const CliTuning& tuning = fastTuning()) {
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = runCli(arguments, out, err, tuning);
    return run;
}

// English texts and number formats whatever the machine is set to.
struct CliTest : testing::Test {
    void SetUp() override {
        qputenv("LANG", "en_US.UTF-8");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};
