// One fine-tuning step: the hue strip (361 x 77) and the hue track (249 x 6) recoloured,
// 29,291 pixels, as the program does it, as the plain per-pixel form does it, and as
// ImageMagick's modulate (an HSL shift of every pixel) does it on the same pictures. The
// figure at the end is the ratio to ImageMagick in this run.
#include <Magick++.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

#include "cls_rgb.h"
#include "fake_platform.h"
#include "form1.h"

using namespace velkaro;

namespace {

struct Pictures {
  FakePlatform platform;
  Form1 form{platform};
  Pictures() { form.Initialise(); }
  Surface& strip = form.hueStripPanel.strip.surface;
  Surface& track = form.tuningPanel.hue.track.surface;
};

// Shifts as a drag along the three sliders gives them, one set per step.
struct Step {
  float h, s, l;
};
Step StepAt(int i) {
  return {static_cast<float>(i % 250) * 0.048f - 6, static_cast<float>(i % 37) / 37.0f - 0.5f,
          static_cast<float>(i % 21) / 21.0f - 0.5f};
}

constexpr double kPixelsPerStep = 361.0 * 77 + 249.0 * 6;

void Count(benchmark::State& state) {
  state.counters["us_per_step"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                                                     benchmark::Counter::kIs1000);
  state.counters["ns_per_pixel"] = benchmark::Counter(static_cast<double>(state.iterations()) * kPixelsPerStep,
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// As the program steps: both pictures recoloured from their sources and written back.
// The result reaches the pictures in DibPaint, so the two together are one step.
void BM_ProgramStep(benchmark::State& state) {
  Pictures p;
  Recolourer& strip = p.form.palette.stripRecolour;
  Recolourer& track = p.form.palette.hueTrackRecolour;
  int i = 0;
  for (auto _ : state) {
    const Step t = StepAt(i++);
    strip.ChangeHSL(t.h, t.s, t.l);
    Surface* dc = nullptr;
    strip.DibPaint(dc);
    track.ChangeHSL(t.h, 0, 0);
    dc = nullptr;
    track.DibPaint(dc);
    benchmark::DoNotOptimize(p.strip.Row(0));
  }
  Count(state);
}

// The plain form: both conversions for every pixel.
void BM_LiteralStep(benchmark::State& state) {
  Pictures p;
  const std::vector<std::uint8_t> strip = p.form.palette.stripRecolour.SourcePixels();
  const std::vector<std::uint8_t> track = p.form.palette.hueTrackRecolour.SourcePixels();
  std::vector<std::uint8_t> stripOut(strip.size()), trackOut(track.size());
  int i = 0;
  for (auto _ : state) {
    const Step t = StepAt(i++);
    ChangeHslLiteral(strip, stripOut, 361, 77, t.h, t.s, t.l);
    ChangeHslLiteral(track, trackOut, 249, 6, t.h, 0, 0);
    benchmark::DoNotOptimize(stripOut.data());
    benchmark::DoNotOptimize(trackOut.data());
  }
  Count(state);
}

Magick::Image ToMagick(const Surface& s) {
  Magick::Image image(static_cast<std::size_t>(s.Width()), static_cast<std::size_t>(s.Height()), "BGRA",
                      Magick::CharPixel, s.Pixels());
  image.matte(false);
  return image;
}

// ImageMagick's peer: modulate in percent (100 = unchanged; hue 200 = half a turn) on a
// fresh copy of each picture, since each step starts again from the drawn pictures. Only
// the modulate is timed.
void BM_ImageMagickModulate(benchmark::State& state) {
  Magick::ResourceLimits::thread(static_cast<MagickCore::MagickSizeType>(state.range(0)));
  Pictures p;
  const Magick::Image strip = ToMagick(p.strip), track = ToMagick(p.track);
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const Step t = StepAt(i++);
    Magick::Image a(strip), b(track);
    a.modifyImage();
    b.modifyImage();
    state.ResumeTiming();
    a.modulate(100 + 100.0 * t.l, 100 + 100.0 * t.s, 100 + t.h * 60 / 1.8);
    b.modulate(100, 100, 100 + t.h * 60 / 1.8);
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
  }
  Count(state);
}

BENCHMARK(BM_ProgramStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiteralStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImageMagickModulate)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

class StepReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      const auto it = r.counters.find("us_per_step");
      if (it != r.counters.end()) usPerStep[r.benchmark_name()] = it->second.value * 1e6;
    }
  }
  std::map<std::string, double> usPerStep;
};

}  // namespace

int main(int argc, char** argv) {
  Magick::InitializeMagick(argv[0]);
  benchmark::Initialize(&argc, argv);
  StepReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  double program = 0, literal = 0, magickBest = 0;
  for (const auto& [name, us] : reporter.usPerStep) {
    if (name.rfind("BM_ProgramStep", 0) == 0) program = us;
    if (name.rfind("BM_LiteralStep", 0) == 0) literal = us;
    if (name.rfind("BM_ImageMagickModulate", 0) == 0 && (magickBest == 0 || us < magickBest)) magickBest = us;
  }
  if (program > 0 && magickBest > 0)
    std::printf("\nOne fine-tuning step (29,291 pixels): %.1f us; plain form %.1f us (%.1fx); fastest ImageMagick"
                " modulate %.1f us; ratio to ImageMagick %.1fx\n",
                program, literal, literal / program, magickBest, magickBest / program);
  benchmark::Shutdown();
  return 0;
}
