#include "core/connection/connection_sequence.h"

#include "core/connection/freeze_frame_reading.h"
#include "core/connection/program_context.h"
#include "core/l10n/const_str.h"
#include "core/link/can_answer.h"
#include "core/link/elm327_commands.h"
#include "core/link/elm327_protocols.h"
#include "core/link/elm_commands.h"
#include "core/link/network_address.h"
#include "core/link/serial_port_error.h"
#include "core/link/visible_text.h"

namespace {

QString joined(const QString& label, const QString& value) {
    return label + QStringLiteral(": ") + value;
}

// The sequence fills every service object; a front end that created none yet gets them here.
template <typename T>
T& ensure(std::optional<T>& object) {
    if (!object)
        object.emplace();
    return *object;
}

} // namespace

ConnectionSequence::ConnectionSequence(ProgramContext& context, ConnectionView& view)
    : m_context(context), m_view(view) {}

bool ConnectionSequence::reconnect() {
    m_context.link.logEvent(QStringLiteral(" - New Init"));
    return initializeConnection();
}

bool ConnectionSequence::channelOpen() const {
    return m_context.comPort && m_context.comPort->isOpen();
}

void ConnectionSequence::addLine(const QString& text, bool ok) {
    // Lines quote the interface's answers.
    m_view.addLogLine(visibleText(text),
                      ok ? ConnectionView::Mark::Ok : ConnectionView::Mark::Error);
}

void ConnectionSequence::forgetVehicle() {
    forgetReadings(m_context.shown);
    m_view.forgetVehicle();
}

bool ConnectionSequence::initializeConnection() {
    forgetVehicle();
    ElmExchange& link = m_context.link;
    // The owner normally wires the exchange to the port; a front end that did not gets it here.
    if (!link.channel() && m_context.comPort)
        link.setChannel(m_context.comPort.get());
    if (channelOpen())
        m_context.comPort->close();
    // The old connection ends here. Cleared now rather than at the end, so that a device error
    // that breaks off the sequence cannot leave the guarded actions believing in a connection.
    m_context.connection.setConnected(false);
    link.setCanLayout(false);
    m_view.clearLog();
    m_view.setComLed(false);
    m_view.setElmLed(false);
    m_view.setEcuLed(false);
    m_view.updateWindow(false);

    bool ok = runPortLoop();
    if (ok)
        ok = configureStage(const_str::EchoOff, elmEcho(link, false));
    if (ok)
        ok = configureStage(const_str::LfOff, elmLinefeeds(link, false));
    if (ok) {
        // Shown in the window, the command line's output and the report.
        const ElmReply identified = elmIdentify(link);
        m_chipVersion = identified ? visibleText(*identified) : const_str::Error;
        m_view.setChipVersion(m_chipVersion);
        m_view.setInterfaceLabel(joined(const_str::Interface, m_chipVersion));
        ok = configureStage(const_str::ChipVersionLine,
                            identified ? ElmReply(m_chipVersion) : std::nullopt);
    }
    if (ok && isElm327(m_chipVersion))
        ok = setUpProtocolSearch();

    // This stage reports in every case, so a failed sequence always ends with a verdict line.
    if (ok) {
        addLine(const_str::InterfaceReady, true);
    } else {
        addLine(const_str::InterfaceNotResponding, false);
        m_view.setInterfaceLabel(joined(const_str::Interface, const_str::Error));
    }
    m_view.updateLog();

    if (ok)
        ok = checkEcu();
    if (ok)
        readServices();
    m_context.connection.setConnected(ok);
    return ok;
}

bool ConnectionSequence::openCurrentPort(const QString& name) {
    SerialPort* port = m_context.comPort.get();
    if (!port)
        return false;
    if (port->portName() != name)
        port->setPortName(name);
    m_openFailure.clear();
    try {
        port->open();
    } catch (const SerialPortError& e) {
        // A port that does not open is reported by its log line, not as an error of the action.
        m_openFailure = e.message();
        return false;
    }
    return port->isOpen();
}

