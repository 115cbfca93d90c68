// Speed of the random draws and of one password, for each length, type and case.

#include "core/ComposePassword.h"
#include "core/RandomBetween.h"
#include "platform/runtime/SystemRandomSource.h"

#include <benchmark/benchmark.h>

static void BM_RandomBetween(benchmark::State& state) {
    runtime::Randomize();
    runtime::RandomSource& source = runtime::Rnd();
    for (auto _ : state)
        benchmark::DoNotOptimize(core::RandomBetween(source, 90, 65));
}
BENCHMARK(BM_RandomBetween);

// Arguments: length, type (0 letters, 1 digits, 2 mixed), case (0 lower, 1 upper, 2 mixed).
static void BM_ComposePassword(benchmark::State& state) {
    runtime::Randomize();
    core::GenerationSettings settings;
    settings.lengthText = QString::number(state.range(0));
    settings.type = static_cast<qint16>(state.range(1));
    settings.pwdCase = static_cast<qint16>(state.range(2));
    core::NoYield noYield;
    for (auto _ : state) {
        QString password = core::ComposePassword(settings, runtime::Rnd(), noYield);
        benchmark::DoNotOptimize(password.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ComposePassword)
    ->ArgsProduct({{16, 255, 65535}, {0, 1, 2}, {0, 1, 2}})
    ->ArgNames({"L", "type", "case"});

BENCHMARK_MAIN();
