// The parameters above 4E: what the supported walk (with the byte-A reads of PIDs that carry
// several values) costs in requests on a car that stops at 40 and on a car of today, and the
// program's share of one table cycle over every value the modern car offers.

#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/service01.h"
#include "core/link/command_link.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_session.h"
#include "tools/elmsim/pty_elm.h"

#include <QHash>
#include <benchmark/benchmark.h>

namespace {

// Hands every exchange on and keeps the answers, for a replay without a line.
class KeepingLink : public CommandLink {
public:
    explicit KeepingLink(CommandLink& link) : m_link(link) {}
    LinkAnswer exchange(const QString& command) override {
        const LinkAnswer answer = m_link.exchange(command);
        answers.insert(command, answer);
        sent << command;
        return answer;
    }
    bool canLayout() const override { return m_link.canLayout(); }
    QHash<QString, LinkAnswer> answers;
    QStringList sent;

private:
    CommandLink& m_link;
};

class ReplayLink : public CommandLink {
public:
    explicit ReplayLink(QHash<QString, LinkAnswer> answers) : m_answers(std::move(answers)) {}
    LinkAnswer exchange(const QString& command) override {
        return m_answers.value(command, QStringLiteral("NO DATA"));
    }

private:
    QHash<QString, LinkAnswer> m_answers;
};

struct Walk {
    int requests = 0; // of the supported walk and the byte-A reads
    QHash<QString, LinkAnswer> answers;
    SupportedPidSet supported;
};

Walk walk(const char* profile) {
    PtyElm::Config config;
    config.profile = QLatin1String(profile);
    config.elm327 = true;
    PtyElm elm(config);
    elm.start();
    CliSession session(parseCliArguments({"--port", elm.slavePath(), "connect"}), CliTuning{});
    session.prepareTexts();
    if (!session.connect())
        return {};
    Walk result;
    KeepingLink link(session.context().link);
    Service01 service01;
    service01.readStatus(link);
    // The status read adds the monitor status and the OBD type, which are no part of the walk.
    result.requests = int(link.sent.size()) - int(link.sent.count(QStringLiteral("0101"))) -
                      int(link.sent.count(QStringLiteral("011C")));
    result.supported = service01.supportedPids();
    const PidCatalogue catalogue = buildPidCatalogue();
    for (const PidInfo& entry : catalogue.entries())
        if (entry.liveSensor && entry.subValue == 0 && entry.presentIn(result.supported))
            (void)service01.pidValues(link, QStringLiteral("01"), entry.pidCode, false);
    result.answers = link.answers;
    return result;
}

void BM_SupportedWalk(benchmark::State& state, const char* profile) {
    Walk result;
    for (auto _ : state)
        result = walk(profile);
    state.counters["requests"] = result.requests;
}
BENCHMARK_CAPTURE(BM_SupportedWalk, full, "full")->Iterations(1);
BENCHMARK_CAPTURE(BM_SupportedWalk, modern, "modern")->Iterations(1);
BENCHMARK_CAPTURE(BM_SupportedWalk, diesel, "diesel")->Iterations(1);

// One table cycle of the modern car: every live value it offers, one request per PID.
void BM_ModernTableCycle(benchmark::State& state) {
    const Walk modern = walk("modern");
    const PidCatalogue catalogue = buildPidCatalogue();
    QStringList pids;
    int values = 0;
    for (const PidInfo& entry : catalogue.entries()) {
        if (!entry.liveSensor || !entry.presentIn(modern.supported))
            continue;
        ++values;
        if (pids.isEmpty() || pids.last() != entry.pidCode)
            pids << entry.pidCode;
    }
    ReplayLink link(modern.answers);
    const Service01 service01;
    const bool english = state.range(0) != 0;
    for (auto _ : state)
        for (const QString& pid : pids)
            benchmark::DoNotOptimize(service01.pidValues(link, QStringLiteral("01"), pid, english));
    state.counters["pids"] = double(pids.size());
    state.counters["values"] = values;
    state.SetItemsProcessed(state.iterations() * values);
}
BENCHMARK(BM_ModernTableCycle)->Arg(0)->Arg(1);

} // namespace
