#include "core/faultcodes/lzhuf_encoder.h"

#include "core/faultcodes/lzhuf_model.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace lzhuf {
namespace {

constexpr int kNil = kRingSize; // "no node" in the match trees

class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : m_out(out) {}

    // Appends the n low bits of value, most significant first.
    void put(unsigned value, int n) {
        for (int i = n - 1; i >= 0; --i) {
            m_byte = static_cast<std::uint8_t>((m_byte << 1) | ((value >> i) & 1U));
            if (++m_filled == 8) {
                m_out.append(char(m_byte));
                m_byte = 0;
                m_filled = 0;
            }
        }
    }

    // The last partial byte, padded with zero bits.
    void finish() {
        if (m_filled > 0)
            m_out.append(char(m_byte << (8 - m_filled)));
        m_byte = 0;
        m_filled = 0;
    }

private:
    QByteArray& m_out;
    std::uint8_t m_byte = 0;
    int m_filled = 0;
};

// The LZSS dictionary: for every first byte value a binary search tree of the ring positions,
// ordered by the kLookAhead bytes that start there.
class MatchFinder {
public:
    MatchFinder() {
        for (int i = kRingSize + 1; i <= kRingSize + 256; ++i)
            m_right[i] = kNil;
        for (int i = 0; i < kRingSize; ++i)
            m_parent[i] = kNil;
    }

    // The ring, with kLookAhead - 1 extra bytes mirroring its start so that a comparison
    // never has to wrap.
    std::uint8_t text[kRingSize + kLookAhead - 1] = {};
    int matchPosition = 0;
    int matchLength = 0;

    void insert(int r) {
        int cmp = 1;
        const std::uint8_t* key = &text[r];
        int p = kRingSize + 1 + key[0];
        m_right[r] = m_left[r] = kNil;
        matchLength = 0;
        for (;;) {
            if (cmp >= 0) {
                if (m_right[p] != kNil) {
                    p = m_right[p];
                } else {
                    m_right[p] = r;
                    m_parent[r] = p;
                    return;
                }
            } else {
                if (m_left[p] != kNil) {
                    p = m_left[p];
                } else {
                    m_left[p] = r;
                    m_parent[r] = p;
                    return;
                }
            }
            int i = 1;
            for (; i < kLookAhead; ++i) {
                cmp = int(key[i]) - int(text[p + i]);
                if (cmp != 0)
                    break;
            }
            if (i > kThreshold) {
                const int distance = ((r - p) & (kRingSize - 1)) - 1;
                if (i > matchLength) {
                    matchPosition = distance;
                    matchLength = i;
                    if (matchLength >= kLookAhead)
                        break;
                } else if (i == matchLength && distance < matchPosition) {
                    matchPosition = distance;
                }
            }
        }
        // A full-length match: r takes p's place in the tree, p leaves it.
        m_parent[r] = m_parent[p];
        m_left[r] = m_left[p];
        m_right[r] = m_right[p];
        m_parent[m_left[p]] = r;
        m_parent[m_right[p]] = r;
        if (m_right[m_parent[p]] == p)
            m_right[m_parent[p]] = r;
        else
            m_left[m_parent[p]] = r;
        m_parent[p] = kNil;
    }

    void remove(int p) {
        if (m_parent[p] == kNil)
            return;
        int q;
        if (m_right[p] == kNil) {
            q = m_left[p];
        } else if (m_left[p] == kNil) {
            q = m_right[p];
        } else {
            q = m_left[p];
            if (m_right[q] != kNil) {
                do {
                    q = m_right[q];
                } while (m_right[q] != kNil);
                m_right[m_parent[q]] = m_left[q];
                m_parent[m_left[q]] = m_parent[q];
                m_left[q] = m_left[p];
                m_parent[m_left[p]] = q;
            }
            m_right[q] = m_right[p];
            m_parent[m_right[p]] = q;
        }
        m_parent[q] = m_parent[p];
        if (m_right[m_parent[p]] == p)
            m_right[m_parent[p]] = q;
        else
            m_left[m_parent[p]] = q;
        m_parent[p] = kNil;
    }

private:
    // Index kRingSize is the shared "nil" slot; kRingSize + 1 + b are the roots per first byte.
    int m_left[kRingSize + 1] = {};
    int m_right[kRingSize + 257] = {};
    int m_parent[kRingSize + 1] = {};
};

void encodeSymbol(HuffmanTree& tree, BitWriter& out, int symbol) {
    // The path is found from the leaf upwards but must be written from the root down.
    std::uint8_t path[kTableSize];
    int depth = 0;
    for (int k = tree.leafOf(symbol); k != kRoot; k = tree.parent(k))
        path[depth++] = static_cast<std::uint8_t>(k & 1);
    while (depth > 0)
        out.put(path[--depth], 1);
    tree.update(symbol);
}

void encodePosition(BitWriter& out, int position) {
    const int upper = position >> 6;
    const int length = kPositionTables.codeLengthOf[upper];
    out.put(unsigned(kPositionTables.codeOf[upper]) >> (8 - length), length);
    out.put(unsigned(position) & 0x3F, 6);
}

} // namespace

QByteArray encode(QByteArrayView raw) {
    QByteArray packed;
    if (raw.isEmpty())
        return packed;
    packed.reserve(raw.size() / 2 + 16);
    auto tree = std::make_unique<HuffmanTree>();
    auto finder = std::make_unique<MatchFinder>();
    std::uint8_t* text = finder->text;
    BitWriter out(packed);

    const auto* next = reinterpret_cast<const std::uint8_t*>(raw.data());
    const auto* end = next + raw.size();

    int s = 0;
    int r = kFirstWrite;
    for (int i = s; i < r; ++i)
        text[i] = kRingFill;
    int len = 0;
    for (; len < kLookAhead && next < end; ++len)
        text[r + len] = *next++;
    for (int i = 1; i <= kLookAhead; ++i)
        finder->insert(r - i);
    finder->insert(r);

    do {
        if (finder->matchLength > len)
            finder->matchLength = len;
        if (finder->matchLength <= kThreshold) {
            finder->matchLength = 1;
            encodeSymbol(*tree, out, text[r]);
        } else {
            encodeSymbol(*tree, out, 255 - kThreshold + finder->matchLength);
            encodePosition(out, finder->matchPosition);
        }
        const int lastMatchLength = finder->matchLength;
        int i = 0;
        for (; i < lastMatchLength && next < end; ++i) {
            const std::uint8_t c = *next++;
            finder->remove(s);
            text[s] = c;
            if (s < kLookAhead - 1)
                text[s + kRingSize] = c;
            s = (s + 1) & (kRingSize - 1);
            r = (r + 1) & (kRingSize - 1);
            finder->insert(r);
        }
        while (i++ < lastMatchLength) {
            finder->remove(s);
            s = (s + 1) & (kRingSize - 1);
            r = (r + 1) & (kRingSize - 1);
            if (--len)
                finder->insert(r);
        }
    } while (len > 0);
    out.finish();
    return packed;
}

} // namespace lzhuf
