#pragma once

#include <QDialog>

class FaultCodeTable;
class QComboBox;
class QLabel;
class QLineEdit;

// "DTC Search": looks up the description of any trouble code in the fault-code table, for the
// maker chosen, without a vehicle. Created once and reused, so the last result stays shown.
class DtcSearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit DtcSearchDialog(const FaultCodeTable& table, QWidget* parent = nullptr);

    // Copies the trouble-code page's manufacturer list (the table's) and selects the first maker.
    void fillManufacturerChoice();
    // "Search": the code as typed (blanks of an incomplete code included) with the chosen maker.
    void onSearchClicked();
    // The choice counts from the next search on.
    void onManufacturerChanged() {}

protected:
    void showEvent(QShowEvent* event) override;

private:
    const FaultCodeTable& m_table;
    QComboBox* m_manufacturer = nullptr;
    QLineEdit* m_code = nullptr;
    QLabel* m_description = nullptr;
};
