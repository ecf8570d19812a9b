// docs/ui-map.md against the windows as they are built and the source that builds them: every
// named widget of every page and dialog, the member that holds it and the handler that serves it.
// Run with QUORVANE_WRITE_UI_MAP=1 to write the map anew after a change of the window.

#include "tests/support/program_run.h"
#include "ui/dialogs/dtc_search_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/report_preview.h"
#include "ui/dialogs/report_settings_dialog.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const QString SourceRoot = QStringLiteral(QUORVANE_SOURCE_DIR);
const QString MapPath = SourceRoot + QStringLiteral("/docs/ui-map.md");

// The program's ui source files, path -> text.
QMap<QString, QString> uiSources() {
    QMap<QString, QString> files;
    QDirIterator it(SourceRoot + QStringLiteral("/ui"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile in(it.next());
        if (in.open(QIODevice::ReadOnly))
            files.insert(QDir(SourceRoot).relativeFilePath(in.fileName()),
                         QString::fromUtf8(in.readAll()));
    }
    return files;
}

// The statement around position at of text: from the end of the previous one to its semicolon.
QString statementAt(const QString& text, qsizetype at) {
    qsizetype begin = at;
    while (begin > 0 && !QStringLiteral(";{}").contains(text[begin - 1]))
        --begin;
    const qsizetype end = text.indexOf(QLatin1Char(';'), at);
    static const QRegularExpression comment(QStringLiteral("//[^\n]*"));
    return text.mid(begin, (end < 0 ? text.size() : end) - begin).remove(comment).simplified();
}

QString firstCapture(const QRegularExpression& pattern, const QMap<QString, QString>& sources) {
    for (const QString& text : sources) {
        const QRegularExpressionMatch match = pattern.match(text);
        if (match.hasMatch())
            return match.captured(1);
    }
    return {};
}

// What the connect line of the first of the holders names: a handler, a forwarded signal, or
// the body of a short lambda.
QString handlerOf(const QStringList& holders, const QString& file,
                  const QMap<QString, QString>& sources) {
    static const QRegularExpression named(QStringLiteral(R"(\b(on[A-Z]\w*)|&\w+::(\w+)\s*\)\s*$)"));
    static const QRegularExpression lambda(QStringLiteral(R"(\{\s*([^{}]*?)\s*$)"));
    for (const QString& holder : holders) {
        const QRegularExpression connection(
            QStringLiteral(R"(connect\(\s*%1\s*,([^;]*);)").arg(holder));
        // A local variable is connected in the file that makes it; a member may be anywhere.
        const QString line =
            firstCapture(connection, holder == holders.first()
                                         ? QMap<QString, QString>{{file, sources.value(file)}}
                                         : sources)
                .simplified();
        if (line.isEmpty())
            continue;
        if (const QRegularExpressionMatch h = named.match(line); h.hasMatch())
            return h.captured(1).isEmpty() ? h.captured(2) : h.captured(1);
        if (const QRegularExpressionMatch l = lambda.match(line); l.hasMatch())
            return l.captured(1);
        return {};
    }
    return {};
}

struct Origin {
    QString member;  // the variable that holds the widget where it is made
    QString handler; // what its connect line names
};

// Where the source names the widget: the variable given the name, and what it is connected to.
Origin originOf(const QString& name, const QMap<QString, QString>& sources) {
    const QString quoted = QRegularExpression::escape(QLatin1Char('"') + name + QLatin1Char('"'));
    const QRegularExpression literal(
        QStringLiteral(R"(QString(?:Literal|View)?\(?\s*u?%1)").arg(quoted));
    static const QRegularExpression named(QStringLiteral(R"((\w+)\s*->\s*setObjectName\()"));
    static const QRegularExpression assigned(
        QStringLiteral(R"(^(?:[\w:<>]+\s*\*?\s+)?\*?\s*(\w+)\s*=[^=])"));
    for (auto file = sources.cbegin(); file != sources.cend(); ++file) {
        auto matches = literal.globalMatch(file.value());
        while (matches.hasNext()) {
            const QString statement = statementAt(file.value(), matches.next().capturedStart());
            QRegularExpressionMatch match = named.match(statement);
            if (!match.hasMatch())
                match = assigned.match(statement);
            if (!match.hasMatch())
                continue;
            const QString variable = match.captured(1);
            QString member = variable;
            if (!member.startsWith(QLatin1String("m_"))) {
                const QRegularExpression kept(
                    QStringLiteral(R"((m_\w+)\s*=\s*%1\s*;)").arg(variable));
                const QRegularExpressionMatch k = kept.match(file.value());
                member = k.hasMatch() ? k.captured(1) : QString();
            }
            QStringList holders{variable};
            if (!member.isEmpty()) {
                holders << member;
                const QRegularExpression accessor(
                    QStringLiteral(R"((\w+)\(\)\s*const\s*\{\s*return\s+%1;)").arg(member));
                if (const QString get = firstCapture(accessor, sources); !get.isEmpty())
                    holders << QStringLiteral(R"([\w>.-]*\b%1\(\))").arg(get);
            }
            return {member.isEmpty() ? QStringLiteral("(local %1)").arg(variable) : member,
                    handlerOf(holders, file.key(), sources)};
        }
    }
    // Widgets made in a loop over a table of names.
    if (QRegularExpression row(QStringLiteral(R"(\{\s*%1\s*,)").arg(quoted));
        !firstCapture(QRegularExpression(QLatin1Char('(') + row.pattern() + QLatin1Char(')')),
                      sources)
             .isEmpty())
        return {QStringLiteral("(table row)"), {}};
    return {};
}

// The named widgets under root, by the page (or dialog) they belong to.
void collect(QWidget* root, const QList<QWidget*>& pages, QMap<QString, QStringList>& sections) {
    const QString rootName = root->objectName();
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || pages.contains(widget))
            continue;
        QString section = rootName;
        for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget())
            if (pages.contains(up))
                section = up->objectName();
        if (!sections[section].contains(name))
            sections[section] << name;
    }
}

