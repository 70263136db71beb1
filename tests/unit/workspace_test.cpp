#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"
#include "gradient.h"

namespace velkaro {
namespace {

constexpr int kLeft = 1, kRight = 2;

struct CurrentColour : testing::Test {
  FakePlatform platform;
  Form1 form{platform};
  void SetUp() override { form.Form_Initialize(); }
};

TEST_F(CurrentColour, ShowsTheStartUpColourWithEveryReadout) {
  const std::pair<const TextBox*, const char*> expected[] = {
      {&form.Text_R, "144"},       {&form.Text_G, "196"},       {&form.Text_B, "31"},
      {&form.Text_HSV_H, "79"},    {&form.Text_HSV_S, "84"},    {&form.Text_HSV_V, "77"},
      {&form.Text_HSL_H, "79"},    {&form.Text_HSL_L, "45"},    {&form.Text_HSL_S, "73"},
      {&form.Text_Cmyk_C, "20"},   {&form.Text_Cmyk_M, "0"},    {&form.Text_Cmyk_Y, "65"},
      {&form.Text_Cmyk_K, "23"},   {&form.Text_Lab_L, "73"},    {&form.Text_Lab_A, "-39"},
      {&form.Text_Lab_B, "69"},    {&form.Text5, "111,59,224"}, {&form.txtZoom, "800%"},
      {&form.Color_TextBox[0], "&H1FC490&"}, {&form.Color_TextBox[1], "#90C41F"},
      {&form.Color_TextBox[2], "#90C41F"},   {&form.Color_TextBox[3], "2081936"},
      {&form.Color_TextBox[4], "#c90C41F"},  {&form.Color_TextBox[5], "144,196,31"},
      {&form.Color_TextBox[6], "1FC490"},
  };
  for (const auto& [box, text] : expected) EXPECT_EQ(box->text, text) << box->name;
  const ColorValue current = ComposeColor(144, 196, 31), inverse = ComposeColor(111, 59, 224);
  EXPECT_EQ(form.Text5.backColor, inverse);
  EXPECT_EQ(form.Text5.foreColor, current);
  EXPECT_EQ(form.Color_TextBox[3].backColor, current);
  EXPECT_EQ(form.Color_TextBox[3].foreColor, inverse);
  EXPECT_EQ(form.Picture1.surface.Get(50, 40), current);
  EXPECT_EQ(form.Shape2.fillColor, inverse);
  EXPECT_EQ(form.Line1.borderColor, inverse);
  EXPECT_FLOAT_EQ(form.magnifier.ZoomFactor, 8.0f);
  EXPECT_EQ(form.hsbZoom.value, 800);
  EXPECT_EQ(form.chkOnTop.value, 1);
  EXPECT_EQ(form.chkGrid.value, 1);
}

TEST_F(CurrentColour, StripsFollowTheColour) {
  const ColorValue current = ComposeColor(144, 196, 31), inverse = InvertColor(current);
  const Surface& p14 = form.Picture14.surface;
  EXPECT_EQ(p14.Width(), 126);
  EXPECT_EQ(p14.Get(p14.Width() - 1, 10), current);
  EXPECT_EQ(form.Picture15.surface.Get(form.Picture15.surface.Width() - 1, 0), kBlack);
  EXPECT_EQ(form.Picture5.surface.Get(form.Picture5.surface.Width() - 1, 0), current);
  EXPECT_EQ(form.Picture8.surface.Get(form.Picture8.surface.Width() - 1, 2), current);
  // The radial picture: the colour at the centre, half way to the inverse at the edge.
  const Surface& zoom = form.picZoom.surface;
  EXPECT_EQ(zoom.Width(), 265);
  EXPECT_EQ(zoom.Height(), 244);
  EXPECT_EQ(zoom.Get(132, 122), current);
  EXPECT_EQ(zoom.Get(0, 122), BlendColor(current, inverse, 50));
}

TEST_F(CurrentColour, NegativeColourChangesNothing) {
  form.workspace.zhuan(kNoColor);
  EXPECT_EQ(form.Text_R.text, "144");
  EXPECT_EQ(form.Text_HSV_H.text, "79");
}

TEST_F(CurrentColour, PureRedColoursTheChannelBoxes) {
  form.workspace.zhuan(255);
  EXPECT_EQ(form.Text_R.text, "255");
  EXPECT_EQ(form.Text_G.text, "0");
  EXPECT_EQ(form.Text_B.text, "0");
  EXPECT_EQ(form.Text_R.backColor, ComposeColor(255, 0, 0));
  EXPECT_EQ(form.Text_R.foreColor, ComposeColor(0, 255, 255));
  EXPECT_EQ(form.Text_G.backColor, kBlack);
  EXPECT_EQ(form.Text_G.foreColor, kWhite);
  EXPECT_EQ(form.Text_B.backColor, kBlack);
  EXPECT_EQ(form.Text_B.foreColor, kWhite);
}

TEST_F(CurrentColour, HueThatRoundsTo360ShowsInBothHueBoxes) {
  form.workspace.zhuan(ComposeColor(255, 0, 1));
  EXPECT_EQ(form.Text_HSV_H.text, "360");
  EXPECT_EQ(form.Text_HSL_H.text, "360");
}

TEST_F(CurrentColour, MinimisedWindowRefreshesNothing) {
  bool cancel = false;
  form.Form_Unload(cancel);
  const std::uint64_t strip = form.Picture14.surface.Revision();
  form.Text_R.text = "0";
  form.workspace.RefreshValues();
  form.workspace.RefreshDisplay();
  EXPECT_EQ(form.Text_HSV_H.text, "79");
  EXPECT_EQ(form.Color_TextBox[5].text, "144,196,31");
  EXPECT_EQ(form.Text5.text, "111,59,224");
  EXPECT_EQ(form.Picture14.surface.Revision(), strip);
}

// Pasted junk must not stop the program: a box counts as its leading number, clamped.
TEST_F(CurrentColour, JunkInAChannelBoxCountsAsItsLeadingNumber) {
  struct Case { const char* text; const char* shownRow; std::int32_t channel; };
  for (const Case c : {Case{"12a", "12a,196,31", 12}, {"abc", "abc,196,31", 0},
                       {"-5", "-5,196,31", 0}, {"99999999999999999999", "99999999999999999999,196,31", 255},
                       {"", ",196,31", 0}, {" 7", " 7,196,31", 7}, {"１２", "１２,196,31", 0}}) {
    form.Text_R.text = c.text;
    EXPECT_EQ(Workspace::ChannelOf(form.Text_R), c.channel) << c.text;
    form.workspace.RefreshValues();
    EXPECT_EQ(form.Color_TextBox[1].text, NotationTexts(ComposeColor(c.channel, 196, 31))[1]);
    EXPECT_EQ(form.Color_TextBox[5].text, c.shownRow);
  }
}

TEST_F(CurrentColour, ClickOnANotationRowCopiesIt) {
  for (int button : {kLeft, kRight}) {
    platform.clipboard.clear();
    form.workspace.Color_TextBox_MouseUp(6, button, 0, 3, 3);
    EXPECT_EQ(platform.clipboard, "1FC490");
    EXPECT_EQ(form.Color_TextBox[6].selLength, 6);
  }
}

}  // namespace
}  // namespace velkaro
