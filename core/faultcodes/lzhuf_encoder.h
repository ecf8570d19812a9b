#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lzhuf {

// Packs data as LZHUF (LZSS with a binary-tree match finder, adaptive Huffman coding of the
// symbols, fixed prefix code for the match positions), readable by any decoder of these
// parameters. Only the packing tool needs it; the program itself only unpacks.
QByteArray encode(QByteArrayView raw);

} // namespace lzhuf
