// What an area's tests build: the window's panels, the areas under test and the fake
// platform. No Form1 and none of its wiring: behaviour of the whole window is tested on
// Form1 itself.
#pragma once

#include "channel_boxes.h"
#include "channel_sliders.h"
#include "eyedropper.h"
#include "fake_platform.h"
#include "fine_tuning.h"
#include "magnifier.h"
#include "palette.h"
#include "placement.h"
#include "window_frame.h"
#include "window_panels.h"
#include "workspace.h"

namespace velkaro {

// The colour the window starts with (the swatch under the palette's marker).
inline const ColorValue kStartColour = ComposeColor(144, 196, 31);

// The panels and the workspace that every input area calls.
struct WorkspaceRig : WindowPanels {
  explicit WorkspaceRig(FakePlatform& p) : WindowPanels(p.dpi, p.dpi), platform(p) {}
  FakePlatform& platform;
  WindowState windowState = WindowState::Normal;
  Workspace workspace{readoutPanel, stripPanel, notationPanel, ShownElsewhere(), windowState, platform};
};

struct SlidersRig : WorkspaceRig {
  explicit SlidersRig(FakePlatform& p) : WorkspaceRig(p) { workspace.SetFollower(&sliders); }
  ChannelSliders sliders{channelPanel, workspace, units, platform, platform, platform};
  ChannelBoxes channelBoxes{channelPanel.boxes, workspace};
};

struct PaletteRig : WorkspaceRig {
  explicit PaletteRig(FakePlatform& p) : WorkspaceRig(p) { palette.DrawSwatches(); }
  std::int16_t grabOffsetX = 0;
  Palette palette{hueStripPanel, swatchPanel, tuningPanel.hue.track, workspace, units, platform, platform, platform};
  FineTuning fineTuning{tuningPanel, hueStripPanel, palette, grabOffsetX, units, platform, platform, platform};
};

struct SamplingRig : WorkspaceRig {
  explicit SamplingRig(FakePlatform& p) : WorkspaceRig(p) {}
  PickMode pickMode = PickMode::None;
  bool shown = true;
  Magnifier magnifier{magnifierPanel, zoomPanel, pickMode, windowState, shown, units, platform, platform, platform};
  Eyedropper eyedropper{eyedropperPanel, magnifierPanel, pickMode, workspace, magnifier, platform};
};

// The frame's buttons and hover tick, its actions recorded instead of carried out.
struct FrameRig : WindowPanels, FrameActions {
  explicit FrameRig(FakePlatform& p) : WindowPanels(p.dpi, p.dpi), platform(p) {}
  FakePlatform& platform;
  WindowState windowState = WindowState::Normal;
  PickMode pickMode = PickMode::None;
  bool shown = true;
  std::vector<std::string> actions;
  void ShowAboutWindow() override { actions.push_back("about"); }
  void CallColourDialog() override { actions.push_back("colour dialog"); }
  void CloseMainWindow() override { actions.push_back("close"); }
  Magnifier magnifier{magnifierPanel, zoomPanel, pickMode, windowState, shown, units, platform, platform, platform};
  Placement placement{units, platform, platform, platform};
  WindowFrame frame{buttonPanel, *this, placement, magnifier, windowState, units, platform, platform};
};

}  // namespace velkaro
