#pragma once

#include "core/j1979/monitor_status.h"
#include "core/j1979/trouble_codes.h"

#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QWidget>
#include <memory>

struct DtcPageDialogs;
struct ProgramContext;
struct ShownCodeGrid;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;
class UserNotifier;

// "Page_DTC": the stored, the pending and the permanent trouble codes with their descriptions and
// the control unit that reported each, the manufacturer whose descriptions explain the codes
// outside "P0", reading, clearing after a warning, and printing of the lists.
class DtcPage : public QWidget {
    Q_OBJECT
public:
    DtcPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent = nullptr);
    ~DtcPage() override;

    // Read the codes and show them; the connection sequence reads them itself and shows them.
    void fillStoredCodes();
    void fillPendingCodes();
    void fillPermanentCodes();
    // Nothing: the vehicle did not answer; the grid says so with the failure mark.
    void showStoredCodes(const UnitCodeList& codes);
    void showPendingCodes(const UnitCodeList& codes);
    // Not read and not supported each say so in a row without a code.
    void showPermanentCodes(const PermanentCodes& codes);
    // Names the units of the shown codes again, after the units have told their own names.
    void showUnitNames();
    // The state at start-up: one empty row in each grid.
    void emptyGrids();

    void fillManufacturers(const QStringList& manufacturers);
    void selectFirstManufacturer();
    // Nothing while the list is empty.
    QString selectedManufacturer() const;
    // The description shown for a code: "Generic" for P0 codes, else the selected maker's.
    QString descriptionOf(const QString& code) const;

    void onReadCodesClicked();
    void onClearCodesClicked();
    void onNextManufacturerClicked();
    void onPreviousManufacturerClicked();
    void onManufacturerChanged();
    void onPrintCodesClicked();
    void fitDescriptionColumns();

    // One printed line: a list's heading (bold, underlined) or a code with its description.
    struct PrintLine {
        QString text;
        bool heading = false;
    };
    QList<PrintLine> printLines() const;
    void printLists(QPrinter& printer) const;

    // Tests answer the page's questions instead of the user; the dialogs outlive the page.
    void setDialogs(DtcPageDialogs& dialogs) { m_dialogs = &dialogs; }

    // The question before the codes are cleared, "No" its default.
    static std::unique_ptr<QMessageBox> clearCodesBox(const QString& warning, QWidget* parent);

    QTableWidget* storedGrid() const { return m_stored; }
    QTableWidget* pendingGrid() const { return m_pending; }
    QTableWidget* permanentGrid() const { return m_permanent; }

Q_SIGNALS:
    void monitorStatusRead(const MonitorStatus& status);
    // The vehicle erased its codes, and with them its freeze frame.
    void troubleCodesCleared();
    void manufacturerChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildClientArea();
    QWidget* buildBottomBar();
    QWidget* buildCodeBox(QTableWidget*& grid, QLabel*& heading, const QString& name,
                          const QString& title);
    void showCodes(QTableWidget* grid, const UnitCodeList& codes, const QString& noCodesText,
                   const QString& notReadText);
    void fillDescriptions(QTableWidget* grid);
    void fillUnitNames(QTableWidget* grid);
    QList<UnitCode>& shownCodes(const QTableWidget* grid);
    void readStatusAndCodes();
    void updateManufacturerButtons();
    // Keeps the report's record of a grid up to date with what it shows.
    ShownCodeGrid& shownGrid(const QTableWidget* grid);
    void recordShown(const QTableWidget* grid);

    ProgramContext& m_context;
    UserNotifier& m_notifier;
    std::unique_ptr<DtcPageDialogs> m_ownDialogs;
    DtcPageDialogs* m_dialogs = nullptr;
    QWidget* m_client = nullptr;
    QTableWidget* m_stored = nullptr;
    QTableWidget* m_pending = nullptr;
    QTableWidget* m_permanent = nullptr;
    QLabel* m_storedHeading = nullptr;
    QLabel* m_pendingHeading = nullptr;
    QLabel* m_permanentHeading = nullptr;
    QComboBox* m_manufacturer = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    // The codes the grids show, so a change of maker can describe them again and the units can be
    // named again without a request.
    QList<UnitCode> m_storedCodes;
    QList<UnitCode> m_pendingCodes;
    QList<UnitCode> m_permanentCodes;
};
