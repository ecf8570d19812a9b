#include "tools/faultpack/fault_table_tsv.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

// The shipped description tables, read from the sources the build packs.
namespace {

FaultRecords table(const char* language) {
    return fault_table_tsv::read(QStringLiteral(FAULTCODES_DATA_DIR "/%1.tsv").arg(language));
}

using Key = std::pair<QString, QString>;

} // namespace

TEST(FaultData, TablesAreWellFormedAndUnique) {
    for (const char* language : {"en", "de", "fr", "es"}) {
        // read() already rejects bad codes, empty or over-long fields.
        const FaultRecords records = table(language);
        QSet<Key> keys;
        for (const FaultRecord& r : records)
            EXPECT_TRUE(keys.insert({r.code, r.manufacturer}) != keys.end());
        EXPECT_EQ(keys.size(), records.size()) << language << ": duplicate (code, maker) pairs";
        ASSERT_FALSE(records.isEmpty());
        EXPECT_EQ(records.first().manufacturer, QString("Generic")) << language;
    }
}

TEST(FaultData, EnglishCoversTheGenericRangesAndSeveralMakers) {
    const FaultRecords records = table("en");
    QHash<QString, int> perMaker;
    QStringList makerOrder;
    for (const FaultRecord& r : records) {
        if (!perMaker.contains(r.manufacturer))
            makerOrder.append(r.manufacturer);
        ++perMaker[r.manufacturer];
    }
    EXPECT_GE(perMaker.value("Generic"), 2100);
    int makers = 0;
    for (const QString& maker : makerOrder) {
        if (maker != "Generic" && perMaker.value(maker) >= 60)
            ++makers;
    }
    EXPECT_GE(makers, 6);

    // Each maker's records stand together, so each is listed once.
    QStringList seen;
    for (const FaultRecord& r : records) {
        if (seen.isEmpty() || seen.last() != r.manufacturer) {
            EXPECT_FALSE(seen.contains(r.manufacturer)) << r.manufacturer.toStdString();
            seen.append(r.manufacturer);
        }
    }

    // Generic records only for the generic ranges; the maker ranges belong to the makers.
    for (const FaultRecord& r : records) {
        if (r.manufacturer != "Generic")
            continue;
        EXPECT_TRUE(r.code.startsWith("P0") || r.code.startsWith("P2") ||
                    r.code.startsWith("P34") || r.code.startsWith("U0") ||
                    r.code.startsWith("B0") || r.code.startsWith("C0"))
            << r.code.toStdString();
    }

    // The codes the simulated vehicle reports have a description under some maker.
    QSet<QString> makerCodes;
    for (const FaultRecord& r : records) {
        if (r.manufacturer != "Generic")
            makerCodes.insert(r.code);
    }
    for (const char* code : {"P1107", "P1299", "P1198", "B1491", "B1992", "B2427"})
        EXPECT_TRUE(makerCodes.contains(code)) << code;
    for (const char* code : {"P0125", "P0736", "P0455", "P0133"})
        EXPECT_TRUE(perMaker.contains("Generic") &&
                    std::any_of(records.begin(), records.end(),
                                [&](const FaultRecord& r) {
                                    return r.code == code && r.manufacturer == "Generic";
                                }))
            << code;
}

TEST(FaultData, GermanHasEveryRecordOfTheEnglishTable) {
    const FaultRecords english = table("en");
    const FaultRecords german = table("de");
    QSet<Key> germanKeys;
    for (const FaultRecord& r : german)
        germanKeys.insert({r.code, r.manufacturer});
    for (const FaultRecord& r : english)
        EXPECT_TRUE(germanKeys.contains({r.code, r.manufacturer}))
            << r.code.toStdString() << " " << r.manufacturer.toStdString();
    EXPECT_EQ(german.size(), english.size());
}
