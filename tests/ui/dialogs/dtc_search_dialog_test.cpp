// The trouble-code search over the program's own fault-code table, as the user types and clicks.

#include "tests/support/program_run.h"
#include "tests/support/qt_printers.h"
#include "ui/dialogs/dtc_search_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Search {
    ProgramRun run; // loads the fault-code table as the program does
    DtcSearchDialog dialog{run.context.faultCodeTable};

    QString search(const QString& maker, const QString& typed) {
        auto* makers = dialog.findChild<QComboBox*>("cbManufacturer");
        makers->setCurrentIndex(makers->findText(maker));
        auto* code = dialog.findChild<QLineEdit*>("edDTC");
        code->clear();
        code->setFocus();
        code->home(false);
        QTest::keyClicks(code, typed);
        QTest::mouseClick(dialog.findChild<QPushButton*>("dxButton1"), Qt::LeftButton);
        return dialog.findChild<QLabel*>("labDTCDescription")->text();
    }
};

TEST(DtcSearch, StartsWithTheTablesMakersAndNoResult) {
    Search s;
    auto* makers = s.dialog.findChild<QComboBox*>("cbManufacturer");
    EXPECT_EQ(makers->count(), s.run.context.faultCodeTable.manufacturers().size());
    EXPECT_EQ(makers->currentText(), "Generic");
    EXPECT_EQ(s.dialog.findChild<QLabel*>("labDTCDescription")->text(), "N/A");
    EXPECT_EQ(s.dialog.size(), QSize(432, 162));
    // Opened, it takes a code at once, each time.
    for (int opening = 0; opening < 2; ++opening) {
        s.dialog.show();
        EXPECT_EQ(s.dialog.focusWidget(), s.dialog.findChild<QLineEdit*>("edDTC"));
        makers->setFocus();
        s.dialog.hide();
    }
}

TEST(DtcSearch, FindsTheDescriptionOfTheChosenMakerOnly) {
    Search s;
    EXPECT_EQ(s.search("Generic", "P0125"),
              "Insufficient Coolant Temperature for Closed Loop Fuel Control");
    EXPECT_EQ(s.search("Ford", "P0125"), "No definition is available for this code");
    // The last result stays until the next search, closing the dialog in between.
    s.dialog.show();
    s.dialog.reject();
    EXPECT_EQ(s.dialog.findChild<QLabel*>("labDTCDescription")->text(),
              "No definition is available for this code");
}

TEST(DtcSearch, CodesWithHexadecimalLettersCanBeTypedAndFound) {
    Search s;
    // Typed in lower case, shown and searched in upper case.
    EXPECT_EQ(s.search("Generic", "p2a00"),
              "O2 Sensor Circuit Range/Performance (Bank 1 Sensor 1)");
    EXPECT_EQ(s.dialog.findChild<QLineEdit*>("edDTC")->text(), "P2A00");
    // Characters that are no hexadecimal digit are not taken.
    s.search("Generic", "P0G12x5");
    EXPECT_EQ(s.dialog.findChild<QLineEdit*>("edDTC")->text(), "P0125");
}

TEST(DtcSearch, IncompleteCodeOrEmptyTableFindsNothing) {
    Search s;
    EXPECT_EQ(s.search("Generic", "P01"), "No definition is available for this code");

    FaultCodeTable empty;
    DtcSearchDialog dialog(empty);
    EXPECT_EQ(dialog.findChild<QComboBox*>("cbManufacturer")->count(), 0);
    QTest::keyClicks(dialog.findChild<QLineEdit*>("edDTC"), "P0125");
    dialog.onSearchClicked();
    EXPECT_EQ(dialog.findChild<QLabel*>("labDTCDescription")->text(),
              "No definition is available for this code");
}

} // namespace
