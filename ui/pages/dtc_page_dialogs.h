#pragma once

#include <QMessageBox>

class QPrinter;

// What the trouble-code page asks the user before it clears or prints the codes. The page opens
// the message box and the print dialog itself; tests answer instead
// (tests/support/fake_dtc_dialogs.h).
struct DtcPageDialogs {
    virtual ~DtcPageDialogs() = default;
    // The warning before the codes are erased; Yes to erase.
    virtual QMessageBox::StandardButton askClearCodes(const QString& warning) = 0;
    virtual bool choosePrinter(QPrinter& printer) = 0;
};
