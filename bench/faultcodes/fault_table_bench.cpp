// Speed of the fault-code table: loading the English module as the program does at start
// (register, unpack, parse, index), the raw unpacking rate, and one lookup.

#include "core/faultcodes/fault_code_table.h"
#include "core/faultcodes/fault_table_loader.h"
#include "core/faultcodes/lzh_container.h"
#include "core/l10n/user_notifier.h"

#include <QResource>
#include <benchmark/benchmark.h>

namespace {

class SilentNotifier : public UserNotifier {
public:
    void showMessage(Icon, const QString& text) override {
        throw std::runtime_error(text.toStdString());
    }
    void setBusy(bool) override {}
};

const QString kProgramDir = QStringLiteral(FAULTCODES_PROGRAM_DIR);

QByteArray englishContainer() {
    const QString module = faultModulePath(kProgramDir, QStringLiteral("en"));
    if (!QResource::registerResource(module, QStringLiteral("/bench")))
        throw std::runtime_error("no English module; build the fault_modules target");
    const QByteArray container = QResource(QStringLiteral(":/bench/FAULT")).uncompressedData();
    QByteArray copy(container.constData(), container.size());
    QResource::unregisterResource(module, QStringLiteral("/bench"));
    return copy;
}

void LoadEnglishModule(benchmark::State& state) {
    SilentNotifier notifier;
    FaultCodeTable table;
    for (auto _ : state) {
        loadFaultCodeTable(table, QStringLiteral("en"), notifier, kProgramDir);
        benchmark::DoNotOptimize(table.records().size());
    }
    state.counters["records"] = double(table.records().size());
}
BENCHMARK(LoadEnglishModule)->Unit(benchmark::kMillisecond);

void UnpackEnglishContainer(benchmark::State& state) {
    const QByteArray container = englishContainer();
    qsizetype unpacked = 0;
    for (auto _ : state) {
        const QByteArray raw = lzh_container::unpack(container);
        unpacked = raw.size();
        benchmark::DoNotOptimize(raw.data());
    }
    state.SetBytesProcessed(state.iterations() * unpacked);
    state.counters["packed_bytes"] = double(container.size());
    state.counters["unpacked_bytes"] = double(unpacked);
}
BENCHMARK(UnpackEnglishContainer)->Unit(benchmark::kMillisecond);

void LookupOneCode(benchmark::State& state) {
    SilentNotifier notifier;
    FaultCodeTable table;
    loadFaultCodeTable(table, QStringLiteral("en"), notifier, kProgramDir);
    const QString code = QStringLiteral("P0125");
    const QString generic = QStringLiteral("Generic");
    for (auto _ : state)
        benchmark::DoNotOptimize(table.findDescription(code, generic));
}
BENCHMARK(LookupOneCode);

} // namespace

BENCHMARK_MAIN();