bool ConnectionSequence::resetInterface() {
    const ElmReply result = elmReset(m_context.link);
    const bool answered = result.has_value();
    addLine(joined(const_str::ResponseFromInterface, result.value_or(const_str::Error)), answered);
    m_view.setElmLed(answered);
    m_view.updateLog();
    return answered;
}

bool ConnectionSequence::runPortLoop() {
    const QStringList ports = m_context.serialPortNames;
    const bool autoDetect = m_context.autoDetect;
    const bool demo = m_context.link.demoMode();
    SerialPort* port = m_context.comPort.get();

    // Without any port there is nothing to try; the simulated vehicle needs none.
    if (autoDetect && ports.isEmpty() && !demo) {
        addLine(const_str::NoSerialPortFound, false);
        m_view.setComLabel(const_str::ComUnknown);
        m_view.setComLed(false);
        m_view.updateLog();
        return false;
    }

    bool verdict = false;
    bool interfaceAnswered = false;
    qsizetype index = 0;
    do {
        if (channelOpen())
            port->close();
        QString name = port ? port->portName() : QString();
        if (autoDetect && index < ports.size())
            name = ports.at(index);
        const bool open = openCurrentPort(name);
        if (open || demo) {
            addLine(const_str::Port + QStringLiteral(": ") + name + QLatin1Char(' ') +
                        const_str::ready,
                    true);
            m_view.setComLabel(name);
            m_view.setComLed(true);
            if (open)
                port->purge();
            verdict = interfaceAnswered = resetInterface();
        } else {
            // The whole name: a device path cut short would name a directory, not the port.
            addLine(const_str::Port + QStringLiteral(": ") + name + QLatin1Char(' ') +
                        const_str::CouldNotBeOpened,
                    false);
            // A network adapter fails for reasons the user can act on (switched off, wrong
            // address, not on its network); a serial device keeps its one line.
            if (network_address::isNetworkPort(name) && !m_openFailure.isEmpty())
                addLine(m_openFailure, false);
            m_view.setComLabel(const_str::ComUnknown);
            m_view.setComLed(false);
            verdict = false;
        }
        m_view.updateLog();
        ++index;
    } while (autoDetect && index < ports.size() && !interfaceAnswered);
    return verdict;
}

bool ConnectionSequence::configureStage(const QString& label, const ElmReply& result) {
    const bool ok = result.has_value();
    addLine(joined(label, result.value_or(const_str::Error)), ok);
    m_view.updateLog();
    return ok;
}

bool ConnectionSequence::checkEcu() {
    ElmExchange& link = m_context.link;
    if (checkEcuConnection(link))
        return true;
    // The answer itself tells the user why: "NO DATA", "UNABLE TO CONNECT" or no answer at all.
    addLine(link.exchange(QStringLiteral("0100")).value_or(const_str::Error), false);
    m_view.setEcuLed(false);
    m_view.updateLog();
    return false;
}

