// The sensor choice being edited, and the sensor files that keep it.

#include "core/livedata/sensor_file.h"
#include "core/livedata/sensor_selection.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Sensors by PID code; the supported ones are those named.
struct Sensors {
    std::vector<std::unique_ptr<LiveSensor>> entries;
    SensorListItem item(const QString& code, bool supported) {
        auto entry = std::make_unique<LiveSensor>();
        entry->pid.pidCode = code;
        entry->pid.pidNumber = code.toInt(nullptr, 16);
        entry->supported = supported;
        entries.push_back(std::move(entry));
        return {QStringLiteral("Sensor ") + code, entries.back().get()};
    }
    SensorList list(const QStringList& codes, bool supported) {
        SensorList items;
        for (const QString& code : codes)
            items << item(code, supported);
        return items;
    }
};

TEST(SensorSelection, MovesTakeTheRowsInSourceOrderAndNothingWithoutRows) {
    Sensors sensors;
    SensorSelection s;
    s.supported = sensors.list({"04", "05", "0C", "0D"}, true);
    s.notSupported = sensors.list({"0A", "0B"}, false);

    moveSensorRows(s.supported, s.monitored, {});
    EXPECT_TRUE(s.monitored.isEmpty());
    EXPECT_EQ(s.supported.size(), 4);

    moveSensorRows(s.supported, s.monitored, {3, 1, 1, 9, -1}); // any order, repeats, out of range
    EXPECT_EQ(pidCodesOf(s.monitored), (QStringList{"05", "0D"}));
    EXPECT_EQ(pidCodesOf(s.supported), (QStringList{"04", "0C"}));
    moveSensorRows(s.notSupported, s.monitored, {1});
    EXPECT_EQ(pidCodesOf(s.monitored), (QStringList{"05", "0D", "0B"}));

    // Back by the supported flag, each to the end of its own list.
    moveMonitoredBack(s, {0, 2});
    EXPECT_EQ(pidCodesOf(s.monitored), (QStringList{"0D"}));
    EXPECT_EQ(pidCodesOf(s.supported), (QStringList{"04", "0C", "05"}));
    EXPECT_EQ(pidCodesOf(s.notSupported), (QStringList{"0A", "0B"}));
    moveAllMonitoredBack(s);
    EXPECT_TRUE(s.monitored.isEmpty());
    EXPECT_EQ(pidCodesOf(s.supported), (QStringList{"04", "0C", "05", "0D"}));
}

TEST(SensorSelection, ReorderingMovesOneItemAndADropBelowTheLastGoesToTheEnd) {
    Sensors sensors;
    SensorList list = sensors.list({"04", "05", "0C", "0D"}, true);
    LiveSensor* moved = list[0].entry;
    EXPECT_TRUE(moveSensorWithin(list, 0, 2));
    EXPECT_EQ(pidCodesOf(list), (QStringList{"05", "0C", "04", "0D"}));
    EXPECT_FALSE(moveSensorWithin(list, 1, 1)); // dropped on itself
    EXPECT_TRUE(moveSensorWithin(list, 3, 0));
    EXPECT_EQ(pidCodesOf(list), (QStringList{"0D", "05", "0C", "04"}));
    EXPECT_TRUE(moveSensorWithin(list, 0, -1)); // below the last item
    EXPECT_EQ(pidCodesOf(list), (QStringList{"05", "0C", "04", "0D"}));
    EXPECT_EQ(list[2].entry, moved); // still its own entry
    EXPECT_FALSE(moveSensorWithin(list, 7, 0));
}

