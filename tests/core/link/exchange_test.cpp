#include "core/link/answer_text.h"
#include "core/link/comm_log.h"
#include "core/link/elm_commands.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port_error.h"
#include "core/link/stop_signal.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_channel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <thread>

namespace {

struct exchange : testing::Test {
    ScriptedChannel channel;
    ElmExchange link{&channel};
};

TEST(AnswerText, CleansInterfaceOutputLikeTheReadersExpect) {
    struct Case {
        QByteArray raw;
        LinkAnswer expected;
    } cases[] = {
        {"41 00 BE 1F E8 11\r\r>", "4100BE1FE811"},
        {"41 00 BE 1F E8 11\r41 00 80 00 00 01\r\r>", "4100BE1FE811410080000001"},
        {"NO DATA\r>", "NO DATA"},
        {"7F 01 12\r>", "7F 01 12"},
        // echo still on: the answer starts with the command, so blanks stay
        {"0100\r41 00 BE 1F E8 11\r>", "0100 41 00 BE 1F E8 11"},
        // only the first prompt is the end; a second one is part of the answer
        {"OK\r>>", "OK  >"},
        {"41 00 BE", std::nullopt},
        {"", std::nullopt},
        // whatever came before the prompt is an answer, even a word that reads like a failure
        {"Error\r>", "Error"},
        {"\r\n\t 41 0C 1A F8 \r\n>\r", "410C1AF8"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(answer_text::fromSerial(c.raw), c.expected) << c.raw.constData();
    EXPECT_EQ(answer_text::fromSimulation("ATZ  ELM323 v2.0"), "ATZ  ELM323 v2.0");
    EXPECT_EQ(answer_text::fromSimulation(" 49 04013131 "), "4904013131");
}

// A clone that echoes despite ATE0, or reports its search, before the vehicle's data.
TEST(AnswerText, LeavesOutTheEchoOfTheCommandSentAndTheChipsStatusLines) {
    struct Case {
        QByteArray raw;
        QString sent;
        LinkAnswer expected;
    } cases[] = {
        {"0100\r41 00 BE 1F E8 11\r\r>", "0100", "4100BE1FE811"},
        {"0100\r\nSEARCHING...\r\n41 00 BE 1F E8 11\r\n\r\n>", "0100", "4100BE1FE811"},
        {"BUS INIT: ...OK\r41 00 BE 1F E8 11\r\r>", "0100", "4100BE1FE811"},
        {"ATI\rELM323 v2.0\r\r>", "ATI", "ELM323 v2.0"},
        {"0100\rSEARCHING...\rUNABLE TO CONNECT\r\r>", "0100", "UNABLE TO CONNECT"},
        // a failed bus start is the answer, not a status
        {"BUS INIT: ...ERROR\r\r>", "0100", "BUS INIT: ...ERROR"},
        // only the command just sent is an echo, and only as the first line
        {"0100\r41 00 BE 1F E8 11\r\r>", "010C", "0100 41 00 BE 1F E8 11"},
        {"41 00 BE 1F E8 11\r0100\r\r>", "0100",
         "4100BE1FE811"
         "0100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(answer_text::fromSerial(c.raw, c.sent), c.expected) << c.raw.constData();
}

// A command the user typed: the interface's lines as they came, one per line.
TEST(AnswerText, TypedCommandsKeepTheLinesOfTheInterface) {
    struct Case {
        QByteArray raw;
        LinkAnswer expected;
    } cases[] = {
        {"7E8 04 41 0C 0C 4E \r7E9 04 41 0C 0C 40 \r\r>", "7E8 04 41 0C 0C 4E\n7E9 04 41 0C 0C 40"},
        {"410C0C4E\r410C0C40\r\r>", "410C0C4E\n410C0C40"},
        {"010C\r\nSEARCHING...\r\n41 0C 0C 4E\r\n>", "SEARCHING...\n41 0C 0C 4E"},
        {"ATI\rELM327 v1.5\r\r>", "ATI\nELM327 v1.5"}, // an echo of another command stays
        {"\r\r>", ""},
        {"41 0C", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(answer_text::linesFromSerial(c.raw, "010C"), c.expected) << c.raw.constData();
}

// The answer count applies to the readers' requests only: a typed "010C" goes out as "010C",
// never as "010C2", and its lines are not reassembled.
TEST_F(exchange, TypedCommandGoesOutAsTypedWhileTheReadersCount) {
    link.setCanLayout(true);
    link.startAnswerCount(2);
    channel.reply({"41 0C 0C 4E\r41 0C 0C 40\r\r>"});
    EXPECT_EQ(link.exchange("010C"), "410C0C4E410C0C40");
    channel.reply({"41 0C 0C 4E\r41 0C 0C 40\r\r>"});
    EXPECT_EQ(link.exchangeAsTyped("010C"), "41 0C 0C 4E\n41 0C 0C 40");
    EXPECT_EQ(channel.written, (QList<QByteArray>{"010C2\r", "010C\r"}));
}

TEST_F(exchange, ReadsUntilThePromptAndPurgesOnlyWhatWasLeftBehind) {
    channel.reply({"41 00 B", "E 1F E8", " 11\r\r", ">"});
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");
    ASSERT_EQ(channel.written.size(), 1);
    EXPECT_EQ(channel.written[0], QByteArray("0100\r"));
    EXPECT_EQ(channel.waits, 4);
    EXPECT_EQ(channel.purges, 0); // nothing behind the prompt: no purge

    // What came after the prompt is purged and never reaches the next answer.
    channel.reply({"OK\r>"});
    channel.afterPrompt = "late junk";
    EXPECT_EQ(link.exchange("ATE0"), "OK");
    EXPECT_EQ(channel.purges, 1);
    channel.reply({"41 0C 1A F8\r>"});
    EXPECT_EQ(link.exchange("010C"), "410C1AF8");
}

TEST_F(exchange, ReadIsBoundedBySilenceAndSizeNeverByWakeUps) {
    link.setSilenceTimeout(10);
    channel.reply({"41 00 BE"});
    EXPECT_EQ(link.exchange("0100"), std::nullopt);
    EXPECT_EQ(channel.waits, 2); // one with data, one of silence

    // Several control units with headers at 9600 baud: every byte its own wake-up.
    QByteArray answer;
    QString expected;
    while (answer.size() < 600) {
        answer += "41 00 BE 1F E8 11\r";
        expected += "4100BE1FE811";
    }
    for (char byte : answer + "\r>")
        channel.reply({QByteArray(1, byte)});
    EXPECT_EQ(link.exchange("0100"), expected);

    // An adapter that babbles without a prompt ends at the size cap, unless its time is up
    // before (four silence times): either way it is interrupted with a carriage return.
    for (const int silenceMs : {60'000, 10}) {
        link.setSilenceTimeout(silenceMs);
        channel.waits = 0;
        channel.written.clear();
        channel.babble("4");
        EXPECT_EQ(link.exchange("0100"), std::nullopt);
        EXPECT_EQ(channel.written, QList<QByteArray>({"0100\r", "\r"}));
        if (silenceMs > 10) {
            EXPECT_EQ(channel.waits, ElmExchange::kMaxAnswerBytes);
        }
    }
    // What the interrupted interface prints up to its prompt is no part of the next answer.
    channel.babble({});
    channel.reply({"STOPPED\r>", "41 0C 1A F8\r>"});
    EXPECT_EQ(link.exchange("010C"), "410C1AF8");
}

// Whether an open device that leaves requests unanswered is declared lost, and when.
TEST(UnansweredRequests, ThreeInARowLoseTheDeviceAsAHangUpDoes) {
    struct Case {
        const char* name;
        bool declare;
        QList<QByteArray> replies; // per request; empty: silence
        int lostAt;                // the request (from 1) that throws; 0: none
    } cases[] = {
        {"three silent", true, {{}, {}, {}}, 3},
        {"an answer starts the count again", true, {{}, {}, "NO DATA\r>", {}, {}, {}}, 6},
        {"a cut answer is no answer", true, {"41 0C", {}, "41 0C 1A"}, 3},
        {"not declared while the interface is searched for", false, {{}, {}, {}, {}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedChannel channel;
        ElmExchange link(&channel);
        link.setSilenceTimeout(5);
        link.declareLostAfterUnanswered(c.declare);
        QStringList lost;
        link.setDeviceLostHandler([&lost](const QString& reason) { lost << reason; });
        int thrownAt = 0;
        for (int i = 0; i < c.replies.size() && thrownAt == 0; ++i) {
            if (!c.replies[i].isEmpty())
                channel.reply({c.replies[i]});
            try {
                link.exchange("010C");
            } catch (const SerialPortError&) {
                thrownAt = i + 1;
            }
        }
        EXPECT_EQ(thrownAt, c.lostAt);
        EXPECT_EQ(lost, c.lostAt
                            ? QStringList{"The interface has not answered 3 requests in a row."}
                            : QStringList{});
    }

    // A stopped exchange says nothing about the interface.
    StoppingChannel channel;
    ElmExchange link(&channel);
    StopSignal stop;
    channel.stop = &stop;
    channel.stopAfterWaits = 0;
    link.setStopSignal(&stop);
    link.declareLostAfterUnanswered(true);
    for (int i = 0; i < 5; ++i) {
        stop.reset();
        EXPECT_NO_THROW(link.exchange("010C"));
    }
}

TEST(ExchangeWaitHook, RunsWhileTheSettingThreadWaitsAndRefusesAnExchangeOfItsOwn) {
    ScriptedChannel channel;
    ElmExchange link(&channel);
    link.setSilenceTimeout(200);
    int calls = 0;
    bool nestedRefused = false;
    link.setWaitHook([&] {
        if (++calls == 1) {
            try {
                link.exchange("ATI");
            } catch (const std::logic_error&) {
                nestedRefused = true;
            }
        }
    });
    EXPECT_EQ(link.exchange("0100"), std::nullopt); // silence: the hook ran meanwhile
    EXPECT_GE(calls, 1);
    EXPECT_TRUE(nestedRefused);
    EXPECT_EQ(channel.written, QList<QByteArray>({"0100\r"}));

    // Another thread's exchange waits without it.
    calls = 0;
    std::thread other([&link] { link.exchange("0100"); });
    other.join();
    EXPECT_EQ(calls, 0);
}

TEST(ExchangeStop, EndsTheExchangeInProgressAndSendsNothingAfterwards) {
    StoppingChannel channel;
    ElmExchange link(&channel);
    StopSignal stop;
    link.setStopSignal(&stop);
    channel.stop = &stop;

    // An adapter that never prompts: without the stop this would read up to the size cap.
    channel.babble("41 ");
    channel.stopAfterWaits = 3;
    EXPECT_EQ(link.exchange("0100"), std::nullopt);
    EXPECT_EQ(channel.waits, 3);

    channel.written.clear();
    EXPECT_EQ(link.exchange("010C"), std::nullopt);
    EXPECT_TRUE(channel.written.isEmpty());

    // Once the stop is cleared, the rest of the stopped answer is read away first, so it cannot
    // become the beginning of the next one.
    stop.reset();
    channel.stopAfterWaits = -1;
    channel.babble({});
    channel.reply({"41 00 BE\r", "\r>", "41 0C 1A F8\r>"});
    EXPECT_EQ(link.exchange("010C"), "410C1AF8");
    EXPECT_EQ(channel.written, QList<QByteArray>{"010C\r"});

    link.setStopSignal(nullptr);
    stop.request();
    channel.reply({"OK\r>"});
    EXPECT_EQ(link.exchange("ATE0"), "OK"); // a signal no longer set stops nothing
}

TEST(ExchangeStop, CutsTheSimulatedInterfacesWaitShort) {
    ElmExchange demo;
    demo.setDemoMode(true);
    demo.setDemoDelay(3'600'000); // an hour: only the stop can end this exchange
    StopSignal stop;
    demo.setStopSignal(&stop);
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        stop.request();
    });
    EXPECT_EQ(demo.exchange("010C"), std::nullopt);
    stopper.join();
    // The stopped command is abandoned: the next one is answered, and for itself.
    demo.setStopSignal(nullptr);
    demo.setDemoDelay(0);
    EXPECT_EQ(demo.exchange("0100"), "4100BE1FE811");
}

TEST_F(exchange, DemoModeIsReadOnceAnExchange) {
    // Switching Demo-Mode on while a command is on the line must not read the answer from the
    // simulated vehicle (nor the other way round).
    struct SwitchingChannel : ScriptedChannel {
        ElmExchange* link = nullptr;
        void write(const QByteArray& bytes) override {
            ScriptedChannel::write(bytes);
            link->setDemoMode(true);
        }
    } switching;
    ElmExchange serial(&switching);
    serial.setDemoDelay(0);
    switching.link = &serial;
    switching.reply({"NO DATA\r>"});
    EXPECT_EQ(serial.exchange("010C"), "NO DATA");
    EXPECT_TRUE(serial.demoMode());
}

TEST_F(exchange, ClosedChannelIsAPortErrorNotAnAnswer) {
    channel.open = false;
    EXPECT_THROW(link.exchange("0100"), SerialPortError);
    ElmExchange unattached;
    EXPECT_THROW(unattached.exchange("0100"), SerialPortError);
}

TEST_F(exchange, DemoModeAnswersFromTheSimulatedVehicleWithoutAnyChannel) {
    ElmExchange demo; // no serial channel at all
    demo.setDemoMode(true);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(demo.exchange("0100"), "4100BE1FE811");
    EXPECT_GE(timer.elapsed(), 95); // the simulated interface takes its time
    demo.setDemoDelay(0);
    EXPECT_EQ(demo.exchange("ATZ"), "ATZ  ELM323 v2.0");
    EXPECT_EQ(demo.exchange("0120"), "DEMO");
    EXPECT_EQ(demo.exchange("atz"), "DEMO");
    EXPECT_EQ(demo.pendingDemoRequest(), "atz");
    const QStringList speeds{"410C118C", "410C2318", "410C34A4",
                             "410C4630", "410C57BC", "410C6948"};
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(speeds.contains(demo.exchange("010C")));
    EXPECT_EQ(demo.exchange("0904").value_or("").left(12), "490401313133");
    EXPECT_EQ(demo.exchange("03"), "43012507360455431107129911984394919992A427");
}

TEST_F(exchange, WrappersDemandTheirMarkerAndAnOpenChannel) {
    channel.reply({"ATZ\r\rELM323 v2.0\r\r>"});
    EXPECT_EQ(elmReset(link), "OK");
    channel.reply({"ELM323 v2.0\r\r>"});
    EXPECT_EQ(elmIdentify(link), "ELM323 v2.0");
    channel.reply({"?\r\r>"});
    EXPECT_EQ(elmEcho(link, false), std::nullopt);
    channel.reply({"OK\r\r>"});
    EXPECT_EQ(elmLinefeeds(link, false), "OK");
    EXPECT_EQ(channel.written.last(), QByteArray("ATL0\r"));

    channel.open = false;
    channel.written.clear();
    EXPECT_EQ(elmReset(link), std::nullopt);
    EXPECT_TRUE(channel.written.isEmpty());

    // Demo-Mode counts as an open channel; the table has no ATE1, so the wrapper fails.
    link.setDemoMode(true);
    link.setDemoDelay(0);
    EXPECT_EQ(elmReset(link), "OK");
    EXPECT_EQ(elmIdentify(link), "ELM323 v2.0");
    EXPECT_EQ(elmEcho(link, true), std::nullopt);
    EXPECT_EQ(elmLinefeeds(link, true), std::nullopt);
    EXPECT_EQ(elmEcho(link, false), "OK");
}

TEST_F(exchange, TwoThreadsNeverInterleaveTheirCommands) {
    // Each command's answer names the command; a mixed-up exchange would return the other's.
    struct EchoChannel : SerialChannel {
        QByteArray pending;
        bool isOpen() const override { return true; }
        void write(const QByteArray& b) override {
            std::this_thread::yield();
            pending = b.left(b.size() - 1) + " OK\r>";
        }
        bool waitForData(int) override {
            std::this_thread::yield();
            return !pending.isEmpty();
        }
        int receivedCount() override { return int(pending.size()); }
        QByteArray read(int n) override {
            QByteArray out = pending.left(n);
            pending.remove(0, n);
            return out;
        }
        void purge() override { pending.clear(); }
    } echo;
    ElmExchange shared(&echo);
    int mismatches = 0;
    auto hammer = [&](const QString& cmd) {
        for (int i = 0; i < 2000; ++i)
            if (shared.exchange(cmd) != cmd + " OK")
                ++mismatches;
    };
    std::thread other(hammer, QStringLiteral("AAA"));
    hammer(QStringLiteral("BBB"));
    other.join();
    EXPECT_EQ(mismatches, 0);
}

struct LogFileTest : testing::Test {
    void SetUp() override { QFile::remove(CommLog::path()); }
    void TearDown() override { QFile::remove(CommLog::path()); }
    static bool endsWith(const QString& line, const QString& text) {
        // timestamp, then the event text
        return line.endsWith(text) && line.size() > text.size();
    }
};

TEST_F(LogFileTest, EveryExchangeAndActionIsOneLineBetweenOpeningAndClosingLines) {
    const QString stars = QString(49, '*') + ' ';
    ElmExchange link;
    link.setDemoDelay(0);
    link.logEvent(" - Read DTC"); // logging off: nothing, and no file
    EXPECT_FALSE(QFile::exists(CommLog::path()));

    link.setCommLogging(true);
    link.switchDemoMode(true);
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");
    link.logEvent(" - Read DTC");
    link.switchDemoMode(false);
    link.setCommLogging(false);
    // Ticking the box again appends a new opening to the same file.
    link.setCommLogging(true);
    link.setCommLogging(false);

    const QStringList lines = readCrLfLines(CommLog::path());
    ASSERT_EQ(lines.size(), 15) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], stars);
    EXPECT_TRUE(endsWith(lines[2], " - Programm start"));
    EXPECT_TRUE(endsWith(lines[3], " - Demo-Mode ON"));
    EXPECT_TRUE(endsWith(lines[4], " - S: 0100"));
    EXPECT_TRUE(endsWith(lines[5], " - R: 4100BE1FE811"));
    EXPECT_TRUE(endsWith(lines[6], " - Read DTC"));
    EXPECT_TRUE(endsWith(lines[7], " - Demo-Mode OFF"));
    EXPECT_TRUE(endsWith(lines[8], " - Programm terminated"));
    EXPECT_EQ(lines[9], stars);
    EXPECT_EQ(lines[10], " ");
    EXPECT_EQ(lines[11], stars);
    EXPECT_TRUE(endsWith(lines[12], " - Programm start"));
    EXPECT_TRUE(endsWith(lines[13], " - Programm terminated"));
    EXPECT_EQ(lines[14], stars);
}

// A log that cannot be opened leaves logging off, so that nothing believes in a log that does not
// exist.
TEST_F(LogFileTest, ALogThatDoesNotOpenLeavesLoggingOff) {
    ASSERT_TRUE(QDir().mkpath(CommLog::path()));
    ElmExchange link;
    QString failure;
    EXPECT_FALSE(link.setCommLogging(true, &failure));
    EXPECT_TRUE(failure.contains(CommLog::path())) << failure.toStdString();
    EXPECT_FALSE(link.commLogging());
    EXPECT_FALSE(link.commLog().isOpen());
    QDir(CommLog::path()).removeRecursively();
    link.setCommLogging(true);
    EXPECT_TRUE(link.commLogging());
    link.setCommLogging(false);
}

TEST_F(LogFileTest, SentinelAnswersAreLoggedToo) {
    ScriptedChannel channel;
    ElmExchange link(&channel);
    link.setSilenceTimeout(5);
    link.setCommLogging(true);
    EXPECT_EQ(link.exchange("03"), std::nullopt);
    link.setCommLogging(false);
    const QStringList lines = readCrLfLines(CommLog::path());
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(endsWith(lines[3], " - S: 03"));
    EXPECT_TRUE(endsWith(lines[4], " - R: Error"));
}

TEST_F(LogFileTest, AnswerBytesThatControlATerminalAreWrittenOutVisibly) {
    ScriptedChannel channel;
    ElmExchange link(&channel);
    link.setCommLogging(true);
    // A hostile adapter: a title-setting sequence, a screen clear, a NUL and a C1 control.
    static const char hostile[] = "41 0C \x1B]0;owned\x07\x1B[2J\0\x9B\r>";
    channel.reply({QByteArray(hostile, sizeof hostile - 1)});
    const QString answer = link.exchange("010C").value_or("");
    link.setCommLogging(false);

    QFile file(CommLog::path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (char c : bytes)
        EXPECT_TRUE(c == '\r' || c == '\n' || uchar(c) >= 0x20) << int(c);
    EXPECT_TRUE(bytes.contains(" - R: 410C\\x1B]0;owned\\x07\\x1B[2J\\x00\\x9B\r\n"))
        << bytes.toStdString();
    // The answer itself reaches the readers unchanged; only what is shown is written out.
    static const char packed[] = "410C\x1B]0;owned\x07\x1B[2J\0\x9B";
    EXPECT_EQ(answer, QString::fromLatin1(packed, sizeof packed - 1));
}

TEST_F(LogFileTest, ALogThatCannotBeWrittenIsReportedOnceAndTheExchangeGoesOn) {
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    // A full disk: opening works, every write fails.
    ASSERT_TRUE(QFile::link("/dev/full", CommLog::path()));
    ElmExchange link;
    link.setDemoDelay(0);
    link.switchDemoMode(true);
    QStringList failures;
    link.commLog().setFailureHandler([&failures](const QString& m) { failures << m; });

    link.setCommLogging(true);
    EXPECT_EQ(link.exchange("0100"), "4100BE1FE811");
    EXPECT_EQ(link.exchange("0101"), link.exchange("0101"));
    link.logEvent(" - Read DTC");
    EXPECT_NO_THROW(link.setCommLogging(false));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(CommLog::path())) << failures[0].toStdString();
    EXPECT_TRUE(link.commLog().failed());
    EXPECT_FALSE(link.commLog().isOpen());

    // Ticking the box again tries again, and again tells once.
    link.setCommLogging(true);
    EXPECT_EQ(failures.size(), 2);
    QFile::remove(CommLog::path());
    link.setCommLogging(false);
    link.setCommLogging(true);
    EXPECT_FALSE(link.commLog().failed());
    EXPECT_TRUE(link.commLog().isOpen());
    link.setCommLogging(false);
    EXPECT_EQ(failures.size(), 2);
}

TEST_F(LogFileTest, ALogInAReadOnlyDirectoryIsReportedAndNothingThrows) {
    CommLog log;
    QStringList failures;
    log.setFailureHandler([&failures](const QString& m) { failures << m; });
    // A directory where the file should be cannot be opened as a file, whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(CommLog::path()));
    EXPECT_NO_THROW(log.open());
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(failures.size(), 1);
    log.writeEvent(" - S: 0100");
    log.close();
    EXPECT_EQ(failures.size(), 1);
    QDir(CommLog::path()).removeRecursively();
}

} // namespace
