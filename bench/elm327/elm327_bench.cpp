// The cost of reading a CAN answer: one long message of calibration IDs with headers, reassembled
// into the layout the readers parse. The connection through an emulated ELM327 is measured beside
// the ELM323 one in bench_connection.

#include "core/link/can_answer.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReassembleCalibrationIdsWithHeaders(benchmark::State& state) {
    const QByteArray raw = "7E8 10 23 49 04 02 31 31 33\r7E8 21 31 35 33 33 34 37 39\r"
                           "7E8 22 30 36 30 30 30 32 30\r7E8 23 33 32 35 34 35 31 33\r"
                           "7E8 24 33 32 30 36 30 30 30\r7E8 25 34 AA AA AA AA AA AA\r\r>";
    for (auto _ : state)
        benchmark::DoNotOptimize(can_answer::fromSerial(raw));
}
BENCHMARK(BM_ReassembleCalibrationIdsWithHeaders)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
