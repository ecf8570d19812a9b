#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Qt binary resource files (rcc --binary) that come from outside the program: the language
// modules and the flag library. QResource trusts every offset in such a file and walks its tree
// without bounds checks, so one changed field crashes any process that registers the file. These
// functions check the whole file first and register only a checked copy held in memory, so the
// file cannot change between the check and its use.
namespace resource_file {

// Files larger than this are not ours (the modules are a few hundred kilobytes).
inline constexpr qsizetype kMaxFileSize = 64 * 1024 * 1024;
// The most a zlib-compressed entry may claim to unpack to.
inline constexpr quint32 kMaxUnpackedEntry = 16 * 1024 * 1024;

// Whether QResource can walk the bytes without leaving them: the header, every node of the tree
// reachable from the root (each at most once, so no loops), every name (one path segment, not
// "." or "..") and every entry's data within the bytes. Entries compressed with zstd are refused
// (their unpacked size is not checked here); zlib-compressed ones must claim at most
// kMaxUnpackedEntry bytes.
bool isSound(QByteArrayView bytes);

// The bytes of the file when it exists, is at most kMaxFileSize and is sound; else empty.
QByteArray readSound(const QString& path);

} // namespace resource_file

// A checked resource file registered below mapRoot for the lifetime of this object.
class MountedResourceFile {
public:
    MountedResourceFile() = default;
    // Registers bytes when they are sound; mounted() tells whether that happened.
    MountedResourceFile(QByteArray bytes, QString mapRoot);
    ~MountedResourceFile();
    MountedResourceFile(const MountedResourceFile&) = delete;
    MountedResourceFile& operator=(const MountedResourceFile&) = delete;

    bool mounted() const { return m_mounted; }
    void unmount();

private:
    // QResource reads straight from this buffer while the file is registered.
    QByteArray m_bytes;
    QString m_mapRoot;
    bool m_mounted = false;
};
