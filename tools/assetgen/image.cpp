#include "tools/assetgen/image.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/assetgen/font5x7.h"

namespace assetgen {

Image::Image(int width, int height, Rgb fill) : width_(width), height_(height), pixels_(width * height, fill) {}

void Image::Set(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * width_ + x] = c;
}

void Image::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Image::Frame(int x, int y, int w, int h, Rgb c) {
  FillRect(x, y, w, 1, c);
  FillRect(x, y + h - 1, w, 1, c);
  FillRect(x, y, 1, h, c);
  FillRect(x + w - 1, y, 1, h, c);
}

int Image::TextWidth(const std::string& text, int scale) {
  return text.empty() ? 0 : static_cast<int>(text.size()) * 6 * scale - scale;
}

void Image::Text(int x, int y, const std::string& text, int scale, Rgb c) {
  for (char ch : text) {
    const Glyph g = GlyphOf(ch);
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (g[row] & (0x10 >> col)) FillRect(x + col * scale, y + row * scale, scale, scale, c);
    x += 6 * scale;
  }
}

void Image::CentredText(const std::string& text, Rgb c, Rgb shadow) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line, '|');) lines.push_back(line);
  const int n = static_cast<int>(lines.size());
  int widest = 0;
  for (const auto& l : lines) widest = std::max(widest, TextWidth(l, 1));
  int scale = 1;
  while (widest * (scale + 1) <= width_ - 4 && (8 * n - 1) * (scale + 1) <= height_ - 4) ++scale;
  const int blockHeight = (8 * n - 1) * scale;
  int y = (height_ - blockHeight) / 2;
  for (const auto& l : lines) {
    const int x = (width_ - TextWidth(l, scale)) / 2;
    Text(x + 1, y + 1, l, scale, shadow);
    Text(x, y, l, scale, c);
    y += 8 * scale;
  }
}

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void InfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits, unsigned imageSize) {
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 3780);
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
}

std::vector<std::uint8_t> Pixels(const Image& image, int bits) {
  const int bytesPerPixel = bits / 8;
  const int stride = (image.width() * bytesPerPixel + 3) & ~3;
  std::vector<std::uint8_t> out;
  out.reserve(stride * image.height());
  for (int y = image.height() - 1; y >= 0; --y) {  // bottom-up
    const std::size_t rowStart = out.size();
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.Get(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
      if (bytesPerPixel == 4) out.push_back(0);
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> Bmp(const Image& image, int bitsPerPixel) {
  const std::vector<std::uint8_t> pixels = Pixels(image, bitsPerPixel);
  std::vector<std::uint8_t> out = {'B', 'M'};
  Put32(out, 54 + static_cast<unsigned>(pixels.size()));
  Put32(out, 0);
  Put32(out, 54);
  InfoHeader(out, image.width(), image.height(), bitsPerPixel, static_cast<unsigned>(pixels.size()));
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

std::vector<std::uint8_t> Ico(const Image& image) {
  const std::vector<std::uint8_t> colour = Pixels(image, 24);
  const int maskStride = ((image.width() + 31) / 32) * 4;
  const std::vector<std::uint8_t> mask(maskStride * image.height(), 0);  // all opaque
  const unsigned imageBytes = 40 + static_cast<unsigned>(colour.size() + mask.size());
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, 1);  // one image
  out.push_back(static_cast<std::uint8_t>(image.width()));
  out.push_back(static_cast<std::uint8_t>(image.height()));
  out.push_back(0);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, imageBytes);
  Put32(out, 22);
  InfoHeader(out, image.width(), image.height() * 2, 24, static_cast<unsigned>(colour.size() + mask.size()));
  out.insert(out.end(), colour.begin(), colour.end());
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace assetgen
