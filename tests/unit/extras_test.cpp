// The pick hotkey, area averaging and the recent colours, on the fake platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "colour_history.h"
#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kShift = 1, kCtrl = 2, kAlt = 4;
constexpr char kHistoryKey[] = "Pelmora_Color\\Soft_Stat\\History";

ColorValue Coded(Point p) { return ComposeColor(p.x & 0xFF, p.y & 0xFF, 77); }

struct Extras : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override {
    platform.screen = Coded;
    form.Initialise();
    platform.calls.clear();
  }
  std::string Channels() const { return form.channelPanel.boxes[0].text + "," + form.channelPanel.boxes[1].text + "," + form.channelPanel.boxes[2].text; }
  void HotkeyMoveTo(int x, int y, int shift = 0) {
    platform.cursor = Point{x, y};
    form.eyedropper.HotkeyPickMove(shift);
  }
};

TEST_F(Extras, HotkeyShowsTheHiddenWindowAndAClickEndsThePickWithACopy) {
  bool cancel = false;
  form.Unload(cancel);  // hidden in the tray
  platform.cursor = Point{10, 20};
  form.HotkeyPressed();
  EXPECT_TRUE(form.Shown());
  EXPECT_EQ(form.State(), WindowState::Normal);
  EXPECT_NE(std::find(platform.calls.begin(), platform.calls.end(), "ShowWindowRestored"), platform.calls.end());
  EXPECT_EQ(form.Pick(), PickMode::Hotkey);
  EXPECT_TRUE(form.eyedropper.HotkeyPicking());
  EXPECT_EQ(form.eyedropperPanel.target.picture, PictureId::None);  // the target is lifted, as in a drag
  EXPECT_EQ(Channels(), "10,20,77");
  HotkeyMoveTo(100, 50);
  EXPECT_EQ(Channels(), "100,50,77");
  EXPECT_EQ(form.magnifierPanel.frame.caption, "像素坐标校准:X:100,Y:50");
  form.eyedropper.TargetUp();  // a stray release does not end it
  EXPECT_TRUE(form.eyedropper.HotkeyPicking());
  platform.cursor = Point{120, 60};  // the click lands where the pointer is now
  form.EndHotkeyPick(true);
  EXPECT_EQ(Channels(), "120,60,77");
  EXPECT_EQ(platform.clipboard, "#783C4D");
  EXPECT_EQ(form.Pick(), PickMode::None);
  EXPECT_FALSE(form.eyedropper.HotkeyPicking());
  EXPECT_EQ(form.eyedropperPanel.target.picture, PictureId::Target);
  EXPECT_EQ(form.history.Items(), (std::vector<ColorValue>{ComposeColor(120, 60, 77)}));
  HotkeyMoveTo(5, 5);  // over: moves pick nothing
  EXPECT_EQ(Channels(), "120,60,77");
}

TEST_F(Extras, CancellingBringsBackTheColourFromBefore) {
  const std::string before = Channels(), html = form.notationPanel.rows[1].text, lab = form.readoutPanel.labA.text;
  platform.clipboard = "untouched";
  form.HotkeyPressed();
  HotkeyMoveTo(200, 100);
  EXPECT_EQ(Channels(), "200,100,77");
  EXPECT_NE(form.magnifierPanel.pointer.picture, PictureId::None);
  form.EndHotkeyPick(false);
  EXPECT_EQ(form.magnifierPanel.pointer.picture, PictureId::None);  // no pointer left over the resting picture
  EXPECT_EQ(Channels(), before);
  EXPECT_EQ(form.notationPanel.rows[1].text, html);
  EXPECT_EQ(form.readoutPanel.labA.text, lab);
  EXPECT_EQ(form.magnifierPanel.frame.caption, "像素坐标校准:");
  EXPECT_EQ(platform.clipboard, "untouched");
  EXPECT_TRUE(form.history.Items().empty());
  EXPECT_EQ(form.Pick(), PickMode::None);
  form.EndHotkeyPick(true);  // nothing on: nothing copied
  EXPECT_EQ(platform.clipboard, "untouched");
}

