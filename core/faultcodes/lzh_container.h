#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;
class UserNotifier;

// The packed form of a fault-code table (little-endian integers):
//   0  4  "@LHC"
//   4  4  size of the unpacked data in bytes
//   8  4  CRC-32 of the unpacked data (zlib's)
//  12     the data packed with LZHUF
namespace lzh_container {

// The largest unpacked table accepted: fifty times the tables we ship. Without a bound, a small
// damaged module could state (and really hold) hundreds of megabytes of zeros.
inline constexpr quint32 kMaxUnpackedSize = 16 * 1024 * 1024;

QByteArray pack(QByteArrayView raw);

// The unpacked data; throws FaultTableError with the user's message when the container is not
// one, states more than kMaxUnpackedSize, its data do not have the stated size, or their CRC
// differs.
QByteArray unpack(QByteArrayView container);

} // namespace lzh_container

// The decompression step of the table's stream format: unpacks the whole of packed into the empty
// stream out, with the busy cursor on meanwhile (also when it throws). Throws as unpack() does.
void unpackLzh(QIODevice& packed, QIODevice& out, UserNotifier& notifier);
