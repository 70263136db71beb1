// The skinned frame: window drag and the image buttons' hover reset. They are called from
// their places already; their behaviour arrives with the frame work.
#include "form1.h"

namespace velkaro {

void Form1::DragWindow() {}
void Form1::PicEn() {}
// No image button shows a hover or pressed picture.
bool Form1::HoverPicturesAtRest() const { return true; }

}  // namespace velkaro
