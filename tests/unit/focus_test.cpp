#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"

namespace velkaro {
namespace {

TEST(TabOrder, ReadingOrderBothWaysAndWrapping) {
  FakePlatform platform;
  Form1 form(platform);
  const std::vector<const char*> order = {
      "Text_R",     "Text_G",      "Text_B",      "Text_HSV_H",  "Text_HSV_S",  "Text_HSV_V",       "Text_HSL_H",
      "Text_HSL_L", "Text_HSL_S",  "Text_Cmyk_C", "Text_Cmyk_M", "Text_Cmyk_Y", "Text_Cmyk_K",      "Text_Lab_L",
      "Text_Lab_A", "Text_Lab_B",  "Text5",       "Text3",       "Text2",       "Text1",            "Color_TextBox(0)",
      "Color_TextBox(2)", "Color_TextBox(3)", "Color_TextBox(6)", "Color_TextBox(1)", "Color_TextBox(4)",
      "Color_TextBox(5)"};
  const auto& all = form.Controls();
  auto box = [&](const char* name) { return static_cast<TextBox*>(all[form.IndexOf(name)]); };
  for (std::size_t i = 0; i < order.size(); ++i) {
    const char* next = order[(i + 1) % order.size()];
    const char* previous = order[(i + order.size() - 1) % order.size()];
    EXPECT_EQ(form.NextInTabOrder(*box(order[i]), false)->name, next) << order[i];
    EXPECT_EQ(form.NextInTabOrder(*box(order[i]), true)->name, previous) << order[i];
  }
  // Off-screen and hidden boxes are never reached, and take no part.
  for (const char* outside : {"txtZoom", "Text4", "Text7"}) EXPECT_EQ(form.NextInTabOrder(*box(outside), false), nullptr);
  form.readoutPanel.hsvFrame.visible = false;  // a hidden frame hides its boxes
  EXPECT_EQ(form.NextInTabOrder(form.channelPanel.boxes[2], false), &form.readoutPanel.hlsHue);
  EXPECT_EQ(form.NextInTabOrder(form.readoutPanel.hlsHue, true), &form.channelPanel.boxes[2]);
}

TEST(ClipboardShortcut, ReadoutsCopyTheirWholeTextEditableBoxesAreLeftToTheEdit) {
  FakePlatform platform;
  Form1 form(platform);
  form.Initialise();
  using Key = Form1::ClipboardKey;
  EXPECT_FALSE(form.ClipboardShortcut(form.notationPanel.rows[6], Key::Copy));
  EXPECT_FALSE(form.ClipboardShortcut(form.notationPanel.rows[6], Key::Paste));
  EXPECT_TRUE(form.ClipboardShortcut(form.readoutPanel.labA, Key::Copy));
  EXPECT_EQ(platform.clipboard, "-39");
  platform.clipboard.clear();
  EXPECT_TRUE(form.ClipboardShortcut(form.readoutPanel.labA, Key::Paste));  // taken, and ignored
  EXPECT_EQ(form.readoutPanel.labA.text, "-39");
  EXPECT_FALSE(form.ClipboardShortcut(form.channelPanel.boxes[1], Key::Copy));
  EXPECT_FALSE(form.ClipboardShortcut(form.channelPanel.boxes[1], Key::Paste));
  EXPECT_TRUE(platform.clipboard.empty());
}

}  // namespace
}  // namespace velkaro
