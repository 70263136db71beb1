// The skinned frame: window drag, image-button hover reset and the saved placement. They
// are called from their places already; their behaviour arrives with the frame work.
#include "form1.h"

namespace velkaro {

void Form1::DragWindow() {}
void Form1::PicEn() {}
// No image button shows a hover or pressed picture.
bool Form1::HoverPicturesAtRest() const { return true; }
void Form1::SavePlacement() {}

}  // namespace velkaro
