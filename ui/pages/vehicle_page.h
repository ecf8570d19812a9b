#pragma once

#include <QList>
#include <QWidget>

struct ProgramContext;
struct VehicleUnit;
class QLabel;
class QTableWidget;

// "Vehicle": the control units that answered (address, name, protocol), the VIN, calibration IDs
// and CVNs of each, its lamp and readiness, and the in-use performance ratios as a table with the
// ratio drawn as a bar.
class VehiclePage : public QWidget {
    Q_OBJECT
public:
    explicit VehiclePage(ProgramContext& context, QWidget* parent = nullptr);

    // Shows what the units said at the connection (the context's vehicleUnits).
    void showUnits(const QList<VehicleUnit>& units);
    // Back to the state before any connection.
    void forgetVehicle();

    QTableWidget* unitGrid() const { return m_units; }
    QTableWidget* ratioGrid() const { return m_ratios; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyHeadings();

    ProgramContext& m_context;
    QTableWidget* m_units = nullptr;
    QTableWidget* m_ratios = nullptr;
    QLabel* m_notes = nullptr;
};