TEST(SensorSelection, LoadingTakesCodesInFileOrderFromEitherListOnce) {
    Sensors sensors;
    SensorSelection s;
    s.monitored = sensors.list({"04", "0C"}, true);
    s.supported = sensors.list({"0D"}, true);
    s.notSupported = sensors.list({"05", "0A"}, false);
    // 05 is not supported and still taken; FF names no sensor; repeats are skipped.
    EXPECT_EQ(loadSensorSelection(s, {"0C", "05", "FF", "0C", "05"}), 2);
    EXPECT_EQ(pidCodesOf(s.monitored), (QStringList{"0C", "05"}));
    EXPECT_EQ(pidCodesOf(s.supported), (QStringList{"0D", "04"}));
    EXPECT_EQ(pidCodesOf(s.notSupported), (QStringList{"0A"}));

    EXPECT_EQ(loadSensorSelection(s, {}), 0);
    EXPECT_TRUE(s.monitored.isEmpty());
    EXPECT_EQ(s.supported.size() + s.notSupported.size(), 5);
}

TEST(SensorFile, ExactLinesWithCrLfAndNothingElse) {
    EXPECT_EQ(formatSensorFile({"0C", "05"}), QByteArray("0C\r\n05\r\n"));
    EXPECT_EQ(formatSensorFile({}), QByteArray());
    const QString path = test_env::freshDir("sensor-file") + "/choice.sen";
    writeSensorFile(path, {"0C", "05"});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0C\r\n05\r\n"));
    EXPECT_EQ(readSensorFile(path), (QStringList{"0C", "05"}));
}

TEST(SensorFile, ReaderSkipsWhatIsNoWholeUpperCaseCodeAndRefusesWhatIsNoSensorList) {
    // Lower case, blanks, longer lines, a bare LF end, a last line without an end, repeats.
    const SensorFileContent mixed =
        parseSensorFile("0c\r\n\r\n 0D\r\n0D \r\n04\n0C\r\n0C0C\r\nFF\r\n04\r\n05");
    EXPECT_EQ(mixed.problem, SensorFileContent::Problem::None);
    EXPECT_EQ(mixed.pidCodes, (QStringList{"04", "0C", "FF", "05"}));

    EXPECT_EQ(parseSensorFile("").problem, SensorFileContent::Problem::None);
    EXPECT_TRUE(parseSensorFile("").pidCodes.isEmpty()); // an empty choice, saved as such
    EXPECT_EQ(parseSensorFile("\"Time\",\"Engine RPM\"\r\n").problem,
              SensorFileContent::Problem::NoSensorLines);
    EXPECT_EQ(parseSensorFile(QByteArray("\0\0\0\r\n", 5)).problem,
              SensorFileContent::Problem::NoSensorLines);

    // One overlong line, at the limit and past it.
    QByteArray large(kSensorFileMaxBytes - 4, 'x');
    large += "\n0C\n";
    EXPECT_EQ(parseSensorFile(large).pidCodes, QStringList{"0C"});
    large += 'x';
    EXPECT_EQ(parseSensorFile(large).problem, SensorFileContent::Problem::TooLarge);
}

TEST(SensorFile, FailuresAreReportedAndAFailedSaveLeavesTheOldFile) {
    const QString dir = test_env::freshDir("sensor-file-failures");
    EXPECT_THROW(readSensorFile(dir + "/missing.sen"), SensorFileError);
    {
        QFile wrong(dir + "/log.sen");
        ASSERT_TRUE(wrong.open(QIODevice::WriteOnly));
        wrong.write("\"Time\"\r\n");
    }
    try {
        readSensorFile(dir + "/log.sen");
        ADD_FAILURE() << "a file without sensor lines was read";
    } catch (const SensorFileError& error) {
        EXPECT_TRUE(error.message().contains("log.sen")) << error.message().toStdString();
    }

    // A name so long that no temporary file beside it can be made: the save fails before it
    // writes anything, and the file saved before stays whole.
    const QString path = dir + "/" + QString(246, 'n') + ".sen";
    writeSensorFile(path, {"0C"});
    EXPECT_THROW(writeSensorFile(path, {"05", "04"}), SensorFileError);
    EXPECT_EQ(readSensorFile(path), QStringList{"0C"});
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 2) << "a temporary file was left behind";
}

} // namespace
