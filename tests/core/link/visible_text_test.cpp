#include "core/link/visible_text.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(VisibleText, PrintableTextStaysAsItIs) {
    for (const QString& text :
         {QString(), QStringLiteral("ELM327 v1.5"), QStringLiteral(R"(C:\path\x41)"),
          QString::fromUtf8("Kühlmittel °C ± 5 €"), QString::fromUtf8("\xF0\x9F\x9A\x97 car")})
        EXPECT_EQ(visibleText(text), text);
}

TEST(VisibleText, ControlCharactersAreWrittenOut) {
    EXPECT_EQ(visibleText(QStringLiteral("\x1B]0;title\x07")),
              QStringLiteral(R"(\x1B]0;title\x07)"));
    EXPECT_EQ(visibleText(QString(QChar(0)) + "A\t\r\n"), QStringLiteral(R"(\x00A\x09\x0D\x0A)"));
    // DEL and the C1 range, which some terminals obey like ESC [ (U+009B).
    EXPECT_EQ(
        visibleText(QString(QChar(0x7F)) + QChar(0x80) + QChar(0x9B) + QChar(0x9F) + QChar(0xA0)),
        QString(R"(\x7F\x80\x9B\x9F)") + QChar(0xA0));
}

TEST(VisibleText, InvisibleFormattingIsWrittenOut) {
    // A direction override would show "VIN" text reversed; zero-width and separator characters
    // hide or break lines.
    EXPECT_EQ(visibleText(QString(QChar(0x202E)) + "1G1"), QStringLiteral(R"(\u{202E}1G1)"));
    EXPECT_EQ(visibleText(QString(QChar(0x200B)) + QChar(0x2028) + QChar(0xFEFF)),
              QStringLiteral(R"(\u{200B}\u{2028}\u{FEFF})"));
    // Halves of a surrogate pair that stand alone are no characters.
    EXPECT_EQ(visibleText(QString(QChar(0xD83D)) + "x" + QChar(0xDE97)),
              QStringLiteral(R"(\u{D83D}x\u{DE97})"));
}

TEST(VisibleText, AVisibleTextIsItsOwnVisibleText) {
    const QString once = visibleText(QStringLiteral("a\x1B b") + QChar(0x9B) + QChar(0x202E));
    EXPECT_EQ(visibleText(once), once);
}
