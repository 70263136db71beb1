#include <gtest/gtest.h>

#include "fake_platform.h"
#include "rigs.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kRight = 2;
constexpr float kTrackW = 1215;

struct Sliders : testing::Test {
  FakePlatform platform;
  SlidersRig rig{platform};
  void SetUp() override {
    rig.workspace.ShowColour(kStartColour);
    platform.calls.clear();
  }
  // Drags a thumb from where it stands by dx twips.
  void DragThumb(int channel, float dx) {
    const float grab = 80;
    rig.sliders.ThumbDown({kLeft, 0, grab, 75});
    rig.sliders.ThumbMove(channel, {kLeft, 0, grab + dx, 75});
  }
};

TEST_F(Sliders, ThumbPositionGivesTheChannel) {
  struct Case { float left; const char* text; };
  for (const Case c : {Case{0, "0"}, {kTrackW, "255"}, {607.5f, "127"}, {kTrackW + 500, "255"}, {-300, "0"}}) {
    rig.channelPanel.sliders[0].thumb.place.left = 100;
    DragThumb(0, c.left - 100);
    EXPECT_EQ(rig.channelPanel.boxes[0].text, c.text) << c.left;
    EXPECT_FLOAT_EQ(rig.channelPanel.sliders[0].thumb.place.left, std::clamp(c.left, 0.0f, kTrackW)) << c.left;
  }
  EXPECT_EQ(rig.channelPanel.boxes[0].backColor, ComposeColor(0, 0, 0));
  // The readouts follow: red 0 with green 196 and blue 31.
  EXPECT_EQ(rig.notationPanel.rows[5].text, "0,196,31");
  EXPECT_EQ(rig.readoutPanel.hsvHue.text, DecimalText(RgbToHsv(0, 196, 31).h));
}

TEST_F(Sliders, BlueAtTheEndIsPureBlue) {
  DragThumb(2, 5000);
  EXPECT_EQ(rig.channelPanel.boxes[2].text, "255");
  EXPECT_EQ(rig.channelPanel.boxes[2].backColor, ComposeColor(0, 0, 255));
}

TEST_F(Sliders, DragConfinesThePointerToTheSliderUntilRelease) {
  DragThumb(1, 30);
  // greenSlider at (375, 765) twips in channelFrame at (132, 40): client (157, 91), 92 x 19.
  ASSERT_TRUE(platform.clip.has_value());
  EXPECT_EQ(platform.clip->left, 313 + 157);
  EXPECT_EQ(platform.clip->top, 264 + 91);
  EXPECT_EQ(platform.clip->width, 92);
  EXPECT_EQ(platform.clip->height, 19);
  rig.sliders.SliderUp();
  EXPECT_FALSE(platform.clip.has_value());
}

TEST_F(Sliders, BothButtonsOnlyShowTheHandAndLiftTheConfinement) {
  DragThumb(0, 30);
  const std::string before = rig.channelPanel.boxes[0].text;
  platform.calls.clear();
  rig.sliders.ThumbMove(0, {kLeft | kRight, 0, 400, 75});
  EXPECT_EQ(platform.calls, std::vector<std::string>{"SetHandCursor"});
  EXPECT_FALSE(platform.clip.has_value());
  EXPECT_EQ(rig.channelPanel.boxes[0].text, before);
}

TEST_F(Sliders, TrackPressKeepsTheThumbAndRewritesTheChannel) {
  rig.channelPanel.sliders[1].thumb.place.left = 600;  // floor(255 x 600 / 1215) = 125
  rig.channelPanel.boxes[1].text = "7";
  rig.sliders.TrackDown(1, {kLeft, 0, 40, 3});
  EXPECT_FLOAT_EQ(rig.channelPanel.sliders[1].thumb.place.left, 600);
  EXPECT_EQ(rig.channelPanel.boxes[1].text, "125");
  EXPECT_TRUE(platform.clip.has_value());
}

TEST_F(Sliders, TrackMovePutsTheThumbAtThePointer) {
  rig.sliders.TrackDown(0, {kLeft, 0, 10, 3});
  rig.sliders.TrackMove(0, {kLeft, 0, 40, 3});  // 40 px = 600 twips
  EXPECT_FLOAT_EQ(rig.channelPanel.sliders[0].thumb.place.left, 600);
  EXPECT_EQ(rig.channelPanel.boxes[0].text, "125");
  rig.sliders.TrackMove(0, {kLeft, 0, 200, 3});  // beyond the end
  EXPECT_EQ(rig.channelPanel.boxes[0].text, "255");
}

TEST_F(Sliders, ThumbsFollowTheColour) {
  rig.workspace.ShowColour(ComposeColor(255, 0, 51));
  EXPECT_FLOAT_EQ(rig.channelPanel.sliders[0].thumb.place.left, kTrackW);
  EXPECT_FLOAT_EQ(rig.channelPanel.sliders[1].thumb.place.left, 0);
  EXPECT_FLOAT_EQ(rig.channelPanel.sliders[2].thumb.place.left, kTrackW / 255.0f * 51);
}

