// Any four stored placement values: the window opens on a screen, at its own size, at 96
// and at 144 dpi. The placement alone is driven (not the whole window model) so that ten
// million inputs take minutes rather than a day.
#include "fuzz_common.h"
#include "placement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  // The four values, separated by NUL bytes in the input.
  const std::string input(reinterpret_cast<const char*>(data), size);
  const char* names[] = {"Left", "Top", "Width", "Height"};
  for (const int dpi : {96, 144}) {
    FakePlatform platform;
    std::size_t at = 0;
    for (const char* name : names) {
      const std::size_t end = std::min(input.find('\0', at), input.size());
      if (at <= input.size()) platform.settings[std::string("Pelmora_Color\\Soft_Stat\\") + name] = input.substr(at, end - at);
      at = end + 1;
    }
    const Units units(dpi, dpi);
    platform.windowRect = {0, 0, units.ScaledX(654), units.ScaledY(495)};
    const ScreenRect before = platform.windowRect;
    Placement(units, platform, platform, platform).RestorePlacement();
    const ScreenRect r = platform.windowRect;
    const ScreenRect screen = platform.monitors.front();
    fuzz::Require(r.left + r.width > screen.left && r.left < screen.left + screen.width &&
                      r.top + r.height > screen.top && r.top < screen.top + screen.height,
                  "the window is on the screen");
    fuzz::Require(r.width == before.width && r.height == before.height, "the window keeps its size");
  }
  return 0;
}
