#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"
#include "rigs.h"
#include "gradient.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kRight = 2;

struct CurrentColour : testing::Test {
  FakePlatform platform;
  WorkspaceRig rig{platform};
  void SetUp() override { rig.workspace.ShowColour(kStartColour); }
};

struct TheWindow : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override { form.Initialise(); }
};

TEST_F(TheWindow, ShowsTheStartUpColourWithEveryReadout) {
  const std::pair<const TextBox*, const char*> expected[] = {
      {&form.channelPanel.boxes[0], "144"},       {&form.channelPanel.boxes[1], "196"},       {&form.channelPanel.boxes[2], "31"},
      {&form.readoutPanel.hsvHue, "79"},    {&form.readoutPanel.hsvSaturation, "84"},    {&form.readoutPanel.hsvValue, "77"},
      {&form.readoutPanel.hlsHue, "79"},    {&form.readoutPanel.hlsLightness, "45"},    {&form.readoutPanel.hlsSaturation, "73"},
      {&form.readoutPanel.cyan, "20"},   {&form.readoutPanel.magenta, "0"},    {&form.readoutPanel.yellow, "65"},
      {&form.readoutPanel.key, "23"},   {&form.readoutPanel.labLightness, "73"},    {&form.readoutPanel.labA, "-39"},
      {&form.readoutPanel.labB, "69"},    {&form.stripPanel.inverseBox, "111,59,224"}, {&form.zoomPanel.box, "800%"},
      {&form.notationPanel.rows[0], "&H1FC490&"}, {&form.notationPanel.rows[1], "#90C41F"},
      {&form.notationPanel.rows[2], "#90C41F"},   {&form.notationPanel.rows[3], "2081936"},
      {&form.notationPanel.rows[4], "#c90C41F"},  {&form.notationPanel.rows[5], "144,196,31"},
      {&form.notationPanel.rows[6], "1FC490"},
  };
  for (const auto& [box, text] : expected) EXPECT_EQ(box->text, text) << box->name;
  const ColorValue current = ComposeColor(144, 196, 31), inverse = ComposeColor(111, 59, 224);
  EXPECT_EQ(form.stripPanel.inverseBox.backColor, inverse);
  EXPECT_EQ(form.stripPanel.inverseBox.foreColor, current);
  EXPECT_EQ(form.notationPanel.rows[3].backColor, current);
  EXPECT_EQ(form.notationPanel.rows[3].foreColor, inverse);
  EXPECT_EQ(form.eyedropperPanel.swatch.surface.Get(50, 40), current);
  EXPECT_EQ(form.hueStripPanel.marker.fillColor, inverse);
  EXPECT_EQ(form.magnifierPanel.crossHairH.borderColor, inverse);
  EXPECT_FLOAT_EQ(form.magnifier.zoomFactor, 8.0f);
  EXPECT_EQ(form.zoomPanel.bar.value, 800);
  EXPECT_EQ(form.zoomPanel.onTop.value, 1);
  EXPECT_EQ(form.zoomPanel.grid.value, 1);
}

TEST_F(CurrentColour, StripsFollowTheColour) {
  const ColorValue current = ComposeColor(144, 196, 31), inverse = InvertColor(current);
  const Surface& p14 = rig.stripPanel.inverseStrip.surface;
  EXPECT_EQ(p14.Width(), 126);
  EXPECT_EQ(p14.Get(p14.Width() - 1, 10), current);
  EXPECT_EQ(rig.stripPanel.shadeStrip.surface.Get(rig.stripPanel.shadeStrip.surface.Width() - 1, 0), kBlack);
  EXPECT_EQ(rig.stripPanel.tintStrip.surface.Get(rig.stripPanel.tintStrip.surface.Width() - 1, 0), current);
  EXPECT_EQ(rig.tuningPanel.lightness.track.surface.Get(rig.tuningPanel.lightness.track.surface.Width() - 1, 2), current);
  // The radial picture: the colour at the centre, half way to the inverse at the edge.
  const Surface& zoom = rig.magnifierPanel.view.surface;
  EXPECT_EQ(zoom.Width(), 265);
  EXPECT_EQ(zoom.Height(), 244);
  EXPECT_EQ(zoom.Get(132, 122), current);
  EXPECT_EQ(zoom.Get(0, 122), BlendColor(current, inverse, 50));
}

