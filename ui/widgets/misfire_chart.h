#pragma once

#include <QList>
#include <QWidget>
#include <optional>

// Misfire counts per cylinder as pairs of bars: the current (or last) driving cycle and the
// average of the last ten. A cylinder whose monitor gave no count has no bar of that kind.
class MisfireChart : public QWidget {
    Q_OBJECT
public:
    struct Cylinder {
        int number = 0; // from 1
        std::optional<double> current;
        std::optional<double> average;
    };

    explicit MisfireChart(QWidget* parent = nullptr);

    // Rising cylinder numbers; an empty list shows the caption only.
    void setCylinders(const QList<Cylinder>& cylinders);
    const QList<Cylinder>& cylinders() const { return m_cylinders; }

    static QColor currentColour() { return {0xD0, 0x30, 0x30}; }
    static QColor averageColour() { return {0x30, 0x60, 0xC0}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Cylinder> m_cylinders;
};
