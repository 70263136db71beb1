#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"
#include "rigs.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kRight = 2;
constexpr float kTrackW = 3735;  // the fine-tuning tracks, in twips

struct Palettes : testing::Test {
  FakePlatform platform;
  std::unique_ptr<PaletteRig> rig;
  int stripHovers = 0;
  void SetUp() override { Start(96); }
  // As the window starts: the strip drawn, the colour taken from under the swatches' marker.
  void Start(int dpi) {
    platform.dpi = dpi;
    rig = std::make_unique<PaletteRig>(platform);
    rig->palette.stripHovered = [this] { ++stripHovers; };
    rig->palette.DrawHueStrip(0, 0, 0);
    rig->workspace.ShowColour(rig->palette.ColourUnderMarker());
    platform.calls.clear();
  }
  Palette& palette() { return rig->palette; }
  FineTuning& tuning() { return rig->fineTuning; }
  ColorValue Current() { return rig->workspace.CurrentColour(); }
  ColorValue Strip(int x, int y = 40) { return rig->hueStripPanel.strip.surface.Get(x, y); }
  float MarkerLeft() { return palette().MarkerLeft(rig->hueStripPanel.marker); }
  float MarkerTop() { return palette().MarkerTop(rig->hueStripPanel.marker); }
  void DragThumb(int row, float to) {
    Image& thumb = tuning().RowOf(row).thumb;
    const float grab = 80;
    tuning().ThumbDown(row, {kLeft, 0, grab, 75});
    tuning().ThumbMove(row, {kLeft, 0, grab + to - thumb.place.left, 75});
  }
};

TEST_F(Palettes, StripColumnsAtTwoDensities) {
  struct Case { int dpi, column; ColorValue colour; };
  const Case cases[] = {
      {96, 0, ComposeColor(255, 0, 255)},    {96, 30, ComposeColor(255, 0, 127)},
      {96, 60, ComposeColor(255, 0, 0)},     {96, 120, ComposeColor(255, 255, 0)},
      {96, 180, ComposeColor(0, 255, 0)},    {96, 240, ComposeColor(0, 255, 255)},
      {96, 300, ComposeColor(0, 0, 255)},    {96, 360, ComposeColor(255, 0, 255)},
      // 451 columns in six segments of 75
      {120, 0, ComposeColor(255, 0, 255)},   {120, 37, ComposeColor(255, 0, 129)},
      {120, 75, ComposeColor(255, 0, 0)},    {120, 150, ComposeColor(255, 255, 0)},
      {120, 225, ComposeColor(0, 255, 0)},   {120, 300, ComposeColor(0, 255, 255)},
      {120, 375, ComposeColor(0, 0, 255)},   {120, 450, ComposeColor(255, 0, 255)},
      // 542 columns, six segments of 90 and one left over: it closes in magenta too
      {144, 540, ComposeColor(255, 0, 255)}, {144, 541, ComposeColor(255, 0, 255)},
  };
  for (const Case& c : cases) {
    if (platform.dpi != c.dpi) Start(c.dpi);
    for (int y : {0, 38, rig->hueStripPanel.strip.surface.Height() - 1})
      EXPECT_EQ(Strip(c.column, y), c.colour) << c.dpi << " dpi, column " << c.column << ", row " << y;
  }
}

TEST_F(Palettes, HueTrackIsTheStripScaled) {
  const Surface& track = rig->tuningPanel.hue.track.surface;
  ASSERT_EQ(track.Width(), 249);
  ASSERT_EQ(track.Height(), 6);
  for (int x = 0; x < track.Width(); ++x)
    for (int y = 0; y < track.Height(); ++y) ASSERT_EQ(track.Get(x, y), Strip(x * 361 / 249, 0)) << x;
  EXPECT_EQ(palette().hueTrackRecolour.PixelWidth(), 249);
  EXPECT_EQ(palette().stripRecolour.PixelWidth(), 361);
  EXPECT_EQ(palette().stripRecolour.PixelHeight(), 77);
}

