#include "units.h"

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

int ControlList::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i]->name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace velkaro
