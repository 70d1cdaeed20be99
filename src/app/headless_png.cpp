#include "app/headless_png.h"

#include <QImage>
#include <QRgb>
#include <array>
#include <cstdint>

namespace hygrovia {
namespace {

constexpr int kFastestDeflate = 1;
constexpr char kSubFilter = 1;
constexpr char kBitDepth = 8;
constexpr char kTrueColour = 2;
// qCompress puts the length of the data before the zlib stream a PNG holds.
constexpr qsizetype kLengthPrefix = 4;

// The CRC-32 of PNG chunks (ISO 3309, polynomial 0xEDB88320 reflected).
std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

std::uint32_t Crc32(const QByteArray& bytes) {
  static const std::array<std::uint32_t, 256> table = CrcTable();
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char byte : bytes) c = table[(c ^ static_cast<std::uint8_t>(byte)) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void AppendBigEndian(QByteArray& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.append(static_cast<char>((value >> shift) & 0xFFu));
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const QByteArray typed = QByteArray(type, 4) + data;
  out.append(typed);
  AppendBigEndian(out, Crc32(typed));
}

QByteArray Header(const QImage& image) {
  QByteArray header;
  AppendBigEndian(header, static_cast<std::uint32_t>(image.width()));
  AppendBigEndian(header, static_cast<std::uint32_t>(image.height()));
  header.append(kBitDepth);
  header.append(kTrueColour);
  header.append(3, '\0');  // deflate, adaptive filtering, no interlace
  return header;
}

// The rows as PNG scan lines: a filter byte, then each byte minus the one a pixel before.
QByteArray SubFilteredRows(const QImage& image) {
  const qsizetype rowBytes = 1 + 3 * static_cast<qsizetype>(image.width());
  QByteArray rows(rowBytes * image.height(), Qt::Uninitialized);
  if (rows.isEmpty()) return rows;
  char* out = rows.data();
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    *out++ = kSubFilter;
    int r = 0;
    int g = 0;
    int b = 0;
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = line[x];
      *out++ = static_cast<char>(qRed(pixel) - r);
      *out++ = static_cast<char>(qGreen(pixel) - g);
      *out++ = static_cast<char>(qBlue(pixel) - b);
      r = qRed(pixel);
      g = qGreen(pixel);
      b = qBlue(pixel);
    }
  }
  return rows;
}

}  // namespace

QByteArray EncodePng(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QByteArray stream = qCompress(SubFilteredRows(rgb), kFastestDeflate);
  if (stream.size() <= kLengthPrefix) return {};
  stream.remove(0, kLengthPrefix);
  QByteArray png("\x89PNG\r\n\x1A\n", 8);
  AppendChunk(png, "IHDR", Header(rgb));
  AppendChunk(png, "IDAT", stream);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace hygrovia
