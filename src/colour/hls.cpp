// The floating HLS pair used to recolour images pixel by pixel. All 32-bit floats;
// RgbToHls followed by HlsToRgb gives every 8-bit colour back unchanged.
#include "colour.h"

namespace velkaro {

float Max3(float r, float g, float b) {
  if (r > g) return r > b ? r : b;
  return g >= b ? g : b;
}

float Min3(float r, float g, float b) {
  if (r >= g) return b >= g ? g : b;
  return r >= b ? b : r;
}

/* L = (max + min) / 2
 * S = (max - min) / (max + min)       when L <= 0.5
 *   = (max - min) / (2 - max - min)   otherwise
 * H = (g - b) / d | 2 + (b - r) / d | 4 + (r - g) / d, in sextants -1..5 (not wrapped) */
void RgbToHls(std::uint8_t R, std::uint8_t G, std::uint8_t B, float& H, float& S, float& L) {
  const float r = (R & 0xFF) / 255.0f, g = (G & 0xFF) / 255.0f, b = (B & 0xFF) / 255.0f;
  const float max = Max3(r, g, b), min = Min3(r, g, b);
  L = (max + min) / 2;
  if (max == min) {
    S = 0;
    H = 0;
    return;
  }
  S = L <= 0.5f ? (max - min) / (max + min) : (max - min) / (2 - max - min);
  const float d = max - min;
  if (r == max)
    H = (g - b) / d;
  else if (g == max)
    H = 2 + (b - r) / d;
  else
    H = 4 + (r - g) / d;
}

/* lo = L (1 - S) when L <= 0.5, else L - (1 - L) S;  hi = 2 L - lo;  span = hi - lo.
 * The sextant picks which channel is hi, which is lo and which is interpolated. */
bool HlsToRgb(float H, float S, float L, std::uint8_t& R, std::uint8_t& G, std::uint8_t& B) {
  float r, g, b;
  if (S == 0) {
    r = g = b = L;
  } else {
    const float lo = L <= 0.5f ? L * (1 - S) : L - (1 - L) * S;
    const float hi = 2 * L - lo;
    const float span = hi - lo;
    if (H < 1) {
      r = hi;
      if (H < 0) {
        g = lo;
        b = lo - H * span;
      } else {
        b = lo;
        g = lo + H * span;
      }
    } else if (H < 3) {
      g = hi;
      if (H < 2) {
        b = lo;
        r = lo - (H - 2) * span;
      } else {
        r = lo;
        b = lo + (H - 2) * span;
      }
    } else {
      b = hi;
      if (H < 4) {
        r = lo;
        g = lo - (H - 4) * span;
      } else {
        g = lo;
        r = lo + (H - 4) * span;
      }
    }
  }
  const auto rr = RoundHalfEvenByte(r * 255.0f);
  const auto gg = RoundHalfEvenByte(g * 255.0f);
  const auto bb = RoundHalfEvenByte(b * 255.0f);
  if (!rr || !gg || !bb) return false;
  R = *rr;
  G = *gg;
  B = *bb;
  return true;
}

}  // namespace velkaro
