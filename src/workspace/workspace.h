// The current colour and everything that shows it: the channel boxes, the readouts, the
// notation rows, the swatches and strips. The colour lives only in the texts of Text_R,
// Text_G and Text_B; everything else is derived from them. The input areas call in here;
// this area calls none of them, and tells a follower (the sliders) what it showed.
#pragma once

#include <array>
#include <cstdint>

#include "colour.h"
#include "controls.h"
#include "platform.h"

namespace velkaro {

inline constexpr int kColorTextBoxes = kNotationRows;

// Told what the workspace shows, for the controls that draw the colour their own way.
class ColourFollower {
 public:
  virtual ~ColourFollower() = default;
  // 文本颜色 wrote the channels.
  virtual void ChannelsWritten(std::int32_t R, std::int32_t G, std::int32_t B) = 0;
  // The display was refreshed with this colour.
  virtual void ColourShown(std::int32_t r, std::int32_t g, std::int32_t b) = 0;
};

struct WorkspaceControls {
  TextBox &Text_R, &Text_G, &Text_B;
  TextBox &Text_HSV_H, &Text_HSV_S, &Text_HSV_V;
  TextBox &Text_HSL_H, &Text_HSL_L, &Text_HSL_S;
  TextBox &Text_Cmyk_C, &Text_Cmyk_M, &Text_Cmyk_Y, &Text_Cmyk_K;
  TextBox &Text_Lab_L, &Text_Lab_A, &Text_Lab_B;
  TextBox& Text5;  // the inverse colour
  std::array<TextBox, kColorTextBoxes>& Color_TextBox;
  PictureBox& Picture1;                                      // the eyedropper's swatch
  PictureBox &Picture5, &Picture14, &Picture15;              // readout strips
  PictureBox &Picture8, &Picture10;                          // fine-tuning strips
  PictureBox& picZoom;                                       // the magnifier's resting picture
  Shape &Shape1, &Shape2;                                    // palette markers
  Line &Line1, &Line2;                                       // the magnifier's cross hair
};

class Workspace : private WorkspaceControls {
 public:
  Workspace(const WorkspaceControls& controls, const WindowState& windowState, Clipboard& clipboard)
      : WorkspaceControls(controls), windowState_(windowState), clipboard_(clipboard) {}
  void SetFollower(ColourFollower* follower) { follower_ = follower; }

  void zhuan(ColorValue colour);
  void 文本颜色(std::int32_t R, std::int32_t G, std::int32_t B);
  void RefreshValues();
  void RefreshDisplay();
  // A refresh was skipped while the window was minimised: what it shows is older than the
  // colour (a pick or a recent colour chosen meanwhile), until the next RefreshValues.
  bool StaleWhileMinimised() const { return stale_; }
  // Writes the channels into the three boxes and recolours with 文本颜色.
  void SetChannels(const Rgb& c);
  // The channel a box holds: its leading number, 0 when it has none, at most 255.
  static std::int32_t ChannelOf(const TextBox& box);
  ColorValue CurrentColour() const;

  // Selects a box's whole text and copies it.
  void 全选(TextBox& box);
  void Color_TextBox_MouseUp(int Index, int Button, int Shift, float X, float Y);
  int NotationIndex(const TextBox& box) const;  // -1 when not a notation row

 private:
  void WriteReadouts(std::int32_t r, std::int32_t g, std::int32_t b);

  const WindowState& windowState_;
  Clipboard& clipboard_;
  ColourFollower* follower_ = nullptr;
  bool stale_ = false;
};

}  // namespace velkaro
