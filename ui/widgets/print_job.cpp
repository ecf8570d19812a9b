#include "ui/widgets/print_job.h"

#include "core/l10n/const_str.h"
#include "core/settings/file_io.h"

#include <QFileInfo>
#include <QPrinter>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& reason) {
    throw std::runtime_error(const_str::PrintFailed.arg(reason).toStdString());
}

} // namespace

void printOrFail(QPrinter& printer, const std::function<bool(QPrinter&)>& print) {
    // Printing into a file: what would stop it is known before a page is drawn, and Qt would
    // give no reason afterwards.
    const QString file = printer.outputFileName();
    if (!file.isEmpty()) {
        const QFileInfo folder(QFileInfo(file).absolutePath());
        if (!folder.isDir() || !folder.isWritable())
            fail(const_str::FileNotWritten.arg(shownPath(file), const_str::FolderNotWritable));
        if (isOtherThanRegularFile(file))
            fail(const_str::FileNotWritten.arg(shownPath(file), const_str::NotARegularFile));
    }
    if (!print(printer) || printer.printerState() == QPrinter::Error)
        fail(file.isEmpty()
                 ? const_str::PrinterRefused
                 : const_str::FileNotWritten.arg(shownPath(file), const_str::PrinterRefused));
}
