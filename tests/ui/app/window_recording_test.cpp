// The window records each connection's session into recordings/ when the option is ticked: a new
// file each time, marked in the status strip while it records, named with the VIN unless that is
// to be hidden.

#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"

#include <QCheckBox>
#include <QDir>
#include <gtest/gtest.h>

namespace {

QStringList recordings() {
    return QDir(data_dirs::dataSubDir(QStringLiteral("recordings")))
        .entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
}

TEST(WindowRecording, EachConnectionIsRecordedIntoItsOwnFile) {
    QDir(data_dirs::dataSubDir(QStringLiteral("recordings"))).removeRecursively();
    ProgramRun run;
    run.showPage(QStringLiteral("btnOptions"));
    run.click(QStringLiteral("cbRecordSession"));
    run.click(QStringLiteral("cbAnonymizeRecording"));
    {
        SettingsStore store;
        ASSERT_TRUE(store.open(false));
        EXPECT_EQ(store.readBool("RecordSessions"), true);
        EXPECT_EQ(store.readBool("AnonymizeRecordings"), true);
    }
    auto* mark = run.find<QLabel>(QStringLiteral("RecordingMark"));
    EXPECT_TRUE(mark->isHidden());

    run.showPage(QStringLiteral("btnStart"));
    run.connectElmsim();
    ASSERT_FALSE(run.context.connection.noCommunication());
    EXPECT_FALSE(mark->isHidden());
    EXPECT_TRUE(mark->toolTip().contains(QLatin1String("/recordings/")))
        << mark->toolTip().toStdString();
    const QString vin = run.context.service09->vin();
    ASSERT_FALSE(vin.isEmpty());
    run.click(QStringLiteral("btnDisconnect"));
    EXPECT_TRUE(mark->isHidden());

    // The second session keeps the VIN, in the file and in its name.
    run.showPage(QStringLiteral("btnOptions"));
    run.click(QStringLiteral("cbAnonymizeRecording"));
    run.showPage(QStringLiteral("btnStart"));
    run.connectElmsim();
    run.click(QStringLiteral("btnDisconnect"));

    const QStringList files = recordings();
    ASSERT_EQ(files.size(), 2) << files.join(' ').toStdString();
    const QString named =
        files.filter(QStringLiteral("_") + vin + QStringLiteral(".jsonl")).value(0);
    ASSERT_FALSE(named.isEmpty()) << files.join(' ').toStdString();
    const QString hidden = files.at(files.indexOf(named) == 0 ? 1 : 0);
    const QDir dir(data_dirs::dataSubDir(QStringLiteral("recordings")));
    struct Expected {
        QString file;
        const char* anonymized;
        bool holdsVin;
    };
    for (const Expected& e : {Expected{hidden, "\"anonymized\":true", false},
                              Expected{named, "\"anonymized\":false", true}}) {
        QFile file(dir.filePath(e.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.readLine();
        EXPECT_TRUE(header.contains(e.anonymized)) << header.toStdString();
        EXPECT_TRUE(header.contains("\"interface\":\"ELM323 v2.0\"")) << header.toStdString();
        const QByteArray rest = file.readAll();
        EXPECT_TRUE(rest.contains("\"command\":\"ATZ\"")); // the chip's commands too
        // "IN00" of the placeholder VIN, in the second of the ELM323's messages.
        EXPECT_EQ(rest.contains("49 02 02 49 4E 30 30"), !e.holdsVin) << e.file.toStdString();
    }
}

} // namespace
