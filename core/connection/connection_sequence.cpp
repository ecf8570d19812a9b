#include "core/connection/connection_sequence.h"

#include "core/connection/freeze_frame_reading.h"
#include "core/connection/program_context.h"
#include "core/connection/refusal_witness.h"
#include "core/j1979/supported_pids.h"
#include "core/j1979/vehicle_units.h"
#include "core/l10n/const_str.h"
#include "core/link/baud_probe.h"
#include "core/link/can_answer.h"
#include "core/link/com_port.h"
#include "core/link/command_link.h"
#include "core/link/elm327_commands.h"
#include "core/link/elm327_protocols.h"
#include "core/link/elm_commands.h"
#include "core/link/network_address.h"
#include "core/link/per_unit_link.h"
#include "core/link/serial_port_error.h"
#include "core/link/visible_text.h"
#include "core/settings/settings_names.h"

#include <QHash>
#include <utility>

namespace {

// After the reset's answer the line must stay quiet this long: another program's reset answer
// that arrives late is then told from ours.
constexpr int kResetQuietMs = 150;

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

// Forwards the exchanges of one service step and keeps their answers, so that the step can be
// judged by what the vehicle said and a failed step can name it.
class StepLink : public CommandLink {
public:
    explicit StepLink(CommandLink& link) : m_link(link) {}

    LinkAnswer exchange(const QString& command) override {
        LinkAnswer answer =
            m_known.contains(command) ? m_known.take(command) : m_link.exchange(command);
        m_answers.insert(command, answer);
        return answer;
    }
    // The answer the next request of `command` gets without going out: one the vehicle has just
    // given to the same request.
    void know(const QString& command, const QString& answer) { m_known.insert(command, answer); }
    UnitAnswers exchangePerUnit(const QString& command) override {
        UnitAnswers parts = m_link.exchangePerUnit(command);
        m_answers.insert(command, mergedAnswer(parts));
        return parts;
    }
    bool unitsApart() const override { return m_link.unitsApart(); }
    bool canLayout() const override { return m_link.canLayout(); }
    void setStopSignal(const StopSignal* signal) override { m_link.setStopSignal(signal); }

    void startStep() { m_answers.clear(); }
    bool asked(const QString& command) const { return m_answers.contains(command); }
    // The request was answered with the response that carries its data.
    bool answered(const QString& command, const QString& response) const {
        const LinkAnswer answer = m_answers.value(command);
        return answer && answer->contains(response);
    }
    // What the request got, for the line of a failed step: the answer ("NO DATA") or none.
    QString reason(const QString& command) const {
        const LinkAnswer answer = m_answers.value(command);
        return answer && !answer->isEmpty() ? *answer : const_str::NoAnswer;
    }

private:
    CommandLink& m_link;
    QHash<QString, LinkAnswer> m_answers;
    QHash<QString, QString> m_known;
};

// The freeze frame is read when its supported set came, with the code that caused it where the
// set lists one, and with an answer to every value asked for.
template <typename Refused>
StepOutcome freezeFrameOutcome(const StepLink& link, const Service02& service02,
                               const FreezeFrameReading& frame, Refused refused) {
    if (!link.answered(QStringLiteral("020000"), QStringLiteral("4200")))
        return refused(QStringLiteral("020000"));
    if (isSupported(service02.supportedPids(), QStringLiteral("02")) && !frame.codes)
        return {StepOutcome::Failed, link.reason(QStringLiteral("020200"))};
    for (const FreezeFrameRow& row : frame.rows) {
        const QString request = QStringLiteral("02") + row.pid + QStringLiteral("00");
        if (link.asked(request) && !link.answered(request, QStringLiteral("42") + row.pid))
            return {StepOutcome::Failed, link.reason(request)};
    }
    return {};
}

// Vehicle information is read when its supported set came and every item it lists was answered.
template <typename Refused>
StepOutcome vehicleInfoOutcome(const StepLink& link, const Service09& info, Refused refused) {
    if (!link.answered(QStringLiteral("0900"), QStringLiteral("4900")))
        return refused(QStringLiteral("0900"));
    const std::pair<Service09::ItemState, const char*> items[] = {
        {info.vinState(), "0902"},
        {info.calibrationIdState(), "0904"},
        {info.cvnState(), "0906"},
    };
    for (const auto& [state, request] : items) {
        if (state == Service09::ItemState::NotAnswered)
            return {StepOutcome::Failed, link.reason(QLatin1String(request))};
    }
    return {};
}

} // namespace

