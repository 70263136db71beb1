// How soon a pointer move shows during an eyedropper drag: the pointer jumps by real input
// between the two colours of a board outside the window, and each time the driver polls
// redBox (WM_GETTEXT, as any program reads it) until it shows the new red channel. The
// same is measured, in the same run, on a bare window that reads the pixel and writes 24
// edit boxes on each move: the platform's own price for a move that shows. Reports p50,
// p95 and the maximum of both, and the program's own breakdown of where the time went.
// The figures are reported, not judged; only lost moves fail.
#include <algorithm>
#include <string>
#include <vector>

#include "driver.h"
#include "view_timings.h"

using namespace velkaro;
using namespace velkaro::e2e;

namespace {

constexpr COLORREF kColourA = RGB(200, 30, 40), kColourB = RGB(20, 60, 220);
constexpr int kMoves = 120, kWarmUp = 10;
constexpr double kFrameMs = 1000.0 / 60;

double NowMs() {
  LARGE_INTEGER t, f;
  QueryPerformanceCounter(&t);
  QueryPerformanceFrequency(&f);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

struct Series {
  std::vector<double> ms;
  int lost = 0;
  double Percentile(double p) const {
    if (ms.empty()) return 0;
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(p * static_cast<double>(sorted.size())))];
  }
  double Max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

// Holds the mouse from `press`, then jumps between a and b, timing each jump until `text`
// shows the red channel of the colour jumped to.
Series Measure(HWND text, POINT press, POINT a, POINT b) {
  Series s;
  PointerTo(press);
  Pump(200);
  Button(true, true);
  Pump(200);
  PointerTo(a);
  WaitUntil([&] { return ReadText(text) == std::to_string(GetRValue(kColourA)); }, 3000);
  Pump(100);
  for (int i = 0; i < kMoves + kWarmUp; ++i) {
    const bool toB = i % 2 == 0;
    const std::string expected = std::to_string(GetRValue(toB ? kColourB : kColourA));
    const double start = NowMs();
    PointerTo(toB ? b : a);
    bool shown = false;
    while (NowMs() - start < 1000) {
      if (ReadText(text) == expected) {
        shown = true;
        break;
      }
      SwitchToThread();
    }
    const double took = NowMs() - start;
    if (i >= kWarmUp) {
      if (shown)
        s.ms.push_back(took);
      else
        ++s.lost;
    }
    Pump(40);  // a hand's pace: moves apart, not queued behind each other
  }
  Button(true, false);
  Pump(300);
  return s;
}

void Report(const char* who, const Series& s) {
  std::printf("%s: p50 %.1f ms, p95 %.1f ms, max %.1f ms over %zu moves, %d lost\n", who, s.Percentile(0.5),
              s.Percentile(0.95), s.Max(), s.ms.size(), s.lost);
}

HWND WaitForClass(const wchar_t* name) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowW(name, nullptr)) != nullptr && IsWindowVisible(found); }, 20000);
  return found;
}

// The board, beside the window at any density.
RECT Board() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  return {screenWidth - 290, 60, screenWidth - 30, 260};
}
POINT OnA() { return {Board().left + 60, 160}; }
POINT OnB() { return {Board().right - 60, 160}; }

// The yardstick first, then the program, in the same run.
void BareWindow(Session& s, Series& bare) {
  ShowBoard(Board(), kColourA, kColourB);
  Pump(300);
  Program yardstick(s.Extra(0));
  HWND window = WaitForClass(L"VelkaroLatencyReference");
  s.checks.Expect(window != nullptr, "the bare window appears");
  if (!window) return;
  RECT r;
  GetWindowRect(window, &r);
  bare = Measure(GetDlgItem(window, 100), {r.left + 130, r.bottom - 10}, OnA(), OnB());
  PostMessageW(window, WM_CLOSE, 0, 0);
  yardstick.WaitForExit(5000);
}

void Velkaro(Session& s, const Series& bare) {
  if (!s.Start()) return;
  Pump(500);
  const ScreenRect target = s.Layout().units.ClientPixels(s.ids.Get("Picture2"));
  const Series velkaro =
      Measure(GetDlgItem(s.hwnd, s.ids.Id("Text_R")), s.At("Picture2", target.width / 2, target.height / 2), OnA(), OnB());
  std::printf("at %d dpi\n", s.Layout().units.Dpi());
  Report("bare window", bare);
  Report("Velkaro", velkaro);
  std::printf("Velkaro p95 %.1f ms against one frame %.1f ms; p50 %.2f x the bare window's p50\n",
              velkaro.Percentile(0.95), kFrameMs, velkaro.Percentile(0.5) / std::max(bare.Percentile(0.5), 0.001));
  const UINT query = RegisterWindowMessageW(kMoveTimingsMessage);
  for (int part = 0; part < static_cast<int>(ViewPart::kCount); ++part) {
    const auto t = static_cast<std::uint64_t>(SendMessageW(s.hwnd, query, static_cast<WPARAM>(part), 0));
    std::printf("  %-13s %6u times, mean %8.1f us\n", kViewPartNames[part], static_cast<unsigned>(t >> 32),
                static_cast<double>(t & 0xFFFFFFFF) / 10);
  }
  const auto magnifier =
      static_cast<std::uint64_t>(SendMessageW(s.hwnd, RegisterWindowMessageW(kMagnifierTimingsMessage), 0, 0));
  std::printf("  %-13s %6u times, mean %8.1f us\n", "magnifier", static_cast<unsigned>(magnifier >> 32),
              static_cast<double>(magnifier & 0xFFFFFFFF) / 10);
  s.checks.Expect(bare.lost == 0 && velkaro.lost == 0, "every move showed (lost: bare " + std::to_string(bare.lost) +
                                                            ", Velkaro " + std::to_string(velkaro.lost) + ")");
  s.checks.Expect(s.Screenshot(), "screenshot saved");
}

}  // namespace

// The argument after the program and the screenshot: the bare window's program.
int wmain(int argc, wchar_t** argv) {
  Series bare;
  return RunDriver(argc, argv,
                   {{"the bare window", [&bare](Session& s) { BareWindow(s, bare); }},
                    {"Velkaro", [&bare](Session& s) { Velkaro(s, bare); }}},
                   StartFirst::No);
}