TEST_F(Extras, HotkeyDuringADragChangesNothing) {
  platform.cursor = Point{10, 20};
  form.eyedropper.TargetDown({kLeft, 0, 0, 0});
  form.HotkeyPressed();
  EXPECT_FALSE(form.eyedropper.HotkeyPicking());
  platform.cursor = Point{30, 40};
  form.eyedropper.TargetMove({kLeft, 0, 0, 0});
  form.eyedropper.TargetUp();
  EXPECT_EQ(form.Pick(), PickMode::None);
  EXPECT_EQ(form.history.Items(), (std::vector<ColorValue>{ComposeColor(30, 40, 77)}));  // the drag's end
}

TEST(ExtrasHotkey, AHotkeyHeldElsewhereIsToldInTheTrayTip) {
  FakePlatform platform;
  platform.hotkeyFree = false;
  Form1 form(platform);
  form.Initialise();
  EXPECT_NE(std::find(platform.calls.begin(), platform.calls.end(),
                      "AddTrayIcon Velkaro Ver2.2.1（取色热键 Ctrl+Alt+C 不可用）"),
            platform.calls.end());
  EXPECT_TRUE(form.Shown());  // the program goes on
}

// Each case: a screen of given pixels around the pointer, the keys held and the mean.
ColorValue Checker(Point p, ColorValue a, ColorValue b) { return (p.x + p.y) % 2 == 0 ? a : b; }

TEST_F(Extras, AveragingTakesTheMeanOfTheSquareRoundedHalfToEven) {
  const ColorValue white = ComposeColor(255, 255, 255);
  struct {
    const char* what;
    Point at;
    int shift;
    std::function<ColorValue(Point)> screen;
    std::string expected, suffix;
  } cases[] = {
      {"no keys: the pixel", {100, 100}, 0, [&](Point p) { return Checker(p, white, kBlack); }, "255,255,255", ""},
      {"Ctrl: 5 white, 4 black", {100, 100}, kCtrl, [&](Point p) { return Checker(p, white, kBlack); },
       "142,142,142", " 3x3"},  // 1275 / 9 = 141.7
      {"Ctrl+Shift: 13 white, 12 black", {100, 100}, kCtrl | kShift,
       [&](Point p) { return Checker(p, white, kBlack); }, "133,133,133", " 5x5"},  // 3315 / 25 = 132.6
      {"Ctrl+Alt (the hotkey's keys): the pixel", {100, 100}, kCtrl | kAlt,
       [&](Point p) { return Checker(p, white, kBlack); }, "255,255,255", ""},
      // Pixels off the screen are left out: counting them would give 12 / 9, 1.
      {"Ctrl in the corner: 4 pixels on the screen, 1.5 rounds to 2", {0, 0}, kCtrl,
       [](Point p) { return ComposeColor(p.y == 1 ? 2 : 1, 0, 0); }, "2,0,0", " 3x3"},
      {"Ctrl in the corner: 0.5 rounds to 0", {0, 0}, kCtrl,
       [](Point p) { return ComposeColor(p.x == p.y ? 1 : 0, 0, 0); }, "0,0,0", " 3x3"},
      {"Ctrl at the right edge: 6 pixels, 2.5 rounds to 2", {1279, 500}, kCtrl,
       [](Point p) { return ComposeColor(0, 0, p.x >= 1279 ? 5 : 0); }, "0,0,2", " 3x3"},
      {"Ctrl+Shift at the top edge: 12 pixels, 3.5 rounds to 4", {1, 0}, kCtrl | kShift,
       [](Point p) { return ComposeColor(0, (p.x + p.y) % 2 == 0 ? 7 : 0, 0); }, "0,4,0", " 5x5"},
  };
  for (const auto& c : cases) {
    platform.screen = c.screen;
    form.HotkeyPressed();
    HotkeyMoveTo(c.at.x, c.at.y, c.shift);
    EXPECT_EQ(Channels(), c.expected) << c.what;
    EXPECT_EQ(form.magnifierPanel.frame.caption, "像素坐标校准:X:" + std::to_string(c.at.x) + ",Y:" + std::to_string(c.at.y) + c.suffix)
        << c.what;
    EXPECT_EQ(form.magnifier.averageSpan, Eyedropper::SpanOf(c.shift)) << c.what;
    form.EndHotkeyPick(false);
    EXPECT_EQ(form.magnifier.averageSpan, 1) << c.what;
  }
}