ConnectionSequence::ConnectionSequence(ProgramContext& context, ConnectionView& view)
    : m_context(context), m_view(view) {}

bool ConnectionSequence::reconnect() {
    m_context.link.logEvent(QStringLiteral(" - New Init"));
    return initializeConnection();
}

void ConnectionSequence::showNotConnected() {
    // The port stays the one the user chose (or the search found), so he sees what Connect will
    // open; the interface is gone until the next sequence identifies it again.
    const QString port = m_context.comPort ? m_context.comPort->portName() : QString();
    m_view.setComLabel(port.isEmpty() ? const_str::ComUnknown : port);
    m_view.setInterfaceLabel(const_str::NotConnected);
}

bool ConnectionSequence::channelOpen() const {
    return m_context.comPort && m_context.comPort->isOpen();
}

void ConnectionSequence::addLine(const QString& text, bool ok) {
    addLine(text, ok ? ConnectionView::Mark::Ok : ConnectionView::Mark::Error);
}

void ConnectionSequence::addLine(const QString& text, ConnectionView::Mark mark) {
    // Lines quote the interface's answers.
    m_view.addLogLine(visibleText(text), mark);
}

void ConnectionSequence::addStepLine(const QString& label, const StepOutcome& outcome) {
    if (stopped())
        return; // cut short: neither passed nor failed
    switch (outcome.result) {
    case StepOutcome::Read:
        addLine(label, ConnectionView::Mark::Ok);
        break;
    case StepOutcome::NotSupported:
        addLine(joined(label, const_str::StepNotSupported), ConnectionView::Mark::Info);
        break;
    case StepOutcome::Failed:
        addLine(joined(label, const_str::StepFailed) + QStringLiteral(" (") + outcome.reason +
                    QLatin1Char(')'),
                ConnectionView::Mark::Error);
        break;
    }
    m_view.updateLog();
}

void ConnectionSequence::forgetVehicle() {
    forgetReadings(m_context.shown);
    m_context.vehicleUnits.clear();
    m_context.unitNames.clear();
    m_context.protocolName.clear();
    m_context.units.clear();
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
    link.startConnection();
    m_view.clearLog();
    m_view.setComLed(false);
    m_view.setElmLed(false);
    m_view.setEcuLed(false);
    m_view.updateWindow(false);
    // Silence is an answer while the interface is searched for.
    link.declareLostAfterUnanswered(false);

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
    if (stopped()) {
        ok = false;
    } else if (ok) {
        addLine(const_str::InterfaceReady, true);
    } else {
        addLine(const_str::InterfaceNotResponding, false);
        m_view.setInterfaceLabel(joined(const_str::Interface, const_str::Error));
    }
    m_view.updateLog();

    if (ok)
        ok = checkEcu();
    if (ok) {
        // From here an interface that stops answering has gone, as one that hung up.
        link.declareLostAfterUnanswered(true);
        readServices();
    }
    if (stopped()) {
        ok = false;
        link.declareLostAfterUnanswered(false);
        addLine(const_str::ConnectionStopped, ConnectionView::Mark::Info);
        m_view.updateLog();
    }
    m_context.connection.setConnected(ok);
    return ok;
}

bool ConnectionSequence::stopped() const {
    return m_context.link.stopRequested();
}

bool ConnectionSequence::openCurrentPort(const QString& name) {
    SerialPort* port = m_context.comPort.get();
    if (!port)
        return false;
    if (port->portName() != name)
        port->setPortName(name);
    m_openFailure.clear();
    try {
        port->open(m_context.link.stopSignal());
    } catch (const SerialPortError& e) {
        // A port that does not open is reported by its log line, not as an error of the action.
        m_openFailure = e.message();
        return false;
    }
    return port->isOpen();
}