void ConnectionSequence::readServices() {
    ElmExchange& link = m_context.link;
    const bool english = isEnglish(m_context.unitSystem);

    addLine(const_str::EcuConnectionOk, true);
    m_view.setEcuLed(true);
    if (isElm327(m_chipVersion))
        readProtocol();

    Service01& service01 = ensure(m_context.service01);
    service01.readStatus(link);
    // Its first request has shown how many control units answer service 01; an ELM327 that
    // takes the count then returns as soon as they have all answered.
    if (takesAnswerCount(m_chipVersion) && link.canLayout())
        link.startAnswerCount(link.service01Units());
    addLine(const_str::Mode01Init, true);
    m_view.buildSensorLists(service01.supportedPids());
    m_view.showObdType(service01.obdType().value_or(const_str::Error));
    m_view.updateLog();
    m_view.showMonitorStatus(service01.monitorStatus());
    m_view.updateWindow(true);

    Service02& service02 = ensure(m_context.service02);
    service02.readSupported(link);
    m_view.showFreezeFrame(readFreezeFrameData(link, service02, m_context.pidCatalogue, english));
    addLine(const_str::Mode02Init, true);
    m_view.updateLog();

    m_view.showStoredCodes(ensure(m_context.service03).storedCodes(link));
    addLine(const_str::Mode03Init, true);
    m_view.updateLog();

    ensure(m_context.service05);
    m_view.showO2SensorLocations(o2SensorLocations(link));
    addLine(const_str::Mode05Init, true);
    m_view.updateLog();

    ensure(m_context.service06).init();
    addLine(const_str::Mode06Init, true);
    m_view.updateLog();

    m_view.showPendingCodes(ensure(m_context.service07).pendingCodes(link));
    addLine(const_str::Mode07Init, true);
    m_view.updateLog();

    ensure(m_context.service08).init();
    addLine(const_str::Mode08Init, true);
    m_view.updateLog();

    Service09& service09 = ensure(m_context.service09);
    service09.readVehicleInfo(link);
    addLine(const_str::Mode09Init, true);
    m_context.shown.vin =
        service09.vinState() == Service09::ItemState::Read ? service09.vin() : QString();
    m_view.showVehicleInfo(service09);
    m_view.updateLog();
}

bool ConnectionSequence::setUpProtocolSearch() {
    ElmExchange& link = m_context.link;
    // Adaptive timing keeps the chip's wait for more answers short; a chip that does not know the
    // command waits its fixed time-out and works all the same, so its answer is not a stage.
    elmAdaptiveTiming(link);
    // A protocol the user fixed in the chip is his choice; otherwise the chip searches.
    const ElmReply current = elmProtocolNumber(link);
    if (current && isFixedProtocol(*current))
        return configureStage(const_str::ProtocolSetInInterface, elmProtocolDescription(*current));
    return configureStage(const_str::AutomaticProtocolSearch, elmAutomaticProtocol(link));
}

void ConnectionSequence::readProtocol() {
    ElmExchange& link = m_context.link;
    // The chip knows the protocol only after the first request has found the vehicle.
    const ElmReply protocol = elmProtocolNumber(link);
    link.setCanLayout(protocol && can_answer::isCanProtocol(*protocol));
    addLine(joined(const_str::ProtocolNumber,
                   protocol ? elmProtocolDescription(*protocol) : const_str::Error),
            protocol.has_value());
    m_view.updateLog();
}

void ConnectionSequence::disconnect() {
    forgetVehicle();
    ElmExchange& link = m_context.link;
    if (channelOpen()) {
        try {
            elmReset(link);
        } catch (const SerialPortError&) {
            // The reset is a courtesy to the interface; its result is ignored, its failure too.
        }
    }
    link.setCanLayout(false);
    addLine(const_str::EcuConnectionAborted, true);
    addLine(const_str::ElmConnectionAborted, true);
    m_view.updateLog();
    m_view.setEcuLed(false);
    m_view.setElmLed(false);
    if (channelOpen()) {
        try {
            m_context.comPort->purge();
        } catch (const SerialPortError&) {
            // A device that is gone has nothing left to throw away.
        }
        m_context.comPort->close();
    }
    addLine(const_str::ComPortClosed, true);
    m_view.updateLog();
    m_view.setComLabel(const_str::ComUnknown);
    m_view.setComLed(false);
    m_context.connection.setConnected(false);
}

void ConnectionSequence::connectionLost(const QString& reason) {
    forgetVehicle();
    ElmExchange& link = m_context.link;
    link.logEvent(QStringLiteral(" - Connection lost: ") + reason);
    link.setCanLayout(false);
    if (m_context.comPort)
        m_context.comPort->close();
    addLine(const_str::InterfaceLost, false);
    m_view.updateLog();
    m_view.setEcuLed(false);
    m_view.setElmLed(false);
    m_view.setComLed(false);
    m_view.setComLabel(const_str::ComUnknown);
    m_view.setInterfaceLabel(const_str::Initializing);
    m_context.connection.setConnected(false);
}
