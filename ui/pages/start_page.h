#pragma once

#include "core/connection/shown_results.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QGridLayout;
class QScrollArea;
class MilLamp;
class Service09;

// "Page_Start": Connect, Disconnect and Demo-Mode, the init-Status list of the connection
// sequence, and what it read: lamp, code count, monitor readiness, OBD type, VIN, CIDs, CVNs.
// The page reads nothing itself.
class StartPage : public QWidget {
    Q_OBJECT
public:
    explicit StartPage(QWidget* parent = nullptr);

    QPushButton* connectButton() const { return m_connect; }
    QPushButton* disconnectButton() const { return m_disconnect; }
    QCheckBox* demoModeBox() const { return m_demoMode; }
    QListWidget* logList() const { return m_log; }

    // A line of the init-Status list, with the OK or error icon or none.
    enum class Icon { None, Ok, Error };
    void clearLog();
    void addLogLine(const QString& text, Icon icon);

    void showMonitorStatus(const MonitorStatus& status);
    // Where the page keeps the report's record of the lamp and the readiness texts; it records what
    // it shows at once and after every showMonitorStatus.
    void setShownRecord(ShownMonitorStatus* record);
    void showObdType(const QString& text);
    void showVehicleInfo(const Service09& info);
    // Back to the state before any reading: lamp off, "N/A" for its state, the code count and
    // every monitor, the vehicle's identification fields empty.
    void forgetVehicle();

private:
    QWidget* buildStatusColumn();
    QWidget* monitorPanel(const QString& title, bool continuous);
    QWidget* furtherMonitorPanel();
    void showFurtherMonitors(const MonitorStatus& status);

    QPushButton* m_connect;
    QPushButton* m_disconnect;
    QCheckBox* m_demoMode;
    QListWidget* m_log;
    MilLamp* m_lamp = nullptr;
    QLabel* m_dtcCount = nullptr;
    QLineEdit* m_obdType = nullptr;
    QLineEdit* m_vin = nullptr;
    QComboBox* m_cin = nullptr;
    QComboBox* m_cvn = nullptr;
    ShownMonitorStatus* m_shown = nullptr;
    // The "this drive cycle" heading and values of the seven rows: shown only after PID 41 came.
    QList<QWidget*> m_driveCycleWidgets;
    // The monitors beyond the seven that the vehicle supports, one row each, rebuilt per status.
    QScrollArea* m_further = nullptr;
    QGridLayout* m_furtherGrid = nullptr;
    // What the report records beyond the seven rows: the ignition and every supported monitor.
    QString m_shownIgnition;
    QList<ShownMonitorRow> m_shownMonitors;
};
