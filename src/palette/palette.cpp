// The channel slider ramps, and the hue strip (whose painting arrives with the palette).
#include <algorithm>
#include <vector>

#include "form1.h"

namespace velkaro {

/* Each track shows its channel running 0..255 with the other two as they are. The ramp
 * is n = W / 16 columns long, W the track width in twips (76 columns for 1215): W / 16
 * stands in for the width in pixels, so the ramp keeps its length at any density, and
 * the columns past it show the channel at 255. One-pixel lines, one per column. */
void Form1::初始化三原色(std::int32_t r, std::int32_t g, std::int32_t b) {
  const auto W = static_cast<std::int32_t>(RoundTiesToEven(Picture_R.place.width));
  const std::int32_t n = static_cast<std::int32_t>(RoundTiesToEven(W / 16.0));
  const std::int32_t last = static_cast<std::int32_t>(RoundTiesToEven(W / 16.0 + n));
  PictureBox* tracks[3] = {&Picture_R, &Picture_G, &Picture_B};
  for (int ch = 0; ch < 3; ++ch) {
    Surface& s = tracks[ch]->surface;
    const std::uint64_t key = (3ull << 56) | static_cast<std::uint64_t>(ComposeColor(r, g, b)) << 8 | ch;
    if (s.Shows(key) || s.Width() == 0) continue;
    std::vector<std::uint32_t> row(s.Row(0), s.Row(0) + s.Width());
    for (std::int32_t i = 0; i <= last && i < s.Width(); ++i) {
      const auto v = static_cast<std::int32_t>(RoundTiesToEven(i * 255.0 / n));
      row[i] = Surface::ToPixel(ch == 0 ? ComposeColor(v, g, b) : ch == 1 ? ComposeColor(r, v, b) : ComposeColor(r, g, v));
    }
    for (int y = 0; y < s.Height(); ++y) std::copy(row.begin(), row.end(), s.Row(y));
    s.Touch();
    s.Mark(key);
  }
}

void Form1::色板三原色(std::int32_t, std::int32_t, std::int32_t) {}

}  // namespace velkaro
