#pragma once

#include <QMainWindow>

// The program's one window.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);
};
