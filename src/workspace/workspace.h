// The current colour and everything that shows it: the channel boxes, the readouts, the
// notation rows, the swatches and strips. The colour lives only in the texts of the three
// channel boxes; everything else is derived from them. The input areas call in here;
// this area calls none of them, and tells a follower (the sliders) what it showed.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "colour.h"
#include "controls.h"
#include "platform.h"

namespace velkaro {


// Told what the workspace shows, for the controls that draw the colour their own way.
class ColourFollower {
 public:
  virtual ~ColourFollower() = default;
  // TintChannelBoxes wrote the channels.
  virtual void ChannelsWritten(std::int32_t r, std::int32_t g, std::int32_t b) = 0;
  // The display was refreshed with this colour.
  virtual void ColourShown(std::int32_t r, std::int32_t g, std::int32_t b) = 0;
};

// The readouts: HSV, HLS (shown top to bottom H, L, S), CMYK and Lab, each in its frame.
struct ReadoutPanel {
  explicit ReadoutPanel(ControlList& window);
  Frame hsvFrame;
  std::array<Label, 3> hsvLabels;
  TextBox hsvHue, hsvSaturation, hsvValue;
  std::array<Label, 3> hsvUnits;
  Frame hlsFrame;
  std::array<Label, 3> hlsLabels;
  TextBox hlsHue, hlsLightness, hlsSaturation;
  std::array<Label, 3> hlsUnits;
  Frame cmykFrame;
  std::array<Label, 4> cmykLabels;
  TextBox cyan, magenta, yellow, key;
  std::array<Label, 4> cmykUnits;
  Frame labFrame;
  std::array<Label, 3> labLabels;
  TextBox labLightness, labA, labB;
};

// The gradient strips beside and under the readouts, and the inverse colour's box.
struct StripPanel {
  explicit StripPanel(ControlList& window);
  PictureBox inverseStrip;  // the inverse colour to the colour
  PictureBox shadeStrip;    // the colour to black
  TextBox inverseBox;       // the inverse colour as "r,g,b", on the inverse
  PictureBox tintStrip;     // white to the colour
};

// The seven notation rows, a click on one copies it. Label index = row index; first line
// 0, 2, 3, 6, second line 1, 4, 5.
struct NotationPanel {
  explicit NotationPanel(ControlList& window);
  Frame frame;
  std::array<Label, kNotationRows> labels;
  std::array<TextBox, kNotationRows> rows;
};

// The controls of other areas that show the colour too, each drawn here as the colour
// changes.
struct ColourShownElsewhere {
  std::array<TextBox, 3>& channelBoxes;  // red, green, blue: the colour itself
  PictureBox& eyedropperSwatch;
  PictureBox& saturationTrack;  // the fine-tuning tracks' ramps
  PictureBox& lightnessTrack;
  PictureBox& magnifierView;    // its resting picture
  Shape& hueStripMarker;
  Shape& swatchMarker;
  Line& crossHairH;
  Line& crossHairV;
};

class Workspace {
 public:
  Workspace(ReadoutPanel& readouts, StripPanel& strips, NotationPanel& notations, const ColourShownElsewhere& shown,
            const WindowState& windowState, Clipboard& clipboard);
  void SetFollower(ColourFollower* follower) { follower_ = follower; }

  void ShowColour(ColorValue colour);
  void TintChannelBoxes(std::int32_t R, std::int32_t G, std::int32_t B);
  void RefreshValues();
  void RefreshDisplay();
  // A refresh was skipped while the window was minimised: what it shows is older than the
  // colour (a pick or a recent colour chosen meanwhile), until the next RefreshValues.
  bool StaleWhileMinimised() const { return stale_; }
  // Writes the channels into the three boxes and recolours with TintChannelBoxes.
  void SetChannels(const Rgb& c);
  // Writes the channels and shows them everywhere: what SetChannels followed by
  // RefreshValues shows, each strip, readout and ramp computed once.
  void ShowChannels(const Rgb& c);
  // TintChannelBoxes followed by RefreshValues, in one pass.
  void TintAndRefresh(std::int32_t r, std::int32_t g, std::int32_t b);
  // The channel a box holds: its leading number, 0 when it has none, at most 255.
  static std::int32_t ChannelOf(const TextBox& box);
  ColorValue CurrentColour() const;

  // Selects a box's whole text and copies it.
  void SelectAllAndCopy(TextBox& box);
  // A click on a notation row selects and copies the current colour's notation (whatever
  // was typed into the row goes).
  void NotationRowUp(int row);
  // A row takes a notation of its kind, typed or pasted: Enter or leaving the row sets the
  // colour when the text reads as one, and otherwise the row shows the colour's again.
  void NotationRowConfirmed(int row);
  bool IsNotationRow(const TextBox& box) const;
  // The current colour's notation for a row.
  std::string NotationOf(int row) const;
  // A row's text set a new colour.
  std::function<void()> notationConfirmed;

 private:
  void WriteChannels(const Rgb& c);
  void PaintChannelBoxes(std::int32_t r, std::int32_t g, std::int32_t b);
  void PaintSwatches(ColorValue current, ColorValue inverse);
  void PaintMarkerOutlines(ColorValue inverse);
  void ShowDisplayOnly(ColorValue current);  // what only the refresh shows
  void WriteReadouts(std::int32_t r, std::int32_t g, std::int32_t b);
  void WriteNotations(ColorValue current);
  TextBox& Channel(int i) const { return shown_.channelBoxes[static_cast<std::size_t>(i)]; }

  ReadoutPanel& readouts_;
  StripPanel& strips_;
  NotationPanel& notations_;
  ColourShownElsewhere shown_;

  const WindowState& windowState_;
  Clipboard& clipboard_;
  ColourFollower* follower_ = nullptr;
  bool stale_ = false;
};

}  // namespace velkaro
