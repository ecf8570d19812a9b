#pragma once

#include <QDialog>

// The report settings dialog: what goes into the diagnostic report.
class TfReportSettings : public QDialog {
    Q_OBJECT
public:
    explicit TfReportSettings(QWidget* parent = nullptr);
};
