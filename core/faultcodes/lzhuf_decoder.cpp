#include "core/faultcodes/lzhuf_decoder.h"

#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/lzhuf_model.h"
#include "core/l10n/const_str.h"

#include <cstdint>
#include <memory>
#include <new>

namespace lzhuf {
namespace {

// Bits most significant first; past the end of the input every bit reads as 0.
class BitReader {
public:
    explicit BitReader(QByteArrayView input)
        : m_next(reinterpret_cast<const std::uint8_t*>(input.data())),
          m_end(m_next + input.size()) {}

    unsigned bit() {
        if (m_count == 0)
            refill();
        const auto b = static_cast<unsigned>(m_buffer >> 63);
        m_buffer <<= 1;
        --m_count;
        return b;
    }

    unsigned bits(int n) {
        if (m_count < n)
            refill();
        const auto value = static_cast<unsigned>(m_buffer >> (64 - n));
        m_buffer <<= n;
        m_count -= n;
        return value;
    }

    // True once a bit beyond the input has been consumed: the padding bits sit at the low end
    // of the buffer, so fewer bits left than padding bits loaded means some were taken.
    bool overrun() const { return m_count < m_paddingBytes * 8; }

private:
    void refill() {
        while (m_count <= 56) {
            std::uint64_t byte = 0;
            if (m_next < m_end)
                byte = *m_next++;
            else
                ++m_paddingBytes;
            m_buffer |= byte << (56 - m_count);
            m_count += 8;
        }
    }

    const std::uint8_t* m_next;
    const std::uint8_t* m_end;
    std::uint64_t m_buffer = 0;
    int m_count = 0;
    qint64 m_paddingBytes = 0;
};

struct WorkMemory {
    HuffmanTree tree;
    std::uint8_t ring[kRingSize];
};

} // namespace

DecodeResult decode(QByteArrayView packed, quint32 expectedSize) {
    DecodeResult result;
    if (expectedSize == 0)
        return result;

    std::unique_ptr<WorkMemory> work;
    try {
        work = std::make_unique<WorkMemory>();
    } catch (const std::bad_alloc&) {
        throw FaultTableError(const_str::LzhNoMemory);
    }
    HuffmanTree& tree = work->tree;
    std::uint8_t* ring = work->ring;
    std::fill(ring, ring + kFirstWrite, kRingFill);

    // Every symbol takes at least one bit and yields at most kLookAhead bytes, so a damaged
    // header cannot make the output grow beyond what the input could describe. The buffer grows
    // towards that bound only as data arrive, so a false size costs no memory in advance.
    const qint64 reachable = (packed.size() * 8 + 1) * qint64(kLookAhead);
    const qint64 capacity = std::min<qint64>(expectedSize, reachable) + kLookAhead;
    QByteArray& out = result.data;
    out.resize(std::min<qint64>(capacity, qint64(1) << 20));
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());

    BitReader in(packed);
    const auto& pos = kPositionTables;
    qint64 count = 0;
    int r = kFirstWrite;
    while (count < qint64(expectedSize)) {
        int c = tree.son(kRoot);
        while (c < kTableSize)
            c = tree.son(c + int(in.bit()));
        c -= kTableSize;
        tree.update(c);

        if (c < 256) {
            dst[count++] = static_cast<std::uint8_t>(c);
            ring[r] = static_cast<std::uint8_t>(c);
            r = (r + 1) & (kRingSize - 1);
        } else {
            unsigned first = in.bits(8);
            const unsigned upper = pos.upperOf[first];
            const int extra = pos.lengthOf[first] - 2;
            first = (first << extra) | in.bits(extra);
            const unsigned position = (upper << 6) | (first & 0x3F);
            int from = (r - int(position) - 1) & (kRingSize - 1);
            const int length = c - 255 + kThreshold;
            for (int k = 0; k < length; ++k) {
                const std::uint8_t b = ring[from];
                from = (from + 1) & (kRingSize - 1);
                dst[count++] = b;
                ring[r] = b;
                r = (r + 1) & (kRingSize - 1);
            }
        }
        if (in.overrun()) {
            result.inputExhausted = true;
            break;
        }
        if (count + kLookAhead > out.size()) {
            // The bound is only met when the header claims more than the input can hold; the
            // overrun test above normally ends such a stream first.
            if (out.size() >= capacity) {
                result.inputExhausted = true;
                break;
            }
            out.resize(std::min<qint64>(capacity, out.size() * 2));
            dst = reinterpret_cast<std::uint8_t*>(out.data());
        }
    }
    out.truncate(count);
    return result;
}

} // namespace lzhuf
