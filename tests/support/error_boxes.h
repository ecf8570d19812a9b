#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Accepts every message box the general error display shows while it lives and keeps the texts,
// so that a test meets a failure as a user would, without a box that waits forever.
class ErrorBoxes {
public:
    ErrorBoxes() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    texts << box->text();
                    box->accept();
                }
        });
        m_timer.start(20);
    }

    QStringList texts;

private:
    QTimer m_timer;
};