bool ConnectionSequence::findBaudRate() {
    SerialPort& port = *m_context.comPort;
    ElmExchange& link = m_context.link;
    const int stored = port.lineSettings().baudRate;
    QStringList tried;
    for (const int rate : baud_probe::ratesToTry(stored)) {
        port.setBaudRate(rate);
        port.purge();
        const baud_probe::Outcome outcome = baud_probe::probe(port, link.stopSignal());
        link.logEvent(QStringLiteral(" - Baud rate %1: %2")
                          .arg(rate)
                          .arg(visibleText(baud_probe::describe(outcome))));
        if (outcome.result == baud_probe::Outcome::Stopped || stopped())
            return false;
        tried << QString::number(rate);
        if (outcome.result != baud_probe::Outcome::Answered)
            continue;
        if (rate == stored)
            return true; // as every time: nothing to tell
        addLine(joined(const_str::BaudRate, QString::number(rate)), true);
        // Learned, not chosen: written even by the command-line tool, but never into a settings
        // file that does not exist yet.
        if (m_context.settings.keyExists())
            storeText(setting_names::SerialGroup[1], baudRateText(rate), m_context.settings);
        return true;
    }
    port.setBaudRate(stored);
    addLine(const_str::NoUsualSpeed.arg(tried.join(QStringLiteral(", "))), false);
    return false;
}

bool ConnectionSequence::resetInterface(bool probeAnswered) {
    const ElmReply result = elmReset(m_context.link, kResetQuietMs);
    if (stopped())
        return false;
    const bool answered = result.has_value();
    addLine(joined(const_str::ResponseFromInterface, result.value_or(const_str::Error)), answered);
    if (!answered && probeAnswered)
        addLine(const_str::ResetNotAnswered, false);
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
        if (stopped())
            return false;
        if (open || demo) {
            // The simulated vehicle needs no port: none is claimed ready that did not open.
            if (open)
                addLine(const_str::Port + QStringLiteral(": ") + name + QLatin1Char(' ') +
                            const_str::ready,
                        true);
            else
                addLine(const_str::DemoNoPort, ConnectionView::Mark::Info);
            m_view.setComLabel(name);
            m_view.setComLed(true);
            // A network adapter has no line speed; a fixed rate is the user's choice.
            const bool probe =
                open && m_context.adapter.automaticBaud && !network_address::isNetworkPort(name);
            if (open)
                port->purge();
            const bool speedFound = probe && findBaudRate();
            if (probe && !speedFound) {
                verdict = false;
                if (stopped())
                    return false;
            } else {
                verdict = interfaceAnswered = resetInterface(speedFound);
            }
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
    } while (autoDetect && index < ports.size() && !interfaceAnswered && !stopped());
    return verdict;
}

bool ConnectionSequence::configureStage(const QString& label, const ElmReply& result) {
    if (stopped())
        return false; // cut short: neither passed nor failed
    const bool ok = result.has_value();
    addLine(joined(label, result.value_or(const_str::Error)), ok);
    m_view.updateLog();
    return ok;
}

bool ConnectionSequence::checkEcu() {
    ElmExchange& link = m_context.link;
    if (checkEcuConnection(link))
        return true;
    if (stopped())
        return false;
    // The answer itself tells the user why: "NO DATA", "UNABLE TO CONNECT" or no answer at all.
    addLine(link.exchange(QStringLiteral("0100")).value_or(const_str::Error), false);
    m_view.setEcuLed(false);
    m_view.updateLog();
    return false;
}

