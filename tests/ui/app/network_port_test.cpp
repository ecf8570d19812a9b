// A WiFi adapter in the window: its address typed into the port box, stored, and connected to like
// a serial device. The adapter is the emulated interface on a loopback TCP port.

#include "core/settings/settings_store.h"
#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "tools/elmsim/tcp_elm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

QStringList logLines(const ProgramRun& run) {
    QStringList lines;
    const QListWidget* list = run.find<QListWidget>(QStringLiteral("LogListBox"));
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

TEST(NetworkPort, TypedAddressIsStoredNotedAndConnectedTo) {
    TcpElm elm({}, 0);
    elm.start();
    ProgramRun run;
    run.showPage(QStringLiteral("btnOptions"));
    auto* port = run.find<QComboBox>(QStringLiteral("COM_CB"));
    auto* note = run.find<QLabel>(QStringLiteral("labNetworkPortNote"));
    EXPECT_FALSE(note->isVisible());

    // As typed by the user: without the scheme.
    port->setEditText(elm.address().mid(QStringLiteral("tcp://").size()));
    Q_EMIT port->lineEdit()->editingFinished();
    EXPECT_EQ(run.context.comPort->portName(), elm.address());
    EXPECT_EQ(port->currentText(), elm.address());
    EXPECT_TRUE(note->isVisible());
    {
        SettingsStore store;
        ASSERT_TRUE(store.open(false));
        EXPECT_EQ(store.readText("Port"), elm.address());
        EXPECT_EQ(store.readText("BaudRate"), "9600"); // the group stays whole
    }

    run.showPage(QStringLiteral("btnStart"));
    run.click(QStringLiteral("NeuInitialisierenBtn"));
    const QStringList lines = logLines(run);
    // Fifteen, and the emulated ELM323's control units not told apart.
    ASSERT_EQ(lines.size(), 16) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.first(), "Port: " + elm.address() + " ready");
    EXPECT_EQ(lines.last(), "Mode 09 Init, Vehicle Information");
    EXPECT_EQ(run.find<QLabel>(QStringLiteral("COM_Label"))->text(), elm.address());
    EXPECT_FALSE(run.context.connection.noCommunication());

    // A serial device again: the note goes.
    run.click(QStringLiteral("btnDisconnect"));
    run.showPage(QStringLiteral("btnOptions"));
    port->setEditText(QStringLiteral("/dev/ttyUSB0"));
    Q_EMIT port->lineEdit()->editingFinished();
    EXPECT_FALSE(note->isVisible());
}

TEST(NetworkPort, AdapterThatRefusesShowsWhyInTheLog) {
    QString address;
    {
        TcpElm gone({}, 0);
        address = gone.address();
    }
    ProgramRun run;
    run.context.comPort->setPortName(address);
    run.showPage(QStringLiteral("btnStart"));
    run.click(QStringLiteral("NeuInitialisierenBtn"));
    const QStringList lines = logLines(run);
    ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0], "Port: " + address + " could not be opened!");
    EXPECT_TRUE(lines[1].startsWith(address + " refused the connection")) << lines[1].toStdString();
    EXPECT_TRUE(run.context.connection.noCommunication());
}

} // namespace
