// Where the window was: saved on every move over a drag surface, restored at start-up.
#pragma once

#include <array>
#include <string>

#include "platform.h"
#include "units.h"

namespace velkaro {

class Placement {
 public:
  Placement(const Units& units, WindowHost& window, ScreenPointer& screen, SettingsStore& settings)
      : units_(units), window_(window), screen_(screen), settings_(settings) {}
  void SavePlacement();
  void RestorePlacement();
  TwipRect FormPlacement();  // the window's outer rectangle in twips

 private:
  const Units& units_;
  WindowHost& window_;
  ScreenPointer& screen_;
  SettingsStore& settings_;
  // What this copy last wrote: a drag saves on every move, and most moves change nothing.
  std::array<std::string, 4> saved_;
};

}  // namespace velkaro
