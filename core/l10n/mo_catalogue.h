#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// One compiled GNU gettext catalogue (.mo), read whole into memory. Both byte orders are read.
// A file that is missing, truncated or damaged loads nothing, so every lookup stays English.
class MoCatalogue {
public:
    // Replaces the content by the file's; false (and empty) when the file is unusable.
    bool load(const QString& path);

    // Same from bytes already in memory.
    bool parse(const QByteArray& data);

    // Why the last load or parse gave nothing, in words for the user; empty after a success.
    const QString& error() const { return m_error; }

    bool isEmpty() const { return m_messages.isEmpty(); }
    qsizetype size() const { return m_messages.size(); }
    // Every translated entry by its UTF-8 message identifier (the header is not among them).
    const QHash<QByteArray, QString>& messages() const { return m_messages; }

    // The translation of the UTF-8 message identifier, or nothing when the catalogue has none.
    // Untranslated entries (empty message string) count as missing.
    const QString* find(const QByteArray& msgid) const;

    // A field of the header entry, the name compared without regard to case, the value trimmed;
    // empty when absent.
    QString headerField(const QString& name) const;

private:
    // Empties the catalogue and keeps the reason; always false.
    bool refuse(const QString& reason);

    QHash<QByteArray, QString> m_messages;
    QString m_header;
    QString m_error;
};
