#include "core/faultcodes/lzhuf_decoder.h"
#include "core/faultcodes/lzhuf_encoder.h"
#include "core/faultcodes/lzhuf_model.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator rng(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

// Text with the statistics of a description table: many repeats, some variety.
QByteArray tableLikeText(int records) {
    static const char* const words[] = {"Sensor", "Circuit", "Low",   "High",  "Bank 1",
                                        "Bank 2", "Range",   "Input", "Valve", "Performance"};
    QRandomGenerator rng(7);
    QByteArray text;
    for (int i = 0; i < records; ++i) {
        text +=
            "P" + QByteArray::number(i % 4000, 16).rightJustified(4, '0').toUpper() + "\tGeneric\t";
        for (int w = 0; w < 5; ++w)
            text += QByteArray(words[rng.bounded(10)]) + ' ';
        text += '\n';
    }
    return text;
}

void expectRoundTrip(const QByteArray& raw) {
    const QByteArray packed = lzhuf::encode(raw);
    const lzhuf::DecodeResult back = lzhuf::decode(packed, quint32(raw.size()));
    EXPECT_FALSE(back.inputExhausted);
    ASSERT_EQ(back.data.size(), raw.size());
    EXPECT_TRUE(back.data == raw);
}

} // namespace

TEST(LzhufCodec, RoundTripsInputsOfEveryKind) {
    expectRoundTrip(QByteArray());
    expectRoundTrip(QByteArray("x"));
    expectRoundTrip(QByteArray(" ")); // the ring's fill byte: an immediate match candidate
    expectRoundTrip(QByteArray("ab"));
    expectRoundTrip(QByteArray(100000, 'A'));
    expectRoundTrip(QByteArray(9000, ' '));
    expectRoundTrip(randomBytes(1, 1));
    expectRoundTrip(randomBytes(4097, 2));
    expectRoundTrip(randomBytes(70000, 3));
}

TEST(LzhufCodec, RoundTripsTableSizedTextAcrossManyTreeRebuilds) {
    // Far beyond 32768 symbols, so the Huffman tree is halved and rebuilt several times.
    const QByteArray raw = tableLikeText(12000);
    ASSERT_GT(raw.size(), 400000);
    const QByteArray packed = lzhuf::encode(raw);
    EXPECT_LT(packed.size(), raw.size() / 3);
    const lzhuf::DecodeResult back = lzhuf::decode(packed, quint32(raw.size()));
    EXPECT_TRUE(back.data == raw);
}

TEST(LzhufCodec, MatchesTheReferenceBitStream) {
    // Packed by a straight port of the original LZHUF program; a match is found in the ring's
    // blanks first, then in the text itself.
    const QByteArray raw("    abcabcabcabc  hello hello hello!\n");
    const QByteArray reference = QByteArray::fromHex(FAULTCODES_REFERENCE_PACKED);
    EXPECT_EQ(lzhuf::encode(raw).toHex(), reference.toHex());
    EXPECT_TRUE(lzhuf::decode(reference, quint32(raw.size())).data == raw);
}

TEST(LzhufCodec, PositionTablesFollowTheFixedCode) {
    const auto& t = lzhuf::kPositionTables;
    EXPECT_EQ(t.upperOf[0], 0);
    EXPECT_EQ(t.upperOf[31], 0);
    EXPECT_EQ(t.upperOf[32], 1);
    EXPECT_EQ(t.upperOf[79], 3);
    EXPECT_EQ(t.upperOf[80], 4);
    EXPECT_EQ(t.upperOf[143], 11);
    EXPECT_EQ(t.upperOf[144], 12);
    EXPECT_EQ(t.upperOf[191], 23);
    EXPECT_EQ(t.upperOf[192], 24);
    EXPECT_EQ(t.upperOf[239], 47);
    EXPECT_EQ(t.upperOf[240], 48);
    EXPECT_EQ(t.lengthOf[31], 3);
    EXPECT_EQ(t.lengthOf[79], 4);
    EXPECT_EQ(t.lengthOf[143], 5);
    EXPECT_EQ(t.lengthOf[191], 6);
    EXPECT_EQ(t.lengthOf[239], 7);
    EXPECT_EQ(t.lengthOf[255], 8);
    // Each code, read back through the decoder's table, names its own upper part.
    for (int upper = 0; upper < 64; ++upper)
        EXPECT_EQ(t.upperOf[t.codeOf[upper]], upper);
}

TEST(LzhufCodec, StopsAtTheStatedSizeAndReportsMissingInput) {
    const QByteArray raw = tableLikeText(200);
    const QByteArray packed = lzhuf::encode(raw);

    // Asking for less: decoding stops there (a final match may run a little past it).
    const lzhuf::DecodeResult shorter = lzhuf::decode(packed, 100);
    EXPECT_GE(shorter.data.size(), 100);
    EXPECT_LT(shorter.data.size(), 100 + lzhuf::kLookAhead);
    EXPECT_TRUE(shorter.data == raw.left(shorter.data.size()));

    // Asking for more than the input holds: the decoder notices the input has run out.
    const lzhuf::DecodeResult longer = lzhuf::decode(packed, quint32(raw.size() + 5000));
    EXPECT_TRUE(longer.inputExhausted);
    EXPECT_LT(longer.data.size(), raw.size() + 5000);

    const lzhuf::DecodeResult cut =
        lzhuf::decode(packed.left(packed.size() / 2), quint32(raw.size()));
    EXPECT_TRUE(cut.inputExhausted);
}

TEST(LzhufCodec, DecodesArbitraryBytesWithinBounds) {
    // Run under the sanitizers this proves that no input leads out of bounds; the size bound
    // shows that a huge stated size cannot make the output grow without input.
    QRandomGenerator rng(11);
    for (int round = 0; round < 300; ++round) {
        const QByteArray junk = randomBytes(rng.bounded(0, 300), quint32(round));
        const quint32 size = round % 3 == 0 ? 0xFFFFFFFFu : rng.bounded(0u, 20000u);
        const lzhuf::DecodeResult r = lzhuf::decode(junk, size);
        EXPECT_LE(r.data.size(), (junk.size() * 8 + 1) * lzhuf::kLookAhead);
        if (size > 0 && r.data.size() < qsizetype(size)) {
            EXPECT_TRUE(r.inputExhausted);
        }
    }
}