TEST_F(Extras, PressingCtrlWithoutMovingPicksTheSamePlaceAveraged) {
  platform.screen = [](Point p) { return Checker(p, ComposeColor(255, 255, 255), kBlack); };
  platform.cursor = Point{100, 100};
  form.eyedropper.TargetDown({kLeft, 0, 0, 0});  // a drag
  EXPECT_EQ(Channels(), "144,196,31");           // the swatch under the lifted target
  form.eyedropper.ModifiersChanged(kCtrl);
  EXPECT_EQ(Channels(), "142,142,142");
  form.eyedropper.ModifiersChanged(0);
  EXPECT_EQ(Channels(), "255,255,255");
}

TEST(ExtrasMagnifier, TheMagnifierOutlinesTheAveragedCellsAtEveryDensity) {
  for (const int dpi : {96, 144, 192}) {
    FakePlatform platform;
    platform.dpi = dpi;
    platform.screen = [](Point) { return ComposeColor(40, 80, 120); };
    Form1 form(platform);
    form.Initialise();
    for (const int shift : {kCtrl, kCtrl | kShift}) {
      form.HotkeyPressed();
      platform.cursor = Point{300, 300};
      form.eyedropper.HotkeyPickMove(shift);
      form.TakeDuePicture();
      const Surface& view = form.magnifierPanel.view.surface;
      int white = 0, black = 0, left = view.Width(), right = -1;
      for (int y = 0; y < view.Height(); ++y)
        for (int x = 0; x < view.Width(); ++x) {
          white += view.Get(x, y) == ComposeColor(255, 255, 255);
          if (view.Get(x, y) == kBlack) {
            ++black;
            left = std::min(left, x);
            right = std::max(right, x);
          }
        }
      // At 800 % a square of 8 x span pixels: its black frame, and a white one around it.
      const int side = 8 * Eyedropper::SpanOf(shift);
      EXPECT_EQ(black, 4 * (side - 1)) << dpi << " dpi, span " << Eyedropper::SpanOf(shift);
      EXPECT_EQ(white, 4 * (side + 1)) << dpi << " dpi";
      // The cross hair's vertical line runs through the middle cell of the square.
      const int cross = static_cast<int>(form.magnifierPanel.crossHairV.x1);
      EXPECT_GT(cross, left + side / 2 - 8) << dpi << " dpi";
      EXPECT_LT(cross, right - side / 2 + 8) << dpi << " dpi";
      form.EndHotkeyPick(false);
    }
  }
}

TEST(History, NewestFirstWithoutRepeatsAtMostSixteen) {
  FakeSettings settings;
  ColourHistory history(settings);
  for (int i = 1; i <= 20; ++i) history.Add(ComposeColor(i, 0, 0));
  history.Add(ComposeColor(10, 0, 0));  // again: to the front, not twice
  ASSERT_EQ(history.Items().size(), kHistoryLength);
  EXPECT_EQ(history.Items()[0], ComposeColor(10, 0, 0));
  EXPECT_EQ(history.Items()[1], ComposeColor(20, 0, 0));
  EXPECT_EQ(history.Items().back(), ComposeColor(5, 0, 0));
  EXPECT_EQ(std::count(history.Items().begin(), history.Items().end(), ComposeColor(10, 0, 0)), 1);
  ColourHistory reread(settings);  // the next run
  reread.Load();
  EXPECT_EQ(reread.Items(), history.Items());
  EXPECT_EQ(settings.GetSetting("Pelmora_Color", "Soft_Stat", "History").substr(0, 16), "#0A0000,#140000,");
}

