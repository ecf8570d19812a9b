#pragma once

#include <QColor>
#include <QWidget>

// A seven-segment display of a fixed number of character cells, like the counters and readouts
// of an instrument panel. It shows digits, a minus, blanks, the letters a seven-segment display
// can form, and decimal points or commas on the cell before them; other characters stay dark.
// The text is kept as given, however long; the display shows its last cells (as an odometer
// does), right-aligned.
class SegmentDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int digitCount READ digitCount WRITE setDigitCount)
    Q_PROPERTY(QColor litColor READ litColor WRITE setLitColor)
    Q_PROPERTY(QColor unlitColor READ unlitColor WRITE setUnlitColor)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
public:
    explicit SegmentDisplay(int digitCount = 6, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    int digitCount() const { return m_digits; }
    void setDigitCount(int count);
    QColor litColor() const { return m_lit; }
    void setLitColor(const QColor& color);
    QColor unlitColor() const { return m_unlit; }
    void setUnlitColor(const QColor& color);
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor& color);

    // What each cell shows: bits 0..6 the segments a (top) to g (middle), bit 7 the point.
    QList<quint8> cells() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    int m_digits = 6;
    QColor m_lit{0x00, 0xE0, 0x00};
    QColor m_unlit{0x10, 0x30, 0x10};
    QColor m_background{0x08, 0x08, 0x08};
};

// The segments of one character (bits 0..6 = a..g), 0 for a character the display cannot form.
quint8 sevenSegmentsOf(QChar character);
