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

VELKARO_AVX2 inline __m256d CubeRoot4(__m256d t) {
  // Seed from the float bits: y0 = magic - bits / 3. The division by three goes through
  // float; its error of a few units only perturbs the seed.
  const __m128 tf = _mm256_cvtpd_ps(t);
  const __m128i bits = _mm_castps_si128(tf);
  const __m128i third = _mm_cvtps_epi32(_mm_mul_ps(_mm_cvtepi32_ps(bits), _mm_set1_ps(1.0f / 3)));
  const __m128i seedBits = _mm_sub_epi32(_mm_set1_epi32(kInvCbrtMagic), third);
  __m256d y = _mm256_cvtps_pd(_mm_castsi128_ps(seedBits));
  const __m256d tThird = _mm256_div_pd(t, Splat(3));
  for (int i = 0; i < 4; ++i) {
    const __m256d y3 = _mm256_mul_pd(_mm256_mul_pd(y, y), y);
    y = _mm256_mul_pd(y, _mm256_sub_pd(Splat(4.0 / 3), _mm256_mul_pd(tThird, y3)));
  }
  return _mm256_mul_pd(t, _mm256_mul_pd(y, y));
}

VELKARO_AVX2 inline __m256d F4(__m256d t, __m256d& unsure) {
  const __m256d above = _mm256_cmp_pd(t, Splat(kEpsilon), _CMP_GT_OQ);
  const __m256d linear = _mm256_add_pd(_mm256_mul_pd(Splat(kKappa), t), Splat(kOffset));
  const __m256d absDiff = _mm256_andnot_pd(Splat(-0.0), _mm256_sub_pd(t, Splat(kEpsilon)));
  unsure = _mm256_or_pd(unsure, _mm256_cmp_pd(absDiff, Splat(kBranchGuard), _CMP_LT_OQ));
  // Lanes on the linear branch may hold t = 0; keep them out of the iteration.
  const __m256d safe = _mm256_blendv_pd(Splat(1), t, above);
  return _mm256_blendv_pd(linear, CubeRoot4(safe), above);
}

VELKARO_AVX2 inline __m128i Round4(__m256d v, __m256d& unsure) {
  const __m256d low = _mm256_floor_pd(v);
  const __m256d frac = _mm256_sub_pd(v, low);
  const __m256d off = _mm256_andnot_pd(Splat(-0.0), _mm256_sub_pd(frac, Splat(0.5)));
  unsure = _mm256_or_pd(unsure, _mm256_cmp_pd(off, Splat(kRoundGuard), _CMP_LT_OQ));
  const __m256d up = _mm256_and_pd(_mm256_cmp_pd(frac, Splat(0.5), _CMP_GT_OQ), Splat(1));
  return _mm256_cvtpd_epi32(_mm256_add_pd(low, up));
}

VELKARO_AVX2 inline __m256d Sum3(__m256d r, __m256d g, __m256d b, double cr, double cg,
                                 double cb) {
  return _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(r, Splat(cr)), _mm256_mul_pd(g, Splat(cg))),
                       _mm256_mul_pd(b, Splat(cb)));
}

}  // namespace

VELKARO_AVX2 void LabBatchAvx2(const std::int32_t* colours, std::int16_t (*lab)[3],
                               bool* needExact, std::size_t n) {
  const double* lin = LinearTable().data();
  const __m128i byteMask = _mm_set1_epi32(0xFF);
  for (std::size_t i = 0; i < n; i += 4) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(colours + i));
    const __m256d r = Gather(lin, _mm_and_si128(c, byteMask));
    const __m256d g = Gather(lin, _mm_and_si128(_mm_srli_epi32(c, 8), byteMask));
    const __m256d b = Gather(lin, _mm_and_si128(_mm_srli_epi32(c, 16), byteMask));
    const __m256d x = _mm256_mul_pd(Sum3(r, g, b, 0.4124564, 0.3575761, 0.1804375), Splat(kInvXn));
    const __m256d y = Sum3(r, g, b, 0.2126729, 0.7151522, 0.072175);
    const __m256d z = _mm256_mul_pd(Sum3(r, g, b, 0.0193339, 0.119192, 0.9503041), Splat(kInvZn));
    __m256d unsure = _mm256_setzero_pd();
    const __m256d fx = F4(x, unsure), fy = F4(y, unsure), fz = F4(z, unsure);
    alignas(16) std::int32_t l[4], a[4], bb[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(l),
                    Round4(_mm256_sub_pd(_mm256_mul_pd(Splat(116), fy), Splat(16)), unsure));
    _mm_store_si128(reinterpret_cast<__m128i*>(a),
                    Round4(_mm256_mul_pd(Splat(500), _mm256_sub_pd(fx, fy)), unsure));
    _mm_store_si128(reinterpret_cast<__m128i*>(bb),
                    Round4(_mm256_mul_pd(Splat(200), _mm256_sub_pd(fy, fz)), unsure));
    const int unsureMask = _mm256_movemask_pd(unsure);
    for (int k = 0; k < 4; ++k) {
      lab[i + k][0] = static_cast<std::int16_t>(l[k]);
      lab[i + k][1] = static_cast<std::int16_t>(a[k]);
      lab[i + k][2] = static_cast<std::int16_t>(bb[k]);
      needExact[i + k] = (unsureMask >> k) & 1;
    }
  }
}

}  // namespace velkaro::labfast

#endif
