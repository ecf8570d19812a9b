// Where reports are written and how: the reports directory and its failure, atomic replacement,
// and the stylesheet that every written document gets beside it.

#include "core/report/report_files.h"

#include "core/settings/data_dirs.h"
#include "tests/support/not_a_file.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray programStylesheet() {
    return contentOf(stylesheetSourcePath());
}

// Points the data directory somewhere else for one test.
class DataDir {
public:
    explicit DataDir(const QString& dir) : m_previous(qgetenv("QUORVANE_DATA")) {
        qputenv("QUORVANE_DATA", dir.toUtf8());
    }
    ~DataDir() { qputenv("QUORVANE_DATA", m_previous); }

private:
    QByteArray m_previous;
};

TEST(ReportFiles, ReportsDirectoryIsCreatedOnceInTheDataDirectory) {
    const DataDir data(test_env::freshDir("data-reports"));
    EXPECT_FALSE(QDir(reportsDirPath()).exists());
    const QString dir = createReportsDir();
    EXPECT_EQ(dir, data_dirs::dataDir() + "/reports");
    EXPECT_TRUE(QDir(dir).exists());
    EXPECT_EQ(createReportsDir(), dir);
    EXPECT_EQ(previewReportPath(), dir + "/temp.xml");
}

TEST(ReportFiles, ReportsDirectoryThatCannotBeMadeIsNamedInTheError) {
    const QString base = test_env::freshDir("data-blocked");
    const DataDir data(base);
    // A plain file where the directory should be.
    QFile blocker(base + "/reports");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        createReportsDir();
        FAIL() << "no error";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.message(), "Directory \"" + base + "/reports\" can not be created");
    }
}

TEST(ReportFiles, DocumentReplacesTheOldOneAndGetsTheStylesheetBeside) {
    ASSERT_FALSE(programStylesheet().isEmpty()) << "the build stages the stylesheet";
    const QString dir = test_env::freshDir("written");
    const QString path = dir + "/temp.xml";
    EXPECT_EQ(writeReportFile(path, "<doc>first</doc>\r\n"), StylesheetPlacement::Placed);
    EXPECT_EQ(writeReportFile(path, "<doc>second</doc>\r\n"), StylesheetPlacement::Placed);
    EXPECT_EQ(contentOf(path), "<doc>second</doc>\r\n");
    EXPECT_EQ(contentOf(dir + "/DTCResults.xsl"), programStylesheet());
    // Nothing else is left behind (no temporary file of the atomic write).
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"DTCResults.xsl", "temp.xml"}));
}

TEST(ReportFiles, StylesheetOfAnEarlierVersionIsReplaced) {
    const QByteArray earlier = contentOf(QUORVANE_EARLIER_STYLESHEET);
    ASSERT_TRUE(isEarlierProgramStylesheet(earlier));
    EXPECT_FALSE(isEarlierProgramStylesheet(programStylesheet()));
    const QString dir = test_env::freshDir("old-stylesheet");
    writeFile(dir + "/DTCResults.xsl", earlier);
    EXPECT_EQ(placeStylesheet(dir), StylesheetPlacement::Placed);
    EXPECT_EQ(contentOf(dir + "/DTCResults.xsl"), programStylesheet());
}

// A workshop's own layout under the name, even one a byte away from ours, is never replaced.
TEST(ReportFiles, StylesheetTheProgramDidNotWriteIsKept) {
    const QByteArray earlier = contentOf(QUORVANE_EARLIER_STYLESHEET);
    for (const QByteArray& own :
         {QByteArray("<xsl:stylesheet/>"), earlier + ' ', QByteArray(300 * 1024, 'x')}) {
        const QString dir = test_env::freshDir("own-stylesheet");
        writeFile(dir + "/DTCResults.xsl", own);
        EXPECT_EQ(writeReportFile(dir + "/r.xml", "<doc/>"), StylesheetPlacement::UsersKept);
        EXPECT_EQ(contentOf(dir + "/DTCResults.xsl"), own);
        EXPECT_EQ(contentOf(dir + "/r.xml"), "<doc/>");
    }
}

// A fifo there used to block the open for good, a device to be read until memory ran out. Should
// the open block, the test hangs until ctest's time-out ends it.
TEST(ReportFiles, StylesheetNameHeldByOtherThanAFileIsLeftAlone) {
    const struct {
        const char* name;
        std::function<bool(const QString& path)> make;
    } cases[] = {
        {"fifo", makeFifo},
        {"link to /dev/zero", [](const QString& p) { return QFile::link("/dev/zero", p); }},
        {"link to /dev/full", [](const QString& p) { return QFile::link("/dev/full", p); }},
        {"link to nothing", [](const QString& p) { return QFile::link(p + ".gone", p); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString dir = test_env::freshDir("not-a-stylesheet");
        const QString stylesheet = dir + "/DTCResults.xsl";
        ASSERT_TRUE(c.make(stylesheet));
        const QFileInfo before(stylesheet);
        EXPECT_EQ(writeReportFile(dir + "/r.xml", "<doc/>"), StylesheetPlacement::NotRegularFile);
        EXPECT_EQ(contentOf(dir + "/r.xml"), "<doc/>");
        const QFileInfo after(stylesheet);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.symLinkTarget(), before.symLinkTarget());
        EXPECT_FALSE(after.isFile());
    }
    // A link to a regular file is as good as the file.
    const QString dir = test_env::freshDir("linked-stylesheet");
    writeFile(dir + "/old.xsl", contentOf(QUORVANE_EARLIER_STYLESHEET));
    ASSERT_TRUE(QFile::link(dir + "/old.xsl", dir + "/DTCResults.xsl"));
    EXPECT_EQ(writeReportFile(dir + "/r.xml", "<doc/>"), StylesheetPlacement::Placed);
    EXPECT_EQ(contentOf(dir + "/DTCResults.xsl"), programStylesheet());
}

TEST(ReportFiles, UnwritableTargetIsNamedAndLeavesNothing) {
    const QString dir = test_env::freshDir("unwritable");
    // A directory stands where the file should go.
    const QString path = dir + "/report.xml";
    ASSERT_TRUE(QDir().mkdir(path));
    try {
        writeReportFile(path, "<doc/>");
        FAIL() << "no error";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.message().startsWith("The file \"" + path + "\" could not be written: "))
            << e.message().toStdString();
    }
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList());
}

} // namespace
