#pragma once

#include "tools/cli/cli_run.h"
#include "tools/cli/cli_session.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

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

// The tool's output as it is flushed, for a second thread that acts once lines have come.
class WatchedOutput : public QIODevice {
public:
    WatchedOutput() { open(QIODevice::WriteOnly); }

    // Until count lines have come or the run has ended; the time-out only bounds a hang.
    void waitForLines(int count) {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::minutes(2),
                           [&] { return m_ended || m_bytes.count('\n') >= count; });
    }
    void end() {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
    }
    QString text() const {
        const std::lock_guard lock(m_mutex);
        return QString::fromUtf8(m_bytes);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const std::lock_guard lock(m_mutex);
        m_bytes.append(data, size);
        m_changed.notify_all();
        return size;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QByteArray m_bytes;
    bool m_ended = false;
};

// English texts and number formats whatever the machine is set to.
struct CliTest : testing::Test {
    void SetUp() override {
        qputenv("LANG", "en_US.UTF-8");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};
