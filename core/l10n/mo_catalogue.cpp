#include "core/l10n/mo_catalogue.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t MoMagic = 0x950412de;
constexpr std::uint32_t MoMagicSwapped = 0xde120495;

// Catalogues are a few hundred kilobytes; anything far beyond is not one of ours.
constexpr qint64 MaxCatalogueSize = 64 * 1024 * 1024;
// How many times its own size the strings of a catalogue may add up to.
constexpr std::uint64_t MaxOverlap = 2;

class Reader {
public:
    Reader(const QByteArray& data, bool bigEndian) : m_data(data), m_bigEndian(bigEndian) {}

    // False when the four bytes at offset are outside the data.
    bool word(std::uint64_t offset, std::uint32_t& value) const {
        if (offset + 4 > static_cast<std::uint64_t>(m_data.size()))
            return false;
        const auto* p = reinterpret_cast<const unsigned char*>(m_data.constData()) + offset;
        value = m_bigEndian ? (std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 |
                               std::uint32_t(p[2]) << 8 | p[3])
                            : (std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 |
                               std::uint32_t(p[1]) << 8 | p[0]);
        return true;
    }

    // The length of the string described by the table entry (length, offset) at tableOffset;
    // false when the string or its terminating NUL, which the format promises, lies outside.
    bool stringLength(std::uint64_t tableOffset, std::uint32_t& length) const {
        std::uint32_t offset = 0;
        if (!word(tableOffset, length) || !word(tableOffset + 4, offset))
            return false;
        return std::uint64_t(offset) + length + 1 <= static_cast<std::uint64_t>(m_data.size());
    }

    // The string of a checked table entry, up to its first NUL: plural entries hold
    // "singular\0plural", and the program asks by the singular and shows the first form.
    QByteArray firstForm(std::uint64_t tableOffset) const {
        std::uint32_t length = 0;
        std::uint32_t offset = 0;
        word(tableOffset, length);
        word(tableOffset + 4, offset);
        const char* begin = m_data.constData() + offset;
        return QByteArray(begin, qsizetype(qstrnlen(begin, length)));
    }

private:
    const QByteArray& m_data;
    bool m_bigEndian;
};

} // namespace

bool MoCatalogue::load(const QString& path) {
    m_messages.clear();
    m_header.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    // Read with a limit rather than by the stated size: a device or a growing file has none.
    const QByteArray data = file.read(MaxCatalogueSize + 1);
    if (data.size() > MaxCatalogueSize)
        return refuse(QStringLiteral("larger than any catalogue"));
    return parse(data);
}

bool MoCatalogue::refuse(const QString& reason) {
    m_messages.clear();
    m_header.clear();
    m_error = reason;
    return false;
}

bool MoCatalogue::parse(const QByteArray& data) {
    m_messages.clear();
    m_header.clear();
    m_error.clear();

    if (data.size() < 28)
        return refuse(QStringLiteral("too short for a catalogue"));
    std::uint32_t magic = 0;
    Reader(data, false).word(0, magic);
    if (magic != MoMagic && magic != MoMagicSwapped)
        return refuse(QStringLiteral("not a compiled message catalogue"));
    const Reader reader(data, magic == MoMagicSwapped);

    std::uint32_t revision = 0;
    std::uint32_t count = 0;
    std::uint32_t originals = 0;
    std::uint32_t translations = 0;
    reader.word(4, revision);
    reader.word(8, count);
    reader.word(12, originals);
    reader.word(16, translations);
    // Only the major revision changes the layout.
    if ((revision >> 16) > 1)
        return refuse(QStringLiteral("format revision %1 is unknown").arg(revision >> 16));
    if (std::uint64_t(count) * 8 > static_cast<std::uint64_t>(data.size()))
        return refuse(QStringLiteral("states more entries than it can hold"));

    // Every entry may name any part of the file, so a crafted catalogue of n entries that each
    // name the whole file would cost n times its size. A catalogue tool writes each string once;
    // allowing twice the file size in all leaves room for one that shares strings, and keeps the
    // work linear in the size of the file.
    std::uint64_t total = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t originalLength = 0;
        std::uint32_t translationLength = 0;
        if (!reader.stringLength(std::uint64_t(originals) + 8ull * i, originalLength) ||
            !reader.stringLength(std::uint64_t(translations) + 8ull * i, translationLength))
            return refuse(QStringLiteral("entry %1 lies outside the file").arg(i));
        total += std::uint64_t(originalLength) + translationLength;
    }
    if (total > MaxOverlap * static_cast<std::uint64_t>(data.size()))
        return refuse(QStringLiteral("its entries overlap beyond reason"));

    QHash<QByteArray, QString> messages;
    // Reserved for a real catalogue's size at most: a count of empty entries costs nothing else.
    messages.reserve(std::min<std::uint32_t>(count, 1u << 16));
    QString header;
    for (std::uint32_t i = 0; i < count; ++i) {
        const QByteArray original = reader.firstForm(std::uint64_t(originals) + 8ull * i);
        const QByteArray translation = reader.firstForm(std::uint64_t(translations) + 8ull * i);
        if (original.isEmpty()) {
            header = QString::fromUtf8(translation);
            continue;
        }
        if (!translation.isEmpty())
            messages.insert(original, QString::fromUtf8(translation));
    }
    m_messages = std::move(messages);
    m_header = std::move(header);
    return true;
}

const QString* MoCatalogue::find(const QByteArray& msgid) const {
    const auto it = m_messages.constFind(msgid);
    return it == m_messages.constEnd() ? nullptr : &it.value();
}

QString MoCatalogue::headerField(const QString& name) const {
    const QStringList lines = m_header.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        if (line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}
