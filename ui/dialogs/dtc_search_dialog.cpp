#include "ui/dialogs/dtc_search_dialog.h"

TfDTCSearch::TfDTCSearch(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfDTCSearch"));
    setWindowTitle(QStringLiteral("DTC Search"));
    resize(480, 360);
}
