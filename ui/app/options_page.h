#pragma once

#include "core/settings/unit_system.h"

#include <QWidget>
#include <functional>

struct LanguageList;
struct PersistedOptions;
struct ProgramContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class UserNotifier;

// "Page_General Options": language and units, the serial port and its options, the graph lines,
// and the user's address. Every change is written to the settings store the moment it is made
// (address fields when they are left).
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    OptionsPage(ProgramContext& context, UserNotifier& notifier, QWidget* parent = nullptr);

    // COM_CB receives the port names (serialPortNames) and selects the channel's port name.
    void fillPorts(const QStringList& names);
    void selectPort(const QString& name);
    // The controls from what the settings load found.
    void showOptions(const PersistedOptions& options);
    void showLanguages(const LanguageList& list);
    void showTranslationInfo(const QString& language, const QString& translator);

    QCheckBox* autodetectBox() const { return m_autodetect; }

    // Opens the communication log and ticks the box. A log that cannot be opened is reported,
    // the box stays clear and false is returned; nothing is stored here.
    bool switchOnCommLogging();

Q_SIGNALS:
    // A port that does not open after a change of port ends the connection.
    void connectionLost(const QString& reason);
    void unitSystemChanged(UnitSystem units);
    void graphWidthChanged(int graph, int width);
    void graphColorChanged(int graph, const QColor& color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLanguageGroup();
    QWidget* buildCommunicationGroup();
    QWidget* buildGraphGroup();
    QWidget* buildAddressGroup();

    void onUnitSystemChanged(int index);
    void onPortChanged(const QString& text);
    void onCommunicationLogToggled(bool checked);
    void onAutodetectToggled(bool checked);
    void onAutoConnectToggled(bool checked);
    QWidget* buildAdapterControls(QWidget* parent);
    void onBaudRateChosen(int index);
    // Keeps the adapter options in the context and the settings.
    void storeAdapterChange();
    void onLanguageChanged(int index);
    void onGraphWidthChanged(int graph, int width);
    void onGraphColourChanged(int graph, int index);
    void showNetworkNote(const QString& portName);

    ProgramContext& m_context;
    UserNotifier& m_notifier;
    QComboBox* m_language = nullptr;
    QComboBox* m_units = nullptr;
    QLabel* m_translationLanguage = nullptr;
    QLabel* m_translationLicense = nullptr;
    QComboBox* m_ports = nullptr;
    QLabel* m_networkNote = nullptr;
    QCheckBox* m_autodetect = nullptr;
    QCheckBox* m_autoConnect = nullptr;
    QCheckBox* m_commLog = nullptr;
    QCheckBox* m_recordSession = nullptr;
    QCheckBox* m_anonymize = nullptr;
    QComboBox* m_baudRate = nullptr;
    QComboBox* m_protocol = nullptr;
    QSpinBox* m_chipTimeout = nullptr;
    QSpinBox* m_silenceTimeout = nullptr;
    QSpinBox* m_width[2] = {};
    QComboBox* m_color[2] = {};
    QLineEdit* m_address[8] = {};
};

// Colours as the settings store keeps them: 0x00BBGGRR.
int colorToStored(const QColor& color);
QColor storedToColor(int value);
