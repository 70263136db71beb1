// Mouse buttons and modifier keys as the model's handlers count them: buttons 1 left,
// 2 right, 4 middle; Shift 1, Ctrl 2, Alt 4.
#pragma once

#include <windows.h>

namespace velkaro {

// The buttons held during a mouse message.
inline int ButtonsHeld(WPARAM wp) {
  return ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
}

// The button a press or release message is about.
inline int ButtonOf(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return 2;
    default: return 4;
  }
}

// The primary button, physically: GetAsyncKeyState reports the buttons as they are wired,
// and with the buttons swapped the primary one is the right.
inline bool PrimaryButtonHeld() {
  return GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
}

inline int MouseShiftState(WPARAM wp) {
  return ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

inline int KeyShiftState() {
  return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

}  // namespace velkaro
