#include "palette_files.h"

#include <cstdio>
#include <cstring>

namespace velkaro {

namespace {

std::string Hex(ColorValue c) {
  const Rgb rgb = SplitChannels(c);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", rgb.r, rgb.g, rgb.b);
  return buf;
}

// A name on one line: line breaks and tabs would end the row or the comment early.
std::string OneLine(std::string_view name) {
  std::string out;
  for (char ch : name) out += (ch == '\n' || ch == '\r' || ch == '\t') ? ' ' : ch;
  return out;
}

std::string Gpl(std::span<const PaletteEntry> entries, std::string_view title) {
  std::string out = "GIMP Palette\nName: " + OneLine(title) + "\nColumns: " +
                    std::to_string(entries.empty() ? 1 : std::min<std::size_t>(entries.size(), 16)) + "\n#\n";
  for (const PaletteEntry& e : entries) {
    const Rgb rgb = SplitChannels(e.colour);
    char row[32];
    std::snprintf(row, sizeof row, "%3d %3d %3d\t", rgb.r, rgb.g, rgb.b);
    out += row + OneLine(e.name) + "\n";
  }
  return out;
}

std::string Css(std::span<const PaletteEntry> entries) {
  std::string out = ":root {\n";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::string name = OneLine(entries[i].name);
    for (std::size_t at; (at = name.find("*/")) != std::string::npos;) name.replace(at, 2, "* /");
    out += "  --velkaro-" + std::to_string(i + 1) + ": " + Hex(entries[i].colour) + "; /* " + name + " */\n";
  }
  return out + "}\n";
}

std::string JsonString(std::string_view s) {
  std::string out = "\"";
  for (unsigned char ch : s) {
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += static_cast<char>(ch);
    } else if (ch < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04X", ch);
      out += esc;
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out + "\"";
}

std::string Json(std::span<const PaletteEntry> entries) {
  std::string out = "[";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Rgb rgb = SplitChannels(entries[i].colour);
    out += std::string(i ? "," : "") + "\n  {\"name\": " + JsonString(entries[i].name) + ", \"hex\": \"" +
           Hex(entries[i].colour) + "\", \"rgb\": [" + std::to_string(rgb.r) + ", " + std::to_string(rgb.g) + ", " +
           std::to_string(rgb.b) + "]}";
  }
  return out + (entries.empty() ? "]\n" : "\n]\n");
}

// UTF-8 to UTF-16 code units; a malformed byte reads as U+FFFD.
std::u16string Utf16(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    char32_t cp = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
    bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < s.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const unsigned char c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      ok = (c >> 6) == 2;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

// Big-endian, as the format is.
void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>((v >> 8) & 0xFF);
  out += static_cast<char>(v & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v >> 16);
  Put16(out, v & 0xFFFF);
}
void PutFloat(std::string& out, float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  Put32(out, bits);
}

std::string Ase(std::span<const PaletteEntry> entries) {
  std::string out = "ASEF";
  Put16(out, 1);  // version 1.0
  Put16(out, 0);
  Put32(out, static_cast<std::uint32_t>(entries.size()));
  for (const PaletteEntry& e : entries) {
    std::u16string name = Utf16(e.name);
    if (name.size() > 0xFFFE) name.resize(0xFFFE);
    std::string block;
    Put16(block, static_cast<std::uint32_t>(name.size() + 1));  // code units with the closing zero
    for (char16_t unit : name) Put16(block, unit);
    Put16(block, 0);
    block += "RGB ";
    const Rgb rgb = SplitChannels(e.colour);
    for (std::int32_t channel : {rgb.r, rgb.g, rgb.b}) PutFloat(block, static_cast<float>(channel / 255.0));
    Put16(block, 0);  // a global colour
    Put16(out, 0x0001);  // a colour entry
    Put32(out, static_cast<std::uint32_t>(block.size()));
    out += block;
  }
  return out;
}

}  // namespace

std::optional<PaletteFormat> PaletteFormatNamed(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kPaletteFormatNames); ++i)
    if (name == kPaletteFormatNames[i]) return static_cast<PaletteFormat>(i);
  return std::nullopt;
}

std::string PaletteFile(PaletteFormat format, std::span<const PaletteEntry> entries, std::string_view title) {
  switch (format) {
    case PaletteFormat::Gpl: return Gpl(entries, title);
    case PaletteFormat::Ase: return Ase(entries);
    case PaletteFormat::Css: return Css(entries);
    case PaletteFormat::Json: return Json(entries);
  }
  return {};
}

}  // namespace velkaro
