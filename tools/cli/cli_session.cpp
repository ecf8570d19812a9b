#include "tools/cli/cli_session.h"

#include "core/connection/catalogue_translation.h"
#include "core/faultcodes/fault_table_error.h"
#include "core/l10n/startup_language.h"
#include "core/l10n/translator.h"
#include "core/link/com_port.h"
#include "core/link/network_address.h"
#include "core/settings/settings_names.h"
#include "tools/cli/cli_options.h"

namespace {

// Where USB adapters appear; the program's own first-run port.
const QString kDefaultPort = QStringLiteral("/dev/ttyUSB0");

} // namespace

CliSession::CliSession(const CliOptions& options, const CliTuning& tuning)
    : m_options(options), m_tuning(tuning), m_english(options.english) {
    m_session.attachView(&m_view);
    readStoredSettings();
}

CliSession::~CliSession() {
    // The log gets its closing lines, as when the program ends.
    m_session.close();
    m_session.attachView(nullptr);
}

void CliSession::readStoredSettings() {
    // Read only: a script must not create or change the program's settings (the one value
    // it writes is the baud rate the automatic search found, into an existing file).
    SettingsStore& store = m_context.settings;
    m_session.open();
    if (!store.keyExists() || !store.open(false))
        return;
    m_storedLanguage = store.readText(setting_names::Language).value_or(QString()).trimmed();
    m_storedAutoDetect = store.readBool(setting_names::AutoDetect).value_or(false);
    readPortSettings(*m_context.comPort, store);
    m_context.adapter = readAdapterOptions(store);
    m_context.link.setSilenceTimeout(m_context.adapter.silenceTimeoutMs);
    m_storedPort = m_context.comPort->portName();
    store.close();
}

void CliSession::prepareTexts() {
    Translator& translator = appTranslator();
    QString code = m_options.language.trimmed();
    if (!code.isEmpty()) {
        const QStringList available = translator.availableLanguages();
        if (!available.contains(code.toLower()) && code.toLower() != QLatin1String("en"))
            throw CliUsageError(QStringLiteral("no catalogue for the language %1 (have: %2)")
                                    .arg(code, available.join(QLatin1Char(' '))));
    } else {
        code = m_storedLanguage.isEmpty() ? systemLanguage() : m_storedLanguage;
    }
    translator.chooseLanguage(code);
    m_language = translator.currentLanguage();
    m_context.pidCatalogue = translateCatalogues(translator, nullptr);
}

bool CliSession::loadFaultCodes() {
    // "de_DE" has the module of "de"; the loader itself takes only two-letter codes.
    QString code = m_language;
    if (code.size() > 2 && (code.at(2) == QLatin1Char('_') || code.at(2) == QLatin1Char('-')))
        code.truncate(2);
    // A table damaged inside is told like a damaged module file: the codes the vehicle sent are
    // still worth printing, only without descriptions.
    try {
        return m_session.loadFaultTable(code, m_notifier);
    } catch (const FaultTableError& e) {
        m_notifier.showMessage(UserNotifier::Icon::Error, e.message());
        return false;
    }
}

bool CliSession::connect() {
    ElmExchange& link = m_context.link;
    SerialPort& port = m_session.port();
    if (!m_options.port.isEmpty())
        port.setPortName(network_address::normalizedPortName(m_options.port));
    else if (m_storedPort.isEmpty())
        port.setPortName(kDefaultPort);
    if (m_options.baud > 0) {
        port.setBaudRate(m_options.baud);
        m_context.adapter.automaticBaud = false;
    } else if (m_options.automaticBaud) {
        m_context.adapter.automaticBaud = true;
    }
    if (m_options.protocol)
        m_context.adapter.protocol = *m_options.protocol;
    link.setDemoMode(m_options.demo);
    link.setDemoDelay(m_tuning.demoDelayMs);
    link.setStopSignal(m_tuning.stop);
    link.setAnswerCountAllowed(m_tuning.answerCount);
    link.setGroupedRequestsAllowed(m_tuning.groupedRequests);
    if (m_tuning.silenceTimeoutMs > 0)
        link.setSilenceTimeout(m_tuning.silenceTimeoutMs);
    // A port named on the command line is meant as it stands; the stored choice keeps the
    // program's automatic detection.
    m_context.autoDetect = m_options.port.isEmpty() && !m_options.demo && m_storedAutoDetect;
    m_context.serialPortNames = m_context.autoDetect ? serialPortNames() : QStringList();
    m_context.unitSystem = m_english ? UnitSystem::English : UnitSystem::Metric;
    if (m_options.log)
        link.setCommLogging(true);

    return m_session.connect();
}
