#include <gtest/gtest.h>

#include <functional>

#include "fake_platform.h"
#include "form1.h"
#include "placement.h"

namespace velkaro {
namespace {

struct Placed : testing::Test {
  FakePlatform platform;
  void Store(const char* key, const char* value) { platform.settings[std::string("Pelmora_Color\\Soft_Stat\\") + key] = value; }
  void StoreAll(const char* left, const char* top, const char* width = "9810", const char* height = "7425") {
    Store("Left", left);
    Store("Top", top);
    Store("Width", width);
    Store("Height", height);
  }
  // The place a start gives the window.
  ScreenRect Start() {
    const Units units(platform.dpi, platform.dpi);
    velkaro::Placement placement(units, platform, platform, platform);
    placement.RestorePlacement();
    return platform.windowRect;
  }
};

TEST_F(Placed, WhereTheWindowStarts) {
  struct Case { const char* name; std::function<void(Placed&)> stored; int left, top; };
  const Case cases[] = {
      {"first run", [](Placed&) {}, 313, 265},
      {"only Left", [](Placed& p) { p.Store("Left", "1500"); }, 313, 265},
      {"another size", [](Placed& p) { p.StoreAll("1500", "1200", "9000"); }, 313, 265},
      {"not a number", [](Placed& p) { p.StoreAll("abc", "1200"); }, 313, 265},
      {"off every screen", [](Placed& p) { p.StoreAll("-90000", "1200"); }, 313, 265},
      {"stored", [](Placed& p) { p.StoreAll("1500", "1200"); }, 100, 80},
      {"second monitor", [](Placed& p) { p.StoreAll("21000", "150"); }, 1400, 10},
      {"monitor left of the primary", [](Placed& p) { p.StoreAll("-15000", "300"); }, -1000, 20},
      {"half off the screen, title band on it", [](Placed& p) { p.StoreAll("-6000", "-300"); }, -400, -20},
      {"title band above every screen", [](Placed& p) { p.StoreAll("1500", "-900"); }, 313, 265},
  };
  for (const Case& c : cases) {
    platform.settings.clear();
    platform.monitors = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}, {-1920, 0, 1920, 1080}};
    c.stored(*this);
    const ScreenRect r = Start();
    EXPECT_EQ(r.left, c.left) << c.name;
    EXPECT_EQ(r.top, c.top) << c.name;
  }
}

// Saved at one start, restored at the next, at every density from 96 to 288 dpi; a size
// a pixel off still centres.
TEST(PlacementRoundTrip, EveryDensity) {
  for (int dpi = 96; dpi <= 288; ++dpi) {
    FakePlatform platform;
    platform.dpi = dpi;
    const Units units(dpi, dpi);
    platform.monitors = {{0, 0, 4000, 3000}};
    platform.windowRect = {0, 0, units.ScaledX(kClientWidthPx), units.ScaledY(kClientHeightPx)};
    {
      Placement placement(units, platform, platform, platform);
      placement.RestorePlacement();
      platform.windowRect.left = 123;
      platform.windowRect.top = 45;
      placement.SavePlacement();
    }
    for (const int wider : {0, 1}) {
      platform.windowRect = {0, 0, units.ScaledX(kClientWidthPx) + wider, units.ScaledY(kClientHeightPx)};
      Placement placement(units, platform, platform, platform);
      placement.RestorePlacement();
      const bool restored = platform.windowRect.left == 123 && platform.windowRect.top == 45;
      ASSERT_EQ(restored, wider == 0) << dpi << " dpi, " << wider << " px wider";
    }
  }
}

// Saved after a change of density while running, the place is what the next start at that
// density restores.
TEST(PlacementRoundTrip, SavedAfterAChangeOfDensity) {
  FakePlatform platform;
  platform.monitors = {{0, 0, 4000, 3000}};
  {
    Form1 form(platform);
    form.Initialise();
    platform.dpi = 144;
    form.ChangeDensity(144);
    platform.windowRect = {123, 45, form.units.ScaledX(kClientWidthPx), form.units.ScaledY(kClientHeightPx)};
    form.placement.SavePlacement();
  }
  platform.windowRect = {0, 0, 981, 742};
  Form1 next(platform);
  next.Initialise();
  EXPECT_EQ(platform.windowRect.left, 123);
  EXPECT_EQ(platform.windowRect.top, 45);
}

TEST_F(Placed, MovesOverADragSurfaceStoreTheWindow) {
  Form1 form(platform);
  form.Initialise();
  platform.windowRect = {100, 80, 654, 495};
  form.MouseMove(form.magnifierPanel.view, {0, 0, 5, 5});
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Left"), "1500");
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Top"), "1200");
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Width"), "9810");
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Height"), "7425");
  // Not while minimised.
  bool cancel;
  form.Unload(cancel);
  platform.windowRect = {0, 0, 654, 495};
  form.MouseMove(form.magnifierPanel.view, {0, 0, 5, 5});
  EXPECT_EQ(platform.GetSetting("Pelmora_Color", "Soft_Stat", "Left"), "1500");
}

}  // namespace
}  // namespace velkaro
