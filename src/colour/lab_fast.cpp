// Fast exact Lab for 8-bit colours. The linearisation comes from a table of the literal
// values; the cube roots from a seeded Newton iteration. Whenever a result lies too close
// to a rounding tie, or t too close to the branch point of f(), the literal conversion
// decides, so the fast form returns exactly what RgbToLab returns.
#include <cmath>
#include <cstring>

#include "colour.h"
#include "lab_fast.h"

namespace velkaro::labfast {

const std::array<double, 256>& LinearTable() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = SrgbToLinear(i);
    return t;
  }();
  return table;
}

const double* InvCbrtSeeds() {
  static const std::array<double, kSeedEntries> seeds = [] {
    std::array<double, kSeedEntries> t{};
    for (std::size_t i = 0; i < kSeedEntries; ++i) {
      // The bucket's middle: float bits (i + kSeedFirst + 0.5) << kSeedShift.
      const auto bits = static_cast<std::int32_t>(((i + kSeedFirst) << kSeedShift) |
                                                  (1u << (kSeedShift - 1)));
      float mid;
      std::memcpy(&mid, &bits, sizeof mid);
      t[i] = std::pow(static_cast<double>(mid), -1.0 / 3);
    }
    return t;
  }();
  return seeds.data();
}

namespace {

/* t^(1/3) = t * y^2 with y = t^(-1/3), refined by Newton: y <- y (4/3 - t/3 y^3).
 */
double CubeRoot(double t, const double* seeds) {
  const float tf = static_cast<float>(t);
  std::int32_t bits;
  std::memcpy(&bits, &tf, sizeof bits);
  double y = seeds[(bits >> kSeedShift) - kSeedFirst];
  const double third = t * (1.0 / 3);
  for (int i = 0; i < kNewtonSteps; ++i) y = y * (4.0 / 3 - third * (y * y * y));
  return t * y * y;
}

double F(double t, const double* seeds) { return t > kEpsilon ? CubeRoot(t, seeds) : kKappa * t + kOffset; }

// Rounds v half-to-even when its fraction is safely away from one half.
bool RoundClear(double v, std::int16_t& out) {
  auto low = static_cast<std::int32_t>(v);  // |v| < 1000
  if (low > v) --low;
  const double frac = v - low;
  if (std::fabs(frac - 0.5) < kRoundGuard) return false;
  out = static_cast<std::int16_t>(low + (frac > 0.5 ? 1 : 0));
  return true;
}

}  // namespace
}  // namespace velkaro::labfast

namespace velkaro {

LabColor RgbToLabFast(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  using namespace labfast;
  // Looked up once: each call would otherwise test the tables' guards again.
  static const double* const lin = LinearTable().data();
  static const double* const seeds = InvCbrtSeeds();
  const double r = lin[R], g = lin[G], b = lin[B];
  const double x = (r * 0.4124564 + g * 0.3575761 + b * 0.1804375) * kInvXn;
  const double y = r * 0.2126729 + g * 0.7151522 + b * 0.072175;
  const double z = (r * 0.0193339 + g * 0.119192 + b * 0.9503041) * kInvZn;
  LabColor lab;
  const bool nearBranch = std::fabs(x - kEpsilon) < kBranchGuard ||
                          std::fabs(y - kEpsilon) < kBranchGuard ||
                          std::fabs(z - kEpsilon) < kBranchGuard;
  const double fx = F(x, seeds), fy = F(y, seeds), fz = F(z, seeds);
  if (nearBranch || !RoundClear(116 * fy - 16, lab.l) || !RoundClear(500 * (fx - fy), lab.a) ||
      !RoundClear(200 * (fy - fz), lab.b))
    return RgbToLab(R, G, B);
  return lab;
}

void RgbToLabFastBatch(const ColorValue* colours, LabColor* out, std::size_t n) {
  std::size_t done = 0;
#if defined(__x86_64__)
  if (labfast::AvxAvailable()) done = labfast::LabBatchAvx2(colours, out, n);
#endif
  for (; done < n; ++done) {
    const ColorValue c = colours[done];
    out[done] = RgbToLabFast(static_cast<std::uint8_t>(c & 0xFF),
                             static_cast<std::uint8_t>((c >> 8) & 0xFF),
                             static_cast<std::uint8_t>((c >> 16) & 0xFF));
  }
}

}  // namespace velkaro