TEST_F(Palettes, StartsOnTheFifthSwatchWithTheFineTuningAtRest) {
  EXPECT_EQ(Current(), ComposeColor(144, 196, 31));
  EXPECT_EQ(rig->tuningPanel.hue.box.text, "0");
  EXPECT_EQ(rig->tuningPanel.saturation.box.text, "100");
  EXPECT_EQ(rig->tuningPanel.lightness.box.text, "50");
  EXPECT_EQ(palette().hueShift, 0);
  // The saturation and lightness tracks run from black to the colour.
  EXPECT_EQ(rig->tuningPanel.saturation.track.surface.Get(0, 3), kBlack);
  EXPECT_EQ(rig->tuningPanel.lightness.track.surface.Get(248, 3), ComposeColor(144, 196, 31));
}

TEST_F(Palettes, PressCentresTheMarkerAndPicksAtItsCorner) {
  palette().PaletteDown(rig->hueStripPanel.strip, {kLeft, 0, 200, 40});
  EXPECT_FLOAT_EQ(MarkerLeft(), 195.5f);
  EXPECT_FLOAT_EQ(MarkerTop(), 35.5f);
  EXPECT_EQ(palette().palettePressed, -1);
  EXPECT_EQ(Current(), Strip(196, 36));  // the nearest pixel to (195.5, 35.5)
  // Column 196 of green to cyan: blue 16 x 255 / 60 = 68.
  EXPECT_EQ(rig->channelPanel.boxes[0].text, "0");
  EXPECT_EQ(rig->channelPanel.boxes[1].text, "255");
  EXPECT_EQ(rig->channelPanel.boxes[2].text, "68");
}

// A pointer less than 4.5 pixels from the left or top edge puts the marker's corner off
// the strip: the colour stays the one under the pointer.
TEST_F(Palettes, PressNearTheEdgeKeepsThePointersColour) {
  struct Case { float x, y; };
  for (const Case c : {Case{2, 40}, {4, 40}, {100, 4}, {4, 4}}) {
    palette().PaletteDown(rig->hueStripPanel.strip, {kRight, 0, c.x, c.y});
    EXPECT_FLOAT_EQ(MarkerLeft(), c.x - 4.5f);
    EXPECT_EQ(Current(), Strip(static_cast<int>(c.x), static_cast<int>(c.y))) << c.x << "," << c.y;
  }
  palette().PaletteDown(rig->hueStripPanel.strip, {kLeft, 0, 100, 4});
  EXPECT_EQ(Current(), ComposeColor(255, 170, 0));
  palette().PaletteDown(rig->hueStripPanel.strip, {kLeft, 0, 100, 5});  // 4.5 px: the corner is on the strip
  EXPECT_EQ(Current(), Strip(96, 0));
}

// The marker is 135 twips, 11.25 pixels at 120 dpi: its corner lies 5.625 pixels before
// the pointer.
TEST_F(Palettes, TheMarkersSizeAtOtherDensities) {
  Start(120);
  palette().PaletteDown(rig->hueStripPanel.strip, {kLeft, 0, 201, 40});
  EXPECT_FLOAT_EQ(MarkerLeft(), 201 - 5.625f);
  EXPECT_EQ(Current(), ComposeColor(102, 255, 0));
}

TEST_F(Palettes, DragClampsTheMarkerAndPicksUnderThePointer) {
  struct Case { float x, y, left, top; };
  const Case cases[] = {
      {358, 40, 352, 35.5f},  // 358 > 361 - 9
      {352, 40, 347.5f, 35.5f},
      {100, 68, 95.5f, 68},   // 68 >= 77 - 9
      {100, 67, 95.5f, 62.5f},
      {0, 0, 0, 0},
  };
  palette().PaletteDown(rig->hueStripPanel.strip, {kLeft, 0, 100, 40});
  for (const Case& c : cases) {
    palette().PaletteMove(rig->hueStripPanel.strip, {kLeft, 0, c.x, c.y});
    EXPECT_FLOAT_EQ(MarkerLeft(), c.left) << c.x << "," << c.y;
    EXPECT_FLOAT_EQ(MarkerTop(), c.top) << c.x << "," << c.y;
    EXPECT_EQ(Current(), Strip(static_cast<int>(c.x), static_cast<int>(c.y)));
  }
  // hueStrip at client (288, 152), 361 x 77.
  ASSERT_TRUE(platform.clip.has_value());
  EXPECT_EQ(platform.clip->left, 313 + 288);
  EXPECT_EQ(platform.clip->width, 361);
  palette().PaletteUp();
  EXPECT_FALSE(platform.clip.has_value());
  EXPECT_EQ(palette().palettePressed, 0);
}

