#include "FrameBenchmarks.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "DemoProgram.h"
#include "Flare.h"
#include "FrameCycle.h"
#include "FrameEncoding.h"
#include "LightingTables.h"
#include "LitPicture.h"
#include "Particle.h"
#include "RandomScene.h"
#include "ReferenceFrame.h"
#include "SimdLevel.h"

namespace {

constexpr std::int64_t kFramePixels = 240 * 240;

// Items are pixels, 57,600 a frame; frames per second are counted beside them.
void CountFrames(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * kFramePixels);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The moving clock: the frame cycle's, under which the light is at a new
// place in all but a few frames, as at 60 frames a second. The still clock:
// one that stands still, as between the readings of the millisecond clock
// at thousands of frames a second, so that every frame can use what the one
// before kept.
enum class Clock { Moving, Still };

template <typename Pass>
void RunPass(benchmark::State& state, SimdLevel level, Clock clock, Pass pass)
{
    SelectSimdLevel(level);
    RandomScene scene(1, clock == Clock::Moving ? FrameCycleClock() : MillisecondClock([] { return 0u; }));
    for (auto _ : state) {
        pass(scene.demo);
        benchmark::DoNotOptimize(scene.demo.frame->pixels);
        benchmark::ClobberMemory();
    }
    CountFrames(state);
}

void LitPicture(Demo& demo)
{
    DrawLitPicture(*demo.frame, *demo.picture, *demo.alternatePicture, *demo.alternateCover, *demo.lighting,
                   AdvanceFrameParameters(demo.clock));
}

void Flare(Demo& demo)
{
    AddFlare(*demo.frame, *demo.flare, 208, 208);
}

void ParticlePass(Demo& demo)
{
    for (Particle& particle : fountain) {
        UpdateParticle(particle);
        DrawParticle(*demo.frame, *demo.particleSprite, *demo.spriteCoverage, particle);
    }
}

void ReferenceLitPicture(Demo& demo)
{
    ReferenceDrawLitPicture(*demo.frame, *demo.picture, *demo.alternatePicture, *demo.normalMap,
                            AdvanceFrameParameters(demo.clock));
}

void ReferenceParticles(Demo& demo)
{
    ReferenceParticlePass(*demo.frame, *demo.particleSprite);
}

// One frame's PPM encoding for demo-capture, of a frame drawn on the same
// level; raw frames need none.
void EncodePpm(benchmark::State& state, SimdLevel level)
{
    SelectSimdLevel(level);
    RandomScene scene(1, FrameCycleClock());
    DrawFrame(scene.demo);
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        EncodePpmFrame(*scene.demo.frame, bytes);
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    CountFrames(state);
}

// A whole frame, then its PPM encoding, as demo-capture has them: against
// WholeFrame, the encoding's cost where the frame has just been drawn rather
// than on a frame kept in the cache.
void FrameThenPpm(benchmark::State& state, SimdLevel level)
{
    std::vector<std::uint8_t> bytes;
    RunPass(state, level, Clock::Moving, [&bytes](Demo& demo) {
        DrawFrame(demo);
        EncodePpmFrame(*demo.frame, bytes);
    });
}

void PrepareLighting(benchmark::State& state)
{
    RandomScene scene(1, FrameCycleClock());
    for (auto _ : state) {
        LightingTables tables(*scene.demo.normalMap);
        benchmark::DoNotOptimize(tables.diffuseScale);
    }
}

void Register(const std::string& name, void (*pass)(Demo&), SimdLevel level, Clock clock = Clock::Moving)
{
    benchmark::RegisterBenchmark(name.c_str(),
                                 [pass, level, clock](benchmark::State& state) { RunPass(state, level, clock, pass); })
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
        Register("LitPictureStillLight" + suffix, LitPicture, level, Clock::Still);
        Register("WholeFrameStillClock" + suffix, DrawFrame, level, Clock::Still);
    }
    // On the widest level, which each selects itself, as other levels'
    // repetitions may run between its own.
    benchmark::RegisterBenchmark("EncodeFrame/ppm", [widest](benchmark::State& state) { EncodePpm(state, widest); })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("WholeFrameThenEncode/ppm",
                                 [widest](benchmark::State& state) { FrameThenPpm(state, widest); })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PrepareLightingTables", PrepareLighting)->Unit(benchmark::kMicrosecond);
}
