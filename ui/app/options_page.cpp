#include "ui/app/options_page.h"

#include "core/connection/program_context.h"
#include "core/l10n/const_str.h"
#include "core/l10n/language_list.h"
#include "core/l10n/user_notifier.h"
#include "core/link/bluetooth_names.h"
#include "core/link/com_port.h"
#include "core/link/elm327_protocols.h"
#include "core/link/network_address.h"
#include "core/link/serial_port.h"
#include "core/link/serial_port_error.h"
#include "core/settings/settings_load.h"
#include "core/settings/settings_names.h"
#include "ui/app/error_display.h"
#include "ui/widgets/pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

// The rates of the baud-rate box after "Automatic": what adapters are set to.
constexpr int kOfferedRates[] = {9600, 19200, 38400, 57600, 115200, 230400, 500000};

// The colours offered for the graph lines, the classic sixteen.
const QList<QColor> kGraphColors = {
    QColor(0x00, 0x00, 0x00), QColor(0x80, 0x00, 0x00), QColor(0x00, 0x80, 0x00),
    QColor(0x80, 0x80, 0x00), QColor(0x00, 0x00, 0x80), QColor(0x80, 0x00, 0x80),
    QColor(0x00, 0x80, 0x80), QColor(0x80, 0x80, 0x80), QColor(0xC0, 0xC0, 0xC0),
    QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00),
    QColor(0x00, 0x00, 0xFF), QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0xFF, 0xFF),
    QColor(0xFF, 0xFF, 0xFF)};

