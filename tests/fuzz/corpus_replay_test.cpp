// Every fuzzing target's seed corpus, replayed once through the same function the fuzzer calls:
// the suite keeps each reader's promises for the inputs that once found faults, without clang.

#include "tests/fuzz/fuzz_target.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace fuzz_registry {
namespace {

std::map<std::string, Entry>& targets() {
    static std::map<std::string, Entry> all;
    return all;
}

} // namespace

bool add(const char* name, Entry entry) {
    targets().emplace(name, entry);
    return true;
}

} // namespace fuzz_registry

namespace {

std::vector<std::string> targetNames() {
    std::vector<std::string> names;
    for (const auto& [name, entry] : fuzz_registry::targets())
        names.push_back(name);
    return names;
}

class CorpusReplay : public testing::TestWithParam<std::string> {};

TEST_P(CorpusReplay, EverySeedKeepsTheReadersPromises) {
    const QDir corpus(QStringLiteral(QUORVANE_FUZZ_CORPUS_DIR "/") +
                      QString::fromStdString(GetParam()));
    const QStringList seeds = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(seeds.isEmpty()) << "no seeds in " << corpus.path().toStdString();
    const fuzz_registry::Entry entry = fuzz_registry::targets().at(GetParam());
    for (const QString& seed : seeds) {
        QFile file(corpus.filePath(seed));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << seed.toStdString();
        const QByteArray bytes = file.readAll();
        try {
            entry(bytes);
        } catch (const fuzz_registry::Finding& finding) {
            ADD_FAILURE() << seed.toStdString() << ": " << finding.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, testing::ValuesIn(targetNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

} // namespace
