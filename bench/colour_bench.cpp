// Readout conversions over all 16,777,216 colours, in ns per colour, with Little CMS's
// 8-bit sRGB to Lab transforms measured in the same run as the yardstick for Lab.
#include <benchmark/benchmark.h>
#include <lcms2.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "colour.h"

using namespace velkaro;

namespace {

constexpr std::size_t kAll = 1u << 24;

const std::vector<ColorValue>& AllColours() {
  static const std::vector<ColorValue> all = [] {
    std::vector<ColorValue> v(kAll);
    for (std::size_t i = 0; i < kAll; ++i) v[i] = static_cast<ColorValue>(i);
    return v;
  }();
  return all;
}


// Runs fn over every colour once per iteration.
template <class Fn>
void OverAll(benchmark::State& state, Fn fn) {
  const auto& all = AllColours();
  for (auto _ : state) {
    for (ColorValue c : all) fn(c);
  }
  state.counters["ns_per_colour"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * kAll,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

std::uint8_t R(ColorValue c) { return static_cast<std::uint8_t>(c & 0xFF); }
std::uint8_t G(ColorValue c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
std::uint8_t B(ColorValue c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

void BM_Hsv(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToHsv(R(c), G(c), B(c))); });
}
void BM_Hsl(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToHsl(R(c), G(c), B(c))); });
}
void BM_Cmyk(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToCmyk(R(c), G(c), B(c))); });
}
void BM_HsvFast(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToHsvFast(R(c), G(c), B(c))); });
}
void BM_HslFast(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToHslFast(R(c), G(c), B(c))); });
}
void BM_CmykFast(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToCmykFast(R(c), G(c), B(c))); });
}
void BM_NumericReadoutsOfOneColour(benchmark::State& s) {
  OverAll(s, [](ColorValue c) {
    benchmark::DoNotOptimize(RgbToHsvFast(R(c), G(c), B(c)));
    benchmark::DoNotOptimize(RgbToHslFast(R(c), G(c), B(c)));
    benchmark::DoNotOptimize(RgbToCmykFast(R(c), G(c), B(c)));
    benchmark::DoNotOptimize(RgbToLabFast(R(c), G(c), B(c)));
  });
}
void BM_LabLiteral(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToLab(R(c), G(c), B(c))); });
}
void BM_LabFastScalar(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(RgbToLabFast(R(c), G(c), B(c))); });
}
void BM_Notations(benchmark::State& s) {
  OverAll(s, [](ColorValue c) {
    benchmark::DoNotOptimize(NotationTexts(c));
    benchmark::DoNotOptimize(InverseText(c));
  });
}
void BM_AllReadoutsOfOneColour(benchmark::State& s) {
  OverAll(s, [](ColorValue c) { benchmark::DoNotOptimize(ComputeReadouts(R(c), G(c), B(c))); });
}

// Batch conversions: the whole array in one call per iteration.
template <class Convert>
void OverAllBatch(benchmark::State& state, Convert convert) {
  static std::vector<std::uint8_t> out(kAll * 8);
  const auto& all = AllColours();
  for (auto _ : state) {
    convert(all.data(), out.data(), kAll);
    benchmark::ClobberMemory();
  }
  state.counters["ns_per_colour"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * kAll,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_LabFastBatch(benchmark::State& s) {
  OverAllBatch(s, [](const ColorValue* in, std::uint8_t* out, std::size_t n) {
    RgbToLabFastBatch(in, reinterpret_cast<LabColor*>(out), n);
  });
}

// Little CMS with 8-bit input optimises the whole pipeline into a prelinearised 3-D table.
void BM_LittleCms(benchmark::State& s, cmsUInt32Number inFormat, cmsUInt32Number outFormat,
                  cmsUInt32Number flags) {
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
  cmsHTRANSFORM t = cmsCreateTransform(srgb, inFormat, lab, outFormat, INTENT_PERCEPTUAL, flags);
  const bool packed3 = T_CHANNELS(inFormat) == 3 && T_EXTRA(inFormat) == 0;
  std::vector<std::uint8_t> rgb;
  if (packed3) {
    rgb.resize(kAll * 3);
    for (std::size_t i = 0; i < kAll; ++i) {
      rgb[3 * i] = R(static_cast<ColorValue>(i));
      rgb[3 * i + 1] = G(static_cast<ColorValue>(i));
      rgb[3 * i + 2] = B(static_cast<ColorValue>(i));
    }
  }
  const void* input = packed3 ? static_cast<const void*>(rgb.data()) : AllColours().data();
  OverAllBatch(s, [&](const ColorValue*, std::uint8_t* out, std::size_t n) {
    cmsDoTransform(t, input, out, static_cast<cmsUInt32Number>(n));
  });
  cmsDeleteTransform(t);
  cmsCloseProfile(lab);
  cmsCloseProfile(srgb);
}

constexpr cmsUInt32Number kNoCache = cmsFLAGS_NOCACHE;

BENCHMARK(BM_Hsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hsl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cmyk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HsvFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HslFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CmykFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LabLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LabFastScalar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LabFastBatch)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LittleCms, rgb8_to_lab8, TYPE_RGB_8, TYPE_Lab_8, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LittleCms, rgb8_to_lab8_nocache, TYPE_RGB_8, TYPE_Lab_8, kNoCache)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LittleCms, rgba8_to_lab8_nocache, TYPE_RGBA_8, TYPE_Lab_8, kNoCache)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LittleCms, rgb8_to_lab16_nocache, TYPE_RGB_8, TYPE_Lab_16, kNoCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Notations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NumericReadoutsOfOneColour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllReadoutsOfOneColour)->Unit(benchmark::kMillisecond);

// Keeps each run's ns per colour so the Lab ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      const auto it = r.counters.find("ns_per_colour");
      if (it != r.counters.end()) nsPerColour[r.benchmark_name()] = it->second.value * 1e9;
    }
  }
  std::map<std::string, double> nsPerColour;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  double bestCms = 0, fast = 0;
  for (const auto& [name, ns] : reporter.nsPerColour) {
    if (name.rfind("BM_LittleCms", 0) == 0 && (bestCms == 0 || ns < bestCms)) bestCms = ns;
    if (name.rfind("BM_LabFastBatch", 0) == 0) fast = ns;
  }
  if (bestCms > 0 && fast > 0)
    std::printf("\nExact Lab (batch): %.2f ns per colour; fastest Little CMS 8-bit transform: %.2f ns"
                " per colour; ratio %.2fx\n", fast, bestCms, bestCms / fast);
  benchmark::Shutdown();
  return 0;
}
