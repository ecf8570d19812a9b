// The session both front ends drive, against the emulated interface on a pseudo-terminal: what
// each operation leaves behind, and what the end of a run says to the interface.

#include "core/connection/program_context.h"
#include "core/connection/session.h"
#include "core/link/comm_log.h"
#include "core/link/serial_port_error.h"
#include "tools/elmsim/pty_elm.h"

#include "tests/core/connection/connection_recording_view.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct SessionTest : testing::Test {
    Session session;
    ProgramContext& context = session.context();
    RecordingConnectionView view;
    std::unique_ptr<PtyElm> elm;

    void SetUp() override {
        QFile::remove(CommLog::path());
        session.attachView(&view);
        session.open();
        // A silent interface costs one short wait per command instead of 2.5 s.
        context.link.setSilenceTimeout(300);
        elm = std::make_unique<PtyElm>(PtyElm::Config{});
        elm->start();
        session.port().setPortName(elm->slavePath());
    }
    void TearDown() override {
        session.attachView(nullptr);
        elm->stop();
        QFile::remove(CommLog::path());
    }
    bool servicesBuilt() const {
        return context.service01 && context.service02 && context.service03 && context.service05 &&
               context.service06 && context.service07 && context.service08 && context.service09;
    }
};

TEST_F(SessionTest, OpenConnectAndDisconnectLeaveThePortAndTheLinkInStep) {
    EXPECT_TRUE(servicesBuilt());
    ASSERT_NE(context.comPort, nullptr);
    EXPECT_EQ(context.link.channel(), context.comPort.get());
    EXPECT_FALSE(session.port().isOpen());
    EXPECT_TRUE(context.connection.noCommunication());

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(session.connect()) << round;
        EXPECT_TRUE(session.port().isOpen());
        EXPECT_FALSE(context.connection.noCommunication());
        EXPECT_EQ(session.chipVersion(), "ELM323 v2.0");
        session.disconnect();
        EXPECT_FALSE(session.port().isOpen());
        EXPECT_TRUE(context.connection.noCommunication());
    }
}

// Shut down resets the interface with one request; close leaves it as it is. Both release the
// port and the service objects and give the log its closing lines.
TEST_F(SessionTest, EndOfRunTalksToTheInterfaceOnlyOnShutDown) {
    struct Case {
        const char* name;
        void (Session::*end)();
        int requests;
    };
    const Case cases[] = {{"shut down", &Session::shutDown, 1}, {"close", &Session::close, 0}};
    for (const Case& c : cases) {
        if (!context.comPort)
            session.open();
        session.port().setPortName(elm->slavePath());
        ASSERT_TRUE(context.link.setCommLogging(true));
        ASSERT_TRUE(session.connect()) << c.name;
        const int before = elm->requestCount();
        EXPECT_NO_THROW((session.*c.end)()) << c.name;
        EXPECT_EQ(elm->requestCount() - before, c.requests) << c.name;
        EXPECT_EQ(context.comPort, nullptr) << c.name;
        EXPECT_EQ(context.link.channel(), nullptr) << c.name;
        EXPECT_FALSE(context.service01 || context.service09) << c.name;
        EXPECT_FALSE(context.link.commLogging()) << c.name;
        const QStringList lines = readCrLfLines(CommLog::path());
        ASSERT_GE(lines.size(), 2) << c.name;
        EXPECT_TRUE(lines[lines.size() - 2].endsWith(" - Programm terminated")) << c.name;
        const bool resetLogged = lines.size() >= 4 && lines[lines.size() - 4].endsWith(" - S: ATZ");
        EXPECT_EQ(resetLogged, c.requests > 0) << lines.join('\n').toStdString();
    }
}

// The adapter pulled out: the exchange that meets it ends the connection at once (so the guarded
// actions stop) and the session announces it; at shut-down the loss is nobody's news.
TEST_F(SessionTest, ALostDeviceEndsTheConnectionAndIsAnnounced) {
    QStringList reported;
    QObject::connect(&session, &Session::deviceLost,
                     [&reported](const QString& reason) { reported << reason; });
    ASSERT_TRUE(session.connect());
    elm->closeMaster();
    EXPECT_THROW(context.link.exchange("0101"), SerialPortError);
    EXPECT_TRUE(context.connection.noCommunication());
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains(elm->slavePath())) << reported[0].toStdString();
}

TEST_F(SessionTest, ShutDownWithTheAdapterPulledStillClosesTheRunWithoutAnnouncingIt) {
    int reported = 0;
    QObject::connect(&session, &Session::deviceLost, [&reported] { ++reported; });
    ASSERT_TRUE(session.connect());
    elm->closeMaster();
    EXPECT_NO_THROW(session.shutDown());
    EXPECT_EQ(reported, 0);
    EXPECT_EQ(context.comPort, nullptr);
    EXPECT_FALSE(servicesBuilt());
}

} // namespace
