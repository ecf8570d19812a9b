#pragma once

#include "core/l10n/grid_headings.h"

#include <QStringList>
#include <QWidget>
#include <functional>

struct FreezeFrameReading;
struct ProgramContext;
class QTableWidget;
class UserNotifier;

// "Page_FreezeFrames": the trouble code that made the control unit store frame 0, with its
// description, and the values it stored, one row per live parameter of the frame.
class FreezeFramePage : public QWidget, public GridHeadingSink {
    Q_OBJECT
public:
    FreezeFramePage(ProgramContext& context, UserNotifier& notifier, QWidget* parent = nullptr);

    // Reads the frame with the service 02 supported set of the last connection and shows it.
    void readFreezeFrames();
    void showFreezeFrame(const FreezeFrameReading& reading);
    // Back to the state before any reading: one empty row in each grid.
    void forgetVehicle();
    // "Read": refused with the no-communication message while no vehicle is connected, as the
    // other reading buttons are; a lost interface then gets that message, not a device error.
    void onReadFreezeFrameClicked();

    // Describes the shown code again, for a changed maker selection.
    void refreshDescription();

    void fitFreezeFrameColumns();
    // The one-row code grid grows by its scroll bar while a description is wider than the box.
    void fitCodeGridHeight();
    void setGridHeadings(const GridHeadingTexts& texts) override;

    // The maker chosen on the trouble-code page; nothing while none is chosen.
    std::function<QString()> selectedManufacturer;

    QTableWidget* codeGrid() const { return m_code; }
    QTableWidget* valueGrid() const { return m_values; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFrameSelector(QWidget* parent);
    void emptyGrids();
    // Keeps the report's record of the page up to date with what it shows.
    void recordShown();

    ProgramContext& m_context;
    UserNotifier& m_notifier;
    QWidget* m_client = nullptr;
    QTableWidget* m_code = nullptr;
    QWidget* m_codeBox = nullptr;
    QTableWidget* m_values = nullptr;
    QStringList m_codes;
};
