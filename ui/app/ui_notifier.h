#pragma once

#include "core/l10n/user_notifier.h"

class QWidget;

// Messages as modal boxes titled with the application title; the busy cursor as the application's
// override cursor.
class UiNotifier : public UserNotifier {
public:
    explicit UiNotifier(QWidget* parent = nullptr) : m_parent(parent) {}
    void showMessage(Icon icon, const QString& text) override;
    void setBusy(bool busy) override;

private:
    QWidget* m_parent;
};
