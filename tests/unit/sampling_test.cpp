#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"
#include "rigs.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kRight = 2;

// A screen whose pixel colour encodes its position, so a test can tell which pixel was read.
ColorValue Coded(Point p) { return ComposeColor(p.x & 0xFF, p.y & 0xFF, 77); }

// As the window starts: the start colour shown, the zoom at 800 %.
void Start(SamplingRig& rig) {
  rig.workspace.ShowColour(kStartColour);
  rig.magnifier.SetZoomValue(800);
}

struct Sampling : testing::Test {
  FakePlatform platform;
  SamplingRig rig{platform};
  void SetUp() override {
    platform.screen = Coded;
    Start(rig);
    platform.calls.clear();
  }
  std::string Channels() const {
    return rig.channelPanel.boxes[0].text + "," + rig.channelPanel.boxes[1].text + "," + rig.channelPanel.boxes[2].text;
  }
  void MoveTo(int x, int y, int button = kLeft) {
    platform.cursor = Point{x, y};
    rig.eyedropper.TargetMove({button, 0, 3, 4});
  }
  // The window's tick as the pick sees it: the magnifier's step, then the catch-up; and
  // the picture that made due, as the window takes it next.
  void Tick() {
    rig.magnifier.PreviewStep();
    rig.eyedropper.FollowPointer();
    rig.magnifier.TakeDuePicture();
  }
};

// What the whole window does around a pick.
struct SamplingInTheWindow : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override {
    platform.screen = Coded;
    form.Initialise();
    platform.calls.clear();
  }
};

TEST_F(Sampling, LeftDragPicksUnderThePointerAndShowsItsPosition) {
  platform.cursor = Point{10, 20};
  rig.eyedropper.TargetDown({kLeft, 0, 5, 5});
  EXPECT_EQ(rig.pickMode, PickMode::Drag);
  EXPECT_EQ(rig.eyedropperPanel.target.picture, PictureId::None);  // lifted
  EXPECT_EQ(Channels(), "144,196,31");  // the swatch under the lifted target: the colour itself
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:");      // the press writes no caption
  MoveTo(512, 384);
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:X:512,Y:384");
  EXPECT_EQ(Channels(), "0,128,77");
  EXPECT_EQ(rig.readoutPanel.hsvHue.text, DecimalText(RgbToHsv(0, 128, 77).h));
  EXPECT_EQ(rig.notationPanel.rows[1].text, "#00804D");
  rig.eyedropper.TargetUp();
  EXPECT_EQ(rig.pickMode, PickMode::None);
  EXPECT_EQ(rig.eyedropperPanel.target.picture, PictureId::Target);
  EXPECT_EQ(rig.eyedropperPanel.target.pointer, PictureId::None);
  // The release picks nothing: the last move's colour stays.
  platform.cursor = Point{1, 1};
  rig.eyedropper.TargetUp();
  EXPECT_EQ(Channels(), "0,128,77");
}

TEST_F(Sampling, MovesWithOtherButtonStatesOnlyShowTheHand) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  const std::string before = Channels();
  for (int state : {0, kRight, kLeft | kRight}) {
    platform.calls.clear();
    MoveTo(100, 100, state);
    EXPECT_EQ(platform.calls, std::vector<std::string>{"SetHandCursor"}) << state;
    EXPECT_EQ(Channels(), before);
    EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:");
  }
}

TEST_F(Sampling, RightPressStartsADragThatPicksOnce) {
  platform.cursor = Point{30, 40};
  rig.eyedropper.TargetDown({kRight, 0, 0, 0});
  EXPECT_EQ(rig.pickMode, PickMode::Drag);
  EXPECT_EQ(rig.eyedropperPanel.target.picture, PictureId::Target);  // the target stays
  EXPECT_EQ(Channels(), "30,40,77");
  // The timer's preview step keeps following the pointer until the release.
  platform.cursor = Point{300, 200};
  Tick();
  EXPECT_EQ(platform.blocks.back(), "283,185 35x31");
  rig.eyedropper.TargetUp();
  EXPECT_EQ(rig.pickMode, PickMode::None);
}

