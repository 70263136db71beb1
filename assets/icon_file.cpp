#include "icon_file.h"

#include <array>
#include <string_view>

namespace velkaro {

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Put32Big(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void Chunk(Bytes& out, std::string_view type, const Bytes& data) {
  Put32Big(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  Put32Big(out, Crc32(out.data() + start, out.size() - start));
}

// Bits as deflate packs them: the first bit in the lowest place of each byte.
class BitWriter {
 public:
  explicit BitWriter(Bytes& out) : out_(out) {}
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  // A Huffman code goes out from its highest bit.
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }
  void Flush() {
    if (used_ > 0) out_.push_back(byte_);
    byte_ = 0;
    used_ = 0;
  }

 private:
  void Bit(std::uint32_t b) {
    byte_ = static_cast<std::uint8_t>(byte_ | b << used_);
    if (++used_ == 8) Flush();
  }
  Bytes& out_;
  std::uint8_t byte_ = 0;
  int used_ = 0;
};

// A literal or length symbol in deflate's fixed code.
void FixedSymbol(BitWriter& w, int symbol) {
  if (symbol < 144) w.Code(0x30 + static_cast<std::uint32_t>(symbol), 8);
  else if (symbol < 256) w.Code(0x190 + static_cast<std::uint32_t>(symbol - 144), 9);
  else if (symbol < 280) w.Code(static_cast<std::uint32_t>(symbol - 256), 7);
  else w.Code(0xC0 + static_cast<std::uint32_t>(symbol - 280), 8);
}

constexpr int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceBase[] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                 193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void Match(BitWriter& w, int length, int distance) {
  int l = 28;
  while (kLengthBase[l] > length) --l;
  FixedSymbol(w, 257 + l);
  w.Bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
  int d = 29;
  while (kDistanceBase[d] > distance) --d;
  w.Code(static_cast<std::uint32_t>(d), 5);
  w.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

// One fixed-code block, each match the longest of the last few places with the same three
// bytes: the icon's flat areas and repeated rows shrink to a small part.
Bytes DeflateFixed(const Bytes& raw) {
  constexpr int kWindow = 32768, kMaxLength = 258, kTries = 64, kHashSize = 1 << 15;
  Bytes out;
  BitWriter w(out);
  w.Bits(1, 1);  // the last block
  w.Bits(1, 2);  // fixed codes
  std::vector<int> head(kHashSize, -1), previous(raw.size(), -1);
  const int n = static_cast<int>(raw.size());
  auto hash = [&](int i) { return ((raw[i] << 10) ^ (raw[i + 1] << 5) ^ raw[i + 2]) & (kHashSize - 1); };
  auto insert = [&](int i) {
    if (i + 2 >= n) return;
    const int h = hash(i);
    previous[static_cast<std::size_t>(i)] = head[static_cast<std::size_t>(h)];
    head[static_cast<std::size_t>(h)] = i;
  };
  for (int i = 0; i < n;) {
    int bestLength = 0, bestDistance = 0;
    if (i + 2 < n) {
      int candidate = head[static_cast<std::size_t>(hash(i))];
      for (int tries = 0; candidate >= 0 && i - candidate <= kWindow && tries < kTries; ++tries) {
        int length = 0;
        while (length < kMaxLength && i + length < n && raw[candidate + length] == raw[i + length]) ++length;
        if (length > bestLength) {
          bestLength = length;
          bestDistance = i - candidate;
        }
        candidate = previous[static_cast<std::size_t>(candidate)];
      }
    }
    if (bestLength >= 3) {
      Match(w, bestLength, bestDistance);
      for (int k = 0; k < bestLength; ++k) insert(i + k);
      i += bestLength;
    } else {
      FixedSymbol(w, raw[static_cast<std::size_t>(i)]);
      insert(i);
      ++i;
    }
  }
  FixedSymbol(w, 256);  // the end of the block
  w.Flush();
  return out;
}

// The stored form: deflate's uncompressed blocks (at most 65535 bytes each).
Bytes DeflateStored(const Bytes& raw) {
  Bytes out;
  std::size_t at = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    out.push_back(at + n == raw.size() ? 1 : 0);
    Put16(out, static_cast<std::uint32_t>(n));
    Put16(out, static_cast<std::uint32_t>(~n & 0xFFFF));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
  } while (at < raw.size());
  return out;
}

Bytes Zlib(const Bytes& raw, bool compress) {
  Bytes out{0x78, 0x01};
  const Bytes data = compress ? DeflateFixed(raw) : DeflateStored(raw);
  out.insert(out.end(), data.begin(), data.end());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : raw) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  Put32Big(out, b << 16 | a);
  return out;
}

// The 32-bit image as an icon holds it: the header (twice the height: the image and its
// mask), the pixels bottom row first, then the mask, one bit a pixel, set where nothing shows.
Bytes IconImage(const ArgbPicture& p) {
  Bytes out;
  const std::uint32_t maskRow = (static_cast<std::uint32_t>(p.width) + 31) / 32 * 4;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(p.width));
  Put32(out, static_cast<std::uint32_t>(p.height * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(p.width * p.height * 4) + maskRow * static_cast<std::uint32_t>(p.height));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = p.height - 1; y >= 0; --y)
    for (int x = 0; x < p.width; ++x) Put32(out, p.At(x, y));  // ARGB is BGRA in memory order
  for (int y = p.height - 1; y >= 0; --y) {
    Bytes row(maskRow, 0);
    for (int x = 0; x < p.width; ++x)
      if ((p.At(x, y) >> 24) == 0) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

Bytes PngFile(const ArgbPicture& p, bool compress) {
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32Big(header, static_cast<std::uint32_t>(p.width));
  Put32Big(header, static_cast<std::uint32_t>(p.height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace
  Chunk(out, "IHDR", header);
  Bytes raw;
  raw.reserve(static_cast<std::size_t>(p.height) * (1 + 4 * static_cast<std::size_t>(p.width)));
  for (int y = 0; y < p.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < p.width; ++x) {
      const std::uint32_t v = p.At(x, y);
      raw.insert(raw.end(), {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 24)});
    }
  }
  Chunk(out, "IDAT", Zlib(raw, compress));
  Chunk(out, "IEND", {});
  return out;
}

Bytes IconFile(const std::vector<ArgbPicture>& pictures) {
  std::vector<Bytes> images;
  for (const ArgbPicture& p : pictures) images.push_back(p.width >= 256 ? PngFile(p) : IconImage(p));
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // an icon
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const ArgbPicture& p = pictures[i];
    out.push_back(static_cast<std::uint8_t>(p.width >= 256 ? 0 : p.width));  // 0 stands for 256
    out.push_back(static_cast<std::uint8_t>(p.height >= 256 ? 0 : p.height));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace velkaro
