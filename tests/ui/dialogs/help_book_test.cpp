// The help books name the controls as each language shows them.

#include "core/l10n/translator.h"
#include "core/settings/data_dirs.h"
#include "tests/support/program_run.h"
#include "ui/app/window_translation.h"
#include "ui/dialogs/dtc_search_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/report_preview.h"
#include "ui/dialogs/report_settings_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

TEST(HelpBook, NamesTheDialogsControlsAsEachLanguageShowsThem) {
    const QStringList captions{"DTC Search",
                               "Manufacturer",
                               "DTC",
                               "Search",
                               "Description",
                               "Close",
                               "OBD-II Diagnostic Report",
                               "Customer",
                               "Vehicle",
                               "Marke",
                               "Model",
                               "Year",
                               "VIN",
                               "Report Data",
                               "System Status",
                               "Stored DTCs",
                               "Pending DTCs",
                               "Freeze Frames",
                               "O2 Sensors",
                               "Monitor Tests",
                               "Save",
                               "View"};
    for (const char* language : {"en", "de", "fr", "es"}) {
        SCOPED_TRACE(language);
        Translator translator(data_dirs::programDir() + QStringLiteral("/locale"));
        translator.chooseLanguage(QLatin1String(language));
        QFile file(data_dirs::programDir() + QStringLiteral("/locale/") + QLatin1String(language) +
                   QStringLiteral("/help/index.html"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString book = QString::fromUtf8(file.readAll()).simplified();
        for (const QString& caption : captions) {
            const QString shown = translator.translate(caption);
            EXPECT_TRUE(book.contains("<b>" + shown + "</b>")) << shown.toStdString();
        }
        // The preview's buttons by their tool tips.
        for (const char* tip : {"Print", "Print Preview", "Export PDF"}) {
            const QString shown = translator.translate(QLatin1String(tip));
            EXPECT_TRUE(book.contains("<b>" + shown + "</b>")) << shown.toStdString();
        }
    }
}

} // namespace

namespace {

// Every caption a widget shows: texts, titles, tool tips, list entries and column headings.
void addCaptions(const QWidget* root, QSet<QString>& captions) {
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>())
        widgets << child;
    auto add = [&captions](const QString& text) {
        QString caption = text;
        caption.remove(QLatin1Char('&'));
        caption = caption.simplified();
        if (!caption.isEmpty())
            captions << caption;
    };
    for (const QWidget* w : widgets) {
        add(w->windowTitle());
        add(w->toolTip());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            add(button->text());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            add(label->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            add(group->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        if (const auto* box = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                add(box->itemText(i));
        if (const auto* grid = qobject_cast<const QTableWidget*>(w))
            for (int i = 0; i < grid->columnCount(); ++i)
                if (const QTableWidgetItem* heading = grid->horizontalHeaderItem(i))
                    add(heading->text());
    }
}

// The captions of the window and of its dialogs in one language, translated as the program does.
QSet<QString> windowCaptions(const QString& language) {
    ProgramRun run(language);
    auto tr = [&run](const QString& text) { return run.translator.translate(text); };
    TranslationExclusions exclusions;
    exclusions.properties = {QStringLiteral("font"), QStringLiteral("objectName")};
    exclusions.objectProperties = {QStringLiteral("cbManufacturer.items")};
    DtcSearchDialog search(run.context.faultCodeTable);
    translateWindow(&search, tr, exclusions);
    ReportPreview preview;
    ReportSettingsDialog settings(run.context.shown, run.translator, &preview);
    translateWindow(&settings, tr, exclusions);
    InfoDialog info(QStringLiteral("1.0.0.0"));
    QSet<QString> captions;
    for (const QWidget* window : std::initializer_list<const QWidget*>{run.window.get(), &search,
                                                                       &preview, &settings, &info})
        addCaptions(window, captions);
    return captions;
}

// The message identifiers of a compiled catalogue (GNU .mo, either byte order).
QList<QByteArray> msgidsOf(const QString& moPath) {
    QFile file(moPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.size() < 28)
        return {};
    const bool swapped = qFromLittleEndian<quint32>(data.constData()) != 0x950412deU;
    auto word = [&](qsizetype at) -> quint32 {
        if (at < 0 || at + 4 > data.size())
            return 0;
        return swapped ? qFromBigEndian<quint32>(data.constData() + at)
                       : qFromLittleEndian<quint32>(data.constData() + at);
    };
    QList<QByteArray> ids;
    const quint32 count = word(8);
    const quint32 table = word(12);
    for (quint32 i = 0; i < count; ++i) {
        const quint32 length = word(table + 8 * i);
        const quint32 offset = word(table + 8 * i + 4);
        if (qsizetype(offset) + qsizetype(length) <= data.size())
            ids << data.mid(offset, length);
    }
    return ids;
}

// The terms a help book marks as control names.
QStringList boldTerms(const QString& book) {
    QStringList terms;
    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& match : bold.globalMatch(book))
        terms << QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
    terms.removeDuplicates();
    return terms;
}

// Every help book, whatever its language: each control it names in bold is a caption the window
// (or one of its dialogs) shows in that language. A page that another part of the window builds
// is matched through the catalogue: the name must be that language's text of one of the
// program's captions.
TEST(HelpBook, EveryBookNamesControlsByTheCaptionsOfItsLanguage) {
    const QString localeDir = data_dirs::programDir() + QStringLiteral("/locale");
    Translator lister(localeDir);
    QList<QByteArray> msgids;
    for (const QString& code : lister.availableLanguages())
        msgids << msgidsOf(localeDir + QLatin1Char('/') + code +
                           QStringLiteral("/LC_MESSAGES/default.mo"));
    ASSERT_FALSE(msgids.isEmpty());

    int books = 0;
    for (const QString& code : lister.availableLanguages()) {
        QFile file(localeDir + QLatin1Char('/') + code + QStringLiteral("/help/index.html"));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        ++books;
        SCOPED_TRACE(code.toStdString());
        QSet<QString> captions = windowCaptions(code);
        Translator translator(localeDir);
        translator.chooseLanguage(code);
        for (const QByteArray& id : msgids)
            captions << translator.translateUtf8(Translator::DefaultDomain, id).simplified();
        QStringList unknown;
        for (const QString& term : boldTerms(QString::fromUtf8(file.readAll())))
            if (!captions.contains(term))
                unknown << term;
        EXPECT_TRUE(unknown.isEmpty())
            << "not a caption of the window: " << unknown.join(QStringLiteral(" | ")).toStdString();
    }
    EXPECT_GE(books, 2);
}

} // namespace
