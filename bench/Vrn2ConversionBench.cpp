// Varnel 2 conversions of big scenes: many materials sharing strokes, and a
// reflection-map pass over heavily shared maps.
#include <benchmark/benchmark.h>

#include <vector>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "MaxSdk.h"
#include "OutsideClasses.h"
#include "ReflectionMapConversion.h"
#include "StandIn.h"
#include "Vrn2Mtl.h"
#include "Vrn2ReflectionMap.h"
#include "Vrn2Stroke.h"
#include "Vrn3Brush.h"

namespace {

void FreshHost() {
    StandIn::ResetHost();
    RegisterHostMaterials();
    RegisterVarnel3Classes();
    RegisterVarnel2Classes();
}

template <class T>
T* Create(SClass_ID super) {
    Animatable* a = GetCOREInterface()->CreateInstance(super, T::CLASS_ID);
    return static_cast<T*>(static_cast<ReferenceTarget*>(a));
}

// range(0) Varnel 2 materials, each with a stroke in every slot, drawn from a
// pool of 16 shared strokes.
void BM_ConvertVrn2Materials(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshHost();
        std::vector<Vrn2Stroke*> pool;
        for (int i = 0; i < 16; ++i) pool.push_back(Create<Vrn2Stroke>(TEXMAP_CLASS_ID));
        std::vector<Mtl*> sources;
        for (int m = 0; m < count; ++m) {
            Vrn2Mtl* mtl = Create<Vrn2Mtl>(MATERIAL_CLASS_ID);
            for (int z = 0; z < Vrn2Mtl::NUM_ZONES; ++z)
                for (int i = 0; i < Vrn2Mtl::STROKES_PER_ZONE; ++i)
                    mtl->ReplaceReference(Vrn2Mtl::StrokeRef(z, i),
                                          pool[static_cast<size_t>((m + z * 6 + i) % 16)]);
            sources.push_back(mtl);
        }
        ConversionRegistry registry;
        state.ResumeTiming();
        for (Mtl* source : sources)
            benchmark::DoNotOptimize(ConvertMaterial(source, 0x10108C01, nullptr, &registry));
    }
    FreshHost();
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ConvertVrn2Materials)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A ladder of range(0) rungs whose two slots both lead to the next rung, a
// Varnel 2 reflection map at the bottom.
void BM_ReflectionPassOverSharedMaps(benchmark::State& state) {
    const int rungs = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        FreshHost();
        Texmap* below = Create<Vrn2ReflectionMap>(TEXMAP_CLASS_ID);
        for (int i = 0; i < rungs; ++i) {
            Vrn3Brush* rung = Create<Vrn3Brush>(TEXMAP_CLASS_ID);
            rung->SetSubTexmap(1, below);
            rung->SetSubTexmap(2, below);
            below = rung;
        }
        Mtl* mtl = static_cast<Mtl*>(static_cast<ReferenceTarget*>(
            GetCOREInterface()->CreateInstance(MATERIAL_CLASS_ID, Class_ID(2, 0))));
        mtl->SetSubTexmap(1, below);
        ConversionRegistry registry;
        state.ResumeTiming();
        ConvertVrn2ReflectionMaps(mtl, &registry);
    }
    FreshHost();
    state.SetItemsProcessed(state.iterations() * rungs);
}
BENCHMARK(BM_ReflectionPassOverSharedMaps)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
