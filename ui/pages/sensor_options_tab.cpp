#include "ui/pages/sensor_options_tab.h"

#include "core/l10n/const_str.h"
#include "core/livedata/sensor_file.h"
#include "core/livedata/sensor_lists.h"
#include "core/livedata/sensor_selection.h"
#include "core/settings/data_dirs.h"
#include "core/settings/file_io.h"
#include "ui/app/error_display.h"
#include "ui/pages/sensor_file_dialogs.h"
#include "ui/pages/sensor_list_box.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString sensorFileFilter() {
    return const_str::SensorFileType + QStringLiteral(" (*.sen)");
}

// The dialogs of the sensor files: opened in the folder, "sen" added to a name without it.
QString runFileDialog(QWidget* parent, const QString& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, QString(), folder, sensorFileFilter());
    dialog.setObjectName(mode == QFileDialog::AcceptSave ? QStringLiteral("SaveDialogSensoren")
                                                         : QStringLiteral("OpenDialogSensoren"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("sen"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

class FileDialogs : public SensorFileDialogs {
public:
    explicit FileDialogs(QWidget* parent) : m_parent(parent) {}
    QString chooseSaveFile(const QString& folder) override {
        return runFileDialog(m_parent, folder, QFileDialog::AcceptSave);
    }
    QString chooseOpenFile(const QString& folder) override {
        return runFileDialog(m_parent, folder, QFileDialog::AcceptOpen);
    }

private:
    QWidget* m_parent;
};

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

SensorOptionsTab::SensorOptionsTab(SensorLists& lists, QWidget* parent)
    : QWidget(parent), m_lists(lists) {
    setObjectName(QStringLiteral("tsSensorOptions"));
    m_ownDialogs = std::make_unique<FileDialogs>(this);
    m_dialogs = m_ownDialogs.get();
    sensorsFolder = [] { return data_dirs::dataDir() + QStringLiteral("/sensors"); };

    m_supported = new SensorListBox(QStringLiteral("lbSupportedSensors"), false, this);
    m_notSupported = new SensorListBox(QStringLiteral("lbNotSupportedSensors"), false, this);
    m_monitored = new SensorListBox(QStringLiteral("lbMonitoredSensors"), true, this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    // Left: the monitored list with the file and apply buttons below it.
    auto* left = new QVBoxLayout;
    left->addWidget(listPanel(QStringLiteral("Monitored Sensors"), m_monitored), 1);
    auto* fileRow = new QHBoxLayout;
    QPushButton* open = button(QStringLiteral("btnSensConfigOpen"), QStringLiteral("Open"), this);
    QPushButton* save = button(QStringLiteral("btnSensConfigSave"), QStringLiteral("Save"), this);
    QPushButton* apply = button(QStringLiteral("btnApplySensors"), QStringLiteral("Apply"), this);
    QPushButton* cancel = button(QStringLiteral("btnCancelSensos"), QStringLiteral("Cancel"), this);
    for (QPushButton* b : {open, save})
        fileRow->addWidget(b);
    fileRow->addStretch(1);
    for (QPushButton* b : {apply, cancel})
        fileRow->addWidget(b);
    left->addLayout(fileRow);
    layout->addLayout(left, 1);

    // Middle and right: each source list with its pair of buttons beside it.
    auto* right = new QGridLayout;
    const struct {
        SensorListBox* box;
        const char* heading;
        const char* oneName;
        const char* allName;
        void (SensorOptionsTab::*one)();
        void (SensorOptionsTab::*all)();
    } sources[] = {{m_supported, "Supported Sensors", "btnSLeft", "btnSAllRight",
                    &SensorOptionsTab::onMonitorSelectedSupportedClicked,
                    &SensorOptionsTab::onMonitorAllSupportedClicked},
                   {m_notSupported, "Not Supported Sensors", "dxButton1", "dxButton12",
                    &SensorOptionsTab::onMonitorSelectedUnsupportedClicked,
                    &SensorOptionsTab::onMonitorAllUnsupportedClicked}};
    int row = 0;
    for (const auto& source : sources) {
        auto* buttons = new QVBoxLayout;
        buttons->addStretch(1);
        QPushButton* one = button(QLatin1String(source.oneName), QStringLiteral("<"), this);
        QPushButton* all = button(QLatin1String(source.allName), QStringLiteral("<<"), this);
        for (QPushButton* b : {one, all}) {
            b->setFixedWidth(40);
            buttons->addWidget(b);
        }
        buttons->addStretch(1);
        right->addLayout(buttons, row, 0);
        right->addWidget(listPanel(QLatin1String(source.heading), source.box), row, 1);
        connect(one, &QPushButton::clicked, this,
                guarded([this, f = source.one] { (this->*f)(); }));
        connect(all, &QPushButton::clicked, this,
                guarded([this, f = source.all] { (this->*f)(); }));
        ++row;
    }
    // Back from the monitored list, by each sensor's supported flag.
    auto* back = new QHBoxLayout;
    QPushButton* oneBack = button(QStringLiteral("btnSRight"), QStringLiteral(">"), this);
    QPushButton* allBack = button(QStringLiteral("btnSAllLeft"), QStringLiteral(">>"), this);
    back->addWidget(oneBack);
    back->addWidget(allBack);
    back->addStretch(1);
    right->addLayout(back, row, 1);
    layout->addLayout(right, 1);

    connect(oneBack, &QPushButton::clicked, this,
            guarded([this] { onUnmonitorSelectedClicked(); }));
    connect(allBack, &QPushButton::clicked, this, guarded([this] { onUnmonitorAllClicked(); }));
    connect(apply, &QPushButton::clicked, this, guarded([this] { onApplySensorsClicked(); }));
    connect(cancel, &QPushButton::clicked, this, guarded([this] { onCancelSensorsClicked(); }));
    connect(open, &QPushButton::clicked, this, guarded([this] { onOpenSensorChoiceClicked(); }));
    connect(save, &QPushButton::clicked, this, guarded([this] { onSaveSensorChoiceClicked(); }));
}

SensorOptionsTab::~SensorOptionsTab() = default;

QWidget* SensorOptionsTab::listPanel(const QString& heading, SensorListBox* box) {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* title = new QLabel(heading, panel);
    title->setAlignment(Qt::AlignCenter);
    title->setFrameShape(QFrame::StyledPanel);
    title->setMinimumHeight(20);
    column->addWidget(title);
    column->addWidget(box, 1);
    return panel;
}

SensorSelection SensorOptionsTab::edited() const {
    return {m_monitored->items(), m_supported->items(), m_notSupported->items()};
}

void SensorOptionsTab::show(const SensorSelection& selection) {
    m_monitored->setItems(selection.monitored);
    m_supported->setItems(selection.supported);
    m_notSupported->setItems(selection.notSupported);
}

void SensorOptionsTab::showLists() {
    show({m_lists.MonitoredSensors, m_lists.SupportedSensors, m_lists.NotSupportedSensors});
}

void SensorOptionsTab::onMonitorSelectedSupportedClicked() {
    SensorSelection s = edited();
    moveSensorRows(s.supported, s.monitored, m_supported->selectedRows());
    show(s);
}

void SensorOptionsTab::onMonitorAllSupportedClicked() {
    SensorSelection s = edited();
    s.monitored += s.supported;
    s.supported.clear();
    show(s);
}

void SensorOptionsTab::onMonitorSelectedUnsupportedClicked() {
    SensorSelection s = edited();
    moveSensorRows(s.notSupported, s.monitored, m_notSupported->selectedRows());
    show(s);
}

void SensorOptionsTab::onMonitorAllUnsupportedClicked() {
    SensorSelection s = edited();
    s.monitored += s.notSupported;
    s.notSupported.clear();
    show(s);
}

void SensorOptionsTab::onUnmonitorSelectedClicked() {
    SensorSelection s = edited();
    moveMonitoredBack(s, m_monitored->selectedRows());
    show(s);
}

void SensorOptionsTab::onUnmonitorAllClicked() {
    SensorSelection s = edited();
    moveAllMonitoredBack(s);
    show(s);
}

void SensorOptionsTab::onApplySensorsClicked() {
    // Reaching this tab asked the worker to stop, but its last cycle may still be reading the
    // monitored list.
    Q_EMIT aboutToApply();
    const SensorSelection s = edited();
    m_lists.MonitoredSensors = s.monitored;
    m_lists.SupportedSensors = s.supported;
    m_lists.NotSupportedSensors = s.notSupported;
    Q_EMIT applied();
}

void SensorOptionsTab::onCancelSensorsClicked() {
    showLists();
}

void SensorOptionsTab::onSaveSensorChoiceClicked() {
    const QString folder = sensorsFolder();
    if (!QDir().mkpath(folder))
        throw SensorFileError(const_str::DirectoryNotCreated.arg(shownPath(folder)));
    const QString path = m_dialogs->chooseSaveFile(folder);
    if (path.isEmpty())
        return;
    // What the list box shows is saved, applied or not.
    writeSensorFile(path, pidCodesOf(m_monitored->items()));
}

void SensorOptionsTab::onOpenSensorChoiceClicked() {
    const QString path = m_dialogs->chooseOpenFile(sensorsFolder());
    if (path.isEmpty())
        return;
    // The file is read whole before the lists change, so a file that cannot be read or is no
    // sensor list leaves them as they were.
    const QStringList codes = readSensorFile(path);
    SensorSelection s = edited();
    loadSensorSelection(s, codes);
    show(s);
}
