#include "app/output/headless_png.h"

#include <zlib.h>

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>

#include "surface/png_stream.h"

namespace hygrovia {
namespace {

constexpr std::size_t kMaxChunk = std::size_t{1} << 20;  // bytes of image data per chunk
constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

// One chunk: its length, type, data and the CRC-32 of type and data.
void AppendChunk(std::string& out, std::string_view type, std::string_view data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out += type;
  out += data;
  const auto* checked = reinterpret_cast<const Bytef*>(out.data() + start);
  AppendBigEndian(
      out, static_cast<std::uint32_t>(crc32_z(crc32(0, nullptr, 0), checked, out.size() - start)));
}

// The header of an 8-bit RGB image: depth 8, colour type 2, deflate, standard filters, no
// interlacing.
std::string Header(const QImage& image) {
  std::string header;
  AppendBigEndian(header, static_cast<std::uint32_t>(image.width()));
  AppendBigEndian(header, static_cast<std::uint32_t>(image.height()));
  header += std::string_view("\x08\x02\x00\x00\x00", 5);
  return header;
}

QByteArray Encode(const QImage& image) {
  const ConstPixelRows rows{reinterpret_cast<const std::uint32_t*>(image.constBits()),
                            image.bytesPerLine() / static_cast<int>(sizeof(std::uint32_t)),
                            image.width(), image.height()};
  const std::string data = PngImageStream(rows);
  std::string png(kSignature);
  AppendChunk(png, "IHDR", Header(image));
  for (std::size_t at = 0; at < data.size(); at += kMaxChunk) {
    AppendChunk(png, "IDAT", std::string_view(data).substr(at, kMaxChunk));
  }
  AppendChunk(png, "IEND", {});
  return QByteArray::fromStdString(png);
}

}  // namespace

QByteArray EncodePng(const QImage& image) {
  if (image.isNull()) return {};
  try {
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
      return Encode(image);
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return rgb.isNull() ? QByteArray() : Encode(rgb);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace hygrovia