TEST_F(Sampling, PointerPictureFollowsTheColourBeforeThePick) {
  struct Case { Rgb before; PictureId pointer; };
  for (const Case c : {Case{{127, 127, 127}, PictureId::PointerLight}, {{128, 0, 0}, PictureId::PointerDark},
                       {{0, 0, 128}, PictureId::PointerDark}, {{0, 0, 0}, PictureId::PointerLight}}) {
    rig.workspace.ShowColour(ComposeColor(c.before.r, c.before.g, c.before.b));
    rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
    rig.workspace.ShowColour(ComposeColor(c.before.r, c.before.g, c.before.b));
    MoveTo(255, 255);  // picks white-ish, after the choice
    EXPECT_EQ(rig.eyedropperPanel.target.pointer, c.pointer) << c.before.r;
    EXPECT_EQ(rig.magnifierPanel.pointer.picture, c.pointer);
    rig.eyedropper.TargetUp();
  }
}

TEST_F(Sampling, SamePositionKeepsTheReadoutsAndTheCaption) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  MoveTo(60, 70);
  rig.channelPanel.boxes[0].text = "1";  // a change the repeated position must not undo
  platform.screen = [](Point) { return kWhite; };
  MoveTo(60, 70);
  EXPECT_EQ(rig.channelPanel.boxes[0].text, "1");
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:X:60,Y:70");
}

TEST_F(Sampling, NegativeCoordinatesOnAMonitorLeftOfThePrimary) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  MoveTo(-200, 15);
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:X:-200,Y:15");
}

TEST_F(Sampling, UnreadablePixelIsCopiedIntoTheSwatchAndReadThere) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  platform.screenReadable = false;
  platform.screen = [](Point) { return ComposeColor(9, 8, 7); };
  MoveTo(5, 6);
  EXPECT_EQ(Channels(), "9,8,7");
}

// Two monitors of unequal height leave a corner that none covers: the screen would read
// black there, which is no colour of anything shown.
TEST_F(Sampling, APointNoMonitorCoversGivesNoColour) {
  platform.monitors = {{0, 0, 1280, 1024}, {1280, 0, 1024, 768}};
  platform.cursor = Point{10, 20};
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  const std::string inverse = rig.stripPanel.inverseBox.text;
  for (const Point gap : {Point{1300, 900}, Point{2303, 768}, Point{-1, 5}}) {
    MoveTo(gap.x, gap.y);
    EXPECT_EQ(Channels(), "144,196,31") << gap.x << "," << gap.y;
    EXPECT_EQ(rig.stripPanel.inverseBox.text, inverse);
    EXPECT_EQ(rig.magnifierPanel.frame.caption,
              "像素坐标校准:X:" + std::to_string(gap.x) + ",Y:" + std::to_string(gap.y));  // the pointer is still followed
  }
  MoveTo(2303, 767);  // the second monitor's last pixel
  EXPECT_EQ(Channels(), "255,255,77");
}

TEST_F(Sampling, WhiteAndBlackPixels) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  platform.screen = [](Point p) { return p.x == 0 ? kWhite : kBlack; };
  MoveTo(0, 1);
  EXPECT_EQ(Channels(), "255,255,255");
  MoveTo(1, 1);
  EXPECT_EQ(Channels(), "0,0,0");
}

TEST_F(Sampling, ArrowKeyNudgesThePointerAndThePickFollows) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  MoveTo(100, 50);
  rig.eyedropper.NudgePointer(1, 0);
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:X:101,Y:50");
  EXPECT_EQ(Channels(), "101,50,77");
  rig.eyedropper.NudgePointer(0, -10);
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:X:101,Y:40");
  rig.eyedropper.TargetUp();
  platform.calls.clear();
  rig.eyedropper.NudgePointer(1, 0);  // no drag: the keys do nothing
  EXPECT_TRUE(platform.calls.empty());
}

// Moves that never arrived: the tick finds the pointer elsewhere and picks there, as a
// move would; only during a left drag, and only when the pointer has moved.
TEST_F(Sampling, TickCatchesUpWithAPointerWhoseMovesWereLost) {
  platform.cursor = Point{10, 20};
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  MoveTo(40, 50);
  platform.cursor = Point{300, 200};  // no move message reached the program
  Tick();
  EXPECT_EQ(Channels(), "44,200,77");
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:X:300,Y:200");
  rig.channelPanel.boxes[0].text = "1";  // the tick at the same place changes nothing
  Tick();
  EXPECT_EQ(rig.channelPanel.boxes[0].text, "1");
  rig.eyedropper.TargetUp();
  platform.cursor = Point{5, 6};
  Tick();
  EXPECT_EQ(rig.magnifierPanel.frame.caption, "像素坐标校准:X:300,Y:200");
  // A right-button drag picks only at its press, as before.
  rig.eyedropper.TargetDown({kRight, 0, 0, 0});
  platform.cursor = Point{7, 8};
  Tick();
  EXPECT_EQ(Channels(), "5,6,77");
}

