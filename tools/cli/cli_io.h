#pragma once

#include <QJsonObject>
#include <QString>
#include <QTextStream>

// Where a command puts its results: text lines at once (so a watch shows each cycle as it comes),
// and always the JSON document, which the runner prints at the end with --json.
struct CliIo {
    QTextStream& out;
    QTextStream& err;
    bool json = false;
    QJsonObject doc;

    void line(const QString& text) {
        if (json)
            return;
        out << text << '\n';
        out.flush();
    }
    void error(const QString& text) {
        err << text << '\n';
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
