#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

// The oxygen-sensor diagram: a typical sensor voltage swinging between lean and rich, with the
// quantities of the service 05 tests $01..$0A marked on it. It explains the test grid and never
// shows live data; only its properties change it.
class O2SensorGraph : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor ColorGraph READ colorGraph WRITE setColorGraph)
    Q_PROPERTY(QColor ColorMass READ colorMass WRITE setColorMass)
    Q_PROPERTY(QColor ColorCenterLine READ colorCenterLine WRITE setColorCenterLine)
    Q_PROPERTY(QColor ColorDashLines READ colorDashLines WRITE setColorDashLines)
    Q_PROPERTY(int MinVal READ minVal WRITE setMinVal)
    Q_PROPERTY(int MaxVal READ maxVal WRITE setMaxVal)
    Q_PROPERTY(int OffsetLeft READ offsetLeft WRITE setOffsetLeft)
    Q_PROPERTY(int OffsetRight READ offsetRight WRITE setOffsetRight)
    Q_PROPERTY(int OffsetTop READ offsetTop WRITE setOffsetTop)
    Q_PROPERTY(int OffsetBottom READ offsetBottom WRITE setOffsetBottom)
    Q_PROPERTY(int Divisions READ divisions WRITE setDivisions)
    Q_PROPERTY(QString CaptionRich READ captionRich WRITE setCaptionRich)
    Q_PROPERTY(QString CaptionLean READ captionLean WRITE setCaptionLean)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
public:
    static constexpr int kCurvePoints = 100;

    explicit O2SensorGraph(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QColor colorGraph() const { return m_colorGraph; }
    void setColorGraph(const QColor& color);
    QColor colorMass() const { return m_colorMass; }
    void setColorMass(const QColor& color);
    QColor colorCenterLine() const { return m_colorCenterLine; }
    void setColorCenterLine(const QColor& color);
    QColor colorDashLines() const { return m_colorDashLines; }
    void setColorDashLines(const QColor& color);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

    int minVal() const { return m_minVal; }
    void setMinVal(int value);
    int maxVal() const { return m_maxVal; }
    void setMaxVal(int value);
    int offsetLeft() const { return m_offsetLeft; }
    void setOffsetLeft(int value);
    int offsetRight() const { return m_offsetRight; }
    void setOffsetRight(int value);
    int offsetTop() const { return m_offsetTop; }
    void setOffsetTop(int value);
    int offsetBottom() const { return m_offsetBottom; }
    void setOffsetBottom(int value);
    int divisions() const { return m_divisions; }
    void setDivisions(int value);

    QString captionRich() const { return m_captionRich; }
    void setCaptionRich(const QString& text);
    QString captionLean() const { return m_captionLean; }
    void setCaptionLean(const QString& text);

    // The curve on the 0..100 scale, computed once at creation.
    const std::array<int, kCurvePoints>& curve() const { return m_curve; }

    // Where a value and a step position land in the current geometry.
    int yOf(int value) const;
    int xOf(double step) const;

    QSize sizeHint() const override { return QSize(400, 150); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawDiagram(QImage& image) const;
    void changed();

    QColor m_color{0x00, 0x00, 0x00};
    QColor m_colorGraph{0x00, 0xFF, 0x00};
    QColor m_colorMass{0xFF, 0xFF, 0xFF};
    QColor m_colorCenterLine{0x80, 0x80, 0x80};
    QColor m_colorDashLines{0xC0, 0xC0, 0xC0};
    QColor m_fontColor{0xFF, 0xFF, 0x00};
    int m_minVal = 0;
    int m_maxVal = 100;
    int m_offsetLeft = 5;
    int m_offsetRight = 5;
    int m_offsetTop = 0;
    int m_offsetBottom = 0;
    int m_divisions = 98;
    QString m_captionRich = QStringLiteral("Rich");
    QString m_captionLean = QStringLiteral("Lean");
    std::array<int, kCurvePoints> m_curve{};
    QImage m_bitmap;
};
