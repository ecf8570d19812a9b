#include "ui/dialogs/report_settings_dialog.h"

#include "core/connection/shown_results.h"
#include "core/l10n/const_str.h"
#include "core/l10n/translator.h"
#include "core/report/report_document.h"
#include "core/report/report_files.h"
#include "core/settings/file_io.h"
#include "ui/app/error_display.h"
#include "ui/dialogs/report_preview.h"
#include "ui/dialogs/report_settings_dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* field(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* checkBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(true);
    return box;
}

class SaveAndPreview : public ReportSettingsDialogs {
public:
    SaveAndPreview(QWidget* parent, ReportPreview* preview)
        : m_parent(parent), m_preview(preview) {}
    QString chooseSaveFile(const QString& reportsDir) override {
        QFileDialog dialog(m_parent, m_parent->windowTitle(), reportsDir,
                           const_str::XmlFileType + QStringLiteral(" (*.xml)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("xml"));
        // Replacing a file of that name is what Save does; the dialog need not ask.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().first();
    }
    void showPreview(const QString& path) override {
        if (m_preview == nullptr)
            return;
        m_preview->loadReport(path);
        m_preview->exec();
    }
    void tell(const QString& message) override {
        QMessageBox::information(m_parent, m_parent->windowTitle(), message);
    }

private:
    QWidget* m_parent;
    ReportPreview* m_preview;
};

} // namespace

ReportSettingsDialog::ReportSettingsDialog(const ShownResults& shown, const Translator& translator,
                                           ReportPreview* preview, QWidget* parent)
    : QDialog(parent), m_shown(shown), m_translator(translator),
      m_ownDialogs(std::make_unique<SaveAndPreview>(this, preview)), m_dialogs(m_ownDialogs.get()) {
    setObjectName(QStringLiteral("TfReportSettings"));
    setWindowTitle(QStringLiteral("OBD-II Diagnostic Report"));
    setFixedSize(393, 305);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->addTab(buildCustomerTab(), QStringLiteral("Customer"));
    tabs->addTab(buildVehicleTab(), QStringLiteral("Vehicle"));
    layout->addWidget(tabs, 1);
    layout->addWidget(buildReportDataGroup());

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("btnSave"));
    save->setProperty("tag", 1);
    auto* view = new QPushButton(QStringLiteral("View"), this);
    view->setObjectName(QStringLiteral("btnView"));
    view->setProperty("tag", 2);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    buttons->addWidget(save);
    buttons->addWidget(view);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    dateTimeText = [] { return reportDateTimeText(); };
    for (QPushButton* button : {save, view})
        connect(button, &QPushButton::clicked, this,
                guarded([this, button] { buildReport(button->property("tag").toInt()); }));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* ReportSettingsDialog::buildCustomerTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsCustomer"));
    auto* column = new QVBoxLayout(tab);
    for (int i = 0; i < 4; ++i) {
        m_customer[std::size_t(i)] = field(QStringLiteral("edCustomerAddress%1").arg(i + 1), tab);
        column->addWidget(m_customer[std::size_t(i)]);
    }
    column->addStretch(1);
    return tab;
}

QWidget* ReportSettingsDialog::buildVehicleTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsVehicle"));
    auto* form = new QFormLayout(tab);
    m_make = field(QStringLiteral("edRepMarke"), tab);
    m_model = field(QStringLiteral("edRepModel"), tab);
    m_year = field(QStringLiteral("edRepYear"), tab);
    m_vin = field(QStringLiteral("edRepVIN"), tab);
    form->addRow(QStringLiteral("Marke"), m_make);
    form->addRow(QStringLiteral("Model"), m_model);
    form->addRow(QStringLiteral("Year"), m_year);
    form->addRow(QStringLiteral("VIN"), m_vin);
    return tab;
}