TEST_F(Sliders, TrackRamps) {
  rig.sliders.DrawChannelRamps(10, 20, 30);
  const Surface& red = rig.channelPanel.sliders[0].track.surface;
  const Surface& green = rig.channelPanel.sliders[1].track.surface;
  ASSERT_EQ(red.Width(), 81);
  EXPECT_EQ(red.Get(0, 0), ComposeColor(0, 20, 30));
  EXPECT_EQ(red.Get(76, 5), ComposeColor(255, 20, 30));
  EXPECT_EQ(red.Get(80, 2), ComposeColor(255, 20, 30));
  EXPECT_EQ(green.Get(38, 1), ComposeColor(10, 128, 30));
  EXPECT_EQ(rig.channelPanel.sliders[2].track.surface.Get(1, 0), ComposeColor(10, 20, 3));
}

// ---- entry boxes ----

void Type(SlidersRig& rig, TextBox& box, const std::string& keys) {
  for (char k : keys) {
    int key = static_cast<unsigned char>(k);
    rig.channelBoxes.ChannelKeyPress(key);
    if (key == 8) {
      if (!box.text.empty()) box.text.pop_back();
    } else if (key != 0) {
      // A selection made by the program is replaced by the typed digit.
      if (box.selLength == static_cast<int>(box.text.size()) && box.selLength > 0) box.text.clear();
      box.text += static_cast<char>(key);
    }
    box.selLength = 0;
    rig.channelBoxes.ChannelKeyUp(box, key);
  }
}

TEST_F(Sliders, TypingIntoAChannelBox) {
  rig.channelPanel.boxes[1].text.clear();
  Type(rig, rig.channelPanel.boxes[1], "3");
  EXPECT_EQ(rig.channelPanel.boxes[1].text, "3");
  Type(rig, rig.channelPanel.boxes[1], "0");
  EXPECT_EQ(rig.channelPanel.boxes[1].text, "30");
  Type(rig, rig.channelPanel.boxes[1], "0");
  EXPECT_EQ(rig.channelPanel.boxes[1].text, "255");
  EXPECT_EQ(rig.channelPanel.boxes[1].selLength, 3);
  EXPECT_EQ(platform.clipboard, "255");
  EXPECT_FLOAT_EQ(rig.channelPanel.sliders[1].thumb.place.left, kTrackW);
  EXPECT_EQ(rig.notationPanel.rows[5].text, "144,255,31");
}

TEST_F(Sliders, EmptiedBoxBecomesZeroAndTheNextDigitReplacesIt) {
  Type(rig, rig.channelPanel.boxes[2], "\b\b");
  EXPECT_EQ(rig.channelPanel.boxes[2].text, "0");
  EXPECT_EQ(platform.clipboard, "0");
  EXPECT_EQ(rig.channelPanel.boxes[2].selLength, 1);
  Type(rig, rig.channelPanel.boxes[2], "7");
  EXPECT_EQ(rig.channelPanel.boxes[2].text, "7");
}

TEST_F(Sliders, KeyReleaseAtTheEdges) {
  struct Case { const char* text; const char* after; bool copied; std::int32_t channel; };
  for (const Case c : {Case{"0", "0", true, 0}, {"007", "007", false, 7}, {"255", "255", true, 255},
                       {"254", "254", false, 254}, {"1", "1", false, 1}}) {
    platform.clipboard.clear();
    rig.channelPanel.boxes[0].text = c.text;
    rig.channelBoxes.ChannelKeyUp(rig.channelPanel.boxes[0], '0');
    EXPECT_EQ(rig.channelPanel.boxes[0].text, c.after) << c.text;
    EXPECT_EQ(!platform.clipboard.empty(), c.copied) << c.text;
    EXPECT_EQ(SplitChannels(rig.workspace.CurrentColour()).r, c.channel) << c.text;
    EXPECT_EQ(rig.readoutPanel.hsvValue.text, DecimalText(RgbToHsv(static_cast<std::int16_t>(c.channel), 196, 31).v));
  }
}

// Keys that change nothing leave the box and the clipboard alone: Tab arriving, arrows,
// Home, End, Shift, Ctrl, Ctrl+A. At 255, End then Backspace gives 25.
TEST_F(Sliders, NavigationKeysLeaveTheClipboardAlone) {
  constexpr int kCtrl = 2;
  struct Key { int code, shift; };
  for (const char* text : {"0", "255"}) {
    for (const Key k : {Key{9, 0}, {37, 0}, {39, 0}, {36, 0}, {35, 0}, {16, 0}, {17, 0}, {'A', kCtrl}, {'C', kCtrl}}) {
      TextBox& green = rig.channelPanel.boxes[1];
      green.text = text;
      green.selLength = 0;
      platform.clipboard = "77";
      green.onKeyUp(k.code, k.shift);
      EXPECT_EQ(platform.clipboard, "77") << text << " key " << k.code;
      EXPECT_EQ(green.selLength, 0) << text << " key " << k.code;
    }
  }
  TextBox& green = rig.channelPanel.boxes[1];
  green.text = "255";
  green.onKeyUp(35, 0);  // End
  green.text = "25";     // Backspace, as the edit applies it
  green.onKeyUp(8, 0);
  EXPECT_EQ(green.text, "25");
  // A paste from the keyboard is a change: "300" becomes 255, selected and copied.
  green.text = "300";
  green.onKeyUp('V', kCtrl);
  EXPECT_EQ(green.text, "255");
  EXPECT_EQ(platform.clipboard, "255");
}

