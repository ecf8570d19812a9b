#pragma once

#include <QColor>
#include <QWidget>

// A signal lamp: a rectangle or ellipse in its on or off colour, optionally blinking between the
// two. It takes no input and raises no events.
class TQzLed : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)
    Q_PROPERTY(QColor LedOnColor READ LedOnColor WRITE setLedOnColor)
    Q_PROPERTY(QColor LedOffColor READ LedOffColor WRITE setLedOffColor)
    Q_PROPERTY(bool Blink READ Blink WRITE setBlink)
    Q_PROPERTY(bool LedOn READ LedOn WRITE setLedOn)
    Q_PROPERTY(TLedStyle LedStyle READ LedStyle WRITE setLedStyle)
    Q_PROPERTY(int PenWidth READ PenWidth WRITE setPenWidth)
    Q_PROPERTY(QColor PenColor READ PenColor WRITE setPenColor)
public:
    enum TLedStyle { Rectangle = 0, Ellipse = 1 };
    Q_ENUM(TLedStyle)

    explicit TQzLed(QWidget* parent = nullptr);

    int Interval() const { return m_interval; }
    void setInterval(int ms);
    QColor LedOnColor() const { return m_onColor; }
    void setLedOnColor(const QColor& color) { m_onColor = color; }
    QColor LedOffColor() const { return m_offColor; }
    void setLedOffColor(const QColor& color) { m_offColor = color; }
    bool Blink() const { return m_timerId != 0; }
    void setBlink(bool blink);
    bool LedOn() const { return m_on; }
    void setLedOn(bool on);
    TLedStyle LedStyle() const { return m_style; }
    void setLedStyle(TLedStyle style);
    int PenWidth() const { return m_penWidth; }
    void setPenWidth(int width);
    QColor PenColor() const { return m_penColor; }
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
    TLedStyle m_style = Ellipse;
    int m_penWidth = 1;
    QColor m_penColor{Qt::black};
    QColor m_shown{0xFF, 0x00, 0x00};
    int m_timerId = 0;
};
