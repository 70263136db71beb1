// The About window as data: what it says, and its headline, which changes colour every
// 300 ms. The view shows it modally.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "colour.h"
#include "platform.h"

namespace velkaro {

inline constexpr char kAboutCaption[] = "关于我们!（#^.^#)";
inline constexpr char kAboutHeadline[] = "衷心的感谢您选择我们的产品！";
// This project has no site or telephone of its own: the address is in a domain kept for
// examples (the QR code in the window leads there too).
inline constexpr char kMakerSite[] = "https://velkaro.example/";
inline constexpr int kAboutTickMs = 300;
inline constexpr int kAboutClientWidth = 561, kAboutClientHeight = 208;  // pixels at 96 dpi

class AboutBox {
 public:
  explicit AboutBox(DialogServices& dialogs) : dialogs_(dialogs) {}

  // Shows the window modally; from the tray menu the maker's site opens after it closes.
  void Show(bool fromTray);
  // Called by the view as the window opens and on every tick of its timer.
  void Opened() { headlineColour = ComposeColor(255, 0, 0); }
  void HeadlineTick();
  static std::string AboutText();  // the nine lines, each ended by CR LF

  ColorValue headlineColour = ComposeColor(255, 0, 0);

 private:
  double Random();  // the next value in [0, 1)
  DialogServices& dialogs_;
  bool open_ = false;
  // Never seeded: every run shows the same sequence, continued across openings.
  std::minstd_rand generator_;
};

}  // namespace velkaro