TEST_F(Palettes, MoveWithoutPressOnlyRestoresTheButtonsAndFreesThePointer) {
  platform.clip = ScreenRect{1, 2, 3, 4};
  const ColorValue before = Current();
  const float left = MarkerLeft();
  palette().PaletteMove(rig->hueStripPanel.strip, {0, 0, 300, 20});
  EXPECT_EQ(stripHovers, 1);  // the window puts its image buttons back to rest
  EXPECT_FALSE(platform.clip.has_value());
  EXPECT_EQ(Current(), before);
  EXPECT_EQ(MarkerLeft(), left);
}

TEST_F(Palettes, SwatchPressPicksTheCellWithoutTheShifts) {
  palette().saturationShift = -100;  // would turn a strip pick grey
  palette().PaletteDown(rig->swatchPanel.cells, {kLeft, 0, 10, 10});
  EXPECT_EQ(Current(), ComposeColor(0xE7, 0x00, 0x0B));
  EXPECT_FLOAT_EQ(palette().MarkerLeft(rig->swatchPanel.marker), 5.5f);
  palette().PaletteMove(rig->swatchPanel.cells, {kLeft, 0, 265, 30});
  EXPECT_EQ(Current(), kBlack);
  EXPECT_FLOAT_EQ(palette().MarkerLeft(rig->swatchPanel.marker), 261);  // 270 - 9
  EXPECT_EQ(stripHovers, 0);  // the swatches leave the image buttons as they are
}

// The window's wiring: a move over the strip puts the image buttons back to rest, one over
// the swatches does not.
TEST(PaletteInTheWindow, StripMoveRestsTheImageButtons) {
  FakePlatform platform;
  Form1 form(platform);
  form.Initialise();
  form.buttonPanel.about.picture = PictureId::AboutHover;
  form.MouseMove(form.swatchPanel.cells, {kLeft, 0, 265, 30});
  EXPECT_EQ(form.buttonPanel.about.picture, PictureId::AboutHover);
  form.MouseMove(form.hueStripPanel.strip, {0, 0, 300, 20});
  EXPECT_EQ(form.buttonPanel.about.picture, PictureId::AboutRest);
}

