// Every file the core replaces as a whole, written on a full disk: the earlier file stays as it
// was, no temporary file is left and the error names the cause. Written where something other than
// a regular file has the name: refused, and that thing left alone.

#include "core/l10n/const_str.h"
#include "core/livedata/log_span.h"
#include "core/livedata/log_table.h"
#include "core/livedata/sensor_file.h"
#include "core/livedata/terminal_transcript.h"
#include "core/report/report_files.h"
#include "core/settings/file_io.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/not_a_file.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Larger than the cap below, smaller than a file's write buffer: the bytes reach the disk only
// when the file is finished, which is where a full disk used to go unnoticed.
const QStringList kLines(40, QStringLiteral("0123456789ABCDEF0123456789"));

QString messageOf(const std::function<void()>& write) {
    try {
        write();
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

// Every save that replaces a file as a whole; each returns its error, empty when none came.
struct Saver {
    const char* name;
    std::function<QString(const QString& path)> write;
};

std::vector<Saver> savers() {
    QByteArray text;
    for (const QString& line : kLines)
        text += line.toUtf8() + "\r\n";
    const LogTable table =
        parseLogTable("\"Time\",\"A\"\r\n" + QByteArray("\"10:00:00\",\"1\"\r\n").repeated(60));
    return {
        {"helper", [=](const QString& p) { return saveWhole(p, text); }},
        {"report",
         [=](const QString& p) { return messageOf([&] { writeFileAtomically(p, text); }); }},
        {"sensors",
         [](const QString& p) { return messageOf([&] { writeSensorFile(p, kLines); }); }},
        {"transcript",
         [](const QString& p) { return messageOf([&] { terminal_transcript::save(p, kLines); }); }},
        {"log span",
         [=](const QString& p) { return messageOf([&] { writeSpanCsv(p, table, {0}, 0, 100); }); }},
    };
}

TEST(SaveFile, FullDiskLeavesTheEarlierFileAndNamesTheCause) {
    for (const Saver& c : savers()) {
        SCOPED_TRACE(c.name);
        const QString dir = test_env::freshDir(QStringLiteral("full-disk"));
        const QString path = dir + "/file";
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the earlier file\r\n");
        old.close();
        QString error;
        {
            const FileSizeLimit full(64);
            error = c.write(path);
        }
        EXPECT_TRUE(error.contains(FileSizeLimit::reason())) << error.toStdString();
        QFile kept(path);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll().toStdString(), "the earlier file\r\n");
        EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"file"});
    }
}

// The rename that finishes a save would put a regular file in place of a device, a fifo or a
// directory's name; each is refused before a byte is written, and a link to a file is followed.
TEST(SaveFile, TargetThatIsNoRegularFileIsRefusedAndLeftAlone) {
    for (const Saver& saver : savers())
        for (const NotAFile& target : notAFileKinds()) {
            SCOPED_TRACE(std::string(saver.name) + ", " + target.name);
            const QString dir = test_env::freshDir(QStringLiteral("not-a-file"));
            const QString path = dir + "/file";
            ASSERT_TRUE(target.make(path));
            const QStringList before = QDir(dir).entryList(QDir::AllEntries | QDir::System);
            const QString error = saver.write(path);
            EXPECT_TRUE(error.contains(const_str::NotARegularFile)) << error.toStdString();
            EXPECT_FALSE(QFileInfo(path).isFile());
            EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::System), before);
        }
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.name);
        const QString dir = test_env::freshDir(QStringLiteral("linked-file"));
        QFile old(dir + "/target");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.close();
        ASSERT_TRUE(QFile::link(dir + "/target", dir + "/link"));
        EXPECT_EQ(saver.write(dir + "/link"), QString());
        EXPECT_TRUE(QFileInfo(dir + "/link").isSymLink());
        EXPECT_GT(QFileInfo(dir + "/target").size(), 0);
    }
}

} // namespace
