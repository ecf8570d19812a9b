#include "core/faultcodes/lzhuf_model.h"

#include <algorithm>

namespace lzhuf {

HuffmanTree::HuffmanTree() {
    for (int i = 0; i < kSymbolCount; ++i) {
        m_freq[i] = 1;
        m_son[i] = i + kTableSize;
        m_parent[i + kTableSize] = i;
    }
    for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
        m_freq[j] = m_freq[i] + m_freq[i + 1];
        m_son[j] = i;
        m_parent[i] = m_parent[i + 1] = j;
    }
    m_freq[kTableSize] = 0xFFFF;
    m_parent[kRoot] = 0;
}

// Halves every leaf frequency and builds the tree again, so that old statistics fade and the
// frequencies stay below the sentinel.
void HuffmanTree::rebuild() {
    int j = 0;
    for (int i = 0; i < kTableSize; ++i) {
        if (m_son[i] >= kTableSize) {
            m_freq[j] = (m_freq[i] + 1) / 2;
            m_son[j] = m_son[i];
            ++j;
        }
    }
    for (int i = 0, j = kSymbolCount; j < kTableSize; i += 2, ++j) {
        const unsigned f = m_freq[i] + m_freq[i + 1];
        m_freq[j] = f;
        int k = j - 1;
        while (f < m_freq[k])
            --k;
        ++k;
        std::copy_backward(m_freq.begin() + k, m_freq.begin() + j, m_freq.begin() + j + 1);
        m_freq[k] = f;
        std::copy_backward(m_son.begin() + k, m_son.begin() + j, m_son.begin() + j + 1);
        m_son[k] = i;
    }
    for (int i = 0; i < kTableSize; ++i) {
        const int k = m_son[i];
        m_parent[k] = i;
        if (k < kTableSize)
            m_parent[k + 1] = i;
    }
}

void HuffmanTree::update(int symbol) {
    if (m_freq[kRoot] == kMaxFrequency)
        rebuild();
    int c = m_parent[symbol + kTableSize];
    do {
        const unsigned k = ++m_freq[c];
        int l = c + 1;
        if (k > m_freq[l]) {
            while (k > m_freq[++l]) {
            }
            --l;
            m_freq[c] = m_freq[l];
            m_freq[l] = k;

            const int i = m_son[c];
            m_parent[i] = l;
            if (i < kTableSize)
                m_parent[i + 1] = l;

            const int j = m_son[l];
            m_son[l] = i;
            m_parent[j] = c;
            if (j < kTableSize)
                m_parent[j + 1] = c;
            m_son[c] = j;

            c = l;
        }
        c = m_parent[c];
    } while (c != 0);
}

} // namespace lzhuf