QIcon swatch(const QColor& color) {
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

QIcon flagIcon(const QByteArray& svg) {
    if (svg.isEmpty())
        return QIcon();
    QSvgRenderer renderer(svg);
    QPixmap pixmap(21, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return QIcon(pixmap);
}

void selectColor(QComboBox* box, const QColor& color) {
    int index = box->findData(color);
    if (index < 0) {
        box->addItem(swatch(color), color.name(), color);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

QLabel* boldLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

int colorToStored(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor storedToColor(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

OptionsPage::OptionsPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent)
    : QWidget(parent), m_context(context), m_notifier(notifier) {
    setObjectName(QStringLiteral("Page_General Options"));
    // Two columns, so that the page fits the window at its default size and smaller.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(buildLanguageGroup(), 0, 0, 1, 2);
    layout->addWidget(buildCommunicationGroup(), 1, 0);
    layout->addWidget(buildGraphGroup(), 2, 0);
    layout->addWidget(buildAddressGroup(), 1, 1, 2, 1);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
}

QWidget* OptionsPage::buildLanguageGroup() {
    auto* group = new QGroupBox(QStringLiteral("Language"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Language"), group), 0, 0);
    m_language = new QComboBox(group);
    m_language->setObjectName(QStringLiteral("cbLanguage"));
    m_language->setIconSize(QSize(21, 14));
    grid->addWidget(m_language, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("System of measurements"), group), 2, 0);
    m_units = new QComboBox(group);
    m_units->setObjectName(QStringLiteral("cbSystemOfMeasurements"));
    const QIcon units(picture(QStringLiteral("BMP_SYS_MES")));
    m_units->addItem(units, QStringLiteral("Metric"));
    m_units->addItem(units, QStringLiteral("English"));
    m_units->setCurrentIndex(-1); // no selection until the settings say otherwise
    grid->addWidget(m_units, 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("Current Language:"), group), 0, 1);
    m_translationLanguage = boldLabel(group, QStringLiteral("LabelTranslationLanguage"));
    grid->addWidget(m_translationLanguage, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Translator:"), group), 2, 1);
    m_translationLicense = boldLabel(group, QStringLiteral("LabelTranslationLicense"));
    grid->addWidget(m_translationLicense, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(m_units, &QComboBox::currentIndexChanged, this,
            guarded([this](int index) { onUnitSystemChanged(index); }));
    connect(m_language, &QComboBox::currentIndexChanged, this,
            guarded([this](int index) { onLanguageChanged(index); }));
    return group;
}

QWidget* OptionsPage::buildCommunicationGroup() {
    auto* group = new QGroupBox(QStringLiteral("Communication"), this);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Port"), group));
    m_ports = new QComboBox(group);
    m_ports->setObjectName(QStringLiteral("COM_CB"));
    // A device that is not listed (a pty, a udev link, /dev/rfcomm0) can be typed in.
    m_ports->setEditable(true);
    m_ports->setInsertPolicy(QComboBox::NoInsert);
    m_ports->setToolTip(QStringLiteral("A serial device such as /dev/ttyUSB0 or /dev/rfcomm0, or a "
                                       "network adapter as tcp://HOST:PORT"));
    layout->addWidget(m_ports);
    // A network adapter has no serial line: the stored line settings stay but do not apply.
    m_networkNote = new QLabel(
        QStringLiteral("Network adapter: the baud rate and line settings do not apply."), group);
    m_networkNote->setObjectName(QStringLiteral("labNetworkPortNote"));
    m_networkNote->setWordWrap(true);
    m_networkNote->setVisible(false);
    layout->addWidget(m_networkNote);
    m_autodetect = new QCheckBox(QStringLiteral("COM Port Auto Detect"), group);
    m_autodetect->setObjectName(QStringLiteral("cbAutodetect"));
    m_autoConnect = new QCheckBox(QStringLiteral("Automatically Connect on Launch"), group);
    m_autoConnect->setObjectName(QStringLiteral("cbAutoConnect"));
    m_commLog = new QCheckBox(QStringLiteral("Communication Log"), group);
    m_commLog->setObjectName(QStringLiteral("cbCommunicationLog"));
    layout->addWidget(buildAdapterControls(group));
    layout->addWidget(m_autodetect);
    layout->addWidget(m_autoConnect);
    layout->addWidget(m_commLog);
    // Takes effect at the next connection: a session is recorded whole or not at all.
    m_recordSession = new QCheckBox(QStringLiteral("Record vehicle session"), group);
    m_recordSession->setObjectName(QStringLiteral("cbRecordSession"));
    m_recordSession->setToolTip(QStringLiteral(
        "Each connection's exchanges with the interface go to a new file in the folder "
        "recordings of the data directory"));
    m_anonymize = new QCheckBox(QStringLiteral("Anonymize vehicle identification"), group);
    m_anonymize->setObjectName(QStringLiteral("cbAnonymizeRecording"));
    auto* recordRow = new QHBoxLayout;
    recordRow->addWidget(m_recordSession);
    recordRow->addWidget(m_anonymize);
    recordRow->addStretch(1);
    layout->addLayout(recordRow);

    connect(m_ports, &QComboBox::activated, this,
            guarded([this](int index) { onPortChanged(m_ports->itemData(index).toString()); }));
    connect(m_ports->lineEdit(), &QLineEdit::editingFinished, this, guarded([this] {
                // A listed entry may show more than its device ("/dev/rfcomm0 (OBDII)").
                const int listed = m_ports->findText(m_ports->currentText(), Qt::MatchFixedString);
                const QString typed = network_address::normalizedPortName(
                    listed >= 0 ? m_ports->itemData(listed).toString() : m_ports->currentText());
                if (!typed.isEmpty() && typed != m_context.comPort->portName())
                    onPortChanged(typed);
            }));
    connect(m_autodetect, &QCheckBox::clicked, this,
            guarded([this](bool checked) { onAutodetectToggled(checked); }));
    connect(m_autoConnect, &QCheckBox::clicked, this,
            guarded([this](bool checked) { onAutoConnectToggled(checked); }));
    connect(m_commLog, &QCheckBox::clicked, this,
            guarded([this](bool checked) { onCommunicationLogToggled(checked); }));
    connect(m_recordSession, &QCheckBox::clicked, this, guarded([this](bool checked) {
                m_context.recordSessions = checked;
                storeBool(setting_names::RecordSessions, checked, m_context.settings);
            }));
    connect(m_anonymize, &QCheckBox::clicked, this, guarded([this](bool checked) {
                m_context.anonymizeRecordings = checked;
                storeBool(setting_names::AnonymizeRecordings, checked, m_context.settings);
            }));
    return group;
}

QWidget* OptionsPage::buildAdapterControls(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    m_baudRate = new QComboBox(box);
    m_baudRate->setObjectName(QStringLiteral("cbBaudRate"));
    m_baudRate->addItem(QStringLiteral("Automatic"), 0);
    for (const int rate : kOfferedRates)
        m_baudRate->addItem(QString::number(rate), rate);
    m_baudRate->setToolTip(QStringLiteral(
        "Automatic tries the last rate that worked, then the usual ones, and keeps the one that "
        "answers"));
    form->addRow(QStringLiteral("Baud rate"), m_baudRate);
    m_protocol = new QComboBox(box);
    m_protocol->setObjectName(QStringLiteral("cbProtocol"));
    m_protocol->addItem(QStringLiteral("Automatic"), 0);
    for (int protocol = 1; !elmProtocolName(protocol).isEmpty(); ++protocol)
        m_protocol->addItem(QString::number(protocol, 16).toUpper() + QStringLiteral(" - ") +
                                elmProtocolName(protocol),
                            protocol);
    m_protocol->setToolTip(
        QStringLiteral("ELM327 only: the vehicle protocol, or the chip's search"));
    form->addRow(QStringLiteral("Protocol"), m_protocol);
    m_chipTimeout = new QSpinBox(box);
    m_chipTimeout->setObjectName(QStringLiteral("spinEditChipTimeout"));
    m_chipTimeout->setRange(0, AdapterOptions::kMaxChipTimeoutMs);
    m_chipTimeout->setSingleStep(4);
    m_chipTimeout->setToolTip(
        QStringLiteral("How long the chip waits for the vehicle (ms); 0 leaves the chip's own"));
    form->addRow(QStringLiteral("Answer time-out (ms)"), m_chipTimeout);
    m_silenceTimeout = new QSpinBox(box);
    m_silenceTimeout->setObjectName(QStringLiteral("spinEditSilenceTimeout"));
    m_silenceTimeout->setRange(AdapterOptions::kMinSilenceMs, AdapterOptions::kMaxSilenceMs);
    m_silenceTimeout->setSingleStep(100);
    m_silenceTimeout->setValue(AdapterOptions::kDefaultSilenceMs);
    m_silenceTimeout->setToolTip(
        QStringLiteral("How long the program waits for the interface's answer (ms)"));
    form->addRow(QStringLiteral("Silence time-out (ms)"), m_silenceTimeout);

    connect(m_baudRate, &QComboBox::activated, this,
            guarded([this](int index) { onBaudRateChosen(index); }));
    connect(m_protocol, &QComboBox::activated, this, guarded([this] { storeAdapterChange(); }));
    for (QSpinBox* spin : {m_chipTimeout, m_silenceTimeout})
        connect(spin, &QSpinBox::valueChanged, this, guarded([this] { storeAdapterChange(); }));
    return box;
}

void OptionsPage::onBaudRateChosen(int index) {
    const int rate = m_baudRate->itemData(index).toInt();
    if (rate > 0) {
        SerialPort& port = *m_context.comPort;
        try {
            port.setBaudRate(rate);
        } catch (const SerialPortError& error) {
            m_notifier.showMessage(UserNotifier::Icon::Error, error.message());
        }
        storeSerialSettings(m_context.settings, serialSettingsOf(port));
    }
    storeAdapterChange();
}

void OptionsPage::storeAdapterChange() {
    AdapterOptions& options = m_context.adapter;
    options.automaticBaud = m_baudRate->currentData().toInt() == 0;
    options.protocol = m_protocol->currentData().toInt();
    options.chipTimeoutMs = m_chipTimeout->value();
    options.silenceTimeoutMs = m_silenceTimeout->value();
    m_context.link.setSilenceTimeout(options.silenceTimeoutMs);
    storeAdapterOptions(options, m_context.settings);
}

QWidget* OptionsPage::buildGraphGroup() {
    auto* group = new QGroupBox(QStringLiteral("Graph"), this);
    auto* grid = new QGridLayout(group);
    for (int g = 0; g < 2; ++g) {
        const QString n = QString::number(g + 1);
        grid->addWidget(new QLabel(n + QLatin1Char('.'), group), g, 0);
        m_width[g] = new QSpinBox(group);
        m_width[g]->setObjectName(QStringLiteral("spinEditGraph") + n);
        m_width[g]->setRange(1, 5);
        m_width[g]->setValue(1);
        grid->addWidget(m_width[g], g, 1);
        m_color[g] = new QComboBox(group);
        m_color[g]->setObjectName(QStringLiteral("cbColorGraph") + n);
        for (const QColor& color : kGraphColors)
            m_color[g]->addItem(swatch(color), color.name(), color);
        selectColor(m_color[g], storedToColor(g == 0 ? DefaultColorGraph1 : DefaultColorGraph2));
        grid->addWidget(m_color[g], g, 2);
        connect(m_width[g], &QSpinBox::valueChanged, this,
                guarded([this, g](int width) { onGraphWidthChanged(g + 1, width); }));
        connect(m_color[g], &QComboBox::activated, this,
                guarded([this, g](int index) { onGraphColourChanged(g + 1, index); }));
    }
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget* OptionsPage::buildAddressGroup() {
    auto* group = new QGroupBox(QStringLiteral("User/Shop Address"), this);
    auto* form = new QFormLayout(group);
    form->setVerticalSpacing(4);
    static const char* const names[8] = {"edUserAddress1", "edUserAddress2", "edUserAddress3",
                                         "edUserAddress4", "edUserPhone",    "edUserFax",
                                         "edUserEmail",    "edUserInternet"};
    static const char* const labels[8] = {"Address", "",    "",      "",
                                          "Phone",   "Fax", "Email", "Internet"};
    for (int i = 0; i < 8; ++i) {
        m_address[i] = new QLineEdit(group);
        m_address[i]->setObjectName(QLatin1String(names[i]));
        m_address[i]->installEventFilter(this);
        // The report copies the fields as they stand, typed or loaded.
        connect(m_address[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            m_context.shown.userAddress[std::size_t(i)] = text;
        });
        form->addRow(QString::fromLatin1(labels[i]), m_address[i]);
    }
    return group;
}

bool OptionsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (int i = 0; i < 8; ++i)
            if (watched == m_address[i])
                storeText(setting_names::Address[i], m_address[i]->text(), m_context.settings);
    return QWidget::eventFilter(watched, event);
}

void OptionsPage::fillPorts(const QStringList& names) {
    const QSignalBlocker block(m_ports);
    m_ports->clear();
    const QIcon port(picture(QStringLiteral("BMP_COM_PORT")));
    for (const QString& name : names)
        m_ports->addItem(port, bluetooth_names::portLabel(name), name);
}

void OptionsPage::selectPort(const QString& name) {
    const QSignalBlocker block(m_ports);
    // Without regard to case.
    const int index = m_ports->findData(name, Qt::UserRole, Qt::MatchFixedString);
    m_ports->setCurrentIndex(index);
    // A stored device that is not plugged in stays visible, though no entry is selected.
    if (index < 0)
        m_ports->setEditText(name);
    showNetworkNote(name);
}

void OptionsPage::showNetworkNote(const QString& portName) {
    m_networkNote->setHidden(!network_address::isNetworkPort(portName));
}

void OptionsPage::showOptions(const PersistedOptions& options) {
    const QSignalBlocker b1(m_units), b2(m_width[0]), b3(m_width[1]), b4(m_chipTimeout),
        b5(m_silenceTimeout);
    const AdapterOptions& adapter = options.adapter;
    const int rate = m_context.comPort ? m_context.comPort->lineSettings().baudRate : 9600;
    int baudIndex = adapter.automaticBaud ? 0 : m_baudRate->findData(rate);
    if (baudIndex < 0) {
        // A rate of a hand-edited file that the box does not offer is shown all the same.
        m_baudRate->addItem(QString::number(rate), rate);
        baudIndex = m_baudRate->count() - 1;
    }
    m_baudRate->setCurrentIndex(baudIndex);
    m_protocol->setCurrentIndex(std::max(0, m_protocol->findData(adapter.protocol)));
    m_chipTimeout->setValue(adapter.chipTimeoutMs);
    m_silenceTimeout->setValue(adapter.silenceTimeoutMs);
    m_commLog->setChecked(options.commLogging);
    m_autodetect->setChecked(options.autoDetect);
    m_autoConnect->setChecked(options.autoConnect);
    m_recordSession->setChecked(options.recordSessions);
    m_anonymize->setChecked(options.anonymizeRecordings);
    m_units->setCurrentIndex(int(options.unitSystem));
    m_width[0]->setValue(options.widthGraph1);
    m_width[1]->setValue(options.widthGraph2);
    if (options.colorGraph1)
        selectColor(m_color[0], storedToColor(*options.colorGraph1));
    if (options.colorGraph2)
        selectColor(m_color[1], storedToColor(*options.colorGraph2));
    for (int i = 0; i < 8; ++i)
        if (options.address[i])
            m_address[i]->setText(*options.address[i]);
}

void OptionsPage::showLanguages(const LanguageList& list) {
    const QSignalBlocker block(m_language);
    m_language->clear();
    for (const LanguageEntry& entry : list.entries)
        m_language->addItem(flagIcon(entry.flag), entry.name, entry.code);
    m_language->setCurrentIndex(list.selected);
}

void OptionsPage::showTranslationInfo(const QString& language, const QString& translator) {
    m_translationLanguage->setText(language);
    m_translationLicense->setText(translator);
}

void OptionsPage::onUnitSystemChanged(int index) {
    if (index < 0)
        return;
    m_context.unitSystem = UnitSystem(index);
    storeInt(setting_names::SystemOfMeasurements, index, m_context.settings);
    Q_EMIT unitSystemChanged(m_context.unitSystem);
}

void OptionsPage::onPortChanged(const QString& text) {
    SerialPort& port = *m_context.comPort;
    // A typed "HOST:PORT" is stored in the form every front end reads: "tcp://HOST:PORT".
    const QString name = network_address::normalizedPortName(text.trimmed());
    if (name != m_ports->currentText()) {
        const QSignalBlocker block(m_ports);
        m_ports->setEditText(name);
    }
    showNetworkNote(name);
    // The choice is stored before the open port moves to it, so that a port that does not open
    // cannot cost the user the choice (the channel would reopen it at once under the new name:
    // it is closed first).
    const bool reopen = port.isOpen();
    port.close();
    port.setPortName(name);
    storeSerialSettings(m_context.settings, serialSettingsOf(port));
    if (!reopen)
        return;
    try {
        port.open();
    } catch (const SerialPortError& error) {
        Q_EMIT connectionLost(error.message());
        m_notifier.showMessage(UserNotifier::Icon::Error, const_str::Port + QStringLiteral(": ") +
                                                              name + QLatin1Char(' ') +
                                                              const_str::CouldNotBeOpened +
                                                              QLatin1Char('\n') + error.message());
    }
}

bool OptionsPage::switchOnCommLogging() {
    QString failure;
    const bool opened = m_context.link.setCommLogging(true, &failure);
    if (!opened)
        m_notifier.showMessage(UserNotifier::Icon::Error,
                               const_str::CommLogNotOpened + QLatin1Char('\n') + failure);
    const QSignalBlocker block(m_commLog);
    m_commLog->setChecked(opened);
    return opened;
}

void OptionsPage::onCommunicationLogToggled(bool checked) {
    // Stored only once the file is open: an option that cannot be carried out would otherwise
    // fail again at every start.
    if (checked) {
        if (switchOnCommLogging())
            storeBool(setting_names::CommLogging, true, m_context.settings);
        return;
    }
    storeBool(setting_names::CommLogging, false, m_context.settings);
    m_context.link.setCommLogging(false);
}

void OptionsPage::onAutodetectToggled(bool checked) {
    m_context.autoDetect = checked;
    storeBool(setting_names::AutoDetect, checked, m_context.settings);
}

void OptionsPage::onAutoConnectToggled(bool checked) {
    m_context.autoConnect = checked;
    storeBool(setting_names::AutoConnect, checked, m_context.settings);
}

void OptionsPage::onLanguageChanged(int index) {
    if (index < 0)
        return;
    languageChosen(m_language->itemData(index).toString(), m_context.settings, m_notifier);
}

void OptionsPage::onGraphWidthChanged(int graph, int width) {
    storeInt(graph == 1 ? setting_names::WidthGraph1 : setting_names::WidthGraph2, width,
             m_context.settings);
    Q_EMIT graphWidthChanged(graph, width);
}

void OptionsPage::onGraphColourChanged(int graph, int index) {
    const QColor color = m_color[graph - 1]->itemData(index).value<QColor>();
    storeInt(graph == 1 ? setting_names::ColorGraph1 : setting_names::ColorGraph2,
             colorToStored(color), m_context.settings);
    Q_EMIT graphColorChanged(graph, color);
}