TEST(History, ADamagedValueCountsAsEmpty) {
  for (const std::string& damaged : std::vector<std::string>{"#12345", "#1234567", "123456", "#12345G", "#123456,", ",#123456", "#123456;#654321", "#123456,#123456",
        "#000001,#000002,#000003,#000004,#000005,#000006,#000007,#000008,#000009,#00000A,#00000B,#00000C,#00000D,"
        "#00000E,#00000F,#000010,#000011",
        std::string("#123456\0", 8), " #123456"}) {
    FakeSettings settings;
    settings.SaveSetting("Pelmora_Color", "Soft_Stat", "History", damaged);
    ColourHistory history(settings);
    history.Load();
    EXPECT_TRUE(history.Items().empty()) << damaged;
  }
  EXPECT_EQ(ColourHistory::Parse("#abcdef,#ABCDEF0"), std::nullopt);
  EXPECT_EQ(ColourHistory::Parse("#abcdef"), (std::vector<ColorValue>{ComposeColor(0xAB, 0xCD, 0xEF)}));
}

TEST_F(Extras, TheHistoryRecordsDialogChoicesAndConfirmedTypingAndTheTrayMenuListsIt) {
  platform.chosenColour = ComposeColor(1, 2, 3);
  form.frame.ImageButtonUp(form.buttonPanel.colourDialog);
  form.RunDueModal();
  form.channelPanel.boxes[0].text = "9";
  form.KeyUp(form.channelPanel.boxes[0], '9', 0);  // typing alone is not confirming
  EXPECT_EQ(form.history.Items(), (std::vector<ColorValue>{ComposeColor(1, 2, 3)}));
  form.KeyUp(form.channelPanel.boxes[0], 13, 0);  // Enter
  EXPECT_EQ(form.history.Items(), (std::vector<ColorValue>{ComposeColor(9, 2, 3), ComposeColor(1, 2, 3)}));
  platform.chosenColour.reset();  // a cancelled dialog adds nothing
  form.frame.ImageButtonUp(form.buttonPanel.colourDialog);
  form.RunDueModal();
  EXPECT_EQ(form.history.Items().size(), 2u);

  // The next run lists them in the tray menu; choosing the older sets it and copies it.
  Form1 next(platform);
  next.Initialise();
  platform.menuChoice = TrayMenuItem::Recent;
  platform.recentChoice = 1;
  next.tray.Clicked(TrayClick::Right);
  EXPECT_EQ(platform.menuRecent, (std::vector<ColorValue>{ComposeColor(9, 2, 3), ComposeColor(1, 2, 3)}));
  EXPECT_EQ(next.channelPanel.boxes[0].text + "," + next.channelPanel.boxes[1].text + "," + next.channelPanel.boxes[2].text, "1,2,3");
  EXPECT_EQ(next.readoutPanel.hsvValue.text, DecimalText(RgbToHsv(1, 2, 3).v));
  EXPECT_EQ(platform.clipboard, "#010203");
}

}  // namespace
}  // namespace velkaro

namespace velkaro {
namespace {

// With the window hidden the colour waits for it: the copy is made from the colour itself,
// no box or readout changes while hidden (all tell of one colour), and the window shows the
// colour once it is back.
TEST_F(Extras, ARecentColourChosenWhileHiddenIsCopiedAndShownOnReturn) {
  form.history.Add(ComposeColor(1, 2, 3));
  form.history.Add(ComposeColor(4, 5, 6));
  bool cancel = false;
  form.Unload(cancel);
  platform.menuChoice = TrayMenuItem::Recent;
  platform.recentChoice = 1;
  const std::string before = form.channelPanel.boxes[0].text + "," + form.notationPanel.rows[5].text;
  form.tray.Clicked(TrayClick::Right);
  EXPECT_EQ(platform.clipboard, "#010203");
  EXPECT_EQ(form.channelPanel.boxes[0].text + "," + form.notationPanel.rows[5].text, before);
  form.tray.Clicked(TrayClick::Left);  // shown again
  form.Restored();                      // as the view reports the restore
  EXPECT_EQ(form.notationPanel.rows[5].text, "1,2,3");
  EXPECT_EQ(form.notationPanel.rows[1].text, "#010203");
  EXPECT_EQ(form.readoutPanel.hsvValue.text, DecimalText(RgbToHsv(1, 2, 3).v));
}

}  // namespace
}  // namespace velkaro