TEST_F(Sampling, TickWithTheButtonUpCatchesUpAndEndsTheDrag) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  MoveTo(40, 50);
  platform.cursor = Point{60, 70};
  platform.leftHeld = false;  // released out there, and the release never arrived
  Tick();
  EXPECT_EQ(Channels(), "60,70,77");
  EXPECT_EQ(rig.pickMode, PickMode::None);
  EXPECT_EQ(rig.eyedropperPanel.target.picture, PictureId::Target);
  platform.cursor = Point{90, 90};
  Tick();
  EXPECT_EQ(Channels(), "60,70,77");
}

TEST_F(SamplingInTheWindow, LostCaptureEndsTheDragAsAReleaseWould) {
  form.eyedropper.TargetDown({kLeft, 0, 0, 0});
  form.CaptureLost(form.eyedropperPanel.target);
  EXPECT_EQ(form.Pick(), PickMode::None);
  EXPECT_EQ(form.eyedropperPanel.target.picture, PictureId::Target);
  EXPECT_EQ(form.eyedropperPanel.target.pointer, PictureId::None);
  form.sliders.ThumbDown({kLeft, 0, 80, 75});
  form.sliders.ThumbMove(1, {kLeft, 0, 95, 75});
  ASSERT_TRUE(platform.clip.has_value());
  form.CaptureLost(form.channelPanel.sliders[1].thumb);
  EXPECT_FALSE(platform.clip.has_value());
  form.CaptureLost(form.channelPanel.frame);  // nothing held there: nothing happens
}

// ---- magnifier ----

struct CaptureCase {
  int zoom;  // percent
  std::string block;
  int viewWidthCovered;
};

// A move shows its pick at once; its picture is taken when the window asks for it (before
// it paints), once.
TEST_F(Sampling, AMovesPictureIsTakenWhenTheWindowAsks) {
  platform.cursor = Point{10, 20};
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  platform.blocks.clear();
  MoveTo(512, 384);
  EXPECT_EQ(Channels(), "0,128,77");
  EXPECT_TRUE(platform.blocks.empty());
  EXPECT_TRUE(rig.magnifier.PictureDue());
  rig.magnifier.TakeDuePicture();
  rig.magnifier.TakeDuePicture();
  EXPECT_EQ(platform.blocks, std::vector<std::string>{"495,369 35x31"});
  EXPECT_FALSE(rig.magnifier.PictureDue());
}

TEST_F(Sampling, CaptureGeometry) {
  // 800 %: W = 275, H = 244; cx 34 -> 35 (dw 280), cy 30 -> 31 (dh 248); origin pt - (17, 15).
  for (const CaptureCase& c : {CaptureCase{800, "495,369 35x31", 272}, CaptureCase{300, "467,344 92x82", 268},
                               CaptureCase{1000, "499,372 28x25", 272}, CaptureCase{25, "-38,-104 1100x976", 265}}) {
    rig.magnifier.SetZoomValue(c.zoom);
    platform.blocks.clear();
    rig.magnifier.CaptureMagnifier({512, 384});
    EXPECT_EQ(platform.blocks, std::vector<std::string>{c.block}) << c.zoom;
  }
}

TEST_F(Sampling, PixelUnderThePointerLandsOnTheCrossHair) {
  for (int zoom : {800, 400}) {
    rig.magnifier.SetZoomValue(zoom);
    rig.zoomPanel.grid.value = 0;
    platform.screen = [](Point p) { return p.x == 512 && p.y == 384 ? kWhite : kBlack; };
    rig.magnifier.CaptureMagnifier({512, 384});
    const Surface& view = rig.magnifierPanel.view.surface;
    // At 800 % the pixel covers 128..135 x 120..127, around the lines at x 132 and y 125;
    // at 400 %, 128..131 x 120..123.
    EXPECT_EQ(view.Get(130, 122), kWhite) << zoom;
    EXPECT_EQ(view.Get(133, 126), zoom == 800 ? kWhite : kBlack) << zoom;
    EXPECT_EQ(view.Get(130, 118), kBlack) << zoom;
    EXPECT_EQ(view.Get(100, 122), kBlack) << zoom;
  }
}