TEST_F(CurrentColour, NegativeColourChangesNothing) {
  rig.workspace.ShowColour(kNoColor);
  EXPECT_EQ(rig.channelPanel.boxes[0].text, "144");
  EXPECT_EQ(rig.readoutPanel.hsvHue.text, "79");
}

TEST_F(CurrentColour, PureRedColoursTheChannelBoxes) {
  rig.workspace.ShowColour(255);
  EXPECT_EQ(rig.channelPanel.boxes[0].text, "255");
  EXPECT_EQ(rig.channelPanel.boxes[1].text, "0");
  EXPECT_EQ(rig.channelPanel.boxes[2].text, "0");
  EXPECT_EQ(rig.channelPanel.boxes[0].backColor, ComposeColor(255, 0, 0));
  EXPECT_EQ(rig.channelPanel.boxes[0].foreColor, ComposeColor(0, 255, 255));
  EXPECT_EQ(rig.channelPanel.boxes[1].backColor, kBlack);
  EXPECT_EQ(rig.channelPanel.boxes[1].foreColor, kWhite);
  EXPECT_EQ(rig.channelPanel.boxes[2].backColor, kBlack);
  EXPECT_EQ(rig.channelPanel.boxes[2].foreColor, kWhite);
}

TEST_F(CurrentColour, HueThatRoundsTo360ShowsInBothHueBoxes) {
  rig.workspace.ShowColour(ComposeColor(255, 0, 1));
  EXPECT_EQ(rig.readoutPanel.hsvHue.text, "360");
  EXPECT_EQ(rig.readoutPanel.hlsHue.text, "360");
}

TEST_F(CurrentColour, MinimisedWindowRefreshesNothing) {
  rig.windowState = WindowState::Minimised;
  const std::uint64_t strip = rig.stripPanel.inverseStrip.surface.Revision();
  rig.channelPanel.boxes[0].text = "0";
  rig.workspace.RefreshValues();
  rig.workspace.RefreshDisplay();
  EXPECT_EQ(rig.readoutPanel.hsvHue.text, "79");
  EXPECT_EQ(rig.notationPanel.rows[5].text, "144,196,31");
  EXPECT_EQ(rig.stripPanel.inverseBox.text, "111,59,224");
  EXPECT_EQ(rig.stripPanel.inverseStrip.surface.Revision(), strip);
}

// Pasted junk must not stop the program: a box counts as its leading number, clamped.
TEST_F(CurrentColour, JunkInAChannelBoxCountsAsItsLeadingNumber) {
  struct Case { const char* text; const char* shownRow; std::int32_t channel; };
  for (const Case c : {Case{"12a", "12a,196,31", 12}, {"abc", "abc,196,31", 0},
                       {"-5", "-5,196,31", 0}, {"99999999999999999999", "99999999999999999999,196,31", 255},
                       {"", ",196,31", 0}, {" 7", " 7,196,31", 7}, {"１２", "１２,196,31", 0}}) {
    rig.channelPanel.boxes[0].text = c.text;
    EXPECT_EQ(Workspace::ChannelOf(rig.channelPanel.boxes[0]), c.channel) << c.text;
    rig.workspace.RefreshValues();
    EXPECT_EQ(rig.notationPanel.rows[1].text, NotationTexts(ComposeColor(c.channel, 196, 31))[1]);
    EXPECT_EQ(rig.notationPanel.rows[5].text, c.shownRow);
  }
}

