// The hue strip and the channel slider ramps. Their painting arrives with the palette
// and the sliders; until then the start-up and refresh calls find nothing to paint.
#include "form1.h"

namespace velkaro {

void Form1::初始化三原色(std::int32_t, std::int32_t, std::int32_t) {}
void Form1::色板三原色(std::int32_t, std::int32_t, std::int32_t) {}

}  // namespace velkaro
