#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QWidget>

// A round instrument: a needle over a scale from 0 to the scale value, with main ticks and their
// values, sub-ticks, coloured zones below the lower mark, between the marks and above the upper
// mark, a centre cap and a caption. The scale sweeps 270 degrees around the centre (a
// speedometer) or 90 degrees above a pivot at the bottom (a temperature gauge).
class AnalogGauge : public QWidget {
    Q_OBJECT
public:
    enum class Sweep { Degrees270, Degrees90 };

    explicit AnalogGauge(Sweep sweep, QWidget* parent = nullptr);

    Sweep sweep() const { return m_sweep; }
    double scale() const { return m_scale; }
    void setScale(double scale);
    // Intervals between main ticks: 11 on a scale of 220 puts a value every 20.
    int mainTicks() const { return m_mainTicks; }
    void setMainTicks(int count);
    int subTicks() const { return m_subTicks; }
    void setSubTicks(int perInterval);
    double lowerMark() const { return m_lowerMark; }
    double upperMark() const { return m_upperMark; }
    void setMarks(double lower, double upper);
    void setZoneColours(const QColor& low, const QColor& middle, const QColor& high);
    void setZonesShown(bool low, bool middle, bool high);
    bool lowZoneShown() const { return m_zoneShown[0]; }
    bool middleZoneShown() const { return m_zoneShown[1]; }
    bool highZoneShown() const { return m_zoneShown[2]; }
    QColor zoneColour(int zone) const { return m_zoneColour[zone]; }
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor needleColour() const { return m_needle; }

    // Where the needle points; values outside the scale rest at its ends.
    double value() const { return m_value; }
    void setValue(double value);

    QSize sizeHint() const override;

    // The texts the gauge cannot show whole at its present size: a value or the caption that
    // runs into another or out of its room even in the smallest lettering.
    QStringList crowdedTexts() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // The angle of a value in degrees, counter-clockwise from three o'clock.
    double angleOf(double value) const;

    // Where everything goes at the present size: the scale's centre and radius, and each text
    // with its font and the box it is drawn into (the values first, the caption last). The
    // lettering is as large as the radius allows, and smaller where the texts would meet.
    struct Lettering {
        QFont font;
        QString text;
        QRectF box;  // what the text takes
        QRectF room; // where it may go
    };
    struct Layout {
        QRectF area;
        QPointF centre;
        double radius = 0;
        QList<Lettering> texts;
        bool fits = true;
    };
    Layout layout() const;

    Sweep m_sweep;
    double m_scale = 100;
    int m_mainTicks = 10;
    int m_subTicks = 5;
    double m_lowerMark = 0;
    double m_upperMark = 100;
    QColor m_zoneColour[3] = {QColor(0x00, 0xC0, 0x00), QColor(0xFF, 0xD0, 0x00),
                              QColor(0xE0, 0x10, 0x10)};
    bool m_zoneShown[3] = {false, false, true};
    QString m_caption;
    double m_value = 0;
    QColor m_needle{0xFF, 0x60, 0x10};
};
