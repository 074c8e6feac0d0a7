// Each row converter over a whole 240 x 240 frame, one call per row, as the
// display converts a frame into its surface.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "RowConverters.h"

namespace {

void ConvertFrame(benchmark::State& state, RowConverter converter, std::int32_t bytesPerPixel)
{
    constexpr std::int32_t kSize = 240;
    std::vector<std::uint32_t> frame(kSize * kSize);
    std::mt19937 random(1);
    for (std::uint32_t& pixel : frame)
        pixel = random();
    std::vector<std::uint8_t> surface(kSize * kSize * bytesPerPixel);
    for (auto _ : state) {
        ConvertRows(converter, frame.data(), kSize, kSize, surface.data(), kSize * bytesPerPixel);
        benchmark::DoNotOptimize(surface.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

BENCHMARK_CAPTURE(ConvertFrame, CopyRow32, CopyRow32, 4);
BENCHMARK_CAPTURE(ConvertFrame, SwapRow32, SwapRow32, 4);
BENCHMARK_CAPTURE(ConvertFrame, PackRow24, PackRow24, 3);
BENCHMARK_CAPTURE(ConvertFrame, SwapRow24, SwapRow24, 3);
BENCHMARK_CAPTURE(ConvertFrame, PackRow565, PackRow565, 2);
BENCHMARK_CAPTURE(ConvertFrame, PackRowBgr565, PackRowBgr565, 2);
BENCHMARK_CAPTURE(ConvertFrame, PackRow555, PackRow555, 2);
BENCHMARK_CAPTURE(ConvertFrame, PackRowBgr555, PackRowBgr555, 2);

} // namespace