// A click copies the colour's notation, also over text typed into the row and never read.
TEST_F(CurrentColour, ClickOnANotationRowCopiesIt) {
  for (int button : {kLeft, kRight}) {
    platform.clipboard.clear();
    rig.notationPanel.rows[6].text = "abc";
    rig.notationPanel.rows[6].onMouseUp({button, 0, 10, 5});
    EXPECT_EQ(platform.clipboard, "1FC490");
    EXPECT_EQ(rig.notationPanel.rows[6].text, "1FC490");
    EXPECT_EQ(rig.notationPanel.rows[6].selLength, 6);
  }
}

// Enter, or the keyboard leaving the row, reads what was typed: a notation of the row's
// own kind sets the colour; anything else, and another row's kind, brings back the row.
TEST_F(CurrentColour, ANotationTypedIntoItsRowSetsTheColour) {
  struct Case { int row; const char* typed; ColorValue colour; };
  const ColorValue red = ComposeColor(255, 0, 0), start = kStartColour;
  for (const Case c : {Case{0, "&HFF&", red}, {0, " &h0000ff", red}, {1, "#FF0000", red}, {1, "#f00", red},
                       {2, "#ff0000", red}, {3, "255", red}, {4, "#cFF0000", red}, {5, "255, 0, 0", red},
                       {6, "0000FF", red}, {6, "ff", red},
                       {0, "abc", start}, {1, "&HFF&", start}, {1, "FF0000", start}, {3, "#FF0000", start},
                       {4, "#FF0000", start}, {5, "300,0,0", start}, {5, "255", start}, {6, "#0000FF", start},
                       {6, "1234567", start}, {3, "", start}}) {
    for (const bool byEnter : {true, false}) {
      rig.workspace.ShowColour(kStartColour);
      int confirmed = 0;
      rig.workspace.notationConfirmed = [&confirmed] { ++confirmed; };
      TextBox& row = rig.notationPanel.rows[static_cast<std::size_t>(c.row)];
      row.text = c.typed;
      if (byEnter) {
        int key = 13;
        row.onKeyPress(key);
        EXPECT_EQ(key, 0);  // the one-line box gets no Enter
      } else {
        row.onFocusLost();
      }
      const std::string what = std::to_string(c.row) + " \"" + c.typed + "\"";
      EXPECT_EQ(rig.workspace.CurrentColour(), c.colour) << what;
      EXPECT_EQ(row.text, NotationTexts(c.colour)[static_cast<std::size_t>(c.row)].str()) << what;
      EXPECT_EQ(rig.notationPanel.rows[1].text, NotationTexts(c.colour)[1].str()) << what;  // every row follows
      EXPECT_EQ(confirmed, c.colour == start ? 0 : 1) << what;
    }
  }
  int key = 'a';
  rig.notationPanel.rows[1].onKeyPress(key);  // other keys are typed as they come
  EXPECT_EQ(key, 'a');
}

// The rows' text is the inverse on the colour unless the two are too close to read; then
// black or white, whichever stands out more. The inverse box, the inverse way round.
TEST_F(CurrentColour, NotationTextStaysReadable) {
  struct Case { ColorValue colour, rowText, boxText; };
  const ColorValue start = kStartColour;
  for (const Case c : {Case{ComposeColor(128, 128, 128), kBlack, kBlack}, {ComposeColor(200, 100, 50), kBlack, kBlack},
                       {kBlack, kWhite, kBlack}, {start, InvertColor(start), start}}) {
    rig.workspace.ShowColour(c.colour);
    for (const TextBox& row : rig.notationPanel.rows) EXPECT_EQ(row.foreColor, c.rowText) << c.colour;
    EXPECT_EQ(rig.stripPanel.inverseBox.foreColor, c.boxText) << c.colour;
  }
  for (int r = 0; r < 256; r += 3)
    for (int g = 0; g < 256; g += 3)
      for (int b = 0; b < 256; b += 3) {
        const ColorValue colour = ComposeColor(r, g, b);
        ASSERT_GE(ContrastRatio(ReadableOn(colour), colour), 2.0) << colour;
      }
}

}  // namespace
}  // namespace velkaro
