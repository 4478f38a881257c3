#pragma once
// A small RGB canvas and the two file formats the program carries: BMP and single-image ICO.
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct Rgb {
  std::uint8_t r, g, b;
};

class Image {
 public:
  Image(int width, int height, Rgb fill = {0, 0, 0});
  int width() const { return width_; }
  int height() const { return height_; }
  void Set(int x, int y, Rgb c);
  Rgb Get(int x, int y) const { return pixels_[y * width_ + x]; }
  void FillRect(int x, int y, int w, int h, Rgb c);
  void Frame(int x, int y, int w, int h, Rgb c);  // a one-pixel outline
  // Text in the 5 x 7 font at an integer scale; returns its width in pixels.
  static int TextWidth(const std::string& text, int scale);
  void Text(int x, int y, const std::string& text, int scale, Rgb c);
  // Centred text, as large as fits, with a one-pixel shadow; lines split at '|'.
  void CentredText(const std::string& text, Rgb c, Rgb shadow);

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

std::vector<std::uint8_t> Bmp(const Image& image, int bitsPerPixel);  // 24 or 32, uncompressed, 3780 px/m
std::vector<std::uint8_t> Ico(const Image& image);                   // one 24-bit image, opaque
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace assetgen
