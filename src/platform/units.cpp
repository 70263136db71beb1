#include "units.h"

#include <string>

#include "controls.h"

namespace velkaro {

ScreenRect Units::ClientPixels(const Control& c) const {
  ScreenRect r{PixelsX(c.place.left), PixelsY(c.place.top), PixelsX(c.place.width), PixelsY(c.place.height)};
  for (const Control* p = c.parent; p != nullptr; p = p->parent) {
    r.left += PixelsX(p->place.left) + BorderInsetPx(*p);
    r.top += PixelsY(p->place.top) + BorderInsetPx(*p);
  }
  return r;
}

void SizeSurfaces(const ControlList& window, const Units& units) {
  for (Control* c : window.All()) {
    if (c->kind != ControlKind::PictureBox) continue;
    auto* box = static_cast<PictureBox*>(c);
    const int border = 2 * BorderInsetPx(*box);
    box->surface.Resize(units.PixelsX(box->place.width) - border, units.PixelsY(box->place.height) - border,
                        box->backColor);
  }
}

void ConfineCursor(ScreenPointer& screen, WindowHost& window, const Units& units, const Control& c) {
  screen.ClipCursor(window.ClientToScreen(units.ClientPixels(c)));
}

std::int32_t PixelsToTwips(ScreenPointer& screen, SystemServices& system, float value, float axis) {
  const int dpi = axis == 0.0f ? screen.DpiX() : screen.DpiY();
  const auto fail = [&system](int number, const char* description) {
    system.ShowMessage(description, "Error: " + std::to_string(number), MessageIcon::Error);
    return 0;
  };
  if (dpi == 0) return fail(11, "Division by zero");
  const auto twips = RoundHalfEven<std::int32_t>(static_cast<double>(value) * kTwipsPerInch / dpi);
  if (!twips) return fail(6, "Overflow");
  return *twips;
}

int ControlList::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i]->name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace velkaro
