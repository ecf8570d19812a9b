#include "core/faultcodes/fault_record_format.h"

#include "core/faultcodes/fault_table_error.h"
#include "core/l10n/const_str.h"

#include <QtEndian>
#include <array>

// Layout of the unpacked table, all integers little-endian, texts UTF-8:
//
//   magic          4 bytes  "QFCT"
//   version        u16      1
//   field count    u16      n (at least 3)
//   n times:       u8 name length, the name (ASCII), u16 width in characters
//                  -- the first three are Code 5, Manufacturer 40, Description 128
//   record count   u32
//   per record, per field in definition order:
//                  u16 byte length, the bytes
//
// The field definitions travel with the data so that a later version can add fields: a reader
// takes the three it knows and steps over the rest. Values longer than a field's width are cut
// to it, as a fixed-width table field would hold them.

namespace fault_record_format {
namespace {

constexpr char kMagic[4] = {'Q', 'F', 'C', 'T'};
constexpr quint16 kVersion = 1;

struct FieldDef {
    const char* name;
    int width;
};
constexpr std::array<FieldDef, 3> kFields = {{{"Code", fault_fields::kCodeSize},
                                              {"Manufacturer", fault_fields::kManufacturerSize},
                                              {"Description", fault_fields::kDescriptionSize}}};

void putU16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void putU32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putText(QByteArray& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    putU16(out, static_cast<quint16>(std::min<qsizetype>(utf8.size(), 0xFFFF)));
    out.append(utf8.left(0xFFFF));
}

[[noreturn]] void unreadable() {
    throw FaultTableError(const_str::FaultTableUnreadable);
}

class Reader {
public:
    explicit Reader(QByteArrayView data) : m_data(data) {}

    QByteArrayView take(qsizetype n) {
        if (n > m_data.size() - m_pos)
            unreadable();
        const QByteArrayView part = m_data.sliced(m_pos, n);
        m_pos += n;
        return part;
    }
    quint8 u8() { return static_cast<quint8>(take(1)[0]); }
    quint16 u16() { return qFromLittleEndian<quint16>(take(2).data()); }
    quint32 u32() { return qFromLittleEndian<quint32>(take(4).data()); }
    QByteArrayView text() { return take(u16()); }
    qsizetype left() const { return m_data.size() - m_pos; }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

QString fieldValue(QByteArrayView utf8, int width) {
    QString value = QString::fromUtf8(utf8);
    if (value.size() > width)
        value.truncate(width);
    return value;
}

} // namespace

QByteArray serialize(const FaultRecords& records) {
    QByteArray out;
    out.reserve(64 + records.size() * 80);
    out.append(kMagic, 4);
    putU16(out, kVersion);
    putU16(out, static_cast<quint16>(kFields.size()));
    for (const FieldDef& f : kFields) {
        const QByteArray name(f.name);
        out.append(char(name.size()));
        out.append(name);
        putU16(out, static_cast<quint16>(f.width));
    }
    putU32(out, static_cast<quint32>(records.size()));
    for (const FaultRecord& r : records) {
        putText(out, r.code);
        putText(out, r.manufacturer);
        putText(out, r.description);
    }
    return out;
}

FaultRecords parse(QByteArrayView data) {
    Reader in(data);
    if (in.take(4) != QByteArrayView(kMagic, 4) || in.u16() != kVersion)
        unreadable();
    const int fieldCount = in.u16();
    if (fieldCount < int(kFields.size()))
        unreadable();
    std::array<int, kFields.size()> widths{};
    for (int i = 0; i < fieldCount; ++i) {
        const QByteArrayView name = in.take(in.u8());
        const int width = in.u16();
        if (i < int(kFields.size())) {
            if (name != QByteArrayView(kFields[i].name) || width == 0)
                unreadable();
            widths[i] = width;
        }
    }
    const quint32 count = in.u32();
    // Each record needs at least two length bytes per field; a count beyond that is damage, and
    // checking it first keeps a bad count from reserving memory.
    if (count > quint64(in.left()) / (2 * quint64(fieldCount)))
        unreadable();
    // Each record costs far more memory than its six smallest bytes; a count far beyond any
    // real table is refused before it is built.
    if (count > kMaxRecords)
        throw FaultTableError(const_str::FaultTableTooLarge);

    FaultRecords records;
    records.reserve(count);
    QByteArrayView lastMaker;
    QString lastMakerText;
    for (quint32 n = 0; n < count; ++n) {
        FaultRecord r;
        r.code = fieldValue(in.text(), widths[0]);
        // Records of one maker stand together; sharing its text saves one allocation a record.
        const QByteArrayView maker = in.text();
        if (n == 0 || maker != lastMaker) {
            lastMaker = maker;
            lastMakerText = fieldValue(maker, widths[1]);
        }
        r.manufacturer = lastMakerText;
        r.description = fieldValue(in.text(), widths[2]);
        for (int i = int(kFields.size()); i < fieldCount; ++i)
            in.text();
        records.append(std::move(r));
    }
    return records;
}

} // namespace fault_record_format
