#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/fault_table_loader.h"
#include "core/faultcodes/lzh_container.h"
#include "core/l10n/const_str.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/test_environment.h"
#include "tools/faultpack/module_builder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const FaultRecords kEnglish{
    {"P0125", "Generic", "Coolant temperature too low for closed-loop fuel control"},
    {"P0125", "Generic", "a later duplicate that must never be shown"},
    {"P1107", "Ford", "English maker text"},
};
const FaultRecords kGerman{
    {"P0125", "Generic", QString::fromUtf8("Kühlmitteltemperatur für Regelbetrieb zu niedrig")},
    {"P1107", "Ford", "Deutscher Herstellertext"},
};

QString modulePath(const QString& programDir, const QString& code) {
    return programDir + "/locale/" + code + "/language.dll";
}

// A program directory with modules for the given languages.
QString programDirWith(const QString& name, const QStringList& languages) {
    const QString dir = test_env::freshDir(name);
    for (const QString& code : languages)
        module_builder::build(code == "de" ? kGerman : kEnglish, modulePath(dir, code));
    return dir;
}

QString loadError(FaultCodeTable& table, const QString& dir, RecordingNotifier& notifier) {
    try {
        loadFaultCodeTable(table, "en", notifier, dir);
    } catch (const FaultTableError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(FaultTableLoader, LoadsTheModuleOfTheLanguage) {
    const QString dir = programDirWith("both", {"en", "de"});
    RecordingNotifier notifier;
    FaultCodeTable table;
    loadFaultCodeTable(table, "de", notifier, dir);
    EXPECT_EQ(table.records(), kGerman);
    EXPECT_EQ(table.manufacturers(), (QStringList{"Generic", "Ford"}));
    EXPECT_TRUE(notifier.messages.isEmpty());
    EXPECT_EQ(notifier.busyCalls, (QList<bool>{true, false}));

    // The module is released after loading, so loading again works the same way.
    loadFaultCodeTable(table, "en", notifier, dir);
    EXPECT_EQ(table.findDescription("P0125", "Generic"), kEnglish[0].description);
    EXPECT_EQ(table.findDescription("p0125", "Generic"), std::nullopt);
}

TEST(FaultTableLoader, FallsBackToEnglish) {
    const QString both = programDirWith("fallback-both", {"en", "de"});
    const QString englishOnly = programDirWith("fallback-en", {"en"});
    EXPECT_EQ(faultModulePath(englishOnly, "de"), modulePath(englishOnly, "en"));
    // Only a two-letter code names a module, even where a matching directory exists.
    EXPECT_EQ(faultModulePath(both, "de_DE"), modulePath(both, "en"));
    EXPECT_EQ(faultModulePath(both, "d"), modulePath(both, "en"));
    EXPECT_EQ(faultModulePath(both, ""), modulePath(both, "en"));
    // A two-character code that would leave the locale directory is not a language.
    QFile::copy(modulePath(both, "de"), both + "/language.dll");
    EXPECT_EQ(faultModulePath(both, ".."), modulePath(both, "en"));

    RecordingNotifier notifier;
    FaultCodeTable table;
    loadFaultCodeTable(table, "de", notifier, englishOnly);
    EXPECT_EQ(table.records(), kEnglish);
    loadFaultCodeTable(table, "de_DE", notifier, both);
    EXPECT_EQ(table.records(), kEnglish);
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST(FaultTableLoader, MissingOrForeignModuleLeavesTheTableEmpty) {
    const QString none = test_env::freshDir("no-modules");
    const QString foreign = test_env::freshDir("foreign-module");
    QDir().mkpath(foreign + "/locale/en");
    QFile junk(modulePath(foreign, "en"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("MZ this is not a resource file");
    junk.close();

    for (const QString& dir : {none, foreign}) {
        RecordingNotifier notifier;
        FaultCodeTable table;
        table.setRecords(kEnglish);
        loadFaultCodeTable(table, "de", notifier, dir);
        EXPECT_TRUE(table.isEmpty());
        EXPECT_TRUE(table.manufacturers().isEmpty());
        EXPECT_EQ(table.findDescription("P0125", "Generic"), std::nullopt);
        EXPECT_EQ(notifier.texts(), QStringList{"Bad language.dll Load"});
        EXPECT_FALSE(notifier.isBusy);
    }
}

TEST(FaultTableLoader, DamagedModuleThrowsAndLeavesTheTableEmpty) {
    const QString dir = test_env::freshDir("damaged");
    QByteArray container = lzh_container::pack("some table bytes that will not survive");
    container[9] = char(container[9] ^ 0x10);
    module_builder::buildFromContainer(container, modulePath(dir, "en"));

    RecordingNotifier notifier;
    FaultCodeTable table;
    table.setRecords(kEnglish);
    EXPECT_EQ(loadError(table, dir, notifier), const_str::CrcDecompressionError);
    EXPECT_TRUE(table.isEmpty());
    EXPECT_FALSE(notifier.isBusy);

    // Intact container, but its content is not a table.
    module_builder::buildFromContainer(lzh_container::pack("not a table"), modulePath(dir, "en"));
    EXPECT_EQ(loadError(table, dir, notifier), const_str::FaultTableUnreadable);
    EXPECT_TRUE(table.isEmpty());
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST(FaultTableLoader, ModuleWithoutTheTableResourceThrows) {
    const QString dir = test_env::freshDir("no-resource");
    QDir().mkpath(dir + "/locale/en");
    QFile qrc(dir + "/other.qrc");
    ASSERT_TRUE(qrc.open(QIODevice::WriteOnly));
    qrc.write("<RCC><qresource prefix=\"/\"><file>other.qrc</file></qresource></RCC>\n");
    qrc.close();
    QProcess rcc;
    rcc.setWorkingDirectory(dir);
    rcc.start(module_builder::defaultRcc(), {"--binary", "-o", modulePath(dir, "en"), "other.qrc"});
    ASSERT_TRUE(rcc.waitForFinished());
    ASSERT_EQ(rcc.exitCode(), 0);

    RecordingNotifier notifier;
    FaultCodeTable table;
    EXPECT_EQ(loadError(table, dir, notifier), const_str::FaultResourceMissing);
    EXPECT_TRUE(table.isEmpty());
}
