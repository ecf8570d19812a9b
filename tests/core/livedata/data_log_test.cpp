#include "core/l10n/const_str.h"
#include "core/livedata/data_log.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTime>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

const QDateTime kStart(QDate(2024, 3, 9), QTime(14, 3, 7));

TEST(DataLog, EveryFieldQuotedSoNamesWithCommasAndQuotesKeepTheirColumns) {
    const QString folder = test_env::freshDir("datalog-fields") + "/logfiles";
    DataLogWriter log;
    const QString name = log.open(
        folder, kStart,
        {"A", "Catalyst Temperature Bank 1, Sensor 1", QString::fromUtf8("Drosselklappe \"B\" °")});
    EXPECT_EQ(name, "240309140307.csv");
    log.writeRecord(QTime(14, 3, 7), {"800", "12,5", "Error"});
    log.writeRecord(QTime(9, 5, 0), {"say \"hi\"", "", " 1123"});
    log.close();
    EXPECT_EQ(contents(folder + "/" + name),
              QString::fromUtf8("\"Time\",\"A\",\"Catalyst Temperature Bank 1, Sensor 1\","
                                "\"Drosselklappe \"\"B\"\" °\"\r\n"
                                "\"14:03:07\",\"800\",\"12,5\",\"Error\"\r\n"
                                "\"09:05:00\",\"say \"\"hi\"\"\",\"\",\" 1123\"\r\n")
                  .toUtf8());
}

TEST(DataLog, RecordingsOfTheSameSecondNeverReplaceEachOther) {
    const QString folder = test_env::freshDir("datalog-names");
    DataLogWriter first, second, third;
    EXPECT_EQ(first.open(folder, kStart, {"A"}), "240309140307.csv");
    first.writeRecord(QTime(14, 3, 7), {"1"});
    EXPECT_EQ(second.open(folder, kStart, {"A"}), "240309140307-2.csv");
    EXPECT_EQ(third.open(folder, kStart, {"A"}), "240309140307-3.csv");
    first.close();
    // The first file still holds its record.
    EXPECT_EQ(contents(folder + "/240309140307.csv"), "\"Time\",\"A\"\r\n\"14:03:07\",\"1\"\r\n");
}

TEST(DataLog, EachRecordIsOnDiskBeforeTheNextOneIsMade) {
    const QString folder = test_env::freshDir("datalog-flush");
    DataLogWriter log;
    const QString name = log.open(folder, kStart, {"A", "B"});
    log.writeRecord(QTime(1, 2, 3), {"1", "2"});
    // Read while the log is still open: a crash now would leave exactly this.
    EXPECT_EQ(contents(folder + "/" + name),
              "\"Time\",\"A\",\"B\"\r\n\"01:02:03\",\"1\",\"2\"\r\n");
}

TEST(DataLog, FullDiskEndsTheLogWithItsLastWholeRecordAndNamesTheCause) {
    const QString folder = test_env::freshDir("datalog-full");
    DataLogWriter log;
    const QString path = folder + "/" + log.open(folder, kStart, {"A", "B"});
    log.writeRecord(QTime(1, 2, 3), {"1", "2"});
    const QByteArray whole = contents(path);
    try {
        // Room for half of the next record.
        const FileSizeLimit full(rlim_t(whole.size() + 10));
        log.writeRecord(QTime(1, 2, 4), {"3", "4"});
        FAIL() << "a cut record was taken for written";
    } catch (const DataLogError& e) {
        EXPECT_EQ(e.message(), path + ": " + FileSizeLimit::reason());
    }
    EXPECT_EQ(contents(path), whole);
}

TEST(DataLog, FolderOrFileThatCannotBeMadeIsReportedAndNothingIsOpen) {
    const QString dir = test_env::freshDir("datalog-fail");
    QFile blocker(dir + "/logfiles");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    DataLogWriter log;
    try {
        log.open(dir + "/logfiles", kStart, {"A"});
        FAIL() << "opened a log inside a file";
    } catch (const DataLogError& e) {
        EXPECT_EQ(e.message(), "Directory \"" + dir + "/logfiles\" can not be created");
    }
    EXPECT_FALSE(log.isOpen());
    EXPECT_THROW(log.openFile(dir + "/logfiles/x.csv", {"A"}), DataLogError);
    EXPECT_FALSE(log.isOpen());
}

TEST(DataLog, ANamedFileIsWrittenInTheSameFormat) {
    const QString path = test_env::freshDir("datalog-named") + "/watch.csv";
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older recording that is much longer than the new one\r\n");
    old.close();
    DataLogWriter log;
    log.openFile(path, {"Engine RPM"});
    log.writeRecord(QTime(23, 59, 59), {" 1123"});
    log.close();
    EXPECT_EQ(contents(path), "\"Time\",\"Engine RPM\"\r\n\"23:59:59\",\" 1123\"\r\n");
}

} // namespace
