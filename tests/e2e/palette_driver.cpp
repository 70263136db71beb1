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

class Session {
 public:
  Session(Checks& checks, HWND hwnd, const ControlMap& ids) : checks_(checks), hwnd_(hwnd), ids_(ids) {}

  std::string Text(const char* name) const { return ReadText(GetDlgItem(hwnd_, ids_.Id(name))); }

  // Every readout as the model shows it after the same steps.
  void ExpectReadouts(const Form1& model, const std::string& when) {
    int differing = 0;
    for (const char* name : kReadouts) {
      const auto& box = static_cast<const TextBox&>(*model.Controls()[model.IndexOf(name)]);
      const std::string shown = Text(name);
      if (shown != box.text) {
        ++differing;
        checks_.ExpectText(std::string(name) + " " + when, shown, box.text);
      }
    }
    checks_.Expect(differing == 0, "all " + std::to_string(std::size(kReadouts)) + " readouts as the model's " + when);
  }

  // The strip on the screen against the model's strip, column by column along a row.
  void ExpectStrip(const Form1& model, int row, const std::string& when) {
    const Surface& strip = model.hueStripPanel.strip.surface;
    int differing = 0;
    for (int x = 0; x < strip.Width(); ++x) {
      const COLORREF shown = ScreenColour(ScreenPoint(hwnd_, ids_.Layout(), ids_.Get("Picture_色板"), x, row));
      if (shown != static_cast<COLORREF>(strip.Get(x, row))) ++differing;
    }
    checks_.Expect(differing == 0, "the strip on the screen is the model's " + when + " (" +
                                       std::to_string(differing) + " columns differ)");
  }

