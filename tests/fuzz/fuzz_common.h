// Shared by the fuzz targets: a started window model on the fake platform, and a check
// that stops the run with a message when one of the program's invariants fails.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fake_platform.h"
#include "form1.h"

namespace velkaro::fuzz {

inline void Require(bool holds, const std::string& what) {
  if (holds) return;
  std::fprintf(stderr, "invariant failed: %s\n", what.c_str());
  std::abort();
}

struct Started {
  FakePlatform platform;
  Form1 form{platform};
  Started() { form.Initialise(); }
};

// Digits only, worth 0-255.
inline bool IsChannelText(std::string_view t) {
  if (t.empty()) return false;
  long value = 0;
  for (char ch : t) {
    if (ch < '0' || ch > '9') return false;
    value = value * 10 + (ch - '0');
    if (value > 255) return false;
  }
  return true;
}

// The readouts equal the conversions of the current colour.
inline void RequireReadoutsOfCurrentColour(const Form1& form) {
  const ColorValue c = form.workspace.CurrentColour();
  const Readouts o = ComputeReadouts(static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8 & 0xFF),
                                     static_cast<std::uint8_t>(c >> 16 & 0xFF));
  Require(form.readoutPanel.hsvHue.text == DecimalText(o.hsv.h) && form.readoutPanel.hlsSaturation.text == DecimalText(o.hsl.s) &&
              form.readoutPanel.yellow.text == DecimalText(o.cmyk.y) && form.readoutPanel.labA.text == DecimalText(o.lab.a) &&
              form.stripPanel.inverseBox.text == o.inverse.str() && form.notationPanel.rows[1].text == o.notations[1].str(),
          "the readouts show the current colour");
}

}  // namespace velkaro::fuzz
