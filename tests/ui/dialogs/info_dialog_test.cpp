// The information dialog: the version in four numbers, and the two links handed to the desktop.

#include "tests/support/fake_url_opener.h"
#include "tests/support/qt_printers.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/maker_contact.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(InfoDialog, VersionIsShownAsFourNumbers) {
    EXPECT_EQ(fileVersionText("1.1.0.0"), "1.1.0.0");
    EXPECT_EQ(fileVersionText("1.1"), "1.1.0.0");
    EXPECT_EQ(fileVersionText("0.1.0"), "0.1.0.0");
    EXPECT_EQ(fileVersionText("2.10.65535.7"), "2.10.65535.7");
    // Anything a version resource could not hold gives "0".
    for (const char* bad : {"", "x", "1.x", "65536.0", "1.2.3.4.5", "-1"})
        EXPECT_EQ(fileVersionText(bad), "0") << bad;

    InfoDialog info("1.1");
    EXPECT_EQ(info.findChild<QLabel*>("labVersion")->text(), "Version: 1.1.0.0");
    EXPECT_EQ(info.size(), QSize(480, 374));
}

TEST(InfoDialog, LinksOpenTheWebPageAndANewMail) {
    InfoDialog info("1.1");
    FakeUrlOpener links;
    info.setUrlOpener(links);
    info.show();
    QTest::mouseClick(info.findChild<QLabel*>("labInfoWeb"), Qt::LeftButton);
    QTest::mouseClick(info.findChild<QLabel*>("labInfoMail"), Qt::LeftButton);
    EXPECT_EQ(links.opened, QList<QUrl>({QUrl(kWebAddress), QUrl(QStringLiteral("mailto:") +
                                                                 QLatin1String(kSupportMail))}));
}

} // namespace
