#include "tests/layout/include_rules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace include_rules {

namespace {

// What each core folder may include besides itself, from the bottom layer up.
const QHash<QString, QSet<QString>>& coreAllowed() {
    static const QHash<QString, QSet<QString>> allowed{
        {"l10n", {"settings"}},
        {"settings", {"l10n"}},
        {"link", {"l10n", "settings"}},
        {"j1979", {"link", "l10n", "settings"}},
        {"faultcodes", {"l10n", "settings"}},
        {"connection", {"j1979", "link", "faultcodes", "l10n", "settings"}},
        {"livedata", {"connection", "j1979", "link", "faultcodes", "l10n", "settings"}},
        {"report", {"connection", "j1979", "link", "faultcodes", "l10n", "settings"}},
    };
    return allowed;
}

// The general error display is the one part of the window frame that every page and dialog
// reports through.
const QString ErrorDisplay = QStringLiteral("ui/app/error_display.h");

struct Include {
    int line;
    QString target; // a path from the top of the tree, or the name of a system header
    bool system;
};

QList<Include> includesOf(const QString& root, const QString& file) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QList<Include> result;
    QFile in(root + QLatin1Char('/') + file);
    if (!in.open(QIODevice::ReadOnly))
        return result;
    int number = 0;
    while (!in.atEnd()) {
        const QString text = QString::fromUtf8(in.readLine());
        ++number;
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch())
            continue;
        const bool system = match.captured(1) == QLatin1String("<");
        QString target = match.captured(2);
        // A quoted name without a folder is the header beside the file.
        if (!system && !target.contains(QLatin1Char('/')))
            target = QFileInfo(file).path() + QLatin1Char('/') + target;
        result.append({number, target, system});
    }
    return result;
}

// "core/link/x.h" -> {"core", "link"}; a file at the top of a layer has an empty folder.
std::pair<QString, QString> layerAndFolder(const QString& path) {
    const QStringList parts = path.split(QLatin1Char('/'));
    return {parts.value(0), parts.size() > 2 ? parts.value(1) : QString()};
}

bool isQtHeader(const QString& name) {
    return name.startsWith(QLatin1Char('Q'));
}

// Why a core file may not include target, or an empty text when it may.
QString coreReason(const QString& folder, const Include& include, const QString& qtCoreDir) {
    if (include.system) {
        if (!isQtHeader(include.target))
            return {};
        if (include.target.contains(QLatin1Char('/')))
            return include.target.startsWith(QLatin1String("QtCore/"))
                       ? QString()
                       : QStringLiteral("a Qt module other than QtCore");
        return QFileInfo::exists(qtCoreDir + QLatin1Char('/') + include.target)
                   ? QString()
                   : QStringLiteral("not a QtCore header");
    }
    const auto [layer, target] = layerAndFolder(include.target);
    if (layer != QLatin1String("core"))
        return QStringLiteral("core includes only core");
    if (target == folder)
        return {};
    if (!coreAllowed().value(folder).contains(target))
        return QStringLiteral("core/%1 may not use core/%2").arg(folder, target);
    return {};
}

QString uiReason(const QString& folder, const Include& include) {
    if (include.system)
        return {};
    const auto [layer, target] = layerAndFolder(include.target);
    if (layer == QLatin1String("core") || target == folder)
        return {};
    if (layer != QLatin1String("ui"))
        return QStringLiteral("ui includes only core and ui");
    if (folder == QLatin1String("app"))
        return {};
    if (target == QLatin1String("widgets"))
        return {};
    if (folder != QLatin1String("widgets") && include.target == ErrorDisplay)
        return {};
    return QStringLiteral("ui/%1 may not use ui/%2").arg(folder, target);
}

// The one tools file that paints: the command line's PDF report needs QtGui's text layout and
// PDF writer, never widgets.
const QString CliPdfWriter = QStringLiteral("tools/cli/cli_report_pdf.cpp");

bool isQtGuiHeader(const QString& name, const QString& qtCoreDir) {
    return !name.contains(QLatin1Char('/')) &&
           QFileInfo::exists(qtCoreDir + QStringLiteral("/../QtGui/") + name);
}

// The one ui header the tools may use: the log plot's drawing, which needs QtGui alone.
const QString CliPlot = QStringLiteral("tools/cli/cli_plot_command.cpp");
const QString LogPlotPainter = QStringLiteral("ui/widgets/log_plot_painter.h");

QString toolsReason(const QString& file, const QString& qtCoreDir, const Include& include) {
    const auto [layer, target] = layerAndFolder(include.target);
    if (!include.system && file == CliPlot && include.target == LogPlotPainter)
        return {};
    if (!include.system && layer == QLatin1String("ui"))
        return QStringLiteral("the tools link the core alone");
    if (include.system && file == CliPdfWriter && isQtGuiHeader(include.target, qtCoreDir))
        return {};
    if (include.system)
        return coreReason(QString(), include, qtCoreDir);
    return {};
}

} // namespace

QStringList violations(const QString& root, const QString& qtCoreDir) {
    QStringList found;
    for (const QString& top :
         {QStringLiteral("core"), QStringLiteral("ui"), QStringLiteral("tools")}) {
        for (const QString& file : sourceFiles(root, top)) {
            const auto [layer, folder] = layerAndFolder(file);
            for (const Include& include : includesOf(root, file)) {
                QString reason;
                if (layer == QLatin1String("core"))
                    reason = coreReason(folder, include, qtCoreDir);
                else if (layer == QLatin1String("ui"))
                    reason = uiReason(folder, include);
                else
                    reason = toolsReason(file, qtCoreDir, include);
                if (!reason.isEmpty())
                    found.append(QStringLiteral("%1:%2: %3 (%4)")
                                     .arg(file)
                                     .arg(include.line)
                                     .arg(include.target, reason));
            }
        }
    }
    return found;
}

QStringList duplicateClasses(const QString& dir) {
    static const QRegularExpression definition(
        QStringLiteral(R"(^(?:class|struct)\s+(\w+)\s*(?:final\s*)?[:{])"));
    static const QRegularExpression anonymousOpen(QStringLiteral(R"(^namespace\s*\{)"));
    QMap<QString, QStringList> where;
    QDirIterator it(dir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            continue;
        // Only the anonymous namespace at the left margin is followed; its end is the next
        // closing brace at the left margin.
        bool anonymous = false;
        QSet<QString> inFile;
        while (!in.atEnd()) {
            const QString line = QString::fromUtf8(in.readLine());
            if (anonymousOpen.match(line).hasMatch()) {
                anonymous = true;
                continue;
            }
            if (anonymous && line.startsWith(QLatin1Char('}'))) {
                anonymous = false;
                continue;
            }
            const QRegularExpressionMatch match = definition.match(line);
            if (!anonymous && match.hasMatch())
                inFile.insert(match.captured(1));
        }
        for (const QString& name : inFile)
            where[name].append(QDir(dir).relativeFilePath(path));
    }
    QStringList found;
    for (auto entry = where.cbegin(); entry != where.cend(); ++entry) {
        if (entry.value().size() > 1) {
            QStringList files = entry.value();
            files.sort();
            found.append(entry.key() + QStringLiteral(": ") + files.join(QStringLiteral(", ")));
        }
    }
    return found;
}

QStringList sourceFiles(const QString& root, const QString& dir) {
    QStringList files;
    QDirIterator it(root + QLatin1Char('/') + dir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

} // namespace include_rules
