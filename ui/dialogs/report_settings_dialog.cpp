#include "ui/dialogs/report_settings_dialog.h"

TfReportSettings::TfReportSettings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfReportSettings"));
    setWindowTitle(QStringLiteral("OBD-II Diagnostic Report"));
    resize(480, 360);
}