// The cross hair goes through the cell of the pointer's pixel at every zoom and density;
// at 96 dpi and 800 % that is the design's 132 and 125.
TEST(CrossHair, MarksThePickedPixelsCell) {
  for (int dpi : {96, 120, 144, 192}) {
    FakePlatform platform;
    platform.dpi = dpi;
    platform.screen = [](Point p) { return p.x == 512 && p.y == 384 ? kWhite : kBlack; };
    SamplingRig rig(platform);
    Start(rig);
    for (int zoom : {300, 400, 800, 1000}) {
      rig.magnifier.SetZoomValue(zoom);
      rig.zoomPanel.grid.value = 0;
      rig.magnifier.CaptureMagnifier({512, 384});
      const Surface& view = rig.magnifierPanel.view.surface;
      const int x = static_cast<int>(rig.magnifierPanel.crossHairV.x1), y = static_cast<int>(rig.magnifierPanel.crossHairH.y1);
      EXPECT_EQ(view.Get(x, y), kWhite) << dpi << " dpi, " << zoom << " %";
      EXPECT_GE(rig.magnifierPanel.crossHairV.y2, static_cast<float>(view.Height())) << dpi;
      EXPECT_GE(rig.magnifierPanel.crossHairH.x2, static_cast<float>(view.Width())) << dpi;
      // The pointer's picture is centred on the crossing.
      const ScreenRect image = rig.units.ClientPixels(rig.magnifierPanel.pointer), inner = rig.units.ClientPixels(rig.magnifierPanel.view);
      EXPECT_EQ(image.left - inner.left - 2 + image.width / 2, x) << dpi << " dpi, " << zoom << " %";
      EXPECT_EQ(image.top - inner.top - 2 + image.height / 2, y) << dpi << " dpi, " << zoom << " %";
      if (dpi == 96 && zoom == 800) {
        EXPECT_EQ(std::pair(x, y), std::pair(132, 125));
        EXPECT_EQ(std::pair(rig.magnifierPanel.pointer.place.left, rig.magnifierPanel.pointer.place.top), std::pair(116.0f * 15, 109.0f * 15));
      }
    }
  }
}

TEST_F(Sampling, EveryZoomFillsTheViewWithTheScreen) {
  platform.screen = [](Point) { return ComposeColor(1, 2, 3); };
  for (int zoom : {25, 60, 100, 300, 1000}) {
    rig.magnifier.SetZoomValue(zoom);
    rig.zoomPanel.grid.value = 0;
    rig.magnifier.CaptureMagnifier({600, 500});
    const Surface& view = rig.magnifierPanel.view.surface;
    for (int y = 0; y < view.Height(); y += 7)
      for (int x = 0; x < view.Width(); x += 7)
        ASSERT_EQ(view.Get(x, y), ComposeColor(1, 2, 3)) << zoom << " at " << x << "," << y;
  }
  EXPECT_EQ(platform.pointerDraws.back(), (Point{75, 28}));
}

TEST_F(Sampling, GridFromThreeHundredPercent) {
  platform.screen = [](Point) { return kWhite; };
  struct Case { int zoom; bool grid; };
  for (const Case c : {Case{299, false}, {300, true}, {800, true}, {1000, true}}) {
    rig.magnifier.SetZoomValue(c.zoom);
    rig.magnifier.CaptureMagnifier({512, 384});
    const Surface& view = rig.magnifierPanel.view.surface;
    EXPECT_EQ(view.Get(0, 0) == ComposeColor(128, 128, 128), c.grid) << c.zoom;
    EXPECT_EQ(view.Get(0, 1) == ComposeColor(192, 192, 192), c.grid) << c.zoom;
  }
  // Lines on multiples of the zoom from the view's corner: 0, 8, 16 ... at 800 %.
  rig.magnifier.SetZoomValue(800);
  rig.magnifier.CaptureMagnifier({512, 384});
  EXPECT_NE(rig.magnifierPanel.view.surface.Get(8, 3), kWhite);
  EXPECT_EQ(rig.magnifierPanel.view.surface.Get(9, 3), kWhite);
}

