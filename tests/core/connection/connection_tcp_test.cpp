// The connection sequence with a network adapter: the emulated interface on a loopback TCP port.

#include "core/connection/connection_sequence.h"
#include "core/connection/program_context.h"
#include "core/link/com_port.h"
#include "core/link/serial_port.h"
#include "tools/elmsim/tcp_elm.h"

#include "tests/core/connection/connection_recording_view.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct TcpConnection : testing::Test {
    ProgramContext context;
    RecordingConnectionView view;
    ConnectionSequence sequence{context, view};
    std::unique_ptr<TcpElm> elm;

    void SetUp() override {
        context.comPort = createComPort();
        context.link.setChannel(context.comPort.get());
        context.link.setSilenceTimeout(300);
    }

    QString serve() {
        elm = std::make_unique<TcpElm>(TcpElm::Config{}, 0);
        elm->start();
        return elm->address();
    }
};

TEST_F(TcpConnection, ReachesEveryStageThroughTheNetworkAndDisconnects) {
    const QString port = serve();
    context.comPort->setPortName(port);
    ASSERT_TRUE(sequence.initializeConnection());

    QStringList expected{"Port: " + port + " ready"};
    expected << elm323LinesAfterPort();
    EXPECT_EQ(view.texts(), expected);
    EXPECT_EQ(view.marks(), elm323Marks());
    EXPECT_EQ(view.comLabel, port);
    EXPECT_EQ(view.vin, "1G1JC5444R7252367");
    EXPECT_FALSE(context.connection.noCommunication());

    // Connect again: the old connection is closed, a new one made.
    ASSERT_TRUE(sequence.reconnect());
    EXPECT_EQ(elm->clientCount(), 2);

    sequence.disconnect();
    EXPECT_FALSE(context.comPort->isOpen());
    EXPECT_TRUE(context.connection.noCommunication());
    EXPECT_EQ(view.texts().last(), "COM Port closed");
}

TEST_F(TcpConnection, AdapterThatRefusesSaysWhyBelowThePortLine) {
    const QString port = serve();
    elm.reset(); // nobody listens there any more
    context.comPort->setPortName(port);
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts(),
              QStringList({"Port: " + port + " could not be opened!",
                           port + " refused the connection: is the adapter switched on, and is "
                                  "this its port?",
                           "Interface is not responding"}));
    EXPECT_EQ(view.marks(), QStringList({"ERR", "ERR", "ERR"}));
    EXPECT_EQ(view.comLabel, "COM?");
    EXPECT_FALSE(view.comLed);
    EXPECT_TRUE(context.connection.noCommunication());
}

TEST_F(TcpConnection, AutomaticDetectionNeverTriesTheNetwork) {
    const QString port = serve();
    context.comPort->setPortName(port);
    context.autoDetect = true;

    context.serialPortNames = {};
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts(), QStringList({"No serial port found", "Interface is not responding"}));

    const QString missing = test_env::freshDir("tcp-autodetect") + "/ttyUSB0";
    context.serialPortNames = {missing};
    EXPECT_FALSE(sequence.initializeConnection());
    EXPECT_EQ(view.texts().first(), "Port: " + missing + " could not be opened!");
    EXPECT_EQ(view.texts().size(), 2); // a serial device keeps its single line
    EXPECT_EQ(elm->clientCount(), 0);
}

} // namespace
