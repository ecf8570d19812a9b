#include "tests/support/qt_printers.h"
#include "ui/widgets/dot_matrix_display.h"
#include "ui/widgets/dot_matrix_font.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// Pixels of exactly the given colour in the columns [fromX, toX) of an image.
int countColour(const QImage& image, const QColor& colour, int fromX, int toX) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < toX; ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

int countColour(const QImage& image, const QColor& colour) {
    return countColour(image, colour, 0, image.width());
}

TEST(DotMatrixDisplay, TextIsCutToTheCellCountAndKeptWithoutPadding) {
    DotMatrixDisplay display(5);
    EXPECT_EQ(display.text(), "");
    display.setText("1234567");
    EXPECT_EQ(display.text(), "12345");
    display.setText("OFF");
    EXPECT_EQ(display.text(), "OFF");
    display.setText("READY   "); // trailing blanks the caller gave are its own text
    EXPECT_EQ(display.text(), "READY");

    DotMatrixDisplay wide(11);
    wide.setText("0,00 Sec.");
    EXPECT_EQ(wide.text(), "0,00 Sec.");
    EXPECT_GT(wide.sizeHint().width(), display.sizeHint().width());
}

TEST(DotMatrixDisplay, FontHoldsDistinctPrintableCharactersAndBlanksTheRest) {
    QSet<QByteArray> shapes;
    for (char16_t c = 0x21; c < 0x7F; ++c) {
        const DotMatrixGlyph glyph = dotMatrixGlyph(QChar(c));
        EXPECT_NE(glyph, DotMatrixGlyph{}) << "no dots for " << char(c);
        for (quint8 row : glyph)
            EXPECT_EQ(row & ~0x1F, 0) << "dot outside the five columns in " << char(c);
        shapes.insert(QByteArray(reinterpret_cast<const char*>(glyph.data()), 7));
    }
    EXPECT_EQ(shapes.size(), 0x7F - 0x21) << "two characters share one shape";

    EXPECT_EQ(dotMatrixGlyph(' '), DotMatrixGlyph{});
    EXPECT_EQ(dotMatrixGlyph(QChar(0x20AC)), DotMatrixGlyph{}); // euro sign: not in the font
    EXPECT_EQ(dotMatrixGlyph('\t'), DotMatrixGlyph{});
    for (char16_t c : {u'°', u'ä', u'Ö', u'ü', u'ß', u'é', u'ñ', u'ç'})
        EXPECT_NE(dotMatrixGlyph(QChar(c)), DotMatrixGlyph{});
}

TEST(DotMatrixDisplay, LitDotsFollowTheTextCellByCellInTheForegroundColour) {
    DotMatrixDisplay display(3);
    display.resize(3 * 60, 80);
    const int third = display.width() / 3;

    display.setText("8");
    QImage image = display.grab().toImage();
    EXPECT_GT(countColour(image, display.foreground(), 0, third), 50);
    EXPECT_EQ(countColour(image, display.foreground(), third, display.width()), 0)
        << "a short text is padded with blank cells after it";

    display.setText(QString(3, QChar(0x20AC)));
    EXPECT_EQ(countColour(display.grab().toImage(), display.foreground()), 0);

    display.setText("  8");
    image = display.grab().toImage();
    EXPECT_EQ(countColour(image, display.foreground(), 0, 2 * third), 0);
    EXPECT_GT(countColour(image, display.foreground(), 2 * third, display.width()), 50);

    const QColor yellow(0xFF, 0xE0, 0x00);
    display.setForeground(yellow);
    EXPECT_EQ(display.foreground(), yellow);
    EXPECT_GT(countColour(display.grab().toImage(), yellow), 50);
}

TEST(DotMatrixDisplay, ThickSegmentsLightMoreOfTheCell) {
    DotMatrixDisplay display(1);
    display.resize(60, 90);
    display.setText("H");
    EXPECT_FALSE(display.thickSegments());
    const int thin = countColour(display.grab().toImage(), display.foreground());
    display.setThickSegments(true);
    EXPECT_TRUE(display.thickSegments());
    const int thick = countColour(display.grab().toImage(), display.foreground());
    EXPECT_GT(thin, 0);
    EXPECT_GT(thick, thin * 3 / 2);
}

} // namespace
