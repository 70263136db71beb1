// The hue strip and the fine-tuning sliders with the real pointer: a press on the strip,
// the saturation thumb dragged to its left end and back, the hue thumb to both ends and
// a hue drag along the whole track. After each, every readout is compared with the model
// driven through the same steps, and the strip's pixels are read from the screen. Ends
// with the program's own timing of a fine-tuning step.
#include <string>

#include "driver.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

const char* const kReadouts[] = {
    "Text_R",      "Text_G",      "Text_B",      "Text_HSV_H",  "Text_HSV_S",  "Text_HSV_V",  "Text_HSL_H",
    "Text_HSL_L",  "Text_HSL_S",  "Text_Cmyk_C", "Text_Cmyk_M", "Text_Cmyk_Y", "Text_Cmyk_K", "Text_Lab_L",
    "Text_Lab_A",  "Text_Lab_B",  "Text5",       "Text3",       "Text2",       "Text1",       "Color_TextBox(0)",
    "Color_TextBox(1)", "Color_TextBox(2)", "Color_TextBox(3)", "Color_TextBox(4)", "Color_TextBox(5)",
    "Color_TextBox(6)",
};

// Every readout as the model shows it after the same steps.
void ExpectReadouts(Session& s, const Form1& model, const std::string& when) {
  int differing = 0;
  for (const char* name : kReadouts) {
    const auto& box = static_cast<const TextBox&>(*model.Controls()[model.IndexOf(name)]);
    const std::string shown = s.Text(name);
    if (shown != box.text) {
      ++differing;
      s.checks.ExpectText(std::string(name) + " " + when, shown, box.text);
    }
  }
  s.checks.Expect(differing == 0, "all " + std::to_string(std::size(kReadouts)) + " readouts as the model's " + when);
}

// The strip on the screen against the model's strip, column by column along a row.
void ExpectStrip(Session& s, const Form1& model, int row, const std::string& when) {
  const Surface& strip = model.hueStripPanel.strip.surface;
  int differing = 0;
  for (int x = 0; x < strip.Width(); ++x)
    if (ScreenColour(s.At("Picture_色板", x, row)) != static_cast<COLORREF>(strip.Get(x, row))) ++differing;
  s.checks.Expect(differing == 0, "the strip on the screen is the model's " + when + " (" +
                                      std::to_string(differing) + " columns differ)");
}

// A press on a thumb's middle, moves by `step` pixels `moves` times, and the release.
// Returns how far left the pointer ever got.
LONG DragThumb(Session& s, const Form1& model, const char* thumbName, int step, int moves) {
  const Control& thumb = *model.Controls()[model.IndexOf(thumbName)];
  const ScreenRect r = model.units.ClientPixels(thumb);
  POINT at{r.left + r.width / 2, r.top + r.height / 2};
  ClientToScreen(s.hwnd, &at);
  PointerTo(at);
  Pump(150);
  Button(true, true);
  Pump(150);
  LONG leftmost = at.x;
  for (int i = 1; i <= moves; ++i) {
    PointerTo({at.x + i * step, at.y});
    Pump(15);
    POINT now;
    GetCursorPos(&now);
    leftmost = std::min(leftmost, now.x);
  }
  Pump(300);
  Button(true, false);
  Pump(400);
  return leftmost;
}

// The model's thumb moved to a place, as a drag that ends there does.
void ModelThumbTo(Form1& model, int row, float left) {
  TuningRow& s = model.fineTuning.RowOf(row);
  model.fineTuning.ThumbDown(row, {1, 0, 0, 0});
  model.fineTuning.ThumbMove(row, {1, 0, left - s.thumb.place.left, 0});
  model.fineTuning.ThumbUp();
}


// The model driven through the same steps as the program: the oracle of every check.
struct Oracle {
  explicit Oracle(const ControlMap& ids) : started(ids.Started()) {}
  std::unique_ptr<ControlMap::Model> started;
  Form1& model = started->form;
  const int dpi = model.units.Dpi();
  // Near the strip's bottom: below the marker wherever these steps put it.
  const int stripRow = model.hueStripPanel.strip.surface.Height() - 3;
  // Thirty moves go past either end of a slider at any density.
  const int step = 12 * dpi / 96;
};

// At start-up: the rainbow in the strip and in the hue track.
void StartUp(Session& s, Oracle& o) {
  Pump(500);
  ExpectStrip(s, o.model, o.stripRow, "at start-up");
  if (o.dpi == 96) {
    s.checks.Expect(ScreenColour(s.At("Picture_色板", 60, o.stripRow)) == RGB(255, 0, 0) &&
                        ScreenColour(s.At("Picture_色板", 300, o.stripRow)) == RGB(0, 0, 255),
                    "column 60 of the strip is red and column 300 blue");
  }
  const Surface& track = o.model.tuningPanel.hue.track.surface;
  int trackDiffers = 0;
  for (int x = 0; x < track.Width(); ++x)
    if (ScreenColour(s.At("Picture12", x, 2)) != static_cast<COLORREF>(track.Get(x, 2))) ++trackDiffers;
  s.checks.Expect(trackDiffers == 0, "the hue track shows the strip scaled (" + std::to_string(trackDiffers) +
                                         " columns differ)");
  // Each notation row's label, in the window's font at this density, ends before its row.
  HDC dc = GetDC(s.hwnd);
  HFONT font = CreateFontW(-MulDiv(90, o.dpi, 720), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           CLEARTYPE_QUALITY, 0, L"微软雅黑");
  HGDIOBJ old = SelectObject(dc, font);
  for (int i = 0; i < kNotationRows; ++i) {
    const std::string row = "Color_TextBox(" + std::to_string(i) + ")", label = "Label23(" + std::to_string(i) + ")";
    const std::wstring caption = Widen(o.model.notationPanel.labels[static_cast<std::size_t>(i)].caption);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    RECT edit{};
    GetWindowRect(GetDlgItem(s.hwnd, s.ids.Id(row)), &edit);
    const long gap = edit.left - (s.At(label, 0, 0).x + text.cx);
    s.checks.Expect(gap >= 1, label + " ends " + std::to_string(gap) + " px before its row");
  }
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(s.hwnd, dc);
}

