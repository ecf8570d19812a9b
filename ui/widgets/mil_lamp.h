#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

// The malfunction indicator lamp as a picture, lit or unlit, with an optional label that shows
// "On" or "Off" to match.
class MilLamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap BitmapOn READ bitmapOn WRITE setBitmapOn)
    Q_PROPERTY(QPixmap BitmapOff READ bitmapOff WRITE setBitmapOff)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QString CaptionOn READ captionOn WRITE setCaptionOn)
    Q_PROPERTY(QString CaptionOff READ captionOff WRITE setCaptionOff)
    Q_PROPERTY(bool MILOn READ milOn WRITE setMilOn)
public:
    explicit MilLamp(QWidget* parent = nullptr);

    QPixmap bitmapOn() const { return m_on; }
    void setBitmapOn(const QPixmap& pixmap);
    QPixmap bitmapOff() const { return m_off; }
    void setBitmapOff(const QPixmap& pixmap);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QString captionOn() const { return m_captionOn; }
    void setCaptionOn(const QString& caption);
    QString captionOff() const { return m_captionOff; }
    void setCaptionOff(const QString& caption);
    bool milOn() const { return m_milOn; }
    void setMilOn(bool on);
    QLabel* milLabel() const { return m_label; }
    void setMILLabel(QLabel* label);

    // How many times the lamp has been painted (tests see whether a change repainted it).
    int paints() const { return m_paints; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_on;
    QPixmap m_off;
    QColor m_color{Qt::black};
    QString m_captionOn = QStringLiteral("On");
    QString m_captionOff = QStringLiteral("Off");
    bool m_milOn = false;
    QPointer<QLabel> m_label;
    int m_paints = 0;
};