// The shifts and readouts from the sliders' places.
TEST_F(Palettes, FineTuningFormulas) {
  struct Case {
    const char* what;
    int row;
    enum { Thumb, TrackMove, TrackPress } how;
    float at;  // the thumb's Left in twips, or the track pixel
    const char* text;
    double shift;
  };
  const Case cases[] = {
      {"hue thumb at 0", 0, Case::Thumb, 0, "-360", -360},
      {"hue thumb at W", 0, Case::Thumb, kTrackW, "360", 360},
      {"hue thumb at 1867", 0, Case::Thumb, 1867, "-1", 720.0 * 1867 / kTrackW - 360},
      {"saturation thumb at 0", 1, Case::Thumb, 0, "0", -100},
      {"saturation thumb at W", 1, Case::Thumb, kTrackW, "100", 0},
      {"saturation track, right end", 1, Case::TrackMove, 260, "200", 100},
      {"saturation track press at 124", 1, Case::TrackPress, 124, "99", 200.0 * 1860 / kTrackW - 100},
      {"lightness thumb at 0", 2, Case::Thumb, 0, "0", -50},
      {"lightness thumb at W", 2, Case::Thumb, kTrackW, "100", 50},
      {"lightness thumb in the middle", 2, Case::Thumb, kTrackW / 2, "50", 0},
      {"lightness track, right end", 2, Case::TrackMove, 260, "50", 50},
      {"lightness track, left end", 2, Case::TrackMove, 0, "-50", -50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    switch (c.how) {
      case Case::Thumb: DragThumb(c.row, c.at); break;
      case Case::TrackMove:
        tuning().TrackDown(c.row, {kLeft, 0, 5, 3});
        tuning().TrackMove(c.row, {kLeft, 0, c.at, 3});
        break;
      case Case::TrackPress: tuning().TrackDown(c.row, {kLeft, 0, c.at, 3}); break;
    }
    EXPECT_EQ(tuning().RowOf(c.row).box.text, c.text);
    const double shift = c.row == 0   ? static_cast<double>(palette().hueShift)
                         : c.row == 1 ? palette().saturationShift
                                      : static_cast<double>(palette().lightnessShift);
    EXPECT_NEAR(shift, c.shift, 1e-4);
  }
  EXPECT_FLOAT_EQ(rig->tuningPanel.saturation.thumb.place.left, 1860);
}

TEST_F(Palettes, SaturationAtItsLeftEndTurnsTheStripGrey) {
  DragThumb(1, 0);
  for (int x = 0; x < 361; x += 20) EXPECT_EQ(Strip(x), ComposeColor(128, 128, 128)) << x;
  EXPECT_EQ(Current(), ComposeColor(128, 128, 128));
  // The hue track keeps its colours: only the hue recolours it.
  EXPECT_NE(rig->tuningPanel.hue.track.surface.Get(0, 2), ComposeColor(128, 128, 128));
  // Back to the right end: the rainbow again, untouched by the trip.
  DragThumb(1, kTrackW);
  EXPECT_EQ(Strip(60), ComposeColor(255, 0, 0));
  EXPECT_EQ(Strip(30), ComposeColor(255, 0, 127));
}

TEST_F(Palettes, HueAtEitherEndLeavesTheStripAsDrawn) {
  std::vector<ColorValue> drawn;
  for (int x = 0; x < 361; ++x) drawn.push_back(Strip(x));
  for (float end : {0.0f, kTrackW}) {
    DragThumb(0, end);
    for (int x = 0; x < 361; ++x) ASSERT_EQ(Strip(x), drawn[x]) << end << " at " << x;
  }
  // At the right end the marker steps back by its width: 361 >= 361, so 361 - 9.
  EXPECT_FLOAT_EQ(MarkerLeft(), 352);
  EXPECT_FLOAT_EQ(MarkerTop(), 38.5f);
}

// The strip is a whole number of pixels wide at every density (451 at 120 dpi, where its
// width in twips is 451.25 pixels), so the marker steps back at the right end everywhere.
TEST_F(Palettes, AtTheHuesRightEndTheMarkerStaysOnTheStrip) {
  struct Case { int dpi; float left; };
  for (const Case c : {Case{96, 352}, {120, 440}, {144, 528}, {192, 704}}) {
    Start(c.dpi);
    DragThumb(0, kTrackW);
    EXPECT_FLOAT_EQ(MarkerLeft(), c.left) << c.dpi;
    EXPECT_EQ(Current(), Strip(static_cast<int>(c.left), static_cast<int>(RoundTiesToEven(MarkerTop())))) << c.dpi;
  }
}

TEST_F(Palettes, HueTrackPressKeepsTheThumbAndPlacesTheMarker) {
  rig->tuningPanel.hue.thumb.place.left = 1000;
  tuning().TrackDown(0, {kLeft, 0, 42, 3});
  EXPECT_FLOAT_EQ(rig->tuningPanel.hue.thumb.place.left, 1000);
  EXPECT_FLOAT_EQ(MarkerLeft(), 97);  // 1000 / 3735 x 361 = 96.65
  EXPECT_FLOAT_EQ(MarkerTop(), 38.5f);
  EXPECT_EQ(rig->tuningPanel.hue.box.text, DecimalText(static_cast<int>(std::floor(720.0 * 1000 / kTrackW - 360))));
  // The strip turned by -167 degrees; the colour is the strip's at the marker.
  EXPECT_EQ(Current(), Strip(97, 38));
}

// What a user saw and took for a fault: the hue slider places the marker from its thumb
// on every move (also a move straight down), so after a press on the strip, a trip of the
// hue thumb and back ends on the strip's colour at the thumb's place, not on the colour
// the press picked. The strip's own colours do come back.
TEST_F(Palettes, HueThumbTripPlacesTheMarkerFromTheThumb) {
  std::vector<ColorValue> drawn;
  for (int x = 0; x < 361; ++x) drawn.push_back(Strip(x, 38));
  palette().PaletteDown(rig->hueStripPanel.strip, {kLeft, 0, 200, 40});
  palette().PaletteUp();
  const ColorValue pressed = Current();
  EXPECT_EQ(pressed, ComposeColor(0, 255, 68));
  Image& thumb = rig->tuningPanel.hue.thumb;
  const float grab = 80, start = thumb.place.left;  // 1920 twips
  struct Step { const char* what; float right, down; const char* text; float marker; ColorValue colour; };
  for (const Step s : {Step{"10 px right", 150, 0, "39", 200, ComposeColor(0, 255, 251)},  // 720 x 2070 / W - 360
                       {"then straight down", 150, 300, "39", 200, ComposeColor(0, 255, 251)},
                       {"and back", 0, 300, "10", 186, drawn[186]}}) {  // 1920 / W x 361 = 185.6
    tuning().ThumbDown(0, {kLeft, 0, grab, 75});
    tuning().ThumbMove(0, {kLeft, 0, grab + start + s.right - thumb.place.left, 75 + s.down});
    tuning().ThumbUp();
    EXPECT_EQ(rig->tuningPanel.hue.box.text, s.text) << s.what;
    EXPECT_FLOAT_EQ(MarkerLeft(), s.marker) << s.what;
    EXPECT_FLOAT_EQ(MarkerTop(), 38.5f) << s.what;
    if (s.right == 0) {
      // The shift is +10.12 degrees, not 0: the strip is turned, and the colour is its
      // pixel under the marker.
      EXPECT_EQ(Current(), Strip(186, 38)) << s.what;
      EXPECT_NE(Current(), pressed) << s.what;
    } else {
      EXPECT_EQ(Current(), s.colour) << s.what;
    }
  }
  // Back at the start's shift of 0 (the thumb's stored place is +10 degrees): every column
  // as drawn at the start.
  DragThumb(0, kTrackW / 2);
  EXPECT_EQ(rig->tuningPanel.hue.box.text, "0");
  for (int x = 0; x < 361; ++x) ASSERT_EQ(Strip(x, 38), drawn[static_cast<std::size_t>(x)]) << x;
}

TEST_F(Palettes, RightReleaseOnTheHueTrackAppliesThePointer) {
  tuning().TrackDown(0, {kRight, 0, 100, 3});
  EXPECT_EQ(rig->tuningPanel.hue.box.text, "0");  // the press changed nothing
  tuning().TrackUp(0, {kRight, 0, 100, 3});
  EXPECT_FLOAT_EQ(rig->tuningPanel.hue.thumb.place.left, 1500);
  EXPECT_EQ(rig->tuningPanel.hue.box.text, "-71");  // 720 x 1500 / 3735 - 360 = -70.8
  EXPECT_FLOAT_EQ(MarkerLeft(), 186);   // placed from where the thumb stood: 1920 / 3735 x 361
}

TEST_F(Palettes, OtherButtonsOnlyShowTheHand) {
  DragThumb(2, 100);
  const std::string before = rig->tuningPanel.lightness.box.text;
  platform.calls.clear();
  tuning().ThumbMove(2, {kLeft | kRight, 0, 400, 75});
  EXPECT_EQ(platform.calls, std::vector<std::string>{"SetHandCursor"});
  EXPECT_FALSE(platform.clip.has_value());
  EXPECT_EQ(rig->tuningPanel.lightness.box.text, before);
}

}  // namespace
}  // namespace velkaro
