#pragma once

#include <QColor>
#include <QWidget>

// A signal lamp: a rectangle or ellipse in its on or off colour, optionally blinking between the
// two. It takes no input and raises no events.
class StatusLed : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
    Q_PROPERTY(QColor LedOnColor READ ledOnColor WRITE setLedOnColor)
    Q_PROPERTY(QColor LedOffColor READ ledOffColor WRITE setLedOffColor)
    Q_PROPERTY(bool Blink READ blink WRITE setBlink)
    Q_PROPERTY(bool LedOn READ ledOn WRITE setLedOn)
    Q_PROPERTY(Shape LedStyle READ ledStyle WRITE setLedStyle)
    Q_PROPERTY(int PenWidth READ penWidth WRITE setPenWidth)
    Q_PROPERTY(QColor PenColor READ penColor WRITE setPenColor)
public:
    enum Shape { Rectangle = 0, Ellipse = 1 };
    Q_ENUM(Shape)

    explicit StatusLed(QWidget* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int ms);
    QColor ledOnColor() const { return m_onColor; }
    void setLedOnColor(const QColor& color) { m_onColor = color; }
    QColor ledOffColor() const { return m_offColor; }
    void setLedOffColor(const QColor& color) { m_offColor = color; }
    bool blink() const { return m_timerId != 0; }
    void setBlink(bool blink);
    bool ledOn() const { return m_on; }
    void setLedOn(bool on);
    Shape ledStyle() const { return m_style; }
    void setLedStyle(Shape style);
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width);
    QColor penColor() const { return m_penColor; }
    void setPenColor(const QColor& color);

    // The colour on show now.
    QColor shownColor() const { return m_shown; }
    // The shape's outline rectangle, inset by half the pen width.
    QRect shapeRect() const;

    QSize sizeHint() const override { return {10, 10}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int m_interval = 500;
    QColor m_onColor{0x00, 0xFF, 0x00};
    QColor m_offColor{0xFF, 0x00, 0x00};
    bool m_on = false;
    Shape m_style = Ellipse;
    int m_penWidth = 1;
    QColor m_penColor{Qt::black};
    QColor m_shown{0xFF, 0x00, 0x00};
    int m_timerId = 0;
};