void ConnectionSequence::readServices() {
    ElmExchange& exchange = m_context.link;
    StepLink link(exchange);
    const bool english = isEnglish(m_context.unitSystem);
    using Outcome = StepOutcome;
    const auto failed = [&link](const QString& command) {
        return Outcome{Outcome::Failed, link.reason(command)};
    };
    // An optional service the vehicle did not answer: its refusal while it still answers the
    // request it answered before, a failure when the link has gone quiet.
    const auto refusedOrFailed = [&](const QString& command) {
        return RefusalWitness(link).vehicleAnswers() ? Outcome{Outcome::NotSupported, {}}
                                                     : failed(command);
    };

    addLine(const_str::EcuConnectionOk, true);
    m_view.setEcuLed(true);
    if (isElm327(m_chipVersion))
        readProtocol();
    else
        m_context.protocolName = QStringLiteral("ISO 9141-2 / ISO 14230-4");
    readUnits();

    // The control-unit check's "0100" has shown how many control units answer service 01; an
    // ELM327 that takes the count returns as soon as they have all answered, from the next
    // request on.
    if (takesAnswerCount(m_chipVersion) && exchange.canLayout())
        exchange.startAnswerCount(exchange.service01Units());

    link.startStep();
    // That "0100" is also the first request of the supported walk: its answer is taken again,
    // read in the layout the protocol has shown, rather than asked twice.
    if (const LinkAnswer first = exchange.lastService01Support();
        first && first->contains(QLatin1String("4100")))
        link.know(QStringLiteral("0100"), *first);
    Service01& service01 = ensure(m_context.service01);
    service01.readStatus(link);
    addStepLine(const_str::Mode01Init,
                !link.answered(QStringLiteral("0100"), QStringLiteral("4100"))
                    ? failed(QStringLiteral("0100"))
                : !service01.monitorStatus().answered ? failed(QStringLiteral("0101"))
                                                      : Outcome{});
    m_view.buildSensorLists(service01.supportedPids());
    m_view.showObdType(service01.obdType().value_or(const_str::Error));
    m_view.showMonitorStatus(service01.monitorStatus());
    m_view.updateWindow(true);

    link.startStep();
    Service02& service02 = ensure(m_context.service02);
    service02.readSupported(link);
    const FreezeFrameReading frame =
        readFreezeFrameData(link, service02, m_context.pidCatalogue, english);
    m_view.showFreezeFrame(frame);
    addStepLine(const_str::Mode02Init, freezeFrameOutcome(link, service02, frame, refusedOrFailed));

    link.startStep();
    const UnitCodeList stored = ensure(m_context.service03).storedCodesByUnit(link);
    m_view.showStoredCodes(stored);
    addStepLine(const_str::Mode03Init, stored ? Outcome{} : failed(QStringLiteral("03")));

    link.startStep();
    ensure(m_context.service05);
    const O2SensorList o2 = o2SensorLocations(link);
    m_view.showO2SensorLocations(o2);
    addStepLine(const_str::Mode05Init, o2 ? Outcome{} : refusedOrFailed(QStringLiteral("0113")));

    // Services 06 and 08 ask nothing here: their pages ask when the user starts them.
    ensure(m_context.service06).init();
    addStepLine(const_str::Mode06Init, {});

    link.startStep();
    const UnitCodeList pending = ensure(m_context.service07).pendingCodesByUnit(link);
    m_view.showPendingCodes(pending);
    addStepLine(const_str::Mode07Init, pending ? Outcome{} : failed(QStringLiteral("07")));
    // No line of its own: the page says whether they were read, and an older vehicle without
    // them has failed nothing. Without the pending codes the vehicle has fallen silent, and its
    // "NO DATA" would pass for a refusal.
    m_view.showPermanentCodes(pending ? Service0A().permanentCodes(link) : PermanentCodes{});

    ensure(m_context.service08).init();
    addStepLine(const_str::Mode08Init, {});

    link.startStep();
    Service09& service09 = ensure(m_context.service09);
    // Each request goes out once: the vehicle's information is read from every unit's answers
    // together, as before, and then unit by unit from the same answers.
    PerUnitCache perUnit(link);
    service09.readVehicleInfo(perUnit);
    addStepLine(const_str::Mode09Init, vehicleInfoOutcome(link, service09, refusedOrFailed));
    m_context.shown.vin =
        service09.vinState() == Service09::ItemState::Read ? service09.vin() : QString();
    m_view.showVehicleInfo(service09);
    readControlUnits(perUnit);
}

