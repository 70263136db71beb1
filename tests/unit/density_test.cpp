#include <gtest/gtest.h>

// g++ 12 takes the fake screen's one-monitor list, built in the loop below, for uninitialised.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include <cstdlib>

#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

// What a control shows that a density decides: its place in pixels, its picture's size and
// pixels, its lines, its text.
// A marker the hue slider placed keeps its place on the strip through a change (in twips),
// where one placed at the new density lands by that density's pixel rounding: a pixel
// apart at most, which MarkersWithinAPixel checks; here only their size counts.
std::string Describe(const Form1& form, const Control& c) {
  const ScreenRect r = form.units.ClientPixels(c);
  std::string d = c.name + " " + std::to_string(r.width) + "x" + std::to_string(r.height);
  if (c.kind != ControlKind::Shape) d += " at " + std::to_string(r.left) + "," + std::to_string(r.top);
  switch (c.kind) {
    case ControlKind::PictureBox: {
      const Surface& s = static_cast<const PictureBox&>(c).surface;
      std::uint64_t h = 1469598103934665603ull;
      for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) h = (h ^ static_cast<std::uint32_t>(s.Get(x, y))) * 1099511628211ull;
      d += " surface " + std::to_string(s.Width()) + "x" + std::to_string(s.Height()) + " #" + std::to_string(h);
      break;
    }
    case ControlKind::Line: {
      const auto& l = static_cast<const Line&>(c);
      d += " line " + std::to_string(l.x1) + "," + std::to_string(l.y1) + "-" + std::to_string(l.x2) + "," +
           std::to_string(l.y2);
      break;
    }
    case ControlKind::TextBox: d += " text " + static_cast<const TextBox&>(c).text; break;
    case ControlKind::Label: d += " caption " + static_cast<const Label&>(c).caption; break;
    case ControlKind::Frame: d += " caption " + static_cast<const Frame&>(c).caption; break;
    default: break;
  }
  return d;
}

void MarkersWithinAPixel(const Form1& a, const Form1& b) {
  for (std::size_t i = 0; i < a.Controls().size(); ++i) {
    if (a.Controls()[i]->kind != ControlKind::Shape) continue;
    const ScreenRect ra = a.units.ClientPixels(*a.Controls()[i]), rb = b.units.ClientPixels(*b.Controls()[i]);
    EXPECT_LE(std::abs(ra.left - rb.left), 1) << a.Controls()[i]->name;
    EXPECT_LE(std::abs(ra.top - rb.top), 1) << a.Controls()[i]->name;
  }
}

// A window laid out again at another density is the window started there, control by
// control, once both show the same colour with the same fine-tuning; and the trip back
// gives the window it started as.
TEST(Density, ChangedWhileRunningAsIfStartedThere) {
  struct Case { int from, to; bool tuned; };
  for (const Case c : {Case{96, 144, false}, {144, 96, true}, {96, 192, true}, {120, 96, false}}) {
    SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to) + (c.tuned ? ", tuned" : ""));
    auto started = [&c](FakePlatform& platform, int dpi) {
      platform.dpi = dpi;
      auto form = std::make_unique<Form1>(platform);
      form->Initialise();
      if (c.tuned) {  // the hue thumb to 2800 twips, the saturation one to 1000
        for (const auto& [row, left] : {std::pair{0, 2800.0f}, std::pair{1, 1000.0f}}) {
          const float grab = 80;
          Image& thumb = form->fineTuning.RowOf(row).thumb;
          form->fineTuning.ThumbDown(row, {1, 0, grab, 75});
          form->fineTuning.ThumbMove(row, {1, 0, grab + left - thumb.place.left, 75});
          form->fineTuning.ThumbUp();
        }
      }
      return form;
    };
    auto movedPlatform = std::make_unique<FakePlatform>(), therePlatform = std::make_unique<FakePlatform>();
    auto moved = started(*movedPlatform, c.from);
    moved->magnifier.SetZoomValue(300);
    const ColorValue colour = ComposeColor(12, 200, 99);
    moved->workspace.ShowColour(colour);
    moved->history.Add(colour);
    movedPlatform->dpi = c.to;
    moved->ChangeDensity(c.to);
    EXPECT_EQ(moved->units.Dpi(), c.to);
    EXPECT_EQ(moved->workspace.CurrentColour(), colour);
    EXPECT_EQ(moved->history.Items(), std::vector<ColorValue>{colour});
    auto there = started(*therePlatform, c.to);
    there->magnifier.SetZoomValue(300);
    there->workspace.ShowColour(colour);
    EXPECT_EQ(moved->palette.hueShift, there->palette.hueShift);
    for (std::size_t i = 0; i < moved->Controls().size(); ++i)
      EXPECT_EQ(Describe(*moved, *moved->Controls()[i]), Describe(*there, *there->Controls()[i]));
    MarkersWithinAPixel(*moved, *there);
    // And back: as it started.
    auto backPlatform = std::make_unique<FakePlatform>();
    auto back = started(*backPlatform, c.from);
    back->magnifier.SetZoomValue(300);
    back->workspace.ShowColour(colour);
    moved->ChangeDensity(c.from);
    for (std::size_t i = 0; i < moved->Controls().size(); ++i)
      EXPECT_EQ(Describe(*moved, *moved->Controls()[i]), Describe(*back, *back->Controls()[i]));
    MarkersWithinAPixel(*moved, *back);
  }
}

}  // namespace
}  // namespace velkaro
