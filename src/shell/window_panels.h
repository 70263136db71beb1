// The window's controls, panel by panel in the window's order: later ones lie over earlier
// ones. Form1 is built on them; an area's tests build them alone, with just the areas they
// test.
#pragma once

#include <string_view>
#include <vector>

#include "channel_sliders.h"
#include "commands.h"
#include "controls.h"
#include "eyedropper.h"
#include "fine_tuning.h"
#include "magnifier.h"
#include "palette.h"
#include "units.h"
#include "window_frame.h"
#include "workspace.h"

namespace velkaro {

class WindowPanels {
 public:
  // Every picture gets its surface at this density.
  WindowPanels(int dpiX, int dpiY);
  // The units of another density, and every picture's surface sized for it (blank).
  void SetDensity(int dpiX, int dpiY);
  WindowPanels(const WindowPanels&) = delete;
  WindowPanels& operator=(const WindowPanels&) = delete;

  // The controls in the window's order; a control's index there is its identity in the view.
  const std::vector<Control*>& Controls() const { return controls_.All(); }
  int IndexOf(std::string_view name) const { return controls_.IndexOf(name); }
  // The controls of other panels that the workspace draws the colour on.
  ColourShownElsewhere ShownElsewhere();

 protected:
  ControlList controls_;

 public:
  Units units;  // the areas keep a reference: a change of density reaches them all
  EyedropperPanel eyedropperPanel{controls_};
  ChannelPanel channelPanel{controls_};
  ReadoutPanel readoutPanel{controls_};
  MagnifierPanel magnifierPanel{controls_};
  HueStripPanel hueStripPanel{controls_};
  StripPanel stripPanel{controls_};
  TuningPanel tuningPanel{controls_};
  NotationPanel notationPanel{controls_};
  ButtonPanel buttonPanel{controls_};
  Frame spareFrame{controls_, "Frame1", nullptr, Px(712, 8, 200, 200), ""};  // never seen, holds nothing
  SwatchPanel swatchPanel{controls_};
  ZoomPanel zoomPanel{controls_};
  CommandPanel commandPanel{controls_};
};

}  // namespace velkaro
