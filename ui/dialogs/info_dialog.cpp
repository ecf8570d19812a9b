#include "ui/dialogs/info_dialog.h"

#include "ui/app/error_display.h"
#include "ui/dialogs/maker_contact.h"
#include "ui/dialogs/url_opener.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/title_strip.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QLabel* pictureLabel(QWidget* parent, const QString& name, const QString& picture_,
                     const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPixmap(picture(picture_, geometry.size()));
    return label;
}

QLabel* textLabel(QWidget* parent, const QString& text, int y) {
    auto* label = new QLabel(text, parent);
    label->move(72, y);
    label->adjustSize();
    return label;
}

struct DesktopOpener : UrlOpener {
    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

} // namespace

QString fileVersionText(const QString& version) {
    const QStringList parts = version.trimmed().split(QLatin1Char('.'));
    if (parts.size() > 4)
        return QStringLiteral("0");
    QStringList numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const uint number = part.toUInt(&ok);
        // Each of the four is a 16-bit half of the file version.
        if (!ok || number > 0xFFFF)
            return QStringLiteral("0");
        numbers << QString::number(number);
    }
    while (numbers.size() < 4)
        numbers << QStringLiteral("0");
    return numbers.join(QLatin1Char('.'));
}

InfoDialog::InfoDialog(const QString& version, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TfInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(480, 374);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(251, 247, 172));
    setPalette(pal);
    m_ownOpener = std::make_unique<DesktopOpener>();
    m_opener = m_ownOpener.get();

    auto* caption = new TitleStrip(QStringLiteral("About"), this);
    caption->setObjectName(QStringLiteral("dxContainer1"));
    caption->setGeometry(0, 0, width(), 15);
    // The strip keeps the button face; the dialog's yellow is for the area below it.
    caption->setAutoFillBackground(true);
    caption->setPalette(QApplication::palette());

    pictureLabel(this, QStringLiteral("Image2"), QStringLiteral("INFO_BANNER"),
                 QRect(64, 16, 255, 65));
    pictureLabel(this, QStringLiteral("Image1"), QStringLiteral("INFO_SIDE"),
                 QRect(8, 24, 53, 300));

    QLabel* name = textLabel(this, QStringLiteral("OBD-II Quorvane"), 88);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 6);
    name->setFont(bold);
    name->adjustSize();
    textLabel(this, QStringLiteral("for ELM Based OBD-II Interfaces"), 128);
    // The version is read once, when the dialog is made.
    QLabel* versionLabel =
        textLabel(this, QStringLiteral("Version: ") + fileVersionText(version), 144);
    versionLabel->setObjectName(QStringLiteral("labVersion"));
    m_web = link(QStringLiteral("labInfoWeb"), QLatin1String(kWebAddress), 192);
    m_mail = link(QStringLiteral("labInfoMail"), QLatin1String(kSupportMail), 208);

    auto* bottom = new QFrame(this);
    bottom->setGeometry(0, height() - 41, width(), 41);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(8, 8, 8, 8);
    row->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), bottom);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    row->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

InfoDialog::~InfoDialog() = default;

QLabel* InfoDialog::link(const QString& name, const QString& text, int y) {
    QLabel* label = textLabel(this, text, y);
    label->setObjectName(name);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
    label->setPalette(pal);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    return label;
}

bool InfoDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_web)
            guarded([this] { onWebsiteClicked(); })();
        else if (watched == m_mail)
            guarded([this] { onMailClicked(); })();
    }
    return QDialog::eventFilter(watched, event);
}

void InfoDialog::onWebsiteClicked() {
    m_opener->openUrl(QUrl(QLatin1String(kWebAddress)));
}

void InfoDialog::onMailClicked() {
    m_opener->openUrl(QUrl(QStringLiteral("mailto:") + QLatin1String(kSupportMail)));
}
