#include "ui/pages/data_log_bar.h"

#include "core/settings/data_dirs.h"
#include "core/settings/file_io.h"
#include "ui/app/error_display.h"
#include "ui/widgets/status_led.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor kRed{0xFF, 0x00, 0x00};
const QColor kGreen{0x00, 0xFF, 0x00};
const QColor kDarkGreen{0x00, 0x80, 0x00};
const QColor kYellow{0xFF, 0xFF, 0x00};

QPushButton* barButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // At least as wide as the English captions need, wider where a language's caption is longer.
    button->setMinimumWidth(60);
    return button;
}

} // namespace

DataLogBar::DataLogBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("panDataLogging"));
    folder = [] { return data_dirs::dataDir() + QStringLiteral("/logfiles"); };
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("Data Logging"), this));
    m_led = new StatusLed(this);
    m_led->setObjectName(QStringLiteral("ledLog"));
    m_led->setLedStyle(StatusLed::Rectangle);
    m_led->setFixedSize(17, 9);
    m_led->setInterval(500);
    m_led->setLedOnColor(kRed);
    m_led->setLedOffColor(kDarkGreen);
    m_led->setLedOn(true);
    row->addWidget(m_led);
    m_record = barButton(QStringLiteral("btnLogRecord"), QStringLiteral("Record"), this);
    m_stop = barButton(QStringLiteral("btnLogStop"), QStringLiteral("Stop"), this);
    m_pause = barButton(QStringLiteral("btnLogPause"), QStringLiteral("Pause"), this);
    m_stop->setEnabled(false);
    m_pause->setEnabled(false);
    row->addWidget(m_record);
    row->addWidget(m_stop);
    row->addWidget(m_pause);
    row->addSpacing(8);
    row->addWidget(new QLabel(QStringLiteral("File:"), this));
    m_fileLabel = new QLabel(QStringLiteral("-"), this);
    m_fileLabel->setObjectName(QStringLiteral("labDataLogFile"));
    row->addWidget(m_fileLabel, 1);

    connect(m_record, &QPushButton::clicked, this, guarded([this] { onRecordClicked(); }));
    connect(m_stop, &QPushButton::clicked, this, guarded([this] { onStopRecordingClicked(); }));
    connect(m_pause, &QPushButton::clicked, this, guarded([this] { onPauseClicked(); }));
}

bool DataLogBar::isRecording() const {
    return !m_record->isEnabled();
}

bool DataLogBar::isFileOpen() const {
    return m_stop->isEnabled();
}

void DataLogBar::onRecordClicked() {
    if (!m_writer.isOpen()) {
        // A failure throws before anything here has changed.
        const QString dir = folder();
        const QString name = m_writer.open(dir, now(), sensorNames ? sensorNames() : QStringList());
        // The whole path: installed, the data directory is nowhere else to be seen.
        m_fileLabel->setText(shownPath(QDir(dir).filePath(name)));
    }
    m_led->setLedOnColor(kGreen);
    m_led->setBlink(true);
    m_led->setLedOn(true);
    m_pause->setEnabled(true);
    m_stop->setEnabled(true);
    m_record->setEnabled(false);
}

void DataLogBar::onPauseClicked() {
    m_led->setLedOnColor(kYellow);
    m_led->setBlink(false);
    m_led->setLedOn(true);
    m_pause->setEnabled(false);
    m_stop->setEnabled(true);
    m_record->setEnabled(true);
}

void DataLogBar::onStopRecordingClicked() {
    endRecording();
}

void DataLogBar::endRecording() {
    m_writer.close();
    m_fileLabel->setText(QStringLiteral("-"));
    m_led->setLedOnColor(kRed);
    m_led->setBlink(false);
    m_led->setLedOn(true);
    m_pause->setEnabled(false);
    m_stop->setEnabled(false);
    m_record->setEnabled(true);
}

void DataLogBar::writeRecord(const QDateTime& time, const QStringList& values) {
    if (!isRecording())
        return;
    try {
        m_writer.writeRecord(time.time(), values);
    } catch (...) {
        endRecording();
        showCurrentException();
    }
}
