#include "FrameBenchmarks.h"

#include <benchmark/benchmark.h>

#include <string>

#include "DemoProgram.h"
#include "Flare.h"
#include "FrameCycle.h"
#include "LightingTables.h"
#include "LitPicture.h"
#include "Particle.h"
#include "RandomScene.h"
#include "ReferenceFrame.h"
#include "SimdLevel.h"

namespace {

constexpr std::int64_t kFramePixels = 240 * 240;

template <typename Pass>
void RunPass(benchmark::State& state, SimdLevel level, Pass pass)
{
    SelectSimdLevel(level);
    RandomScene scene(1, FrameCycleClock());
    for (auto _ : state) {
        pass(scene.demo);
        benchmark::DoNotOptimize(scene.demo.frame->pixels);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kFramePixels);
}

void LitPicture(Demo& demo)
{
    RenderLitPicture(*demo.frame, *demo.picture, *demo.alternatePicture, *demo.lighting, demo.clock);
}

void Flare(Demo& demo)
{
    AddFlare(*demo.frame, *demo.flare, 208, 208);
}

void ParticlePass(Demo& demo)
{
    for (Particle& particle : fountain) {
        UpdateParticle(particle);
        DrawParticle(*demo.frame, *demo.particleSprite, particle);
    }
}

void ReferenceLitPicture(Demo& demo)
{
    ReferenceRenderLitPicture(*demo.frame, *demo.picture, *demo.alternatePicture, *demo.normalMap, demo.clock);
}

void ReferenceParticles(Demo& demo)
{
    ReferenceParticlePass(*demo.frame, *demo.particleSprite);
}

void PrepareLighting(benchmark::State& state)
{
    RandomScene scene(1, FrameCycleClock());
    for (auto _ : state) {
        LightingTables tables(*scene.demo.normalMap);
        benchmark::DoNotOptimize(tables.directionZ);
    }
}

void Register(const std::string& name, void (*pass)(Demo&), SimdLevel level)
{
    benchmark::RegisterBenchmark(name.c_str(), [pass, level](benchmark::State& state) { RunPass(state, level, pass); })
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

void RegisterFrameBenchmarks()
{
    const SimdLevel widest = WidestSimdLevel();
    benchmark::AddCustomContext("widest_simd_level", SimdLevelName(widest));

    Register("Reference/LitPicture", ReferenceLitPicture, widest);
    Register("Reference/ParticlePass", ReferenceParticles, widest);
    Register("Reference/WholeFrame", ReferenceDrawFrame, widest);
    for (SimdLevel level : kAllSimdLevels) {
        if (!CanRunSimdLevel(level))
            continue;
        const std::string suffix = std::string("/") + SimdLevelName(level);
        Register("LitPicture" + suffix, LitPicture, level);
        Register("Flare" + suffix, Flare, level);
        Register("ParticlePass" + suffix, ParticlePass, level);
        Register("WholeFrame" + suffix, DrawFrame, level);
    }
    benchmark::RegisterBenchmark("PrepareLightingTables", PrepareLighting)->Unit(benchmark::kMicrosecond);
}
