// The console toolkit on bulk input, through its own Run as the program runs it: every
// 8-bit colour to its Html notation, and the nearest CSS name of 100,000 random colours.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <istream>
#include <ostream>
#include <random>
#include <streambuf>
#include <string>

#include "colour_cli.h"

namespace {

// Lines "r,g,b" for colours first..last, made as they are read.
class ColourLines : public std::streambuf {
 public:
  ColourLines(std::uint32_t count, bool random) : count_(count), random_(random) {}

 protected:
  int_type underflow() override {
    if (next_ >= count_) return traits_type::eof();
    buffer_.clear();
    for (int i = 0; i < 4096 && next_ < count_; ++i, ++next_) {
      const std::uint32_t c = random_ ? static_cast<std::uint32_t>(rng_()) & 0xFFFFFF : next_;
      buffer_ += std::to_string(c & 0xFF) + "," + std::to_string(c >> 8 & 0xFF) + "," + std::to_string(c >> 16) + "\n";
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  std::uint32_t count_, next_ = 0;
  bool random_;
  std::mt19937 rng_{20261210};
  std::string buffer_;
};

class Discard : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
  int_type overflow(int_type c) override { return c; }
};

void RunOver(benchmark::State& state, std::vector<std::string> args, std::uint32_t count, bool random) {
  for (auto _ : state) {
    ColourLines lines(count, random);
    std::istream in(&lines);
    Discard sink;
    std::ostream out(&sink), err(&sink);
    benchmark::DoNotOptimize(velkaro::cli::Run(args, in, out, err));
  }
  state.counters["colours"] = count;
}

void BM_FormatHtmlEveryColour(benchmark::State& state) { RunOver(state, {"--format", "html"}, 1u << 24, false); }
void BM_NameOf100000RandomColours(benchmark::State& state) { RunOver(state, {"name"}, 100000, true); }

BENCHMARK(BM_FormatHtmlEveryColour)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_NameOf100000RandomColours)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
