// One conversion run of a big scene registers every converted object and looks
// each one up again: the registry must stay fast at a million pairs.
#include <benchmark/benchmark.h>

#include <vector>

#include "ConversionRegistry.h"

namespace {

// The registry compares addresses only; these stand for a scene's objects.
std::vector<ReferenceTarget*> FakeObjects(size_t n, size_t offset) {
    static std::vector<char> storage(4'000'000);
    std::vector<ReferenceTarget*> out(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = reinterpret_cast<ReferenceTarget*>(&storage[offset + i]);
    return out;
}

void BM_RegisterThenLookUp(benchmark::State& state) {
    const size_t n = static_cast<size_t>(state.range(0));
    std::vector<ReferenceTarget*> sources = FakeObjects(n, 0);
    std::vector<ReferenceTarget*> converted = FakeObjects(n, n);
    for (auto _ : state) {
        ConversionRegistry registry;
        for (size_t i = 0; i < n; ++i) {
            // The calling convention: look up first, register on a miss.
            if (!registry.FindConverted(sources[i]))
                registry.AddConverted(sources[i], converted[i]);
        }
        size_t found = 0;
        for (size_t i = 0; i < n; ++i) found += registry.FindConverted(sources[i]) == converted[i];
        if (found != n) state.SkipWithError("lookup lost a pair");
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n) * 3);
}
BENCHMARK(BM_RegisterThenLookUp)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
