// Cost of the service readers themselves, without any line: the polling worker decodes every
// monitored PID once per cycle, so this is the program's share of a cycle.

#include "core/j1979/service_objects.h"
#include "core/link/command_link.h"

#include <QHash>
#include <benchmark/benchmark.h>

namespace {

// Answers every service 01 request at once with a four-byte response.
class InstantLink : public CommandLink {
public:
    LinkAnswer exchange(const QString& command) override {
        if (command.startsWith(QLatin1String("09"))) {
            return m_vehicleInfo.value(command, QStringLiteral("NO DATA"));
        }
        return QLatin1Char('4') + command.mid(1) + QStringLiteral("7B1AF801");
    }

private:
    const QHash<QString, QString> m_vehicleInfo = {
        {"0900", "490001FC000000"},
        {"0901", "490105"},
        {"0902", "4902010000003149020247314A43490203353434344902045237323549020532333637"},
        {"0903", "490308"},
        {"0904", "490401313133314904023533333449040337393036490404303030324904053033323549040634"
                 "3531334904073332303649040830303034"},
        {"0905", "490502"},
        {"0906", "490601AE6D46B44906020000771D"},
    };
};

void BM_AllCataloguePids(benchmark::State& state) {
    InstantLink link;
    Service01 service01;
    QStringList codes;
    for (int pid = 1; pid <= 0x4E; ++pid) {
        codes << QStringLiteral("%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper();
    }
    const QString service = QStringLiteral("01");
    for (auto _ : state) {
        for (const QString& code : codes) {
            benchmark::DoNotOptimize(service01.pidValue(link, service, code, state.range(0) != 0));
        }
    }
    state.SetItemsProcessed(state.iterations() * codes.size());
}
BENCHMARK(BM_AllCataloguePids)->Arg(0)->Arg(1);

void BM_ReadVehicleInfo(benchmark::State& state) {
    InstantLink link;
    Service09 service09;
    for (auto _ : state) {
        service09.readVehicleInfo(link);
        benchmark::DoNotOptimize(service09.vin());
    }
}
BENCHMARK(BM_ReadVehicleInfo);

void BM_StoredCodes(benchmark::State& state) {
    class CodesLink : public CommandLink {
    public:
        LinkAnswer exchange(const QString&) override {
            return QStringLiteral("430125073604554311071299119843949199"
                                  "92A427");
        }
    } link;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Service03().storedCodes(link));
    }
}
BENCHMARK(BM_StoredCodes);

} // namespace

BENCHMARK_MAIN();
