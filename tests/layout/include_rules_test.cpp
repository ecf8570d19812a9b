#include "tests/layout/include_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString SourceRoot = QStringLiteral(QUORVANE_SOURCE_DIR);
const QString QtCoreDir = QStringLiteral(QUORVANE_QTCORE_DIR);

void writeFile(const QString& root, const QString& path, const QByteArray& text) {
    const QString full = root + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(full).path());
    QFile out(full);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
}

} // namespace

TEST(IncludeDirections, TheTreeKeepsThem) {
    const QStringList found = include_rules::violations(SourceRoot, QtCoreDir);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

TEST(IncludeDirections, EachForbiddenKindIsNamedWithFileAndLine) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString top = root.path();
    writeFile(top, "core/link/good.h", "#include \"core/l10n/const_str.h\"\n#include <QString>\n");
    writeFile(top, "core/link/up.cpp", "#include <vector>\n#include \"core/j1979/service01.h\"\n");
    writeFile(top, "core/link/sideways.cpp", "#include \"core/connection/program_context.h\"\n");
    writeFile(top, "core/j1979/up.cpp", "#include \"core/connection/connection_view.h\"\n");
    writeFile(top, "core/l10n/ui.cpp", "\n\n#include \"ui/app/main_window.h\"\n");
    writeFile(top, "core/settings/gui.cpp", "#include <QPixmap>\n#include <QtWidgets/QLabel>\n");
    writeFile(top, "ui/widgets/page.cpp", "#include \"ui/pages/start_page.h\"\n");
    writeFile(top, "ui/pages/ok.cpp",
              "#include \"ui/widgets/status_led.h\"\n#include \"ui/app/error_display.h\"\n");
    writeFile(top, "ui/pages/frame.cpp", "#include \"ui/app/main_window.h\"\n");
    writeFile(top, "ui/dialogs/page.cpp", "#include \"ui/pages/dtc_page.h\"\n");
    writeFile(top, "tools/cli/window.cpp", "#include \"ui/app/startup.h\"\n");
    writeFile(top, "tools/cli/cli_report_pdf.cpp", "#include <QPdfWriter>\n#include <QString>\n");
    writeFile(top, "tools/cli/paint.cpp", "#include <QPdfWriter>\n");
    writeFile(top, "tools/cli/cli_plot_command.cpp",
              "#include \"ui/widgets/log_plot_painter.h\"\n#include \"ui/widgets/mil_lamp.h\"\n");
    writeFile(top, "tools/cli/other.cpp", "#include \"ui/widgets/log_plot_painter.h\"\n");

    QStringList found = include_rules::violations(top, QtCoreDir);
    found.sort();
    EXPECT_EQ(found,
              (QStringList{
                  "core/j1979/up.cpp:1: core/connection/connection_view.h "
                  "(core/j1979 may not use core/connection)",
                  "core/l10n/ui.cpp:3: ui/app/main_window.h (core includes only core)",
                  "core/link/sideways.cpp:1: core/connection/program_context.h "
                  "(core/link may not use core/connection)",
                  "core/link/up.cpp:2: core/j1979/service01.h (core/link may not use core/j1979)",
                  "core/settings/gui.cpp:1: QPixmap (not a QtCore header)",
                  "core/settings/gui.cpp:2: QtWidgets/QLabel (a Qt module other than QtCore)",
                  "tools/cli/cli_plot_command.cpp:2: ui/widgets/mil_lamp.h (the tools link the "
                  "core alone)",
                  "tools/cli/other.cpp:1: ui/widgets/log_plot_painter.h (the tools link the core "
                  "alone)",
                  "tools/cli/paint.cpp:1: QPdfWriter (not a QtCore header)",
                  "tools/cli/window.cpp:1: ui/app/startup.h (the tools link the core alone)",
                  "ui/dialogs/page.cpp:1: ui/pages/dtc_page.h (ui/dialogs may not use ui/pages)",
                  "ui/pages/frame.cpp:1: ui/app/main_window.h (ui/pages may not use ui/app)",
                  "ui/widgets/page.cpp:1: ui/pages/start_page.h (ui/widgets may not use ui/pages)",
              }));
}

TEST(OneDefinition, NoClassNameIsDefinedTwiceInTheSuite) {
    const QStringList found =
        include_rules::duplicateClasses(SourceRoot + QStringLiteral("/tests"));
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

TEST(OneDefinition, AnonymousNamespacesAreLeftOut) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    writeFile(root.path(), "a/one.h", "#pragma once\nclass Notifier : public Base {\n};\n");
    writeFile(root.path(), "b/two.cpp", "struct Notifier {\n    int x;\n};\n");
    writeFile(root.path(), "b/three.cpp",
              "namespace {\nclass Notifier {\n};\n}\nstruct Fine {};\n");
    EXPECT_EQ(include_rules::duplicateClasses(root.path()),
              QStringList{"Notifier: a/one.h, b/two.cpp"});
}
