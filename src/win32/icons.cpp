#include "icons.h"

#include <cstring>

namespace velkaro {

IconHandle CreateIconFromPicture(const ArgbPicture& picture, bool pointer) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = picture.width;
  header.bV5Height = -picture.height;  // top row first
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  GdiObject<HBITMAP> colour;
  {
    ScreenDc screen;
    colour.reset(CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                  nullptr, 0));
  }
  if (!colour.get()) return IconHandle();
  std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
  // The alpha channel decides; the mask only has to exist.
  GdiObject<HBITMAP> mask(CreateBitmap(picture.width, picture.height, 1, 1, nullptr));
  ICONINFO info{};
  info.fIcon = pointer ? FALSE : TRUE;
  info.xHotspot = static_cast<DWORD>(picture.hotX);
  info.yHotspot = static_cast<DWORD>(picture.hotY);
  info.hbmMask = mask.get();
  info.hbmColor = colour.get();
  return IconHandle(CreateIconIndirect(&info));  // copies both bitmaps
}

}  // namespace velkaro
