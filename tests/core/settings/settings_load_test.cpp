#include "core/l10n/startup_language.h"
#include "core/l10n/translator.h"
#include "core/link/com_port.h"
#include "core/link/serial_port.h"
#include "core/settings/settings_load.h"
#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"

#include "tests/support/test_environment.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

// Stands in for the serial channel: writes and reads its six values as the channel does.
struct FakeSerial {
    QString port = QStringLiteral("/dev/ttyUSB0");
    QStringList restoredFrom;
    int stores = 0;

    SerialSettingsIo io() {
        SerialSettingsIo io;
        io.store = [this](PortSettingsStore& store) {
            ++stores;
            const QStringList values{port,
                                     QStringLiteral("9600"),
                                     QStringLiteral("1"),
                                     QStringLiteral("8"),
                                     QStringLiteral("None"),
                                     QStringLiteral("None")};
            for (int i = 0; i < 6; ++i)
                store.writeText(setting_names::SerialGroup[i], values[i]);
        };
        io.restore = [this](PortSettingsStore& store) {
            for (const QLatin1String name : setting_names::SerialGroup)
                restoredFrom.append(store.readText(name).value_or(QStringLiteral("<missing>")));
        };
        return io;
    }
};

QString freshIni(const char* name) {
    return test_env::freshDir(QString::fromLatin1(name)) + QStringLiteral("/quorvane.ini");
}

QStringList keysOf(const QString& path) {
    QSettings raw(path, QSettings::IniFormat);
    QStringList keys = raw.allKeys();
    keys.sort();
    return keys;
}

TEST(SettingsLoad, FirstRunCreatesTheKeyWithItsValues) {
    const QString path = freshIni("load_first");
    SettingsStore store(path);
    FakeSerial serial;
    const SettingsLoadResult result = loadSettings(store, serial.io());

    EXPECT_TRUE(result.firstRun);
    EXPECT_EQ(serial.stores, 1);
    EXPECT_TRUE(serial.restoredFrom.isEmpty());
    // The controls keep their built-in states: metric units.
    EXPECT_EQ(result.options.unitSystem, UnitSystem::Metric);
    EXPECT_FALSE(result.options.autoConnect);

    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Language").toString(), QStringLiteral("en"));
    EXPECT_EQ(raw.value("CommLogging").toString(), QStringLiteral("0"));
    EXPECT_EQ(raw.value("AutoDetect").toString(), QStringLiteral("0"));
    EXPECT_EQ(raw.value("SystemOfMeasurements").toInt(), 0);
    EXPECT_EQ(raw.value("WidthGraph1").toInt(), 1);
    EXPECT_EQ(raw.value("WidthGraph2").toInt(), 1);
    EXPECT_EQ(raw.value("ColorGraph1").toInt(), 255);
    EXPECT_EQ(raw.value("ColorGraph2").toInt(), 16711680);
    EXPECT_EQ(raw.value("Port").toString(), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_FALSE(raw.contains("AutoConnect"));
    EXPECT_FALSE(raw.contains("Address1"));
    EXPECT_EQ(keysOf(path).size(), 14);
}

TEST(SettingsLoad, SecondRunAddsAutoConnectAndRestoresTheSerialGroup) {
    const QString path = freshIni("load_second");
    SettingsStore store(path);
    FakeSerial serial;
    loadSettings(store, serial.io());
    const QStringList afterFirst = keysOf(path);

    const SettingsLoadResult second = loadSettings(store, serial.io());
    EXPECT_FALSE(second.firstRun);
    EXPECT_EQ(serial.restoredFrom, (QStringList{"/dev/ttyUSB0", "9600", "1", "8", "None", "None"}));
    QStringList expected = afterFirst;
    expected.append(QStringLiteral("AutoConnect"));
    expected.sort();
    EXPECT_EQ(keysOf(path), expected);
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("AutoConnect").toString(), QStringLiteral("0"));
    // Written once; a third run changes nothing.
    loadSettings(store, serial.io());
    EXPECT_EQ(keysOf(path), expected);
}

TEST(SettingsLoad, StoredValuesAreApplied) {
    const QString path = freshIni("load_stored");
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue("CommLogging", 1);
        raw.setValue("AutoDetect", 0);
        raw.setValue("AutoConnect", 1);
        raw.setValue("SystemOfMeasurements", 1);
        raw.setValue("WidthGraph1", 3);
        raw.setValue("WidthGraph2", 5);
        raw.setValue("ColorGraph1", 0x00FF00);
        raw.setValue("ColorGraph2", 0);
        raw.setValue("Address1", QStringLiteral("Autohaus Jürgens"));
        raw.setValue("AddressInternet", QStringLiteral("www.example.org"));
    }
    SettingsStore store(path);
    FakeSerial serial;
    const PersistedOptions options = loadSettings(store, serial.io()).options;
    EXPECT_TRUE(options.commLogging);
    EXPECT_FALSE(options.autoDetect);
    EXPECT_TRUE(options.autoConnect);
    EXPECT_EQ(options.unitSystem, UnitSystem::English);
    EXPECT_EQ(options.widthGraph1, 3);
    EXPECT_EQ(options.widthGraph2, 5);
    EXPECT_EQ(options.colorGraph1, 0x00FF00);
    EXPECT_EQ(options.colorGraph2, 0);
    EXPECT_EQ(options.address[0], QStringLiteral("Autohaus Jürgens"));
    EXPECT_EQ(options.address[1], std::nullopt);
    EXPECT_EQ(options.address[7], QStringLiteral("www.example.org"));
}

