#include "ui/dialogs/report_preview.h"

TfReportPreview::TfReportPreview(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfReportPreview"));
    setWindowTitle(QStringLiteral("Report Preview"));
    resize(480, 360);
}