QString map(const QMap<QString, QStringList>& sections, const QStringList& order) {
    const QMap<QString, QString> sources = uiSources();
    QString text = QStringLiteral(
        "# Widget map\n\n"
        "Every named widget of the main window, its pages and the dialogs: its `objectName` (the\n"
        "name scripts and tests find it by), the member or local variable that holds it where it\n"
        "is made, and the handler its connect line names. Checked by "
        "`tests/ui/app/ui_map_test.cpp`\n"
        "against the windows as built and their source; `QUORVANE_WRITE_UI_MAP=1 "
        "build/bin/test_shell\n"
        "--gtest_filter=UiMap.*` writes it anew. A dash: made by a helper, or served by no "
        "handler.\n");
    for (const QString& section : order) {
        text += QStringLiteral("\n## `%1`\n\n| objectName | held by | handler |\n|---|---|---|\n")
                    .arg(section);
        QStringList names = sections.value(section);
        names.sort();
        for (const QString& name : names) {
            const Origin origin = originOf(name, sources);
            const auto cell = [](const QString& s) {
                return s.isEmpty() ? QStringLiteral("-") : QLatin1Char('`') + s + QLatin1Char('`');
            };
            text += QStringLiteral("| `%1` | %2 | %3 |\n")
                        .arg(name, cell(origin.member), cell(origin.handler));
        }
    }
    return text;
}

} // namespace

TEST(UiMap, TheDocumentNamesEveryWidgetOfEveryPageAndDialog) {
    ProgramRun run;
    QList<QWidget*> pages;
    QStringList order{run.window->objectName()};
    auto* notebook = run.find<QStackedWidget>(QStringLiteral("Notebook"));
    for (int i = 0; i < notebook->count(); ++i) {
        pages << notebook->widget(i);
        order << notebook->widget(i)->objectName();
    }
    QMap<QString, QStringList> sections;
    collect(run.window.get(), pages, sections);

    ReportPreview preview;
    ReportSettingsDialog settings(run.context.shown, run.translator, &preview);
    DtcSearchDialog search(run.context.faultCodeTable);
    InfoDialog info(QStringLiteral("0.1.0"));
    for (QWidget* dialog : QList<QWidget*>{&settings, &preview, &search, &info}) {
        order << dialog->objectName();
        collect(dialog, {}, sections);
    }

    const QString expected = map(sections, order);
    if (qEnvironmentVariableIsSet("QUORVANE_WRITE_UI_MAP")) {
        QSaveFile out(MapPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(expected.toUtf8());
        ASSERT_TRUE(out.commit());
    }
    QFile in(MapPath);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << MapPath.toStdString();
    EXPECT_EQ(QString::fromUtf8(in.readAll()), expected);
}
