#include "tests/layout/naming_rules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString SourceRoot = QStringLiteral(QUORVANE_SOURCE_DIR);

} // namespace

TEST(NamingStyle, TheTreeKeepsIt) {
    const QStringList found = naming_rules::violations(SourceRoot);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

TEST(NamingStyle, EachOldNameIsFoundAndWidgetNamesAreLeftAlone) {
    struct Case {
        const char* line;
        QStringList found; // the names reported for the line, in order
    };
    const Case cases[] = {
        {"class TPidInfo {", {"TPidInfo (type named with a T prefix)"}},
        {"struct TfMain;", {"TfMain (type named with a T prefix)"}},
        {"enum class TUnit { Metric };", {"TUnit (type named with a T prefix)"}},
        {"using TRows = QList<int>;", {"TRows (type named with a T prefix)"}},
        {"typedef QList<int> TRows;", {"TRows (type named with a T prefix)"}},
        {"void TReadPid(int pid);", {"TReadPid (function named with a T prefix)"}},
        {"bool Reader::TParse(const QString& s) {", {"TParse (function named with a T prefix)"}},
        {"void onDxButton7Click();", {"onDxButton7Click (handler named for a numbered button)"}},
        {"void onFlatButtonPressed();",
         {"onFlatButtonPressed (handler named for a generic control)"}},
        {"void ToolButton3Down();", {"ToolButton3Down (handler named for a generic control)"}},
        {"void Panel5Resize();", {"Panel5Resize (handler named for a generic control)"}},
        {"setObjectName(QStringLiteral(\"TfMain\")); // TfMain keeps its name", {}},
        {"/* class TOld { void Button1Click(); } */ int x = 1'000;", {}},
        {"QChar q = '\"'; auto s = QStringLiteral(\"Panel10\");", {}},
        {"QTimer timer; Tab tab; TCPServer server; int TX = 0;", {}},
        {"auto r = R\"x(class TRaw)x\";", {}},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        QDir().mkpath(root.path() + QStringLiteral("/ui/pages"));
        QFile out(root.path() + QStringLiteral("/ui/pages/page.cpp"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray("\n") + c.line + "\n");
        out.close();
        QStringList expected;
        for (const QString& name : c.found)
            expected.append(QStringLiteral("ui/pages/page.cpp:2: ") + name);
        EXPECT_EQ(naming_rules::violations(root.path()), expected) << c.line;
    }
}

// QTRY_COMPARE and QTRY_VERIFY report to QTest and return: inside a GoogleTest test a wait that
// runs out passes silently. Waits in tests go through QTest::qWaitFor and an expectation.
TEST(TestStyle, NoQtTestWaitMacroHidesAFailure) {
    QStringList found;
    QDirIterator it(SourceRoot + QStringLiteral("/tests"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile in(it.next());
        ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << in.fileName().toStdString();
        if (naming_rules::codeOnly(QString::fromUtf8(in.readAll())).contains("QTRY_"))
            found.append(in.fileName());
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}
