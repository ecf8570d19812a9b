#pragma once

#include <QDialog>

// The preview of the diagnostic report, with printing.
class TfReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit TfReportPreview(QWidget* parent = nullptr);
};