TEST(SettingsLoad, MissingValuesAreWrittenWithTheirDefaults) {
    const QString path = freshIni("load_missing");
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue("Language", QStringLiteral("de"));
    }
    SettingsStore store(path);
    FakeSerial serial;
    const SettingsLoadResult result = loadSettings(store, serial.io());
    EXPECT_FALSE(result.firstRun);
    // Missing serial values reach the channel as missing; its read-back rules decide.
    EXPECT_EQ(serial.restoredFrom, QStringList(6, QStringLiteral("<missing>")));
    EXPECT_EQ(serial.stores, 0);
    EXPECT_EQ(result.options.unitSystem, UnitSystem::Metric);
    // The graphs keep their built-in colours although the defaults are now stored.
    EXPECT_EQ(result.options.colorGraph1, std::nullopt);
    EXPECT_EQ(result.options.colorGraph2, std::nullopt);

    QSettings raw(path, QSettings::IniFormat);
    for (const char* name : {"CommLogging", "AutoDetect", "AutoConnect"})
        EXPECT_EQ(raw.value(name).toString(), QStringLiteral("0")) << name;
    EXPECT_EQ(raw.value("SystemOfMeasurements").toInt(), 0);
    EXPECT_EQ(raw.value("WidthGraph1").toInt(), 1);
    EXPECT_EQ(raw.value("WidthGraph2").toInt(), 1);
    EXPECT_EQ(raw.value("ColorGraph1").toInt(), 255);
    EXPECT_EQ(raw.value("ColorGraph2").toInt(), 16711680);
    EXPECT_FALSE(raw.contains("Address1"));
    EXPECT_FALSE(raw.contains("Port"));
    EXPECT_EQ(raw.value("Language").toString(), QStringLiteral("de"));
}

TEST(SettingsLoad, ValuesOutsideTheirRangeAreNotTakenAsTheyStand) {
    const QString path = freshIni("load_range");
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue("SystemOfMeasurements", 7);
        raw.setValue("WidthGraph1", 0);
        raw.setValue("WidthGraph2", 40);
        raw.setValue("Protocol", 13);        // there is no protocol D
        raw.setValue("ChipTimeout", "fast"); // not a number
        raw.setValue("SilenceTimeout", 100); // shorter than any answer
        raw.setValue("AutomaticBaudRate", "false");
    }
    SettingsStore store(path);
    const PersistedOptions options = loadSettings(store, FakeSerial().io()).options;
    EXPECT_EQ(options.unitSystem, UnitSystem::Metric);
    EXPECT_EQ(options.widthGraph1, 1);
    EXPECT_EQ(options.widthGraph2, 5);
    AdapterOptions expected;
    expected.automaticBaud = false;
    EXPECT_EQ(options.adapter, expected);
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("SystemOfMeasurements").toInt(), 0);
}

TEST(SettingsLoad, ThePortChangeStoresTheWholeSerialGroup) {
    const QString path = freshIni("load_port");
    SettingsStore store(path);
    FakeSerial serial;
    serial.port = QStringLiteral("/dev/ttyACM1");
    storeSerialSettings(store, serial.io());
    const QStringList keys = keysOf(path);
    EXPECT_EQ(keys,
              (QStringList{"BaudRate", "DataBits", "FlowControl", "Parity", "Port", "StopBits"}));
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Port").toString(), QStringLiteral("/dev/ttyACM1"));
    EXPECT_FALSE(store.isOpen());
}

