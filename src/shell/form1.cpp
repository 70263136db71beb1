#include "form1.h"

#include <utility>

namespace velkaro {

Form1::Form1(Platform platform)
    : WindowPanels(platform.screen.DpiX(), platform.screen.DpiY()), platform_(platform) {
  palette.DrawSwatches();
  workspace.SetFollower(&sliders);
  eyedropper.pickEnded = [this] { history.Add(workspace.CurrentColour()); };
  channelBoxes.valueConfirmed = [this] { history.Add(workspace.CurrentColour()); };  // a typed value, confirmed
  workspace.notationConfirmed = [this] { history.Add(workspace.CurrentColour()); };  // a typed notation
  palette.stripHovered = [this] { frame.RestImageButtons(); };
  WireDragSurfaces();
  // Reading order: the channels, the readouts frame by frame, the inverse colour, the
  // fine-tuning values, then the notation rows line by line (VB, Delphi, BASIC, Hex;
  // Html, other, R,G,B). The boxes off the window's right edge are never reached.
  ReadoutPanel& r = readoutPanel;
  tabOrder_ = {&channelPanel.boxes[0], &channelPanel.boxes[1], &channelPanel.boxes[2],
               &r.hsvHue,              &r.hsvSaturation,        &r.hsvValue,
               &r.hlsHue,              &r.hlsLightness,         &r.hlsSaturation,
               &r.cyan,                &r.magenta,              &r.yellow,
               &r.key,                 &r.labLightness,         &r.labA,
               &r.labB,                &stripPanel.inverseBox,  &tuningPanel.hue.box,
               &tuningPanel.saturation.box, &tuningPanel.lightness.box};
  for (int row : kNotationDisplayOrder) tabOrder_.push_back(&notationPanel.rows[static_cast<std::size_t>(row)]);
}

// The frames around the readouts and the pictures that carry no handler of their own move
// the window; labels and the notation and fine-tuning frames do not. A move over the
// eyedropper's swatch puts the image buttons back to rest.
void Form1::WireDragSurfaces() {
  const auto drag = [this](const MouseEvent&) { frame.DragSurfaceMove(); };
  for (Control* surface : std::initializer_list<Control*>{
           &eyedropperPanel.frame, &channelPanel.frame, &magnifierPanel.frame, &readoutPanel.hsvFrame,
           &readoutPanel.hlsFrame, &readoutPanel.cmykFrame, &readoutPanel.labFrame, &stripPanel.tintStrip,
           &stripPanel.inverseStrip, &stripPanel.shadeStrip, &magnifierPanel.view, &magnifierPanel.pointer})
    surface->onMouseMove = drag;
  eyedropperPanel.swatch.onMouseMove = [this](const MouseEvent&) { frame.RestImageButtons(); };
}

TextBox* Form1::NextInTabOrder(const TextBox& from, bool backwards) const {
  const auto n = static_cast<int>(tabOrder_.size());
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (tabOrder_[i] == &from) at = i;
  if (at < 0) return nullptr;
  for (int step = 1; step <= n; ++step) {
    TextBox* next = tabOrder_[((at + (backwards ? -step : step)) % n + n) % n];
    if (next->Showing()) return next;
  }
  return nullptr;
}

bool Form1::ClipboardShortcut(TextBox& box, ClipboardKey key) {
  if (channelBoxes.IsChannelBox(box) || workspace.IsNotationRow(box)) return false;
  if (key == ClipboardKey::Copy) workspace.SelectAllAndCopy(box);
  return true;
}

// As closing by any other way: the close is cancelled and the window goes to the tray.
void Form1::CloseRequested() {
  bool cancel = false;
  Unload(cancel);
}

void Form1::RunDueModal() {
  // Taken first: the modal window's own loop may deliver an event that asks for another.
  const std::function<void()> modal = std::exchange(dueModal_, nullptr);
  if (modal) modal();
}

void Form1::CommandArrived(const std::string& command) {
  int cancel = 0;
  commands.CommandReceived(command, cancel);
}

}  // namespace velkaro
