#include "ui/dialogs/dtc_search_dialog.h"

#include "core/faultcodes/fault_code_table.h"
#include "core/l10n/const_str.h"
#include "ui/app/error_display.h"
#include "ui/widgets/title_strip.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DtcSearchDialog::DtcSearchDialog(const FaultCodeTable& table, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_table(table) {
    setObjectName(QStringLiteral("TfDTCSearch"));
    setWindowTitle(QStringLiteral("DTC Search"));
    setFixedSize(432, 162);

    auto* strip = new TitleStrip(QStringLiteral("DTC Search"), this);
    strip->setObjectName(QStringLiteral("dxContainer1"));
    strip->setGeometry(0, 0, width(), 15);

    (new QLabel(QStringLiteral("Manufacturer"), this))->move(8, 24);
    m_manufacturer = new QComboBox(this);
    m_manufacturer->setObjectName(QStringLiteral("cbManufacturer"));
    m_manufacturer->setGeometry(8, 40, 145, 23);

    (new QLabel(QStringLiteral("DTC"), this))->move(160, 24);
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("edDTC"));
    // A letter, then four hexadecimal digits: the table describes codes such as P2A00 and U0A1B,
    // which decimal digits alone could not reach. Everything is shown in upper case.
    m_code->setInputMask(QStringLiteral(">AHHHH;_"));
    m_code->setGeometry(160, 40, 44, 23);

    auto* search = new QPushButton(QStringLiteral("Search"), this);
    search->setObjectName(QStringLiteral("dxButton1"));
    search->setGeometry(208, 40, 81, 23);
    search->setDefault(true);

    (new QLabel(QStringLiteral("Description"), this))->move(8, 72);
    m_description = new QLabel(QStringLiteral("N/A"), this);
    m_description->setObjectName(QStringLiteral("labDTCDescription"));
    m_description->setGeometry(8, 88, 416, 30);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(0, height() - 37 - 2, width(), 2);
    auto* bottom = new QWidget(this);
    bottom->setGeometry(0, height() - 37, width(), 37);
    auto* close = new QPushButton(QStringLiteral("Close"), bottom);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setGeometry(352, 8, 75, 23);

    connect(search, &QPushButton::clicked, this, guarded([this] { onSearchClicked(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_manufacturer, &QComboBox::currentIndexChanged, this,
            guarded([this] { onManufacturerChanged(); }));
    fillManufacturerChoice();
}

void DtcSearchDialog::showEvent(QShowEvent* event) {
    // The user came to type a code: the field takes it at once, over the last one.
    m_code->setFocus(Qt::OtherFocusReason);
    m_code->selectAll();
    QDialog::showEvent(event);
}

void DtcSearchDialog::fillManufacturerChoice() {
    m_manufacturer->clear();
    for (const QString& maker : m_table.manufacturers())
        m_manufacturer->addItem(manufacturerCaption(maker), maker);
    if (m_manufacturer->count() > 0)
        m_manufacturer->setCurrentIndex(0);
}

void DtcSearchDialog::onSearchClicked() {
    // Without a maker (an empty table) nothing can be found.
    const std::optional<QString> description =
        m_manufacturer->currentIndex() < 0
            ? std::nullopt
            : m_table.findDescription(m_code->text(), m_manufacturer->currentData().toString());
    m_description->setText(description.value_or(const_str::NoDefinition));
}
