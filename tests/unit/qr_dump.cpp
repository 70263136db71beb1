// Writes the QR code the build embedded as a greyscale PGM, six pixels a module, so that a
// real decoder can read it back, and prints the address it should hold.
#include <fstream>
#include <iostream>

#include "pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: qr_dump OUT.pgm\n";
    return 2;
  }
  constexpr int kScale = 6;
  const velkaro::ArgbPicture qr = velkaro::DrawFeedbackQr(4);
  std::ofstream out(argv[1], std::ios::binary);
  out << "P5\n" << qr.width * kScale << " " << qr.height * kScale << "\n255\n";
  for (int y = 0; y < qr.height * kScale; ++y)
    for (int x = 0; x < qr.width * kScale; ++x)
      out.put(static_cast<char>(qr.At(x / kScale, y / kScale) & 0xFF));
  std::cout << velkaro::FeedbackQrText() << "\n";
  return out.good() ? 0 : 1;
}
