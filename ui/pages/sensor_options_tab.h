#pragma once

#include <QWidget>
#include <functional>
#include <memory>

struct SensorFileDialogs;
struct SensorLists;
struct SensorSelection;
class SensorListBox;

// "Sensor Options": the monitored, supported and not supported sensors as three list boxes, the
// six buttons that move sensors between them, reordering by dragging within the monitored list,
// "Apply" and "Cancel", and "Open" and "Save" of sensor files in sensors/ of the data directory.
// Edits stay in the list boxes until "Apply" copies them into the applied lists.
class SensorOptionsTab : public QWidget {
    Q_OBJECT
public:
    SensorOptionsTab(SensorLists& lists, QWidget* parent = nullptr);
    ~SensorOptionsTab() override;

    // Tests answer the file dialogs instead of the user; the dialogs outlive the tab.
    void setDialogs(SensorFileDialogs& dialogs) { m_dialogs = &dialogs; }
    // The sensors folder of the data directory (tests give their own).
    std::function<QString()> sensorsFolder;

    // The list boxes from the applied lists (after a connection, and "Cancel").
    void showLists();

    void onMonitorSelectedSupportedClicked();
    void onMonitorAllSupportedClicked();
    void onMonitorSelectedUnsupportedClicked();
    void onMonitorAllUnsupportedClicked();
    void onUnmonitorSelectedClicked();
    void onUnmonitorAllClicked();
    void onApplySensorsClicked();
    void onCancelSensorsClicked();
    void onSaveSensorChoiceClicked();
    void onOpenSensorChoiceClicked();

    SensorListBox* monitored() const { return m_monitored; }
    SensorListBox* supported() const { return m_supported; }
    SensorListBox* notSupported() const { return m_notSupported; }

Q_SIGNALS:
    // Before "Apply" changes the lists: a direct connection makes sure no polling cycle still
    // reads them when the signal returns.
    void aboutToApply();
    // After "Apply" has copied the lists: the owner refills the selectors and the table.
    void applied();

private:
    QWidget* listPanel(const QString& heading, SensorListBox* box);
    SensorSelection edited() const;
    void show(const SensorSelection& selection);

    SensorLists& m_lists;
    std::unique_ptr<SensorFileDialogs> m_ownDialogs;
    SensorFileDialogs* m_dialogs = nullptr;
    SensorListBox* m_supported = nullptr;
    SensorListBox* m_notSupported = nullptr;
    SensorListBox* m_monitored = nullptr;
};
