#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/lzh_container.h"
#include "core/l10n/const_str.h"
#include "tests/support/recording_notifier.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray sampleText() {
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += "P0" + QByteArray::number(100 + i % 900) + "\tGeneric\tSensor circuit " +
                QByteArray::number(i % 17) + " range/performance\n";
    return text;
}

QString unpackError(const QByteArray& container) {
    try {
        lzh_container::unpack(container);
    } catch (const FaultTableError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

void setSize(QByteArray& container, quint32 size) {
    qToLittleEndian(size, container.data() + 4);
}

} // namespace

TEST(LzhContainer, HeaderHoldsMagicSizeAndZipCrc) {
    const QByteArray container = lzh_container::pack("123456789");
    ASSERT_GE(container.size(), 12);
    EXPECT_EQ(container.left(4), QByteArray("@LHC"));
    EXPECT_EQ(qFromLittleEndian<quint32>(container.data() + 4), 9u);
    // The check value of the common CRC-32 for "123456789".
    EXPECT_EQ(qFromLittleEndian<quint32>(container.data() + 8), 0xCBF43926u);
}

TEST(LzhContainer, RoundTrips) {
    for (const QByteArray& raw : {QByteArray(), QByteArray("z"), sampleText()})
        EXPECT_TRUE(lzh_container::unpack(lzh_container::pack(raw)) == raw);
    const QByteArray empty = lzh_container::pack(QByteArray());
    EXPECT_EQ(empty.size(), 12); // nothing to pack: the header alone
}

TEST(LzhContainer, DamageGivesTheMatchingMessage) {
    const QByteArray good = lzh_container::pack(sampleText());

    QByteArray wrongMagic = good;
    wrongMagic[3] = 'X';
    EXPECT_EQ(unpackError(wrongMagic), const_str::NotLzhCompressed);
    EXPECT_EQ(unpackError("@LH"), const_str::NotLzhCompressed);
    EXPECT_EQ(unpackError(QByteArray()), const_str::NotLzhCompressed);

    QByteArray tooLarge = good;
    setSize(tooLarge, quint32(sampleText().size() + 1000));
    EXPECT_EQ(unpackError(tooLarge), const_str::DecompressionSizeMismatch);
    EXPECT_EQ(unpackError(good.left(10)), const_str::DecompressionSizeMismatch);

    QByteArray tooSmall = good;
    setSize(tooSmall, quint32(sampleText().size() - 1000));
    const QString smallError = unpackError(tooSmall);
    EXPECT_TRUE(smallError == const_str::DecompressionSizeMismatch ||
                smallError == const_str::CrcDecompressionError)
        << smallError.toStdString();

    QByteArray wrongCrc = good;
    wrongCrc[8] = char(wrongCrc[8] ^ 1);
    EXPECT_EQ(unpackError(wrongCrc), const_str::CrcDecompressionError);

    // A body cut short: the decoder runs out of input before the stated size.
    EXPECT_EQ(unpackError(good.left(good.size() - 40)), const_str::DecompressionSizeMismatch);
    EXPECT_EQ(unpackError(good.left(12)), const_str::DecompressionSizeMismatch);
}

TEST(LzhContainer, StatedSizeBeyondTheLimitIsRefusedBeforeUnpacking) {
    // A module of a few megabytes can really hold hundreds of megabytes of zeros; the table is
    // never unpacked past the limit, whatever the data hold.
    QByteArray huge = lzh_container::pack(sampleText());
    setSize(huge, lzh_container::kMaxUnpackedSize + 1);
    EXPECT_EQ(unpackError(huge), const_str::FaultTableTooLarge);
    setSize(huge, 0xFFFFFFFF);
    EXPECT_EQ(unpackError(huge), const_str::FaultTableTooLarge);
}

TEST(LzhContainer, RandomCorruptionIsCaughtOrHarmless) {
    // Bounded so that it stays quick under the sanitizers, which watch every access.
    const QByteArray raw = sampleText().left(20000);
    const QByteArray good = lzh_container::pack(raw);
    QRandomGenerator rng(2024);
    int caught = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = good;
        const int flips = 1 + rng.bounded(4);
        for (int f = 0; f < flips; ++f) {
            const qsizetype at = rng.bounded(damaged.size());
            damaged[at] = char(damaged[at] ^ char(1 + rng.bounded(255)));
        }
        if (round % 4 == 0)
            damaged.truncate(rng.bounded(damaged.size()));
        try {
            // Whatever passes every check must be the original.
            EXPECT_TRUE(lzh_container::unpack(damaged) == raw);
        } catch (const FaultTableError& e) {
            ++caught;
            EXPECT_TRUE(e.message() == const_str::NotLzhCompressed ||
                        e.message() == const_str::DecompressionSizeMismatch ||
                        e.message() == const_str::CrcDecompressionError ||
                        e.message() == const_str::FaultTableTooLarge);
        }
    }
    EXPECT_GT(caught, 350);
}

TEST(LzhContainer, DecompressHandlerKeepsTheBusyCursorOnlyWhileWorking) {
    RecordingNotifier notifier;
    QByteArray packedBytes = lzh_container::pack(sampleText());
    QBuffer packed(&packedBytes);
    packed.open(QIODevice::ReadOnly);
    packed.seek(5); // the handler rewinds
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    unpackLzh(packed, out, notifier);
    EXPECT_TRUE(out.data() == sampleText());
    EXPECT_EQ(notifier.busyCalls, (QList<bool>{true, false}));

    QByteArray damagedBytes = packedBytes;
    damagedBytes[0] = 'x';
    QBuffer damaged(&damagedBytes);
    damaged.open(QIODevice::ReadOnly);
    QBuffer out2;
    out2.open(QIODevice::ReadWrite);
    EXPECT_THROW(unpackLzh(damaged, out2, notifier), FaultTableError);
    EXPECT_FALSE(notifier.isBusy);
    EXPECT_TRUE(notifier.messages.isEmpty());
}
