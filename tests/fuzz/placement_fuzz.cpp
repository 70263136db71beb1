// Any four stored placement values: the window opens on a screen, at its own size.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  FakePlatform platform;
  // The four values, separated by NUL bytes in the input.
  const std::string input(reinterpret_cast<const char*>(data), size);
  const char* names[] = {"Left", "Top", "Width", "Height"};
  std::size_t at = 0;
  for (const char* name : names) {
    const std::size_t end = std::min(input.find('\0', at), input.size());
    if (at <= input.size()) platform.settings[std::string("Pelmora_Color\\Soft_Stat\\") + name] = input.substr(at, end - at);
    at = end + 1;
  }
  Form1 form(platform);
  form.Form_Initialize();
  const ScreenRect r = platform.windowRect;
  const ScreenRect screen = platform.monitors.front();
  fuzz::Require(r.left + r.width > screen.left && r.left < screen.left + screen.width && r.top + r.height > screen.top &&
                    r.top < screen.top + screen.height,
                "the window is on the screen");
  return 0;
}