// A press on the strip: at 96 dpi the marker's corner falls on column 60, pure red.
void PressOnTheStrip(Session& s, Oracle& o) {
  PointerTo(s.At("Picture_色板", 65, 40));
  Pump(150);
  Button(true, true);
  Pump(200);
  Button(true, false);
  Pump(400);
  o.model.palette.PaletteDown(o.model.hueStripPanel.strip, {1, 0, 65, 40});
  o.model.palette.PaletteUp();
  ExpectReadouts(s, o.model, "after a press on the strip");
  if (o.dpi == 96) {
    s.checks.ExpectText("R,G,B after the press at column 65", s.Text("Color_TextBox(5)"), "255,0,0");
    s.checks.ExpectText("Html after the press", s.Text("Color_TextBox(1)"), "#FF0000");
  }
}

// The saturation thumb dragged past its left end: the strip turns grey, and the pointer
// stays in the slider. And back to its right end: the rainbow returns as drawn.
void SaturationToBothEnds(Session& s, Oracle& o) {
  const ScreenRect container = s.Layout().units.ClientPixels(s.ids.Get("Picture9"));
  POINT containerLeft{container.left, 0};
  ClientToScreen(s.hwnd, &containerLeft);
  const LONG leftmost = DragThumb(s, o.model, "Image_Hls2", -o.step, 30);
  ModelThumbTo(o.model, FineTuning::kSaturation, 0);
  s.checks.Expect(leftmost >= containerLeft.x, "the pointer stayed in the saturation slider (leftmost " +
                                                   std::to_string(leftmost) + ", edge " +
                                                   std::to_string(containerLeft.x) + ")");
  s.checks.ExpectText("saturation at its left end", s.Text("Text2"), "0");
  ExpectReadouts(s, o.model, "with the saturation at its left end");
  int notGrey = 0;
  for (int x = 0; x < o.model.hueStripPanel.strip.surface.Width(); ++x)
    if (ScreenColour(s.At("Picture_色板", x, o.stripRow)) != RGB(128, 128, 128)) ++notGrey;
  s.checks.Expect(notGrey == 0, "the strip on the screen is grey 128 (" + std::to_string(notGrey) + " columns not)");
  const std::wstring greyShot = s.Extra(0);
  if (!greyShot.empty()) s.checks.Expect(SaveWindowBitmap(s.hwnd, greyShot), "screenshot of the grey strip saved");

  DragThumb(s, o.model, "Image_Hls2", o.step, 30);
  ModelThumbTo(o.model, FineTuning::kSaturation, o.model.tuningPanel.saturation.track.place.width);
  s.checks.ExpectText("saturation at its right end", s.Text("Text2"), "100");
  ExpectStrip(s, o.model, o.stripRow, "with the saturation back at its right end");
}

// The hue thumb at both ends: a full turn either way leaves the strip as drawn.
void HueToBothEnds(Session& s, Oracle& o) {
  for (const auto& [direction, end, text] : {std::tuple{-1, 0.0f, "-360"}, {1, 1.0f, "360"}}) {
    DragThumb(s, o.model, "Image_HSLv1", direction * o.step, 30);
    ModelThumbTo(o.model, FineTuning::kHue, end * o.model.tuningPanel.hue.track.place.width);
    s.checks.ExpectText("hue at an end", s.Text("Text3"), text);
    ExpectReadouts(s, o.model, std::string("with the hue at ") + text);
    ExpectStrip(s, o.model, o.stripRow, std::string("with the hue at ") + text);
  }
}

// A slow drag of the hue thumb back along the track, for the program's own timing.
void TimedHueDrag(Session& s, Oracle& o) {
  DragThumb(s, o.model, "Image_HSLv1", -2, 120);
  const auto timings = static_cast<std::uint64_t>(
      SendMessageW(s.hwnd, RegisterWindowMessageW(kFineTuneTimingsMessage), 0, 0));
  const auto wholeStep = static_cast<std::uint64_t>(
      SendMessageW(s.hwnd, RegisterWindowMessageW(kFineTuneTimingsMessage), 1, 0));
  const auto steps = static_cast<unsigned>(timings >> 32);
  std::printf("fine-tuning: %u steps; recolouring both pictures %.1f us, the whole step %.1f us on average\n",
              steps, static_cast<double>(timings & 0xFFFFFFFF) / 10, static_cast<double>(wholeStep & 0xFFFFFFFF) / 10);
  s.checks.Expect(steps >= 60, "the drags stepped the fine-tuning (" + std::to_string(steps) + " steps)");
  s.checks.Expect(s.Screenshot(), "screenshot saved");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pelmora_Color");
  const ControlMap ids;
  Oracle o(ids);
  const auto with = [&o](void (*scenario)(Session&, Oracle&)) {
    return [&o, scenario](Session& s) { scenario(s, o); };
  };
  return RunDriver(argc, argv,
                   {{"start-up", with(StartUp)},
                    {"a press on the strip", with(PressOnTheStrip)},
                    {"the saturation to both ends", with(SaturationToBothEnds)},
                    {"the hue to both ends", with(HueToBothEnds)},
                    {"a timed hue drag", with(TimedHueDrag)}});
}
