#include "core/faultcodes/lzh_container.h"

#include "core/faultcodes/fault_table_error.h"
#include "core/faultcodes/lzhuf_decoder.h"
#include "core/faultcodes/lzhuf_encoder.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"

#include <QIODevice>
#include <QtEndian>
#include <zlib.h>

namespace lzh_container {
namespace {

constexpr char kMagic[4] = {'@', 'L', 'H', 'C'};
constexpr qsizetype kHeaderSize = 12;

quint32 crcOf(QByteArrayView data) {
    // zlib takes the length as uInt; walk in slices so any size is covered.
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* p = reinterpret_cast<const Bytef*>(data.data());
    qsizetype left = data.size();
    while (left > 0) {
        const auto slice = static_cast<uInt>(std::min<qsizetype>(left, 1 << 30));
        crc = crc32(crc, p, slice);
        p += slice;
        left -= slice;
    }
    return static_cast<quint32>(crc);
}

} // namespace

QByteArray pack(QByteArrayView raw) {
    QByteArray container(kHeaderSize, '\0');
    std::copy(std::begin(kMagic), std::end(kMagic), container.data());
    qToLittleEndian<quint32>(static_cast<quint32>(raw.size()), container.data() + 4);
    qToLittleEndian<quint32>(crcOf(raw), container.data() + 8);
    container.append(lzhuf::encode(raw));
    return container;
}

QByteArray unpack(QByteArrayView container) {
    if (container.size() < 4 || !std::equal(std::begin(kMagic), std::end(kMagic), container.data()))
        throw FaultTableError(const_str::NotLzhCompressed);
    // A header cut short cannot state the size it should.
    if (container.size() < kHeaderSize)
        throw FaultTableError(const_str::DecompressionSizeMismatch);
    const auto size = qFromLittleEndian<quint32>(container.data() + 4);
    const auto crc = qFromLittleEndian<quint32>(container.data() + 8);
    if (size > kMaxUnpackedSize)
        throw FaultTableError(const_str::FaultTableTooLarge);

    lzhuf::DecodeResult result = lzhuf::decode(container.sliced(kHeaderSize), size);
    if (result.inputExhausted || result.data.size() != qsizetype(size))
        throw FaultTableError(const_str::DecompressionSizeMismatch);
    if (crcOf(result.data) != crc)
        throw FaultTableError(const_str::CrcDecompressionError);
    return std::move(result.data);
}

} // namespace lzh_container

namespace {
// The cursor must come back however the unpacking ends.
class BusyScope {
public:
    explicit BusyScope(UserNotifier& notifier) : m_notifier(notifier) { m_notifier.setBusy(true); }
    ~BusyScope() { m_notifier.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    UserNotifier& m_notifier;
};
} // namespace

void unpackLzh(QIODevice& packed, QIODevice& out, UserNotifier& notifier) {
    BusyScope busy(notifier);
    packed.seek(0);
    out.seek(0);
    const QByteArray raw = lzh_container::unpack(packed.readAll());
    out.write(raw);
}
