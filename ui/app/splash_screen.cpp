#include "ui/app/splash_screen.h"

#include "ui/widgets/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfSplashScreen"));
    setFixedSize(400, 300);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture(QStringLiteral("SPLASH"), size()));
}
