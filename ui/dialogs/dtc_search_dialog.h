#pragma once

#include <QDialog>

// The trouble-code search dialog over the fault-code table.
class TfDTCSearch : public QDialog {
    Q_OBJECT
public:
    explicit TfDTCSearch(QWidget* parent = nullptr);
};
