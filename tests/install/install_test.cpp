// The installed tree: what `cmake --install` puts under a prefix, as the desktop menu, the PATH
// and the programs themselves find it.

#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct Output {
    int code = -1;
    QString out;
    QString err;
};

Output run(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Output output;
    if (!process.waitForFinished(120000))
        return output;
    output.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    output.out = QString::fromUtf8(process.readAllStandardOutput());
    output.err = QString::fromUtf8(process.readAllStandardError());
    return output;
}

class InstalledTree : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = test_env::freshDir("destdir");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", s_root);
        s_install = run(QStringLiteral(QUORVANE_CMAKE),
                        {"--install", QStringLiteral(QUORVANE_BUILD_DIR), "--prefix", "/usr/local"},
                        environment);
        s_prefix = s_root + "/usr/local";
    }

    void SetUp() override {
        ASSERT_EQ(s_install.code, 0) << (s_install.out + s_install.err).toStdString();
    }

    static QString s_root;
    static QString s_prefix;
    static Output s_install;
};

QString InstalledTree::s_root;
QString InstalledTree::s_prefix;
Output InstalledTree::s_install;

TEST_F(InstalledTree, LaunchersOnThePathLeadIntoTheProgramDirectory) {
    const QString programDir = s_prefix + "/lib/quorvane";
    for (const QString program : {"quorvane", "quorvane-cli"}) {
        const QFileInfo link(s_prefix + "/bin/" + program);
        ASSERT_TRUE(link.isSymLink()) << program.toStdString();
        // Relative, so that the tree works wherever the package manager puts the prefix.
        EXPECT_EQ(link.symLinkTarget(), QFileInfo(programDir + "/" + program).absoluteFilePath());
        char target[4096] = {};
        ASSERT_GT(::readlink(link.filePath().toLocal8Bit().constData(), target, sizeof target - 1),
                  0);
        EXPECT_NE(target[0], '/') << target;
        EXPECT_TRUE(QFileInfo(link.canonicalFilePath()).isExecutable()) << program.toStdString();
    }
    // Runtime files beside the program, as in the build tree.
    for (const char* file : {"locale/languagenames.mo", "locale/en/LC_MESSAGES/default.mo",
                             "locale/de/LC_MESSAGES/default.mo", "locale/en/language.dll",
                             "locale/de/language.dll", "locale/en/help/index.html", "lang_fl.dll"})
        EXPECT_TRUE(QFileInfo::exists(programDir + "/" + file)) << file;
    // Nothing of the suite or the benchmarks goes out with the program.
    QDirIterator it(s_root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        EXPECT_FALSE(name.startsWith("test_") || name.startsWith("bench_") || name == "faultpack")
            << name.toStdString();
    }
}

TEST_F(InstalledTree, DesktopEntryIsValidGermanAndNamesTheIcon) {
    const QString entry = s_prefix + "/share/applications/quorvane.desktop";
    ASSERT_TRUE(QFileInfo::exists(entry));
    const QString validator = QStringLiteral(QUORVANE_DESKTOP_FILE_VALIDATE);
    ASSERT_TRUE(QFileInfo(validator).isExecutable())
        << "desktop-file-validate (Debian desktop-file-utils) is missing; tools/dev installs it";
    const Output validation = run(validator, {entry});
    EXPECT_EQ(validation.code, 0) << (validation.out + validation.err).toStdString();
    // Hints and warnings count too: the desktop shows what it understood, not what we meant.
    EXPECT_TRUE(validation.out.trimmed().isEmpty()) << validation.out.toStdString();

    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (const char* line : {"Exec=quorvane", "Icon=quorvane", "Categories=Utility;Engineering;"})
        EXPECT_TRUE(lines.contains(line)) << line;
    for (const char* key : {"Name[de]=", "Comment[de]="})
        EXPECT_EQ(
            lines.filter(QRegularExpression(QString("^") + QRegularExpression::escape(key) + ".+"))
                .size(),
            1)
            << key;

    const QString icon = s_prefix + "/share/icons/hicolor/scalable/apps/quorvane.svg";
    QFile svg(icon);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << icon.toStdString();
    QXmlStreamReader xml(&svg);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

TEST_F(InstalledTree, ManualPagesAndCompletionAreWhereManAndBashLook) {
    for (const QString program : {"quorvane", "quorvane-cli", "elmsim"}) {
        const Output page = run("gzip", {"-dc", s_prefix + "/share/man/man1/" + program + ".1.gz"});
        EXPECT_EQ(page.code, 0) << program.toStdString() << page.err.toStdString();
        // Made from the program's own --help.
        EXPECT_TRUE(page.out.startsWith(".TH " + program.toUpper().replace("-", "\\-") + " 1"))
            << page.out.toStdString();
        EXPECT_TRUE(page.out.contains("\\-\\-version")) << page.out.toStdString();
    }
    QFile completion(s_prefix + "/share/bash-completion/completions/quorvane-cli");
    ASSERT_TRUE(completion.open(QIODevice::ReadOnly));
    EXPECT_TRUE(completion.readAll().contains("complete -F _quorvane_cli quorvane-cli"));
}

TEST_F(InstalledTree, InstalledCliThroughItsLinkFindsItsRuntimeFiles) {
    const QString cli = s_prefix + "/bin/quorvane-cli";
    const Output english = run(cli, {"--demo", "connect"});
    EXPECT_EQ(english.code, 0) << english.err.toStdString();
    const QStringList lines = english.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 15) << english.out.toStdString();
    EXPECT_EQ(lines.last(), "OK   Mode 09 Init, Vehicle Information");

    // The German fault-code module is read from the installed program directory.
    const Output lookupDe = run(cli, {"--lang", "de", "lookup", "P0125"});
    const Output lookupEn = run(cli, {"--lang", "en", "lookup", "P0125"});
    EXPECT_EQ(lookupDe.code, 0) << lookupDe.err.toStdString();
    EXPECT_EQ(lookupEn.code, 0) << lookupEn.err.toStdString();
    EXPECT_NE(lookupDe.out, lookupEn.out);
}

} // namespace
