// The session recording in core: the anonymizer in every line layout the chips print, and the
// recorder's file (streamed, described once the chip is known, a full disk told once).

#include "core/link/recording_privacy.h"
#include "core/link/recording_reader.h"
#include "core/link/session_recording.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <variant>

namespace {

// "1D4GP00R55B123456" and the session's first placeholder, "VIN00000000000001", as bytes.
struct Layout {
    const char* name;
    const char* command;
    QString answer;
    QString expected;
};

TEST(RecordingPrivacy, PlaceholdersInEveryLayout) {
    const Layout layouts[] = {
        {"CAN, numbered frames", "0902",
         "014\r0: 49 02 01 31 44 34\r1: 47 50 30 30 52 35 35\r2: 42 31 32 33 34 35 36\r\r>",
         "014\r0: 49 02 01 56 49 4E\r1: 30 30 30 30 30 30 30\r2: 30 30 30 30 30 30 31\r\r>"},
        {"CAN, numbered frames without blanks, echoed, count digit", "09021",
         "09021\r014\r0:490201314434\r1:47503030523535\r2:42313233343536\r\r>",
         "09021\r014\r0:49020156494E\r1:30303030303030\r2:30303030303031\r\r>"},
        {"CAN, 11-bit headers, after the search", "0902",
         "SEARCHING...\r7E8 10 14 49 02 01 31 44 34\r7E8 21 47 50 30 30 52 35 35\r"
         "7E8 22 42 31 32 33 34 35 36\r\r>",
         "SEARCHING...\r7E8 10 14 49 02 01 56 49 4E\r7E8 21 30 30 30 30 30 30 30\r"
         "7E8 22 30 30 30 30 30 30 31\r\r>"},
        {"CAN, 29-bit headers", "0902",
         "18 DA F1 10 10 14 49 02 01 31 44 34\r18 DA F1 10 21 47 50 30 30 52 35 35\r"
         "18 DA F1 10 22 42 31 32 33 34 35 36\r>",
         "18 DA F1 10 10 14 49 02 01 56 49 4E\r18 DA F1 10 21 30 30 30 30 30 30 30\r"
         "18 DA F1 10 22 30 30 30 30 30 30 31\r>"},
        {"older protocols, numbered messages", "0902",
         "49 02 01 00 00 00 31\r49 02 02 44 34 47 50\r49 02 03 30 30 52 35\r"
         "49 02 04 35 42 31 32\r49 02 05 33 34 35 36\r\r>",
         "49 02 01 00 00 00 56\r49 02 02 49 4E 30 30\r49 02 03 30 30 30 30\r"
         "49 02 04 30 30 30 30\r49 02 05 30 30 30 31\r\r>"},
        {"older protocols behind headers, checksum kept", "0902",
         "48 6B 10 49 02 01 00 00 00 31 AB\r48 6B 10 49 02 02 44 34 47 50 CD\r"
         "48 6B 10 49 02 03 30 30 52 35 EF\r48 6B 10 49 02 04 35 42 31 32 01\r"
         "48 6B 10 49 02 05 33 34 35 36 23\r>",
         "48 6B 10 49 02 01 00 00 00 56 AB\r48 6B 10 49 02 02 49 4E 30 30 CD\r"
         "48 6B 10 49 02 03 30 30 30 30 EF\r48 6B 10 49 02 04 30 30 30 30 01\r"
         "48 6B 10 49 02 05 30 30 30 31 23\r>"},
        {"older protocols, messages on one line", "0902",
         "49 02 01 00 00 00 31 49 02 02 44 34 47 50 49 02 03 30 30 52 35 "
         "49 02 04 35 42 31 32 49 02 05 33 34 35 36\r\r>",
         "49 02 01 00 00 00 56 49 02 02 49 4E 30 30 49 02 03 30 30 30 30 "
         "49 02 04 30 30 30 30 49 02 05 30 30 30 31\r\r>"},
        {"calibration ID with its padding", "0904",
         "013\r0: 49 04 01 4A 4D 42\r1: 2A 33 36 37 36 31 35\r2: 30 30 00 00 00 00 AA\r\r>",
         "013\r0: 49 04 01 43 41 4C\r1: 49 44 30 30 30 30 30\r2: 30 31 00 00 00 00 AA\r\r>"},
        {"another request", "0100", "41 00 BE 1F B8 10\r\r>", "41 00 BE 1F B8 10\r\r>"},
        {"no data", "0902", "NO DATA\r\r>", "NO DATA\r\r>"},
    };
    for (const Layout& layout : layouts) {
        std::map<QString, QString> placeholders;
        EXPECT_EQ(anonymizedAnswer(QLatin1String(layout.command), layout.answer, placeholders),
                  layout.expected)
            << layout.name;
    }
}

// One value, one placeholder, for the whole session; another value gets the next.
TEST(RecordingPrivacy, PlaceholdersAreConsistent) {
    std::map<QString, QString> placeholders;
    const QString first = QStringLiteral("49 02 01 00 00 00 31\r49 02 02 44 34 47 50\r>");
    const QString second = QStringLiteral("49 02 01 00 00 00 32\r49 02 02 44 34 47 50\r>");
    const QString once = anonymizedAnswer(QStringLiteral("0902"), first, placeholders);
    EXPECT_EQ(anonymizedAnswer(QStringLiteral("0902"), first, placeholders), once);
    EXPECT_EQ(anonymizedAnswer(QStringLiteral("0902"), second, placeholders),
              QStringLiteral("49 02 01 00 00 00 56\r49 02 02 49 4E 30 32\r>"));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each exchange is in the file as soon as it is recorded; the first line learns the chip and its
// protocol; what comes back through the reader is what went in.
TEST(SessionRecorder, StreamsAndDescribesTheSession) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.jsonl"));
    SessionRecorder recorder;
    ASSERT_EQ(recorder.open(path, {QStringLiteral("1.0"), QStringLiteral("metric"), false}, true),
              QString());
    const QByteArray control = QByteArray("\x1B[2J41 00 BE 1F B8 10\r\r>").prepend('\0');
    recorder.record(QStringLiteral("ATI"), "ELM327 v1.5\r\r>", 3);
    recorder.record(QStringLiteral("0100"), control, 40);
    recorder.record(QStringLiteral("ATDPN"), "A6\r\r>", 2);
    const QByteArray written = fileBytes(path); // not closed: flushed line by line
    EXPECT_EQ(written.count('\n'), 4);
    EXPECT_EQ(written.indexOf('\n'), SessionRecorder::kHeaderBytes - 1);

    auto read = recording_reader::read(written);
    ASSERT_TRUE(std::holds_alternative<recording_reader::Session>(read));
    const auto& session = std::get<recording_reader::Session>(read);
    EXPECT_EQ(session.interface, QStringLiteral("ELM327 v1.5"));
    EXPECT_EQ(session.protocol, QStringLiteral("6"));
    ASSERT_EQ(session.exchanges.size(), 3u);
    EXPECT_EQ(session.exchanges[1].answer.toLatin1(), control);
    EXPECT_EQ(session.exchanges[1].ms, 40);
    // A file that exists is not touched without replace.
    SessionRecorder second;
    EXPECT_NE(second.open(path, {}, false), QString());
    EXPECT_EQ(fileBytes(path), written);
}

// A full disk ends the recording with one message; the session itself is not disturbed.
TEST(SessionRecorder, FullDiskIsToldOnce) {
    QTemporaryDir dir;
    SessionRecorder recorder;
    QStringList messages;
    recorder.setFailureHandler([&messages](const QString& message) { messages << message; });
    ASSERT_EQ(recorder.open(dir.filePath(QStringLiteral("r.jsonl")), {}, true), QString());
    {
        const FileSizeLimit full(SessionRecorder::kHeaderBytes + 60);
        for (int n = 0; n < 5; ++n)
            recorder.record(QStringLiteral("010C"), "41 0C 1A F8\r\r>", 20);
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(FileSizeLimit::reason()))
        << messages.first().toStdString();
    EXPECT_FALSE(recorder.isOpen());
}

} // namespace