  // A press on a thumb's middle, moves by `step` pixels `moves` times, and the release.
  // Returns how far left the pointer ever got.
  LONG DragThumb(const Form1& model, const char* thumbName, int step, int moves) {
    const Control& thumb = *model.Controls()[model.IndexOf(thumbName)];
    const ScreenRect r = model.units.ClientPixels(thumb);
    POINT at{r.left + r.width / 2, r.top + r.height / 2};
    ClientToScreen(hwnd_, &at);
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

 private:
  Checks& checks_;
  HWND hwnd_;
  const ControlMap& ids_;
};

// The model's thumb moved to a place, as a drag that ends there does.
void ModelThumbTo(Form1& model, int row, float left) {
  TuningRow& s = model.fineTuning.RowOf(row);
  model.fineTuning.ThumbDown(row, {1, 0, 0, 0});
  model.fineTuning.ThumbMove(row, {1, 0, left - s.thumb.place.left, 0});
  model.fineTuning.ThumbUp();
}


}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring exe = Arg(argc, argv, 1), shot = Arg(argc, argv, 2), greyShot = Arg(argc, argv, 3);
  Checks checks;
  const ControlMap ids;
  const Form1& layout = ids.Layout();
  const auto oracle = ids.Started();
  Form1& model = oracle->form;
  const int dpi = model.units.Dpi();
  // Near the strip's bottom: below the marker wherever these steps put it.
  const int stripRow = model.hueStripPanel.strip.surface.Height() - 3;
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Pelmora_Color");

  Program program(exe);
  HWND hwnd = WaitForPaintedWindow(program, ids, checks);
  if (!hwnd) return checks.Finish();
  Pump(500);
  Session session(checks, hwnd, ids);

  // At start-up: the rainbow in the strip and in the hue track.
  session.ExpectStrip(model, stripRow, "at start-up");
  if (dpi == 96) {
    const POINT red = ScreenPoint(hwnd, layout, ids.Get("Picture_色板"), 60, stripRow);
    const POINT blue = ScreenPoint(hwnd, layout, ids.Get("Picture_色板"), 300, stripRow);
    checks.Expect(ScreenColour(red) == RGB(255, 0, 0) && ScreenColour(blue) == RGB(0, 0, 255),
                  "column 60 of the strip is red and column 300 blue");
  }
  const Surface& track = model.tuningPanel.hue.track.surface;
  int trackDiffers = 0;
  for (int x = 0; x < track.Width(); ++x)
    if (ScreenColour(ScreenPoint(hwnd, layout, ids.Get("Picture12"), x, 2)) != static_cast<COLORREF>(track.Get(x, 2)))
      ++trackDiffers;
  checks.Expect(trackDiffers == 0, "the hue track shows the strip scaled (" + std::to_string(trackDiffers) +
                                       " columns differ)");

  // A press on the strip: at 96 dpi the marker's corner falls on column 60, pure red.
  const POINT press = ScreenPoint(hwnd, layout, ids.Get("Picture_色板"), 65, 40);
  PointerTo(press);
  Pump(150);
  Button(true, true);
  Pump(200);
  Button(true, false);
  Pump(400);
  model.palette.PaletteDown(model.hueStripPanel.strip, {1, 0, 65, 40});
  model.palette.PaletteUp();
  session.ExpectReadouts(model, "after a press on the strip");
  if (dpi == 96) {
    checks.ExpectText("R,G,B after the press at column 65", session.Text("Color_TextBox(5)"), "255,0,0");
    checks.ExpectText("Html after the press", session.Text("Color_TextBox(1)"), "#FF0000");
  }

  // The saturation thumb dragged past its left end: the strip turns grey, and the
  // pointer stays in the slider.
  const ScreenRect container = layout.units.ClientPixels(ids.Get("Picture9"));
  POINT containerLeft{container.left, 0};
  ClientToScreen(hwnd, &containerLeft);
  // Thirty moves go past either end of a slider at any density.
  const int step = 12 * dpi / 96;
  const LONG leftmost = session.DragThumb(model, "Image_Hls2", -step, 30);
  ModelThumbTo(model, FineTuning::kSaturation, 0);
  checks.Expect(leftmost >= containerLeft.x, "the pointer stayed in the saturation slider (leftmost " +
                                                 std::to_string(leftmost) + ", edge " +
                                                 std::to_string(containerLeft.x) + ")");
  checks.ExpectText("saturation at its left end", session.Text("Text2"), "0");
  session.ExpectReadouts(model, "with the saturation at its left end");
  int notGrey = 0;
  for (int x = 0; x < model.hueStripPanel.strip.surface.Width(); ++x)
    if (ScreenColour(ScreenPoint(hwnd, layout, ids.Get("Picture_色板"), x, stripRow)) != RGB(128, 128, 128))
      ++notGrey;
  checks.Expect(notGrey == 0, "the strip on the screen is grey 128 (" + std::to_string(notGrey) + " columns not)");
  if (!greyShot.empty()) checks.Expect(SaveWindowBitmap(hwnd, greyShot), "screenshot of the grey strip saved");

  // And back to its right end: the rainbow returns as drawn.
  session.DragThumb(model, "Image_Hls2", step, 30);
  ModelThumbTo(model, FineTuning::kSaturation, model.tuningPanel.saturation.track.place.width);
  checks.ExpectText("saturation at its right end", session.Text("Text2"), "100");
  session.ExpectStrip(model, stripRow, "with the saturation back at its right end");

  // The hue thumb at both ends: a full turn either way leaves the strip as drawn.
  for (const auto& [direction, end, text] : {std::tuple{-1, 0.0f, "-360"}, {1, 1.0f, "360"}}) {
    session.DragThumb(model, "Image_HSLv1", direction * step, 30);
    ModelThumbTo(model, FineTuning::kHue, end * model.tuningPanel.hue.track.place.width);
    checks.ExpectText("hue at an end", session.Text("Text3"), text);
    session.ExpectReadouts(model, std::string("with the hue at ") + text);
    session.ExpectStrip(model, stripRow, std::string("with the hue at ") + text);
  }

  // A slow drag of the hue thumb back along the track, for the program's own timing.
  session.DragThumb(model, "Image_HSLv1", -2, 120);
  const auto timings = static_cast<std::uint64_t>(
      SendMessageW(hwnd, RegisterWindowMessageW(kFineTuneTimingsMessage), 0, 0));
  const auto wholeStep = static_cast<std::uint64_t>(
      SendMessageW(hwnd, RegisterWindowMessageW(kFineTuneTimingsMessage), 1, 0));
  const auto steps = static_cast<unsigned>(timings >> 32);
  std::printf("fine-tuning: %u steps; recolouring both pictures %.1f us, the whole step %.1f us on average\n",
              steps, static_cast<double>(timings & 0xFFFFFFFF) / 10, static_cast<double>(wholeStep & 0xFFFFFFFF) / 10);
  checks.Expect(steps >= 60, "the drags stepped the fine-tuning (" + std::to_string(steps) + " steps)");
  if (!shot.empty()) checks.Expect(SaveWindowBitmap(hwnd, shot), "screenshot saved");
  return checks.Finish();
}
