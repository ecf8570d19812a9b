#include "ui/app/ui_notifier.h"

#include <QApplication>
#include <QMessageBox>

void UiNotifier::showMessage(Icon icon, const QString& text) {
    const QMessageBox::Icon boxIcon = icon == Icon::Error     ? QMessageBox::Critical
                                      : icon == Icon::Warning ? QMessageBox::Warning
                                                              : QMessageBox::Information;
    QMessageBox box(boxIcon, QStringLiteral("OBD-II Quorvane"), text, QMessageBox::Ok, m_parent);
    box.exec();
}

void UiNotifier::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // Let the cursor and pending paints show before the long operation starts.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else
        QApplication::restoreOverrideCursor();
}
