#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A text display of a fixed number of 5x7 dot-matrix character cells, like the readouts of a
// dashboard or a stopwatch. The text fills the cells from the left: a longer text is cut to the
// cell count, a shorter one leaves blank cells after it, and a character the font does not hold
// shows as a blank cell. Dots that are off stay faintly visible, as on a real matrix.
class DotMatrixDisplay : public QWidget {
    Q_OBJECT
public:
    explicit DotMatrixDisplay(int characters, QWidget* parent = nullptr);

    // Sets the text, cut to the cell count; text() returns what was kept, without padding.
    void setText(const QString& text);
    QString text() const;
    void setForeground(const QColor& colour);
    QColor foreground() const;
    // Thick segments draw each dot as a square that nearly touches its neighbours, so the
    // characters read as solid strokes; thin ones draw small round dots.
    void setThickSegments(bool thick);
    bool thickSegments() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_characters;
    QString m_text;
    QColor m_foreground{0x30, 0xFF, 0x30};
    bool m_thick = false;
};
