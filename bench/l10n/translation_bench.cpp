// The start-up cost of the language: reading the German catalogue and translating the string
// table, both on the way to the first window.
#include "core/connection/catalogue_translation.h"
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

// A damaged catalogue of the given size whose entries all name the same half of the file: read
// whole, it cost the square of its size (a mebibyte took over a minute).
QByteArray overlappingCatalogue(qsizetype size) {
    const quint32 entries = quint32(size / 32);
    const quint32 shared = quint32(size / 2);
    QByteArray mo;
    const auto put = [&mo](quint32 value) { mo.append(reinterpret_cast<const char*>(&value), 4); };
    const quint32 originals = 28;
    const quint32 translations = originals + 8 * entries;
    const quint32 strings = translations + 8 * entries;
    for (quint32 word : {0x950412deu, 0u, entries, originals, translations, 0u, 0u})
        put(word);
    for (quint32 i = 0; i < 2 * entries; ++i) {
        put(shared);
        put(strings);
    }
    mo.append(QByteArray(qsizetype(shared) + 1, 'x'));
    return mo;
}

void BM_RejectOverlappingCatalogue(benchmark::State& state) {
    const QByteArray data = overlappingCatalogue(state.range(0));
    for (auto _ : state) {
        MoCatalogue catalogue;
        if (catalogue.parse(data))
            state.SkipWithError("the damaged catalogue was read");
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_RejectOverlappingCatalogue)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

void BM_TranslateStringTable(benchmark::State& state) {
    for (auto _ : state) {
        // A fresh translator each time: loading the catalogue is part of the pass.
        Translator translator(localeDir());
        translator.chooseLanguage(QStringLiteral("de"));
        benchmark::DoNotOptimize(translateCatalogues(translator, nullptr));
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
