// The program's pictures, drawn in code: the eyedropper target, and the cross-hair pointer
// in a light and a dark version. 32-bit ARGB (straight alpha), top row first.
#pragma once

#include <cstdint>
#include <vector>

namespace velkaro {

struct ArgbPicture {
  int width = 0, height = 0;
  int hotX = 0, hotY = 0;  // the pointer's hot spot: the crossing of the cross hair
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A white disc with a ring and cross hairs: the thing the user drags out of the window.
ArgbPicture DrawTargetIcon(int size);
// The program's own icon: the target on a rounded plate of the window's blue.
ArgbPicture DrawAppIcon(int size);
// A cross hair in a circle with a gap at the centre, so the picked pixel stays visible.
// Light: white strokes outlined in black, for dark colours; dark: the reverse.
ArgbPicture DrawCrossHairPointer(int size, bool light);
// The thumb of a slider: a small grey arrow pointing up at the track.
ArgbPicture DrawSliderThumb(int width, int height);
// The tray menu items' pictures: a heart for "about", a power sign for "exit".
ArgbPicture DrawMenuAbout(int width, int height);
ArgbPicture DrawMenuExit(int width, int height);
// The image buttons' marks, size x size: a white heart, four colour squares, a white bar
// and a white cross.
ArgbPicture DrawButtonHeart(int size);
ArgbPicture DrawButtonColourSquares(int size);
ArgbPicture DrawButtonBar(int size);
ArgbPicture DrawButtonCross(int size);
// The feedback QR code, one pixel a module, opaque black on white, with a white margin of
// `quietModules` modules (scanners want four).
ArgbPicture DrawFeedbackQr(int quietModules);
const char* FeedbackQrText();  // the address it encodes

}  // namespace velkaro
