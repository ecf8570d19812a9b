#pragma once

#include <QPixmap>
#include <QString>

// The program's pictures (resources/pictures/NAME.svg), rendered at their own size or the size
// asked for, for the device pixel ratio of the screen. Rendered once per name and size.
QPixmap picture(const QString& name, QSize size = QSize());
