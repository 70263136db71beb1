// Four colours at a time with AVX2, chosen at run time so the program still runs on any
// x86-64 processor. Same arithmetic as the scalar fast form.
#include "lab_fast.h"

#if defined(__x86_64__)
#include <immintrin.h>

namespace velkaro::labfast {

bool AvxAvailable() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

namespace {

#define VELKARO_AVX2 __attribute__((target("avx2")))

VELKARO_AVX2 inline __m256d Splat(double v) { return _mm256_set1_pd(v); }

// The masked gather with a defined source: the plain one reads an undefined register,
// which GCC 12 reports as uninitialised.
VELKARO_AVX2 inline __m256d Gather(const double* table, __m128i index) {
  return _mm256_mask_i32gather_pd(_mm256_setzero_pd(), table, index,
                                  _mm256_castsi256_pd(_mm256_set1_epi64x(-1)), 8);
}

VELKARO_AVX2 inline __m256d CubeRoot4(__m256d t, const double* seeds) {
  const __m128i bits = _mm_castps_si128(_mm256_cvtpd_ps(t));
  const __m128i index = _mm_sub_epi32(_mm_srli_epi32(bits, kSeedShift), _mm_set1_epi32(kSeedFirst));
  __m256d y = Gather(seeds, index);
  const __m256d tThird = _mm256_mul_pd(t, Splat(1.0 / 3));
  for (int i = 0; i < kNewtonSteps; ++i) {
    const __m256d y3 = _mm256_mul_pd(_mm256_mul_pd(y, y), y);
    y = _mm256_mul_pd(y, _mm256_sub_pd(Splat(4.0 / 3), _mm256_mul_pd(tThird, y3)));
  }
  return _mm256_mul_pd(t, _mm256_mul_pd(y, y));
}

VELKARO_AVX2 inline __m256d F4(__m256d t, const double* seeds, __m256d& unsure) {
  const __m256d above = _mm256_cmp_pd(t, Splat(kEpsilon), _CMP_GT_OQ);
  const __m256d linear = _mm256_add_pd(_mm256_mul_pd(Splat(kKappa), t), Splat(kOffset));
  const __m256d absDiff = _mm256_andnot_pd(Splat(-0.0), _mm256_sub_pd(t, Splat(kEpsilon)));
  unsure = _mm256_or_pd(unsure, _mm256_cmp_pd(absDiff, Splat(kBranchGuard), _CMP_LT_OQ));
  // Lanes on the linear branch may hold t = 0; keep them out of the iteration.
  const __m256d safe = _mm256_blendv_pd(Splat(1), t, above);
  return _mm256_blendv_pd(linear, CubeRoot4(safe, seeds), above);
}

// Rounds half to even; lanes within the guard of a tie are marked unsure.
VELKARO_AVX2 inline __m128i Round4(__m256d v, __m256d& unsure) {
  const __m256d nearest = _mm256_round_pd(v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
  const __m256d off = _mm256_andnot_pd(Splat(-0.0), _mm256_sub_pd(v, nearest));
  unsure = _mm256_or_pd(unsure, _mm256_cmp_pd(off, Splat(0.5 - kRoundGuard), _CMP_GT_OQ));
  return _mm256_cvtpd_epi32(nearest);
}

// Plain loads beat a gather for the channel table: the indices are bytes at hand.
VELKARO_AVX2 inline __m256d Channel(const double* lin, const ColorValue* c, int shift) {
  return _mm256_set_pd(lin[c[3] >> shift & 0xFF], lin[c[2] >> shift & 0xFF],
                       lin[c[1] >> shift & 0xFF], lin[c[0] >> shift & 0xFF]);
}

VELKARO_AVX2 inline __m256d Sum3(__m256d r, __m256d g, __m256d b, double cr, double cg,
                                 double cb) {
  return _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(r, Splat(cr)), _mm256_mul_pd(g, Splat(cg))),
                       _mm256_mul_pd(b, Splat(cb)));
}

}  // namespace

VELKARO_AVX2 std::size_t LabBatchAvx2(const ColorValue* colours, LabColor* out, std::size_t n) {
  const double* lin = LinearTable().data();
  const double* seeds = InvCbrtSeeds();
  const std::size_t whole = n & ~std::size_t{3};
  for (std::size_t i = 0; i < whole; i += 4) {
    const ColorValue* c = colours + i;
    const __m256d r = Channel(lin, c, 0), g = Channel(lin, c, 8), b = Channel(lin, c, 16);
    const __m256d x = _mm256_mul_pd(Sum3(r, g, b, 0.4124564, 0.3575761, 0.1804375), Splat(kInvXn));
    const __m256d y = Sum3(r, g, b, 0.2126729, 0.7151522, 0.072175);
    const __m256d z = _mm256_mul_pd(Sum3(r, g, b, 0.0193339, 0.119192, 0.9503041), Splat(kInvZn));
    __m256d unsure = _mm256_setzero_pd();
    const __m256d fx = F4(x, seeds, unsure), fy = F4(y, seeds, unsure), fz = F4(z, seeds, unsure);
    alignas(16) std::int32_t l[4], a[4], bb[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(l),
                    Round4(_mm256_sub_pd(_mm256_mul_pd(Splat(116), fy), Splat(16)), unsure));
    _mm_store_si128(reinterpret_cast<__m128i*>(a),
                    Round4(_mm256_mul_pd(Splat(500), _mm256_sub_pd(fx, fy)), unsure));
    _mm_store_si128(reinterpret_cast<__m128i*>(bb),
                    Round4(_mm256_mul_pd(Splat(200), _mm256_sub_pd(fy, fz)), unsure));
    for (int k = 0; k < 4; ++k)
      out[i + k] = {static_cast<std::int16_t>(l[k]), static_cast<std::int16_t>(a[k]),
                    static_cast<std::int16_t>(bb[k])};
    if (const int unsureMask = _mm256_movemask_pd(unsure); unsureMask != 0) {
      for (int k = 0; k < 4; ++k) {
        if ((unsureMask >> k & 1) == 0) continue;
        const Rgb ch = SplitChannels(colours[i + k]);
        out[i + k] = RgbToLab(ch.r, ch.g, ch.b);
      }
    }
  }
  return whole;
}

}  // namespace velkaro::labfast

#endif