void ConnectionSequence::readControlUnits(PerUnitCache& perUnit) {
    const Service01& service01 = ensure(m_context.service01);
    m_context.vehicleUnits = readVehicleUnits(perUnit, service01.supportedPids()[0x41 - 1]);
    m_context.unitNames.clear();
    for (const VehicleUnit& unit : std::as_const(m_context.vehicleUnits))
        if (!unit.address.isEmpty() && !unit.info.ecuName().isEmpty())
            m_context.unitNames.insert(unit.address.toUpper(), unit.info.ecuName());
    m_view.showVehicleUnits(m_context.vehicleUnits);
}

bool ConnectionSequence::setUpProtocolSearch() {
    ElmExchange& link = m_context.link;
    const AdapterOptions& options = m_context.adapter;
    // Adaptive timing keeps the chip's wait for more answers short; a chip that does not know the
    // command waits its fixed time-out and works all the same, so its answer is not a stage.
    if (!elmAdaptiveTiming(link) && !stopped())
        link.logEvent(QStringLiteral(" - ATAT1 refused: skipped, the chip keeps its time-out"));
    // Answers without blanks take less of a slow line; a chip that keeps them is read as well.
    if (!elmSpacesOff(link) && !stopped())
        link.logEvent(QStringLiteral(" - ATS0 refused: skipped, the chip keeps its blanks"));
    if (options.chipTimeoutMs > 0 &&
        !configureStage(const_str::ChipTimeout, elmTimeout(link, options.chipTimeoutMs)))
        return false;
    // The protocol chosen in the options, else one the user fixed in the chip, else the search.
    if (options.protocol > 0) {
        const QString digit = QString::number(options.protocol, 16).toUpper();
        const ElmReply set = elmSetProtocol(link, digit);
        return configureStage(const_str::ProtocolChosenInOptions,
                              set ? ElmReply(elmProtocolDescription(digit)) : std::nullopt);
    }
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
    m_context.protocolName = protocol ? elmProtocolDescription(*protocol) : QString();
    addLine(joined(const_str::ProtocolNumber,
                   protocol ? elmProtocolDescription(*protocol) : const_str::Error),
            protocol.has_value());
    m_view.updateLog();
}

void ConnectionSequence::readUnits() {
    ElmExchange& link = m_context.link;
    // Asked once the protocol is known, since the headers that tell the units apart have a form
    // of their own on each.
    const UnitAnswers answers = link.exchangePerUnit(QStringLiteral("0100"));
    if (stopped())
        return;
    if (!link.unitsApart()) {
        addLine(const_str::UnitsNotToldApart, ConnectionView::Mark::Info);
        m_view.updateLog();
        return;
    }
    for (const UnitAnswer& part : answers.value_or(QList<UnitAnswer>()))
        if (!part.unit.isEmpty())
            m_context.units << part.unit;
}

void ConnectionSequence::disconnect() {
    forgetVehicle();
    ElmExchange& link = m_context.link;
    link.declareLostAfterUnanswered(false);
    if (channelOpen()) {
        try {
            elmReset(link);
        } catch (const SerialPortError&) {
            // The reset is a courtesy to the interface; its result is ignored, its failure too.
        }
    }
    link.setCanLayout(false);
    // Ending the connection is no test the vehicle or the interface passed.
    addLine(const_str::EcuConnectionAborted, ConnectionView::Mark::Info);
    addLine(const_str::ElmConnectionAborted, ConnectionView::Mark::Info);
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
    showNotConnected();
    m_view.setComLed(false);
    m_context.connection.setConnected(false);
}

void ConnectionSequence::connectionLost(const QString& reason) {
    forgetVehicle();
    ElmExchange& link = m_context.link;
    link.declareLostAfterUnanswered(false);
    link.logEvent(QStringLiteral(" - Connection lost: ") + reason);
    link.setCanLayout(false);
    if (m_context.comPort)
        m_context.comPort->close();
    addLine(const_str::InterfaceLost, false);
    m_view.updateLog();
    m_view.setEcuLed(false);
    m_view.setElmLed(false);
    m_view.setComLed(false);
    showNotConnected();
    m_context.connection.setConnected(false);
}
