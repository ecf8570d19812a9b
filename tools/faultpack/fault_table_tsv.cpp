#include "tools/faultpack/fault_table_tsv.h"

#include <QFile>
#include <QRegularExpression>

namespace fault_table_tsv {
namespace {

[[noreturn]] void fail(const QString& path, int line, const QString& what) {
    throw TableError(QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(what).toStdString());
}

bool isTrimmed(const QString& text) {
    return text == text.trimmed();
}

} // namespace

bool isValidCode(const QString& code) {
    static const QRegularExpression pattern(QStringLiteral("^[PCBU][0-3][0-9A-F]{3}$"));
    return pattern.match(code).hasMatch();
}

FaultRecords read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TableError(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
    const QString text = QString::fromUtf8(file.readAll());

    FaultRecords records;
    int lineNumber = 0;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 3)
            fail(path, lineNumber, QStringLiteral("expected 3 tab-separated fields"));
        FaultRecord r{fields[0].toString(), fields[1].toString(), fields[2].toString()};
        if (!isValidCode(r.code))
            fail(path, lineNumber, QStringLiteral("not a trouble code: '%1'").arg(r.code));
        if (r.manufacturer.isEmpty() || !isTrimmed(r.manufacturer) ||
            r.manufacturer.size() > fault_fields::kManufacturerSize)
            fail(path, lineNumber, QStringLiteral("bad manufacturer '%1'").arg(r.manufacturer));
        if (r.description.isEmpty() || !isTrimmed(r.description) ||
            r.description.size() > fault_fields::kDescriptionSize)
            fail(path, lineNumber,
                 QStringLiteral("description empty, padded or longer than %1 characters")
                     .arg(fault_fields::kDescriptionSize));
        records.append(std::move(r));
    }
    return records;
}

QString format(const FaultRecord& record) {
    return record.code + u'\t' + record.manufacturer + u'\t' + record.description;
}

} // namespace fault_table_tsv
