#pragma once

// Answers the trouble-code page's questions without a dialog: by default the user cancels.

#include "ui/pages/dtc_page_dialogs.h"

#include <functional>

struct FakeDtcDialogs : DtcPageDialogs {
    std::function<QMessageBox::StandardButton(const QString& warning)> clearAnswer =
        [](const QString&) { return QMessageBox::Cancel; };
    std::function<bool(QPrinter& printer)> printer = [](QPrinter&) { return false; };

    QMessageBox::StandardButton askClearCodes(const QString& warning) override {
        return clearAnswer(warning);
    }
    bool choosePrinter(QPrinter& printer) override { return this->printer(printer); }
};
