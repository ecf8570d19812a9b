#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_record_format.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/l10n/const_str.h"

#include <gtest/gtest.h>

namespace {

FaultRecords sampleRecords() {
    return {
        {"P0125", "Generic", "Coolant too cold for closed-loop fuel control"},
        {"P0125", "Generic", "second record with the same key"},
        {"P1107", "Ford", "Ford text"},
        {"P1107", "Ford ", "padded maker"},
        {"P1299", "Mazda", "Mazda text"},
        {"B1491", "Ford", "Ford again, after another maker"},
    };
}

} // namespace

TEST(FaultCodeTable, LookupIsExactAndTheFirstRecordWins) {
    FaultCodeTable table;
    table.setRecords(sampleRecords());
    EXPECT_EQ(table.findDescription("P0125", "Generic"),
              QString("Coolant too cold for closed-loop fuel control"));
    EXPECT_EQ(table.findDescription("p0125", "Generic"), std::nullopt);
    EXPECT_EQ(table.findDescription("P0125", "generic"), std::nullopt);
    EXPECT_EQ(table.findDescription("P012", "Generic"), std::nullopt);
    EXPECT_EQ(table.findDescription("P1107", "Ford"), QString("Ford text"));
    EXPECT_EQ(table.findDescription("P1107", "Ford "), QString("padded maker"));
    EXPECT_EQ(table.findDescription("P1107", "Mazda"), std::nullopt);
    EXPECT_EQ(table.findDescription("B1491", "Ford"), QString("Ford again, after another maker"));
    EXPECT_EQ(table.findDescription("P9999", ""), std::nullopt);
}

TEST(FaultCodeTable, ManufacturerListFollowsTheTableOrder) {
    FaultCodeTable table;
    FaultRecords records = sampleRecords();
    records.prepend({"P0100", "  ", "leading empty maker"});
    table.setRecords(records);
    // Trimmed, consecutive repeats dropped, a split maker listed again, a leading empty maker
    // not listed at all.
    EXPECT_EQ(table.manufacturers(), (QStringList{"Generic", "Ford", "Mazda", "Ford"}));
}

TEST(FaultCodeTable, EmptyAndClearedTablesFindNothing) {
    FaultCodeTable table;
    EXPECT_TRUE(table.manufacturers().isEmpty());
    EXPECT_EQ(table.findDescription("P0125", "Generic"), std::nullopt);
    table.setRecords(sampleRecords());
    table.clear();
    EXPECT_TRUE(table.isEmpty());
    EXPECT_TRUE(table.manufacturers().isEmpty());
    EXPECT_EQ(table.findDescription("P0125", "Generic"), std::nullopt);
}

TEST(FaultCodeTable, P0CodesAreLookedUpAsGeneric) {
    EXPECT_EQ(manufacturerForCode("P0125", "Ford"), QString("Generic"));
    EXPECT_EQ(manufacturerForCode("P1107", "Ford"), QString("Ford"));
    EXPECT_EQ(manufacturerForCode("P2096", "Ford"), QString("Ford"));
    EXPECT_EQ(manufacturerForCode("B0001", ""), QString(""));
}

TEST(FaultRecordFormat, RoundTripsRecordsInOrder) {
    FaultRecords records = sampleRecords();
    records.append(
        {"U0100", "Generic", QString::fromUtf8("Verbindung zum Motorsteuergerät verloren")});
    EXPECT_EQ(fault_record_format::parse(fault_record_format::serialize(records)), records);
    EXPECT_TRUE(fault_record_format::parse(fault_record_format::serialize({})).isEmpty());
}

TEST(FaultRecordFormat, CutsValuesToTheFieldWidths) {
    const FaultRecords records{{"P01234", QString(50, 'M'), QString(200, 'd')}};
    const FaultRecords back = fault_record_format::parse(fault_record_format::serialize(records));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].code, QString("P0123"));
    EXPECT_EQ(back[0].manufacturer.size(), fault_fields::kManufacturerSize);
    EXPECT_EQ(back[0].description.size(), fault_fields::kDescriptionSize);
}

TEST(FaultRecordFormat, RejectsDataOfAnotherLayout) {
    const QByteArray good = fault_record_format::serialize(sampleRecords());
    EXPECT_THROW(fault_record_format::parse(QByteArray()), FaultTableError);
    EXPECT_THROW(fault_record_format::parse("plain text, not a table"), FaultTableError);
    QByteArray otherVersion = good;
    otherVersion[4] = 9;
    EXPECT_THROW(fault_record_format::parse(otherVersion), FaultTableError);
    // Cut anywhere inside the records.
    for (qsizetype cut : {good.size() - 1, good.size() - 30, qsizetype(60)})
        EXPECT_THROW(fault_record_format::parse(good.left(cut)), FaultTableError) << cut;
    // A record count far beyond the data.
    QByteArray hugeCount = good;
    const qsizetype countAt = good.indexOf("Description") + 11 + 2;
    hugeCount[countAt + 3] = char(0x7F);
    EXPECT_THROW(fault_record_format::parse(hugeCount), FaultTableError);
}

TEST(FaultRecordFormat, RefusesMoreRecordsThanAnyTableHolds) {
    // Records of three empty fields take six bytes each in the data but far more in memory; a
    // small module must not make the program build millions of them.
    const auto tableOf = [](quint32 count) {
        QByteArray data = fault_record_format::serialize({});
        const qsizetype countAt = data.size() - 4;
        for (int i = 0; i < 4; ++i)
            data[countAt + i] = char((count >> (8 * i)) & 0xFF);
        return data + QByteArray(qsizetype(count) * 6, '\0');
    };
    EXPECT_EQ(fault_record_format::parse(tableOf(1000)).size(), 1000);
    try {
        fault_record_format::parse(tableOf(fault_record_format::kMaxRecords + 1));
        FAIL() << "no error";
    } catch (const FaultTableError& e) {
        EXPECT_EQ(e.message(), const_str::FaultTableTooLarge);
    }
}
