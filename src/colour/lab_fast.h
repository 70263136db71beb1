// Internals shared by the scalar and the vector fast Lab.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "colour.h"

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
// near 1e-11; the exhaustive test over all 8-bit colours proves the margin.
inline constexpr double kRoundGuard = 1e-7;
inline constexpr double kBranchGuard = 1e-9;

// Newton steps for t^(-1/3): the seed is within 0.07 %, and each step squares the error
// (e -> 2e^2), so two steps reach about 1e-12.
inline constexpr int kNewtonSteps = 2;

// t^(-1/3) is seeded from a table indexed by the exponent and the top eight mantissa bits
// of t as a float. f() takes cube roots only for t above 0.008856 > 2^-7, and t stays
// below 2, so eight exponents cover every case: 2048 entries.
inline constexpr int kSeedMantissaBits = 8;
inline constexpr int kSeedShift = 23 - kSeedMantissaBits;
inline constexpr std::int32_t kSeedFirst = (127 - 7) << kSeedMantissaBits;
inline constexpr std::size_t kSeedEntries = std::size_t{8} << kSeedMantissaBits;
const double* InvCbrtSeeds();

bool AvxAvailable();
// Converts the first n - n % 4 colours; returns how many it converted.
std::size_t LabBatchAvx2(const ColorValue* colours, LabColor* out, std::size_t n);

}  // namespace velkaro::labfast
