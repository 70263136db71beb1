// Where the time of a pointer move goes, as the program itself measures it: counts and
// total microseconds per part, answered to a registered message so that a test can read
// them from outside.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

namespace velkaro {

// Answered with one part's timing: wParam is the part; the count in the high 32 bits, the
// mean time in tenths of a microsecond in the low 32 bits.
inline constexpr wchar_t kMoveTimingsMessage[] = L"Velkaro.MoveTimings";

enum class ViewPart : int {
  MoveMessage,    // a WM_MOUSEMOVE while a control holds the mouse, handler and repaint
  MoveHandler,    // the model's handler of that move, with any repaint it asks for
  TimerTick,      // the hover tick while picking, its handler and repaint
  Sync,           // texts, captions and invalid areas pushed from the model to the windows
  Paint,          // one WM_PAINT of the main window
  EditText,       // one SetWindowText of an edit whose text changed
  EditPaint,      // one WM_PAINT of an edit
  kCount
};
inline constexpr const char* kViewPartNames[] = {"move message", "move handler", "timer tick", "sync",
                                                 "paint",        "edit text",    "edit paint"};

class ViewTimings {
 public:
  struct Part {
    std::uint32_t count = 0;
    double micros = 0;
  };
  void Add(ViewPart part, double micros) {
    Part& p = parts_[static_cast<int>(part)];
    ++p.count;
    p.micros += micros;
  }
  const Part& Get(int part) const { return parts_[static_cast<std::size_t>(part)]; }
  static double Now() {
    static const double ticksPerMicro = [] {
      LARGE_INTEGER f;
      QueryPerformanceFrequency(&f);
      return static_cast<double>(f.QuadPart) / 1e6;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticksPerMicro;
  }

 private:
  std::array<Part, static_cast<int>(ViewPart::kCount)> parts_{};
};

// Adds the time from construction to destruction to one part.
class Timed {
 public:
  Timed(ViewTimings& timings, ViewPart part, bool counted = true)
      : timings_(timings), part_(part), counted_(counted), start_(ViewTimings::Now()) {}
  ~Timed() {
    if (counted_) timings_.Add(part_, ViewTimings::Now() - start_);
  }
  Timed(const Timed&) = delete;
  Timed& operator=(const Timed&) = delete;

 private:
  ViewTimings& timings_;
  ViewPart part_;
  bool counted_;
  double start_;
};

}  // namespace velkaro