QWidget* ReportSettingsDialog::buildReportDataGroup() {
    auto* group = new QGroupBox(QStringLiteral("Report Data"), this);
    group->setObjectName(QStringLiteral("gbReportData"));
    auto* grid = new QGridLayout(group);
    m_vehicle = checkBox(QStringLiteral("cbVehicleInfo"), QStringLiteral("Vehicle"), group);
    m_customerBox =
        checkBox(QStringLiteral("cbCustomerAddress"), QStringLiteral("Customer"), group);
    m_systemStatus =
        checkBox(QStringLiteral("cbSystemStatus"), QStringLiteral("System Status"), group);
    m_storedCodes = checkBox(QStringLiteral("cbStoredDTCs"), QStringLiteral("Stored DTCs"), group);
    m_pendingCodes =
        checkBox(QStringLiteral("cbPendingDTCs"), QStringLiteral("Pending DTCs"), group);
    m_permanentCodes =
        checkBox(QStringLiteral("cbPermanentDTCs"), QStringLiteral("Permanent DTCs"), group);
    m_freezeFrame =
        checkBox(QStringLiteral("cbFreezeFrame"), QStringLiteral("Freeze Frames"), group);
    m_o2Sensors =
        checkBox(QStringLiteral("cbOxygenSensorTests"), QStringLiteral("O2 Sensors"), group);
    grid->addWidget(m_vehicle, 0, 0);
    grid->addWidget(m_customerBox, 1, 0);
    grid->addWidget(m_systemStatus, 2, 0);
    grid->addWidget(m_storedCodes, 3, 0);
    grid->addWidget(m_pendingCodes, 0, 1);
    grid->addWidget(m_freezeFrame, 1, 1);
    grid->addWidget(m_o2Sensors, 2, 1);
    grid->addWidget(m_permanentCodes, 3, 1);
    return group;
}

ReportChoices ReportSettingsDialog::choices() const {
    ReportChoices c;
    c.vehicle = m_vehicle->isChecked();
    c.customer = m_customerBox->isChecked();
    c.systemStatus = m_systemStatus->isChecked();
    c.storedCodes = m_storedCodes->isChecked();
    c.pendingCodes = m_pendingCodes->isChecked();
    c.permanentCodes = m_permanentCodes->isChecked();
    c.freezeFrame = m_freezeFrame->isChecked();
    c.o2Sensors = m_o2Sensors->isChecked();
    for (std::size_t i = 0; i < 4; ++i)
        c.customerAddress[i] = m_customer[i]->text();
    c.make = m_make->text();
    c.model = m_model->text();
    c.year = m_year->text();
    c.vin = m_vin->text();
    return c;
}

ReportSettingsDialog::~ReportSettingsDialog() = default;

void ReportSettingsDialog::showEvent(QShowEvent* event) {
    if (m_vin->text().isEmpty() || m_vin->text() == m_filledVin) {
        m_filledVin = m_shown.vin;
        m_vin->setText(m_filledVin);
    }
    // The user types at once into the first field of the tab in front.
    if (const auto* tabs = findChild<QTabWidget*>(QStringLiteral("PageControl1")))
        if (auto* first = tabs->currentWidget()->findChild<QLineEdit*>())
            first->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void ReportSettingsDialog::buildReport(int tag) {
    const ReportInput input{m_shown, choices(), reportCaptions([this](const QString& text) {
                                return m_translator.translate(text);
                            }),
                            dateTimeText()};
    const QByteArray document = encodeReport(::buildReport(input));
    const QString dir = createReportsDir();
    const bool save = tag == 1;
    const QString path = save ? m_dialogs->chooseSaveFile(dir) : previewReportPath();
    if (path.isEmpty())
        return;
    // One message at most: where a saved report went, and that the user's stylesheet stayed.
    QStringList message;
    if (save)
        message << const_str::ReportSaved.arg(shownPath(path));
    if (writeReportFile(path, document) == StylesheetPlacement::UsersKept)
        message << const_str::StylesheetKept.arg(
            shownPath(QFileInfo(path).dir().filePath(QLatin1String(kReportStylesheet))));
    if (!message.isEmpty())
        m_dialogs->tell(message.join(QStringLiteral("\n\n")));
    if (!save)
        m_dialogs->showPreview(path);
}