TEST(SettingsLoad, TheSerialChannelKeepsItsPortAcrossRuns) {
    const QString path = freshIni("load_channel");
    SettingsStore store(path);
    SerialPort first;
    first.setPortName(QStringLiteral("/dev/ttyACM3"));
    loadSettings(store, serialSettingsOf(first));
    {
        QSettings raw(path, QSettings::IniFormat);
        EXPECT_EQ(raw.value("Port").toString(), QStringLiteral("/dev/ttyACM3"));
        EXPECT_EQ(raw.value("BaudRate").toString(), QStringLiteral("9600"));
        EXPECT_EQ(raw.value("Parity").toString(), QStringLiteral("None"));
    }
    SerialPort next;
    loadSettings(store, serialSettingsOf(next));
    EXPECT_EQ(next.portName(), QStringLiteral("/dev/ttyACM3"));

    next.setPortName(QStringLiteral("/dev/rfcomm0"));
    storeSerialSettings(store, serialSettingsOf(next));
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Port").toString(), QStringLiteral("/dev/rfcomm0"));
    EXPECT_EQ(raw.value("FlowControl").toString(), QStringLiteral("None"));
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A start-up over a damaged file: the language choice writes nothing into it, the load keeps a
// copy before its writes replace it and says where. Every damaged version gets its own copy; one
// already kept is not copied again.
TEST(SettingsLoad, ADamagedFileIsKeptBesideItBeforeItIsWrittenAnew) {
    const QString path = freshIni("damaged");
    const QByteArray first = "[General\nAutoDetect=1\n";
    const QByteArray second = "[Serial\nPort=/dev/ttyS1\n";
    const struct {
        QByteArray damaged;
        QString copy;
    } runs[] = {
        {first, path + ".damaged"}, {second, path + ".damaged.2"}, {first, path + ".damaged"}};
    for (const auto& run : runs) {
        writeFile(path, run.damaged);
        SettingsStore store(path);
        EXPECT_EQ(chooseStartupLanguage(store, QStringLiteral("fr_FR")), QStringLiteral("fr_FR"));
        const SettingsLoadResult loaded = loadSettings(store, FakeSerial().io());
        EXPECT_TRUE(loaded.unreadable);
        EXPECT_EQ(loaded.damagedCopy, run.copy);
        EXPECT_EQ(contentOf(run.copy), run.damaged);
        ASSERT_TRUE(store.open(false));
        EXPECT_FALSE(store.damaged());
        store.close();
    }
    EXPECT_EQ(contentOf(path + ".damaged"), first);
    EXPECT_FALSE(QFile::exists(path + ".damaged.3"));
}

// With every name taken by other versions, the damaged file is not written over at all.
TEST(SettingsLoad, ADamagedFileWithoutRoomForACopyStaysAsItIs) {
    const QString path = freshIni("damaged_full");
    writeFile(path, "[kept elsewhere");
    for (int n = 1; n <= 9; ++n)
        writeFile(path + ".damaged" + (n > 1 ? "." + QString::number(n) : QString()),
                  QByteArray::number(n));
    SettingsStore store(path);
    const SettingsLoadResult loaded = loadSettings(store, FakeSerial().io());
    EXPECT_TRUE(loaded.unreadable);
    EXPECT_EQ(loaded.damagedCopy, QString());
    EXPECT_EQ(contentOf(path), "[kept elsewhere");
}

TEST(StartupLanguage, FollowsTheStoreAndTheSystem) {
    const QString path = freshIni("language");
    SettingsStore store(path);

    // No key: the system's language, nothing written.
    EXPECT_EQ(chooseStartupLanguage(store, QStringLiteral("fr_FR")), QStringLiteral("fr_FR"));
    EXPECT_FALSE(store.keyExists());

    // A key without "Language": the system's language for this run, "de" for the next ones.
    storeBool(setting_names::AutoDetect, false, store);
    EXPECT_EQ(chooseStartupLanguage(store, QStringLiteral("fr_FR")), QStringLiteral("fr_FR"));
    ASSERT_TRUE(store.open(false));
    EXPECT_EQ(store.readText(setting_names::Language), QStringLiteral("de"));
    store.close();
    EXPECT_EQ(chooseStartupLanguage(store, QStringLiteral("fr_FR")), QStringLiteral("de"));

    // An empty stored code means the system's language.
    storeText(setting_names::Language, QString(), store);
    EXPECT_EQ(chooseStartupLanguage(store, QStringLiteral("it_IT")), QStringLiteral("it_IT"));
}

TEST(StartupLanguage, TheFirstRunIsInTheSystemsLanguageTheSecondInEnglish) {
    SettingsStore store(freshIni("first_second_language"));
    EXPECT_EQ(chooseStartupLanguage(store, QStringLiteral("de_AT")), QStringLiteral("de_AT"));
    loadSettings(store, FakeSerial().io());
    EXPECT_EQ(chooseStartupLanguage(store, QStringLiteral("de_AT")), QStringLiteral("en"));
}

TEST(StartupLanguage, TheRunsTranslatorGetsTheChosenLanguage) {
    SettingsStore store(freshIni("run_language"));
    storeText(setting_names::Language, QStringLiteral("de"), store);
    Translator translator(QStringLiteral("/nonexistent"));
    chooseRunLanguage(translator, store);
    EXPECT_EQ(translator.currentLanguage(), QStringLiteral("de"));
}

TEST(StartupLanguage, SystemLanguageComesFromLangWithoutCharset) {
    const bool wasSet = qEnvironmentVariableIsSet("LANG");
    const QByteArray saved = qgetenv("LANG");
    qputenv("LANG", "de_DE.UTF-8");
    EXPECT_EQ(systemLanguage(), QStringLiteral("de_DE"));
    qputenv("LANG", "sr_RS@latin");
    EXPECT_EQ(systemLanguage(), QStringLiteral("sr_RS"));
    qputenv("LANG", "fr");
    EXPECT_EQ(systemLanguage(), QStringLiteral("fr"));
    if (wasSet)
        qputenv("LANG", saved);
    else
        qunsetenv("LANG");
}

} // namespace
