#include "core/settings/settings_store.h"

#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString iniIn(const QString& dirName) {
    return test_env::freshDir(dirName) + QStringLiteral("/sub/quorvane.ini");
}

TEST(SettingsStore, DefaultPathFollowsTheConfigVariable) {
    EXPECT_EQ(SettingsStore::defaultPath(), qEnvironmentVariable("QUORVANE_CONFIG"));
}

TEST(SettingsStore, OpeningWithoutCreateNeedsAnExistingKey) {
    SettingsStore store(iniIn(QStringLiteral("store_open")));
    EXPECT_FALSE(store.keyExists());
    EXPECT_FALSE(store.open(false));
    EXPECT_FALSE(store.isOpen());

    // Created even though nothing is written: its existence is what marks a later run.
    ASSERT_TRUE(store.open(true));
    store.close();
    EXPECT_TRUE(store.keyExists());
    EXPECT_TRUE(store.open(false));
}

TEST(SettingsStore, ValuesRoundTripWithTheirTypes) {
    const QString path = iniIn(QStringLiteral("store_types"));
    {
        SettingsStore store(path);
        ASSERT_TRUE(store.open(true));
        store.writeBool(QStringLiteral("Flag"), true);
        store.writeBool(QStringLiteral("Off"), false);
        store.writeInt(QStringLiteral("Colour"), 16711680);
        store.writeInt(QStringLiteral("Negative"), -5);
        store.writeText(QStringLiteral("Address1"),
                        QStringLiteral("Kfz-Meisterbetrieb Müller & Söhne, Straße 1"));
        store.writeText(QStringLiteral("Empty"), QString());
        store.close();
    }
    SettingsStore store(path);
    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readBool(QStringLiteral("Flag")), true);
    EXPECT_EQ(store.readBool(QStringLiteral("Off")), false);
    EXPECT_EQ(store.readInt(QStringLiteral("Colour")), 16711680);
    EXPECT_EQ(store.readInt(QStringLiteral("Negative")), -5);
    EXPECT_EQ(store.readText(QStringLiteral("Address1")),
              QStringLiteral("Kfz-Meisterbetrieb Müller & Söhne, Straße 1"));
    EXPECT_TRUE(store.exists(QStringLiteral("Empty")));
    EXPECT_EQ(store.readText(QStringLiteral("Empty")), QString());
    EXPECT_FALSE(store.exists(QStringLiteral("Missing")));
    EXPECT_EQ(store.readText(QStringLiteral("Missing")), std::nullopt);
    // A boolean is the number itself, so other programs and hand edits read it alike.
    EXPECT_EQ(store.readInt(QStringLiteral("Flag")), 1);
    EXPECT_EQ(store.readText(QStringLiteral("Off")), QStringLiteral("0"));
}

TEST(SettingsStore, TheFileIsUtf8Text) {
    const QString path = iniIn(QStringLiteral("store_utf8"));
    SettingsStore store(path);
    storeText(QStringLiteral("Address2"), QStringLiteral("Größe"), store);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Address2=Gr\xc3\xb6\xc3\x9f"
                                        "e"));
    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readText(QStringLiteral("Address2")), QStringLiteral("Größe"));
}

TEST(SettingsStore, HandEditedValuesAreReadSensibly) {
    const QString path = iniIn(QStringLiteral("store_hand_edited"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nWidthGraph1=wide\nAutoDetect=true\nAddress1=Meier, Hauptstr. 1\n");
    file.close();
    SettingsStore store(path);
    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readInt(QStringLiteral("WidthGraph1")), std::nullopt);
    EXPECT_EQ(store.readBool(QStringLiteral("AutoDetect")), true);
    EXPECT_EQ(store.readText(QStringLiteral("Address1")), QStringLiteral("Meier, Hauptstr. 1"));
}

TEST(SettingsStore, ClosedStoreReadsNothingAndSkipsWrites) {
    const QString path = iniIn(QStringLiteral("store_closed"));
    SettingsStore store(path);
    store.writeInt(QStringLiteral("X"), 1);
    EXPECT_FALSE(store.exists(QStringLiteral("X")));
    EXPECT_FALSE(store.keyExists());
}

TEST(SettingsStore, AWriteThatCannotBeMadeIsSkippedSilently) {
    // A file where the key's directory should be: nothing can be created below it, not even by
    // a privileged user.
    const QString blocker =
        test_env::freshDir(QStringLiteral("store_blocked")) + QStringLiteral("/file");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SettingsStore store(blocker + QStringLiteral("/sub/quorvane.ini"));
    storeInt(QStringLiteral("SystemOfMeasurements"), 1, store);
    EXPECT_FALSE(store.keyExists());
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(file.size(), 0);
}

// A writer killed at any moment leaves either the previous or the next complete file, never a
// file with part of the values: each sync replaces the whole file in one rename.
TEST(SettingsStore, AKilledWriterNeverLeavesAHalfWrittenFile) {
    const QString path = iniIn(QStringLiteral("store_kill"));
    constexpr int ValueCount = 200;
    {
        SettingsStore store(path);
        ASSERT_TRUE(store.open(true));
        for (int v = 0; v < ValueCount; ++v)
            store.writeInt(QStringLiteral("Value%1").arg(v), 0);
        store.close();
    }
    for (int round = 0; round < 5; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int generation = 1;; ++generation) {
                SettingsStore store(path);
                if (store.open(false)) {
                    for (int v = 0; v < ValueCount; ++v)
                        store.writeText(QStringLiteral("Value%1").arg(v),
                                        QString::number(generation).repeated(20));
                    store.close();
                }
            }
        }
        QThread::msleep(30 + 17 * round);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        SettingsStore store(path);
        ASSERT_TRUE(store.open(false));
        const auto first = store.readText(QStringLiteral("Value0"));
        ASSERT_TRUE(first.has_value());
        for (int v = 1; v < ValueCount; ++v)
            ASSERT_EQ(store.readText(QStringLiteral("Value%1").arg(v)), first) << "value " << v;
    }
}

} // namespace
