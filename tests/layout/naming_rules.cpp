#include "tests/layout/naming_rules.h"

#include "tests/layout/include_rules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace naming_rules {

namespace {

struct Rule {
    QRegularExpression pattern; // the offending name is capture 1
    QString reason;
};

const QList<Rule>& rules() {
    static const QString prefixed = QStringLiteral(R"((Tf?[A-Z][a-z]\w*))");
    static const QList<Rule> all{
        {QRegularExpression(QStringLiteral(R"(\b(?:class|struct|union|enum(?:\s+class)?|using|)"
                                           R"(namespace|typedef\s+[\w:<>,\s*&]+?)\s+)") +
                            prefixed + QStringLiteral(R"(\b)")),
         QStringLiteral("type named with a T prefix")},
        {QRegularExpression(QStringLiteral(R"(\b)") + prefixed + QStringLiteral(R"(\s*\()")),
         QStringLiteral("function named with a T prefix")},
        {QRegularExpression(QStringLiteral(R"(\b(\w*Button\d+Click\w*)\b)")),
         QStringLiteral("handler named for a numbered button")},
        {QRegularExpression(QStringLiteral(R"(\b(\w*(?:FlatButton|ToolButton\d|Panel\d)\w*)\b)")),
         QStringLiteral("handler named for a generic control")},
    };
    return all;
}

// Blanks text[from, to) except its line breaks.
void blank(QString& text, qsizetype from, qsizetype to) {
    for (qsizetype i = from; i < to; ++i)
        if (text[i] != QLatin1Char('\n'))
            text[i] = QLatin1Char(' ');
}

bool isIdentifierChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

QString codeOnly(const QString& source) {
    QString text = source;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text[i];
        const QChar next = i + 1 < size ? text[i + 1] : QChar();
        qsizetype end = i;
        if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            end = text.indexOf(QLatin1Char('\n'), i);
            end = end < 0 ? size : end;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            end = text.indexOf(QStringLiteral("*/"), i + 2);
            end = end < 0 ? size : end + 2;
        } else if (c == QLatin1Char('R') && next == QLatin1Char('"') &&
                   (i == 0 || !isIdentifierChar(text[i - 1]))) {
            const qsizetype open = text.indexOf(QLatin1Char('('), i + 2);
            if (open < 0)
                break;
            const QString close =
                QLatin1Char(')') + text.mid(i + 2, open - i - 2) + QLatin1Char('"');
            end = text.indexOf(close, open);
            end = end < 0 ? size : end + close.size();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            // A quote between digits is a digit separator, not a literal.
            if (c == QLatin1Char('\'') && i > 0 && text[i - 1].isLetterOrNumber()) {
                ++i;
                continue;
            }
            end = i + 1;
            while (end < size && text[end] != c && text[end] != QLatin1Char('\n'))
                end += text[end] == QLatin1Char('\\') ? 2 : 1;
            end = qMin(end + 1, size);
        } else {
            ++i;
            continue;
        }
        blank(text, i, end);
        i = end;
    }
    return text;
}

QStringList violations(const QString& root) {
    QStringList found;
    for (const QString& top :
         {QStringLiteral("core"), QStringLiteral("ui"), QStringLiteral("tools")}) {
        for (const QString& file : include_rules::sourceFiles(root, top)) {
            QFile in(root + QLatin1Char('/') + file);
            if (!in.open(QIODevice::ReadOnly))
                continue;
            const QStringList lines = codeOnly(QString::fromUtf8(in.readAll())).split('\n');
            for (qsizetype number = 0; number < lines.size(); ++number) {
                for (const Rule& rule : rules()) {
                    auto matches = rule.pattern.globalMatch(lines[number]);
                    while (matches.hasNext())
                        found.append(QStringLiteral("%1:%2: %3 (%4)")
                                         .arg(file)
                                         .arg(number + 1)
                                         .arg(matches.next().captured(1), rule.reason));
                }
            }
        }
    }
    return found;
}

} // namespace naming_rules