TEST_F(Sampling, ZoomTextBox) {
  struct Case { const char* typed; float factor; int scroll; const char* text; };
  for (const Case c : {Case{"50", 0.5f, 50, "50%"}, {"3333", 10.0f, 1000, "1000%"}, {"", 0.25f, 25, "25%"},
                       {"0", 0.25f, 25, "25%"}, {"99999999999999999999999", 10.0f, 1000, "1000%"}}) {
    rig.magnifier.ZoomBoxFocused();
    rig.zoomPanel.box.text = c.typed;
    int key = 13;
    rig.magnifier.ZoomBoxKeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_FLOAT_EQ(rig.magnifier.zoomFactor, c.factor) << c.typed;
    EXPECT_EQ(rig.zoomPanel.bar.value, c.scroll) << c.typed;
    rig.magnifier.ZoomBoxLeft();
    EXPECT_EQ(rig.zoomPanel.box.text, c.text) << c.typed;
  }
  rig.zoomPanel.box.text = "800%";
  rig.magnifier.ZoomBoxFocused();
  EXPECT_EQ(rig.zoomPanel.box.text, "800");
  EXPECT_EQ(rig.zoomPanel.box.selLength, 3);
  for (int key : {'a', '-', '.'}) {
    int k = key;
    rig.magnifier.ZoomBoxKeyPress(k);
    EXPECT_EQ(k, 0);
  }
  EXPECT_EQ(platform.beeps, 3);
  int digit = '7', backspace = 8;
  rig.magnifier.ZoomBoxKeyPress(digit);
  rig.magnifier.ZoomBoxKeyPress(backspace);
  EXPECT_EQ(digit, '7');
  EXPECT_EQ(backspace, 8);
  EXPECT_EQ(platform.beeps, 3);
}

TEST_F(Sampling, RestingPointerRenewsThePictureOnThe250thStep) {
  rig.eyedropper.TargetDown({kLeft, 0, 0, 0});
  Tick();  // first step at a new place takes a picture
  platform.blocks.clear();
  for (int i = 1; i < 250; ++i) Tick();
  EXPECT_TRUE(platform.blocks.empty());
  Tick();
  EXPECT_EQ(platform.blocks.size(), 1u);
}

// Only a colour fetched from elsewhere is one the user went to get: a click on the target
// reads the swatch under it (the colour already shown), a right press the target itself.
TEST(SamplingPress, OnlyAPickAwayFromThePressIsRemembered) {
  struct Case {
    const char* what;
    int button;
    std::optional<Point> moveTo;  // a move during the hold
    bool releasedOver;
    bool remembered;
  };
  const Point pressed{69, 98};
  for (const Case c : {Case{"left click", kLeft, std::nullopt, true, false},
                       {"left drag back to the press", kLeft, pressed, true, false},
                       {"left drag away", kLeft, Point{300, 200}, false, true},
                       {"right click", kRight, std::nullopt, true, false},
                       {"right drag within the target", kRight, Point{75, 100}, true, false},
                       {"right drag off the target", kRight, Point{300, 200}, false, true}}) {
    FakePlatform platform;
    platform.screen = Coded;
    Form1 form{platform};
    form.Initialise();
    platform.cursor = pressed;
    form.MouseDown(form.eyedropperPanel.target, {c.button, 0, 16, 16});
    // The left press takes the swatch under the lifted target, the right one the screen.
    EXPECT_EQ(form.channelPanel.boxes[0].text, c.button == kLeft ? "144" : "69") << c.what;
    if (c.moveTo) {
      platform.cursor = *c.moveTo;
      form.MouseMove(form.eyedropperPanel.target, {c.button, 0, 0, 0});
    }
    form.eyedropper.TargetUp({c.button, 0, 0, 0, c.releasedOver});
    EXPECT_EQ(form.history.Items().size(), c.remembered ? 1u : 0u) << c.what;
  }
}

TEST_F(SamplingInTheWindow, NoPictureOutsideADragOrWhileMinimised) {
  form.magnifier.SetZoomValue(400);
  form.HoverTick();
  EXPECT_TRUE(platform.blocks.empty());
  form.eyedropper.TargetDown({kRight, 0, 0, 0});
  bool cancel;
  form.Unload(cancel);
  form.HoverTick();
  EXPECT_TRUE(platform.blocks.empty());
}

TEST_F(SamplingInTheWindow, IdleTickWithButtonsAtRestAsksTheSystemNothing) {
  platform.queries = 0;
  for (int i = 0; i < 100; ++i) form.HoverTick();
  EXPECT_EQ(platform.queries, 0);
}

TEST_F(SamplingInTheWindow, ControlUnderThePointer) {
  struct Case { int x, y; const char* name; };
  for (const Case c : {Case{10 + 3 + 40 + 16, 40 + 16 + 26 + 16, "Picture2"}, {20, 70, "Picture1"},
                       {50, 200, "picZoom"}, {150, 300, "Image8"}, {140, 58, "Label_R"}, {5, 5, ""}, {270, 145, "Frame4"}, {200, 60, "Picture3"}}) {
    const Control* hit = form.ControlAt(c.x, c.y);
    EXPECT_EQ(hit ? hit->name : "", c.name) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace velkaro
