#pragma once

#include <array>
#include <cstdint>

// The parameters and the adaptive Huffman model shared by the LZHUF encoder and decoder. Both
// sides must update the model identically after every symbol, so it lives in one place.
namespace lzhuf {

inline constexpr int kRingSize = 4096;
inline constexpr int kLookAhead = 60;
inline constexpr int kThreshold = 2;
// Blanks fill the ring before the first byte, which is written at kRingSize - kLookAhead.
inline constexpr int kFirstWrite = kRingSize - kLookAhead;
inline constexpr std::uint8_t kRingFill = ' ';
// 256 literals followed by the match lengths kThreshold + 1 .. kLookAhead.
inline constexpr int kSymbolCount = 256 - kThreshold + kLookAhead;
inline constexpr int kTableSize = kSymbolCount * 2 - 1;
inline constexpr int kRoot = kTableSize - 1;
inline constexpr unsigned kMaxFrequency = 0x8000;

// The fixed prefix code of the upper 6 bits of a match position, seen from the 8 bits the
// decoder reads first: the upper part and the code length of each byte value.
struct PositionTables {
    std::array<std::uint8_t, 256> upperOf{};
    std::array<std::uint8_t, 256> lengthOf{};
    // The reverse direction for the encoder: the code (left-aligned in 8 bits) and its length.
    std::array<std::uint8_t, 64> codeOf{};
    std::array<std::uint8_t, 64> codeLengthOf{};
};

constexpr PositionTables makePositionTables() {
    // Number of upper parts sharing each code length, and how many byte values each one covers.
    struct Group {
        int uppers;
        int bytesEach;
        int length;
    };
    constexpr Group groups[] = {{1, 32, 3}, {3, 16, 4}, {8, 8, 5},
                                {12, 4, 6}, {24, 2, 7}, {16, 1, 8}};
    PositionTables t;
    int byte = 0;
    int upper = 0;
    for (const Group& g : groups) {
        for (int u = 0; u < g.uppers; ++u, ++upper) {
            t.codeOf[upper] = static_cast<std::uint8_t>(byte);
            t.codeLengthOf[upper] = static_cast<std::uint8_t>(g.length);
            for (int b = 0; b < g.bytesEach; ++b, ++byte) {
                t.upperOf[byte] = static_cast<std::uint8_t>(upper);
                t.lengthOf[byte] = static_cast<std::uint8_t>(g.length);
            }
        }
    }
    return t;
}

inline constexpr PositionTables kPositionTables = makePositionTables();
static_assert(kPositionTables.upperOf[255] == 63 && kPositionTables.lengthOf[255] == 8);
static_assert(kPositionTables.codeOf[1] == 0x20 && kPositionTables.codeOf[48] == 0xF0);

// The adaptive Huffman tree of kTableSize nodes. Nodes are kept sorted by frequency; a node's
// children are son[n] and son[n] + 1, and a son value of kTableSize or more marks a leaf holding
// the symbol son[n] - kTableSize.
class HuffmanTree {
public:
    HuffmanTree();

    // Counts one more occurrence of the symbol and restores the ordering.
    void update(int symbol);

    int son(int node) const { return m_son[node]; }
    int parent(int node) const { return m_parent[node]; }
    int leafOf(int symbol) const { return m_parent[symbol + kTableSize]; }

private:
    void rebuild();

    // One more entry than nodes: a sentinel above every real frequency ends the reordering scan.
    std::array<unsigned, kTableSize + 1> m_freq{};
    // Parents of the nodes, then (from kTableSize on) the leaf node of each symbol.
    std::array<int, kTableSize + kSymbolCount> m_parent{};
    std::array<int, kTableSize> m_son{};
};

} // namespace lzhuf
