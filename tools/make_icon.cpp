// Writes the program's icon at build time: make_icon OUT.ico [PNG_DIR]. With a folder, the
// 16, 32 and 256 pixel images are also written there as PNG files to look at, and the 256
// pixel one once more uncompressed (icon_256_stored.png), to hold the compression against.
#include <cstdio>
#include <fstream>
#include <string>

#include "icon_file.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_icon OUT.ico [PNG_DIR]\n");
    return 2;
  }
  std::vector<velkaro::ArgbPicture> pictures;
  for (int size : velkaro::kAppIconSizes) pictures.push_back(velkaro::DrawAppIcon(size));
  auto write = [](const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  };
  if (!write(argv[1], velkaro::IconFile(pictures))) return 1;
  if (argc > 2)
    for (const auto& p : pictures)
      if (p.width == 16 || p.width == 32 || p.width == 256)
        write(std::string(argv[2]) + "/icon_" + std::to_string(p.width) + ".png", velkaro::PngFile(p));
  if (argc > 2) write(std::string(argv[2]) + "/icon_256_stored.png", velkaro::PngFile(pictures.back(), false));
  return 0;
}
