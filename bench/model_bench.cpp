// The window model's hot paths on real-size surfaces: one readout refresh and one ShowColour.
#include <benchmark/benchmark.h>

#include "fake_platform.h"
#include "form1.h"
#include "gradient.h"

using namespace velkaro;

namespace {

struct StartedForm {
  FakePlatform platform;
  Form1 form{platform};
  StartedForm() { form.Initialise(); }
};

// A form in the middle of an eyedropper drag over a screen of changing colours.
struct Dragging : StartedForm {
  Dragging() {
    platform.screen = [](Point p) { return ComposeColor(p.x & 0xFF, p.y & 0xFF, 90); };
    form.eyedropper.TargetDown({1, 0, 0, 0});
  }
};

// RefreshValues runs RefreshDisplay inside: three strips, the conversions, 20 texts.
void BM_RefreshValues(benchmark::State& state) {
  StartedForm s;
  int step = 0;
  for (auto _ : state) {
    s.form.channelPanel.boxes[1].text = DecimalText(step++ & 0xFF);  // a new colour each time, as in a drag
    s.form.workspace.RefreshValues();
    benchmark::ClobberMemory();
  }
}

// ShowColour draws every strip, the radial gradient of the magnifier, and refreshes.
void BM_ShowColour(benchmark::State& state) {
  StartedForm s;
  ColorValue colour = 0x1FC490;
  for (auto _ : state) {
    colour = (colour * 1103515245 + 12345) & 0xFFFFFF;
    s.form.workspace.ShowColour(colour);
    benchmark::ClobberMemory();
  }
}

// One move of an eyedropper drag: the preview step with its magnifier picture, the pick,
// the caption, both refreshes and the repaint request.
void BM_EyedropperMove(benchmark::State& state) {
  Dragging s;
  int x = 0;
  for (auto _ : state) {
    s.platform.cursor = Point{x++ & 0x3FF, 300};
    s.form.eyedropper.TargetMove({1, 0, 0, 0});
    benchmark::ClobberMemory();
  }
}

// The pick and its refresh alone, without the magnifier picture.
void BM_PickAndRefresh(benchmark::State& state) {
  Dragging s;
  int x = 0;
  for (auto _ : state) {
    s.platform.cursor = Point{x++ & 0x3FF, 300};
    float X = 0, Y = 0;
    if (!s.form.eyedropper.PickScreenColor(X, Y)) s.form.workspace.RefreshValues();
    benchmark::ClobberMemory();
  }
}

// One step of a slider drag: the thumb update, the confinement and both refreshes.
void BM_SliderMove(benchmark::State& state) {
  StartedForm s;
  s.form.sliders.ThumbDown({1, 0, 80, 75});
  float dx = 1;
  for (auto _ : state) {
    if (s.form.channelPanel.sliders[0].thumb.place.left >= 1200) dx = -1;
    if (s.form.channelPanel.sliders[0].thumb.place.left <= 15) dx = 1;
    s.form.sliders.ThumbMove(0, {1, 0, 80 + dx * 15, 75});
    benchmark::ClobberMemory();
  }
}

// One step of a hue thumb drag: the marker, the shift, both pictures recoloured, the
// colour taken under the marker with ShowColour, and the repaint request.
void BM_FineTuneMove(benchmark::State& state) {
  StartedForm s;
  s.form.fineTuning.ThumbDown(0, {1, 0, 80, 75});
  float dx = 1;
  for (auto _ : state) {
    if (s.form.tuningPanel.hue.thumb.place.left >= 3700) dx = -1;
    if (s.form.tuningPanel.hue.thumb.place.left <= 15) dx = 1;
    s.form.fineTuning.ThumbMove(0, {1, 0, 80 + dx * 15, 75});
    benchmark::ClobberMemory();
  }
}

void BM_RadialGradientOnly(benchmark::State& state) {
  Surface zoom(265, 244);
  for (auto _ : state) DrawRadialGradient(zoom, 0x1FC490, 0xE03B6F);
}

void BM_RadialGradientByCircles(benchmark::State& state) {
  Surface zoom(265, 244);
  for (auto _ : state) DrawRadialGradientByCircles(zoom, 0x1FC490, 0xE03B6F);
}

BENCHMARK(BM_RefreshValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowColour)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EyedropperMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PickAndRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FineTuneMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RadialGradientOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RadialGradientByCircles)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
