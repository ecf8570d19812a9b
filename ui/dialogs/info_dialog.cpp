#include "ui/dialogs/info_dialog.h"

TfInfo::TfInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfInfo"));
    setWindowTitle(QStringLiteral("Info"));
    resize(480, 360);
}
