#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

struct ReportChoices;
struct ReportSettingsDialogs;
struct ShownResults;
class QCheckBox;
class QLineEdit;
class ReportPreview;
class Translator;

// "OBD-II Diagnostic Report": the customer's address, the vehicle, which sections the report
// holds, and Save or View. Created once and reused, so what the user typed stays until the program
// ends; nothing of it is stored.
class ReportSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // shown: what the pages show, kept up to date by them; translator: the run's texts, for the
    // captions the report copies; preview: where View shows the report.
    ReportSettingsDialog(const ShownResults& shown, const Translator& translator,
                         ReportPreview* preview, QWidget* parent = nullptr);
    ~ReportSettingsDialog() override;

    // Save (tag 1) writes the report to a file the user names; View (tag 2) writes the preview
    // file and shows it. Both build the document from what the pages show at this moment.
    void buildReport(int tag);

    // The dialog's fields and check boxes as the report builder takes them.
    ReportChoices choices() const;

    // Tests answer the save dialog and take the preview instead of the user; the dialogs outlive
    // this one.
    void setDialogs(ReportSettingsDialogs& dialogs) { m_dialogs = &dialogs; }
    // The date and time the report shows; tests fix it.
    std::function<QString()> dateTimeText;

protected:
    // An empty VIN field takes the VIN read from the vehicle; so does one that still holds the VIN
    // of an earlier vehicle that this dialog put there. What the user typed stays.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCustomerTab();
    QWidget* buildVehicleTab();
    QWidget* buildReportDataGroup();

    const ShownResults& m_shown;
    const Translator& m_translator;
    std::unique_ptr<ReportSettingsDialogs> m_ownDialogs;
    ReportSettingsDialogs* m_dialogs = nullptr;
    std::array<QLineEdit*, 4> m_customer{};
    QLineEdit* m_make = nullptr;
    QLineEdit* m_model = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_vin = nullptr;
    QString m_filledVin; // what showEvent last put into m_vin
    QCheckBox* m_vehicle = nullptr;
    QCheckBox* m_customerBox = nullptr;
    QCheckBox* m_systemStatus = nullptr;
    QCheckBox* m_storedCodes = nullptr;
    QCheckBox* m_pendingCodes = nullptr;
    QCheckBox* m_permanentCodes = nullptr;
    QCheckBox* m_freezeFrame = nullptr;
    QCheckBox* m_o2Sensors = nullptr;
};
