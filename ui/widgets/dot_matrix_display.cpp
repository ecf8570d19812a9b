#include "ui/widgets/dot_matrix_display.h"

#include "ui/widgets/dot_matrix_font.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kColumns = 5;
constexpr int kRows = 7;
// A cell is five dot columns and one blank column; one more blank pitch frames the matrix.
constexpr int kPitchesPerCell = kColumns + 1;
constexpr int kFramePitches = 1;
constexpr int kHintPitch = 4;
const QColor kBackground(0x10, 0x10, 0x10);

QColor blend(const QColor& over, const QColor& under, double share) {
    return QColor::fromRgbF(float(over.redF() * share + under.redF() * (1 - share)),
                            float(over.greenF() * share + under.greenF() * (1 - share)),
                            float(over.blueF() * share + under.blueF() * (1 - share)));
}

} // namespace

DotMatrixDisplay::DotMatrixDisplay(int characters, QWidget* parent)
    : QWidget(parent), m_characters(std::max(characters, 1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DotMatrixDisplay::setText(const QString& text) {
    const QString kept = text.left(m_characters);
    if (kept == m_text)
        return;
    m_text = kept;
    update();
}

QString DotMatrixDisplay::text() const {
    return m_text;
}

void DotMatrixDisplay::setForeground(const QColor& colour) {
    m_foreground = colour;
    update();
}

QColor DotMatrixDisplay::foreground() const {
    return m_foreground;
}

void DotMatrixDisplay::setThickSegments(bool thick) {
    m_thick = thick;
    update();
}

bool DotMatrixDisplay::thickSegments() const {
    return m_thick;
}

QSize DotMatrixDisplay::sizeHint() const {
    const int across = m_characters * kPitchesPerCell - 1 + 2 * kFramePitches;
    const int down = kRows + 2 * kFramePitches;
    return {across * kHintPitch, down * kHintPitch};
}

void DotMatrixDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);

    const int across = m_characters * kPitchesPerCell - 1 + 2 * kFramePitches;
    const int down = kRows + 2 * kFramePitches;
    const double pitch = std::min(double(width()) / across, double(height()) / down);
    if (pitch <= 0)
        return;
    // The matrix keeps square dots and sits in the middle of a stretched widget.
    const double left = (width() - pitch * across) / 2 + kFramePitches * pitch;
    const double top = (height() - pitch * down) / 2 + kFramePitches * pitch;
    const double dot = pitch * (m_thick ? 0.9 : 0.65);
    const double inset = (pitch - dot) / 2;
    const QColor unlit = blend(m_foreground, kBackground, 0.14);

    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, !m_thick);
    for (int cell = 0; cell < m_characters; ++cell) {
        const DotMatrixGlyph glyph =
            cell < m_text.size() ? dotMatrixGlyph(m_text.at(cell)) : DotMatrixGlyph{};
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const bool lit = glyph[row] & (0x10 >> column);
                const QRectF area(left + (cell * kPitchesPerCell + column) * pitch + inset,
                                  top + row * pitch + inset, dot, dot);
                painter.setBrush(lit ? m_foreground : unlit);
                if (m_thick)
                    painter.drawRect(area);
                else
                    painter.drawEllipse(area);
            }
        }
    }
}
