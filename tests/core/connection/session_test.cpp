// The session both front ends drive, against the emulated interface on a pseudo-terminal: what
// each operation leaves behind, and what the end of a run says to the interface.

#include "core/connection/program_context.h"
#include "core/connection/session.h"
#include "core/link/comm_log.h"
#include "tools/elmsim/pty_elm.h"

#include "tests/core/connection/connection_recording_view.h"
#include "tests/support/log_file.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct SessionTest : testing::Test {
    ProgramContext context;
    RecordingConnectionView view;
    Session session{context, view};
    std::unique_ptr<PtyElm> elm;

    void SetUp() override {
        QFile::remove(CommLog::path());
        session.open();
        // A silent interface costs one short wait per command instead of 2.5 s.
        context.link.setSilenceTimeout(300);
        elm = std::make_unique<PtyElm>(PtyElm::Config{});
        elm->start();
        session.port().setPortName(elm->slavePath());
    }
    void TearDown() override {
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
    EXPECT_TRUE(context.link.noCommunication());

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(session.connect()) << round;
        EXPECT_TRUE(session.port().isOpen());
        EXPECT_FALSE(context.link.noCommunication());
        EXPECT_EQ(session.chipVersion(), "ELM323 v2.0");
        session.disconnect();
        EXPECT_FALSE(session.port().isOpen());
        EXPECT_TRUE(context.link.noCommunication());
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

TEST_F(SessionTest, ShutDownWithTheAdapterPulledStillClosesTheRun) {
    ASSERT_TRUE(session.connect());
    elm->closeMaster();
    EXPECT_NO_THROW(session.shutDown());
    EXPECT_EQ(context.comPort, nullptr);
    EXPECT_FALSE(servicesBuilt());
}

} // namespace
