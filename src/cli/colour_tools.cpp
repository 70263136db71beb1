#include "colour_tools.h"

#include "gradient.h"
#include "surface.h"

namespace velkaro::cli {

std::vector<ColorValue> GradientSteps(ColorValue a, ColorValue b, int n) {
  std::vector<ColorValue> steps;
  if (n <= 0) return steps;
  Surface strip(n, 1);
  DrawLinearGradient(strip, a, b);
  for (int x = 0; x < n; ++x) steps.push_back(strip.Get(x, 0));
  return steps;
}

}  // namespace velkaro::cli
