#pragma once

#include <QWidget>

// The picture shown while the windows are built: 400 x 300, frameless, on top, centred.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
