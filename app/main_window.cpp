#include "app/main_window.h"

TfMain::TfMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TfMain"));
    setWindowTitle(QStringLiteral("OBD-II Quorvane"));
    resize(800, 600);
}
