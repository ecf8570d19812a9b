#pragma once

#include <QFile>
#include <QStringList>

// The lines of a text file with CR LF line ends, without the line ends; fails the read loudly by
// returning an empty list when the file is missing.
inline QStringList readCrLfLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