TEST_F(Sliders, OnlyDigitsAndBackspaceGetThrough) {
  for (int key : {int{'a'}, int{'-'}, int{'.'}, 13, 22, 3}) {
    int k = key;
    rig.channelBoxes.ChannelKeyPress(k);
    EXPECT_EQ(k, 0) << key;
  }
  for (int key : {int{'0'}, int{'9'}, 8}) {
    int k = key;
    rig.channelBoxes.ChannelKeyPress(k);
    EXPECT_EQ(k, key);
  }
  EXPECT_EQ(platform.beeps, 0);
}

// Pasted text never leaves a box outside 0-255.
TEST_F(Sliders, PastedJunkLeavesAChannelValue) {
  struct Case { const char* pasted; const char* text; };
  for (const Case c : {Case{"12a", "12"}, {"abc", "0"}, {"-5", "0"}, {"１２", "0"},
                       {"99999999999999999999", "255"}, {"12.7", "13"}, {" 40 ", "40"}}) {
    rig.channelPanel.boxes[1].text = c.pasted;
    rig.channelBoxes.ChannelTextChanged(rig.channelPanel.boxes[1]);
    EXPECT_EQ(rig.channelPanel.boxes[1].text, c.text) << c.pasted;
    const std::int32_t g = Workspace::ChannelOf(rig.channelPanel.boxes[1]);
    EXPECT_EQ(rig.notationPanel.rows[1].text, NotationTexts(ComposeColor(144, g, 31))[1]) << c.pasted;
  }
}

// A thumb placed for v reads back as v when pressed without moving, at every density and
// for a press on the thumb, a press on the track and a move that is only vertical.
TEST(SliderReadBack, EveryChannelAtEveryDensity) {
  for (int dpi : {96, 120, 144, 168, 192}) {
    FakePlatform platform;
    platform.dpi = dpi;
    SlidersRig rig(platform);
    rig.workspace.ShowColour(kStartColour);
    for (int ch = 0; ch < 3; ++ch) {
      const TextBox& box = rig.channelPanel.boxes[static_cast<std::size_t>(ch)];
      for (int v = 0; v <= 255; ++v) {
        Rgb c{144, 196, 31};
        (ch == 0 ? c.r : ch == 1 ? c.g : c.b) = static_cast<std::uint8_t>(v);
        rig.workspace.SetChannels(c);
        const float grab = 80;
        rig.sliders.ThumbDown({kLeft, 0, grab, 75});
        rig.sliders.ThumbMove(ch, {kLeft, 0, grab, 140});  // straight down
        rig.sliders.SliderUp();
        ASSERT_EQ(box.text, DecimalText(v)) << "dpi " << dpi << " channel " << ch;
        rig.sliders.TrackDown(ch, {kLeft, 0, 3, 3});
        rig.sliders.SliderUp();
        ASSERT_EQ(box.text, DecimalText(v)) << "track press, dpi " << dpi << " channel " << ch;
      }
    }
  }
}

// Away from the placed thumbs the reading is floor(255 x L / W), as before.
TEST(SliderReadBack, OtherPlacesReadAsTheFloor) {
  for (float L = 0; L <= kTrackW; L += 0.5f) {
    const auto floorRead = std::clamp(static_cast<int>(std::floor(255 * (static_cast<double>(L) / kTrackW))), 0, 255);
    const int read = ChannelSliders::ChannelAt(L, kTrackW);
    const bool atAThumb = read != floorRead;
    ASSERT_TRUE(!atAThumb || (read == floorRead + 1 && kTrackW / 255.0f * static_cast<float>(read) - L <= 1e-3f))
        << L;
  }
  EXPECT_EQ(ChannelSliders::ChannelAt(0, kTrackW), 0);
  EXPECT_EQ(ChannelSliders::ChannelAt(kTrackW, kTrackW), 255);
}

TEST(SliderUnits, PixelsToTwips) {
  FakePlatform platform;
  SlidersRig rig(platform);
  EXPECT_EQ(rig.sliders.PixelsToTwips(0, 3), 0);
  EXPECT_EQ(rig.sliders.PixelsToTwips(10, 0), 150);
  EXPECT_EQ(rig.sliders.PixelsToTwips(0.5f, 0), 8);  // 7.5 to the even 8
  EXPECT_TRUE(platform.messages.empty());
  platform.dpi = 0;
  EXPECT_EQ(rig.sliders.PixelsToTwips(10, 0), 0);
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Error: 11|Division by zero|error"});
  platform.dpi = 96;
  EXPECT_EQ(rig.sliders.PixelsToTwips(3e9f, 0), 0);
  EXPECT_EQ(platform.messages.back(), "Error: 6|Overflow|error");
}

}  // namespace
}  // namespace velkaro
