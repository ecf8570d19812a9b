#pragma once

#include <QLabel>

class QPainter;

// The painted caption strip of the program's windows that have no system caption: a grey line on
// every second pixel row, the text centred on one line between two blanks, on the button-face
// colour, cut with an ellipsis when it does not fit. Pressing a mouse button on it moves the
// window. Being a label, its text is translated with the window's other texts.
class TitleStrip : public QLabel {
    Q_OBJECT
public:
    explicit TitleStrip(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// The strip's drawing, for any widget: the lines across paintArea (row i at top + 2i), then the
// text centred in textArea.
void paintTitleStrip(QPainter& painter, const QWidget& strip, const QRect& paintArea,
                     const QString& text, const QRect& textArea);
