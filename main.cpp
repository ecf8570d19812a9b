#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OBD-II Quorvane"));
    TfMain window;
    window.show();
    return QApplication::exec();
}
