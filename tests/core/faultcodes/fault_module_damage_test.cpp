// Language modules changed on disk: every offset and size inside the resource file is taken from
// the file, and a module that is not sound must be refused before anything walks it.

#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/fault_table_loader.h"
#include "core/l10n/resource_file.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/test_environment.h"
#include "tools/faultpack/module_builder.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const FaultRecords kRecords{
    {"P0125", "Generic", "Coolant temperature too low for closed-loop fuel control"},
    {"P1107", "Ford", "Maker text"},
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A module as the build makes it, for a program directory of its own.
struct Module {
    QString programDir;
    QString path;
    QByteArray bytes;
};

Module buildModule(const QString& name) {
    Module m;
    m.programDir = test_env::freshDir(name);
    m.path = m.programDir + "/locale/en/language.dll";
    module_builder::build(kRecords, m.path);
    m.bytes = readAll(m.path);
    return m;
}

quint32 wordAt(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

QByteArray withWord(QByteArray bytes, qsizetype at, quint32 value) {
    qToBigEndian(value, bytes.data() + at);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// What loading the bytes ends in: the notifier's message, the error thrown, or the records.
QString loadOutcome(const QByteArray& bytes, FaultCodeTable& table) {
    RecordingNotifier notifier;
    try {
        loadFaultModuleBytes(table, bytes, notifier);
    } catch (const FaultTableError& e) {
        return e.message();
    }
    if (!notifier.messages.isEmpty())
        return notifier.texts().join('|');
    return QStringLiteral("%1 records").arg(table.records().size());
}

} // namespace

TEST(FaultModuleDamage, OneChangedFieldIsBadLanguageDllLoad) {
    Module module = buildModule("one-field");
    ASSERT_TRUE(resource_file::isSound(module.bytes));
    const QByteArray intact = module.bytes;

    const qsizetype tree = wordAt(intact, 8);
    const qsizetype data = wordAt(intact, 12);
    // The first child of the root, and where the table's bytes are said to lie.
    const qsizetype rootFirstChild = tree + 10;
    const qsizetype faultSize = data + 0;
    // The table is the only entry: its bytes fill the data block up to the names.
    ASSERT_EQ(wordAt(intact, faultSize), wordAt(intact, 16) - data - 4);

    struct Case {
        const char* what;
        qsizetype at;
        quint32 value;
    };
    // Each of these made QResource read outside the file: a crash in the window at every start.
    const Case cases[] = {
        {"tree offset", 8, quint32(intact.size() - 8)},
        {"tree offset negative", 8, 0xFFFFFF00u},
        {"data offset", 12, quint32(intact.size() - 2)},
        {"data offset negative", 12, 0x80000000u},
        {"names offset", 16, quint32(intact.size() - 1)},
        {"table size", faultSize, 0x7FFFFFF0u},
        {"first child of the root", rootFirstChild, 0x00FFFFFFu},
        {"child count of the root", tree + 6, 1000u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray damaged = withWord(intact, c.at, c.value);
        EXPECT_FALSE(resource_file::isSound(damaged));
        writeFile(module.path, damaged);
        RecordingNotifier notifier;
        FaultCodeTable table;
        table.setRecords(kRecords);
        loadFaultCodeTable(table, "en", notifier, module.programDir);
        EXPECT_EQ(notifier.texts(), QStringList{"Bad language.dll Load"});
        EXPECT_TRUE(table.isEmpty());
        EXPECT_FALSE(notifier.isBusy);
    }

    // The intact module loads as ever, so the check refuses nothing the build makes.
    writeFile(module.path, intact);
    RecordingNotifier notifier;
    FaultCodeTable table;
    loadFaultCodeTable(table, "en", notifier, module.programDir);
    EXPECT_EQ(table.records(), kRecords);
    EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST(FaultModuleDamage, AnyWordChangedIsRefusedOrReadSafely) {
    // Every position of the file, each with values that point outside, wrap when added or name
    // the last bytes: the module is refused, fails with a message, or loads. Under the address
    // sanitizer a read outside the file fails the test.
    const Module module = buildModule("every-word");
    const quint32 size = quint32(module.bytes.size());
    int refused = 0;
    for (qsizetype at = 0; at + 4 <= module.bytes.size(); ++at) {
        for (quint32 value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, size, size - 4, 1u}) {
            const QByteArray damaged = withWord(module.bytes, at, value);
            FaultCodeTable table;
            const QString outcome = loadOutcome(damaged, table);
            if (outcome == QLatin1String("Bad language.dll Load")) {
                ++refused;
            } else if (!outcome.endsWith(QLatin1String(" records"))) {
                EXPECT_TRUE(table.isEmpty()) << outcome.toStdString();
            }
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(FaultModuleDamage, FilesThatAreNoModuleAreRefused) {
    const Module module = buildModule("no-module");
    EXPECT_FALSE(resource_file::isSound(QByteArray()));
    EXPECT_FALSE(resource_file::isSound(module.bytes.left(19)));
    // Cut anywhere inside the tree or the names, the file no longer holds what its header says.
    EXPECT_FALSE(resource_file::isSound(module.bytes.left(module.bytes.size() - 1)));
    EXPECT_FALSE(resource_file::isSound(withWord(module.bytes, 4, 9)));

    // Names that are no path segment: listing the module's tree by paths would never end.
    const qsizetype name = wordAt(module.bytes, 16);
    QByteArray emptyName = module.bytes;
    qToBigEndian(quint16(0), emptyName.data() + name);
    EXPECT_FALSE(resource_file::isSound(emptyName));
    QByteArray dotDot = module.bytes;
    qToBigEndian(quint16(2), dotDot.data() + name);
    qToBigEndian(quint32(0x002E002E), dotDot.data() + name + 6);
    EXPECT_FALSE(resource_file::isSound(dotDot));
    QByteArray slash = module.bytes;
    qToBigEndian(quint16('/'), slash.data() + name + 8);
    EXPECT_FALSE(resource_file::isSound(slash));

    // A device that never ends is read up to the limit and refused, not read forever.
    QFile::remove(module.path);
    ASSERT_TRUE(QFile::link("/dev/zero", module.path));
    EXPECT_TRUE(resource_file::readSound(module.path).isEmpty());
}
