// The start-up cost of the language: reading the German catalogue and translating the string
// table, both on the way to the first window.
#include "core/connection/lng_translate.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/l10n/mo_catalogue.h"
#include "core/l10n/translator.h"
#include "core/settings/data_dirs.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

QString localeDir() {
    return data_dirs::programDir() + QStringLiteral("/locale");
}

void BM_ParseGermanCatalogue(benchmark::State& state) {
    QFile file(localeDir() + QStringLiteral("/de/LC_MESSAGES/default.mo"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("locale/de/LC_MESSAGES/default.mo not built");
        return;
    }
    const QByteArray data = file.readAll();
    for (auto _ : state) {
        MoCatalogue catalogue;
        benchmark::DoNotOptimize(catalogue.parse(data));
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_ParseGermanCatalogue);

void BM_TranslateStringTable(benchmark::State& state) {
    PrepareCatalogues();
    for (auto _ : state) {
        // A fresh translator each time: loading the catalogue is part of the pass.
        Translator translator(localeDir());
        translator.chooseLanguage(QStringLiteral("de"));
        lngTranslate(translator, nullptr);
    }
}
BENCHMARK(BM_TranslateStringTable)->Unit(benchmark::kMicrosecond);

void BM_ListLanguages(benchmark::State& state) {
    const Translator translator(localeDir());
    for (auto _ : state)
        benchmark::DoNotOptimize(translator.availableLanguages());
}
BENCHMARK(BM_ListLanguages)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
