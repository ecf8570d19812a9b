#include "core/l10n/resource_file.h"

#include <QFile>
#include <QResource>
#include <QtEndian>
#include <queue>
#include <vector>

// Layout of a resource file, all integers big-endian:
//
//   header   "qres", version (1 to 3), tree offset, data offset, names offset; version 3 adds
//            a word of flags (compression methods used in the file)
//   tree     nodes of 14 bytes (version 1) or 22 bytes (with a modification time); node 0 is the
//            root directory. A node: name offset (u32), flags (u16), then for a directory the
//            child count and the index of its first child (u32 each), for a file territory and
//            language (u16 each) and its data offset (u32)
//   names    per name: length in UTF-16 units (u16), hash (u32), the UTF-16 units
//   data     per file: length (u32), the bytes; zlib-compressed ones start with their unpacked
//            size (u32)

namespace resource_file {
namespace {

constexpr quint16 kCompressed = 0x01;
constexpr quint16 kDirectory = 0x02;
constexpr quint16 kCompressedZstd = 0x04;

class Checker {
public:
    explicit Checker(QByteArrayView bytes) : m_bytes(bytes) {}

    bool run() {
        if (m_bytes.size() < 20 || m_bytes.first(4) != QByteArrayView("qres"))
            return false;
        const quint32 version = u32(4);
        if (version < 1 || version > 3)
            return false;
        m_tree = u32(8);
        m_data = u32(12);
        m_names = u32(16);
        if (version >= 3) {
            if (!within(20, 4) || (u32(20) & ~quint32(kCompressed | kCompressedZstd)) != 0)
                return false;
        }
        if (!within(m_tree, 0) || !within(m_data, 0) || !within(m_names, 0))
            return false;
        m_nodeSize = version >= 2 ? 22 : 14;
        m_nodeCount = (m_bytes.size() - qint64(m_tree)) / m_nodeSize;
        if (m_nodeCount < 1 || !(flagsOf(0) & kDirectory))
            return false;
        return walkTree();
    }

private:
    // Every node reachable from the root is checked once; a node reached twice (a loop, or two
    // directories sharing children) is damage, which also bounds the walk by the node count.
    bool walkTree() {
        std::vector<bool> seen(size_t(m_nodeCount), false);
        seen[0] = true;
        std::queue<qint64> directories;
        directories.push(0);
        while (!directories.empty()) {
            const qint64 node = directories.front();
            directories.pop();
            const qint64 count = u32(nodeAt(node) + 6);
            const qint64 first = u32(nodeAt(node) + 10);
            if (count == 0)
                continue;
            if (first < 1 || first + count > m_nodeCount)
                return false;
            for (qint64 child = first; child < first + count; ++child) {
                if (seen[size_t(child)] || !nameIsSound(child))
                    return false;
                seen[size_t(child)] = true;
                const quint16 flags = flagsOf(child);
                if (flags & ~(kCompressed | kDirectory | kCompressedZstd))
                    return false;
                if (flags & kDirectory)
                    directories.push(child);
                else if (!dataIsSound(child, flags))
                    return false;
            }
        }
        return true;
    }

    // Within the file, and one path segment: a name that is empty, "." or "..", or holds a
    // slash, would make a walk of the tree by paths visit the same directory again and again.
    bool nameIsSound(qint64 node) const {
        const qint64 name = qint64(m_names) + u32(nodeAt(node));
        if (!within(name, 6))
            return false;
        const qint64 length = u16(name);
        if (length == 0 || !within(name + 6, 2 * length))
            return false;
        int dots = 0;
        for (qint64 i = 0; i < length; ++i) {
            const quint16 unit = u16(name + 6 + 2 * i);
            if (unit == u'/' || unit == 0)
                return false;
            dots += unit == u'.' ? 1 : 0;
        }
        return !(dots == length && length <= 2);
    }

    bool dataIsSound(qint64 node, quint16 flags) const {
        if (flags & kCompressedZstd)
            return false;
        const qint64 entry = qint64(m_data) + u32(nodeAt(node) + 10);
        if (!within(entry, 4))
            return false;
        const qint64 length = u32(entry);
        if (!within(entry + 4, length))
            return false;
        if (flags & kCompressed)
            return length >= 4 && u32(entry + 4) <= kMaxUnpackedEntry;
        return true;
    }

    qint64 nodeAt(qint64 node) const { return qint64(m_tree) + node * m_nodeSize; }
    quint16 flagsOf(qint64 node) const { return u16(nodeAt(node) + 4); }

    bool within(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && offset <= m_bytes.size() &&
               length <= m_bytes.size() - offset;
    }
    // Callers have checked the range (nodes lie within the file by the node count).
    quint32 u32(qint64 offset) const { return qFromBigEndian<quint32>(m_bytes.data() + offset); }
    quint16 u16(qint64 offset) const { return qFromBigEndian<quint16>(m_bytes.data() + offset); }

    QByteArrayView m_bytes;
    quint32 m_tree = 0;
    quint32 m_data = 0;
    quint32 m_names = 0;
    qint64 m_nodeSize = 22;
    qint64 m_nodeCount = 0;
};

} // namespace

bool isSound(QByteArrayView bytes) {
    return bytes.size() <= kMaxFileSize && Checker(bytes).run();
}

QByteArray readSound(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read with a limit rather than by the stated size: a device or a growing file has none.
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (!isSound(bytes))
        return {};
    return bytes;
}

} // namespace resource_file

MountedResourceFile::MountedResourceFile(QByteArray bytes, QString mapRoot)
    : m_bytes(std::move(bytes)), m_mapRoot(std::move(mapRoot)) {
    if (resource_file::isSound(m_bytes))
        m_mounted = QResource::registerResource(reinterpret_cast<const uchar*>(m_bytes.constData()),
                                                m_mapRoot);
}

MountedResourceFile::~MountedResourceFile() {
    unmount();
}

void MountedResourceFile::unmount() {
    if (m_mounted)
        QResource::unregisterResource(reinterpret_cast<const uchar*>(m_bytes.constData()),
                                      m_mapRoot);
    m_mounted = false;
}
