// Every file the core replaces as a whole, written on a full disk: the earlier file stays as it
// was, no temporary file is left and the error names the cause.

#include "core/livedata/log_span.h"
#include "core/livedata/log_table.h"
#include "core/livedata/sensor_file.h"
#include "core/livedata/terminal_transcript.h"
#include "core/report/report_files.h"
#include "core/settings/file_io.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <exception>
#include <functional>
#include <gtest/gtest.h>

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

struct FullDiskCase {
    const char* name;
    std::function<QString(const QString& path)> write; // the error, empty when none was reported
};

TEST(SaveFile, FullDiskLeavesTheEarlierFileAndNamesTheCause) {
    QByteArray text;
    for (const QString& line : kLines)
        text += line.toUtf8() + "\r\n";
    const LogTable table =
        parseLogTable("\"Time\",\"A\"\r\n" + QByteArray("\"10:00:00\",\"1\"\r\n").repeated(60));
    const FullDiskCase cases[] = {
        {"helper", [&](const QString& p) { return saveWhole(p, text); }},
        {"report",
         [&](const QString& p) { return messageOf([&] { writeFileAtomically(p, text); }); }},
        {"sensors",
         [&](const QString& p) { return messageOf([&] { writeSensorFile(p, kLines); }); }},
        {"transcript",
         [&](const QString& p) {
             return messageOf([&] { terminal_transcript::save(p, kLines); });
         }},
        {"log span",
         [&](const QString& p) { return messageOf([&] { writeSpanCsv(p, table, {0}, 0, 100); }); }},
    };
    for (const FullDiskCase& c : cases) {
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

} // namespace
