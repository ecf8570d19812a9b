#pragma once

#include "core/link/visible_text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

// Text for the terminal: the tool's own line breaks and columns stay, any other control
// character is shown. Answers are made visible where they are read; this also covers a message
// that quotes one.
inline QString terminalText(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString& cell : cells)
            cell = visibleText(cell);
        line = cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

// Where a command puts its results: text lines at once (so a watch shows each cycle as it comes),
// and always the JSON document, which the runner prints at the end with --json. A streaming
// command prints its JSON as it goes, one object per line, and no document at the end.
struct CliIo {
    QTextStream& out;
    QTextStream& err;
    bool json = false;
    QJsonObject doc;
    bool streamed = false;

    void line(const QString& text) {
        if (json)
            return;
        out << terminalText(text) << '\n';
        out.flush();
    }
    void jsonLine(const QJsonObject& object) {
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        out.flush();
    }
    void error(const QString& text) {
        err << terminalText(text) << '\n';
        err.flush();
    }
};

// Exit codes of the tool.
namespace cli_exit {
inline constexpr int Success = 0;
inline constexpr int NoAnswer = 1;
inline constexpr int Usage = 2;
inline constexpr int WriteFailed = 3;
} // namespace cli_exit
