// Internals shared by the scalar and the vector fast Lab.
#pragma once

#include <array>
#include <cstdint>

namespace velkaro {
double SrgbToLinear(double channel);  // the literal sRGB transfer function
}

namespace velkaro::labfast {

const std::array<double, 256>& LinearTable();

// White-point reciprocals and the constants of f().
inline constexpr double kInvXn = 1 / 0.950456;
inline constexpr double kInvZn = 1 / 1.088754;
inline constexpr double kEpsilon = 0.008856;
inline constexpr double kKappa = 7.787;
inline constexpr double kOffset = 16.0 / 116;

// A value whose fractional part lies this close to one half, or a t this close to the
// branch point of f(), is left to the literal conversion. The approximation errors are
// below 1e-12; the exhaustive test over all 8-bit colours proves the margin.
inline constexpr double kRoundGuard = 1e-9;
inline constexpr double kBranchGuard = 1e-9;

// Seeds t^(-1/3) from the bits of t as a float (the exponent divided by three).
inline constexpr std::int32_t kInvCbrtMagic = 0x54A21D2A;

bool AvxAvailable();
// n a multiple of 4; lanes that need the literal conversion are marked in needExact.
void LabBatchAvx2(const std::int32_t* colours, std::int16_t (*lab)[3], bool* needExact,
                  std::size_t n);

}  // namespace velkaro::labfast
