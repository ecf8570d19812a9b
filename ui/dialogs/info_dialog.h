#pragma once

#include <QDialog>

// The information dialog: program version, licence and contact.
class TfInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfInfo(QWidget* parent = nullptr);
};
