// The help book names the controls of the search and report windows as each language shows them.

#include "core/l10n/translator.h"
#include "core/settings/data_dirs.h"

#include <QFile>
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
