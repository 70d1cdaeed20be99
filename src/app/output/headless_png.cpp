#include "app/output/headless_png.h"

#include <zlib.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <future>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "base/run_aside.h"

namespace hygrovia {
namespace {

constexpr int kFastestDeflate = 1;
constexpr int kRawDeflateWindow = -15;  // a deflate stream without zlib's header and trailer
constexpr int kMemoryLevel = 8;
constexpr int kBytesPerPixel = 3;
constexpr int kRowsPerChunk = 16;  // rows packed and deflated in one go
constexpr int kMinRowsPerBand = 128;
constexpr int kMaxBands = 2;
constexpr std::size_t kOutputStep = 64 * 1024;
constexpr std::size_t kMaxChunk = std::size_t{1} << 20;  // bytes of image data per chunk

// The PNG signature, and zlib's header for a 32 KiB window at the fastest level.
constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};
constexpr std::string_view kZlibHeader{"\x78\x01", 2};

// A band of rows deflated on its own: the bytes, the Adler-32 and the length of what went in.
struct Band {
  std::string deflated;
  uLong adler = adler32(0, nullptr, 0);
  uLong length = 0;
  bool ok = false;
};

// Row y as PNG wants it: the filter byte "none", then red, green and blue of every pixel.
void PackRow(const QImage& image, int y, unsigned char* out) {
  *out++ = 0;
  const auto* pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y));
  const int width = image.width();
  for (int x = 0; x < width; ++x, out += kBytesPerPixel) {
    out[0] = static_cast<unsigned char>(qRed(pixel[x]));
    out[1] = static_cast<unsigned char>(qGreen(pixel[x]));
    out[2] = static_cast<unsigned char>(qBlue(pixel[x]));
  }
}

// Runs deflate on what the stream holds until it has taken all of it (and, when finishing,
// written its end), appending the output to `out` through `buffer`.
bool Pump(z_stream& stream, int flush, std::vector<unsigned char>& buffer, std::string& out) {
  do {
    stream.next_out = buffer.data();
    stream.avail_out = static_cast<uInt>(buffer.size());
    const int status = deflate(&stream, flush);
    if (status == Z_STREAM_ERROR) return false;
    out.append(reinterpret_cast<const char*>(buffer.data()), buffer.size() - stream.avail_out);
  } while (stream.avail_out == 0);
  return true;
}

// Rows [first, last) deflated as runs of repeated bytes, the fastest way that packs a chart's
// flat areas. A band that is not the last ends on a byte boundary without a final block, so
// the bands join into one stream.
Band DeflateBand(const QImage& image, int first, int last, bool final) {
  Band band;
  z_stream stream{};
  if (deflateInit2(&stream, kFastestDeflate, Z_DEFLATED, kRawDeflateWindow, kMemoryLevel, Z_RLE) !=
      Z_OK) {
    return band;
  }
  const std::size_t rowBytes = 1 + static_cast<std::size_t>(image.width()) * kBytesPerPixel;
  std::vector<unsigned char> rows(rowBytes * kRowsPerChunk);
  std::vector<unsigned char> buffer(kOutputStep);
  band.ok = true;
  for (int y = first; y < last && band.ok; y += kRowsPerChunk) {
    const int count = std::min(kRowsPerChunk, last - y);
    for (int i = 0; i < count; ++i) PackRow(image, y + i, rows.data() + rowBytes * i);
    const auto size = static_cast<uInt>(rowBytes * static_cast<std::size_t>(count));
    band.adler = adler32(band.adler, rows.data(), size);
    band.length += size;
    stream.next_in = rows.data();
    stream.avail_in = size;
    const bool end = y + count >= last;
    const int flush = !end ? Z_NO_FLUSH : (final ? Z_FINISH : Z_SYNC_FLUSH);
    band.ok = Pump(stream, flush, buffer, band.deflated);
  }
  deflateEnd(&stream);
  return band;
}

// A band that reports running out of memory instead of throwing across the thread.
Band SafeBand(const QImage& image, int first, int last, bool final) {
  try {
    return DeflateBand(image, first, last, final);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

// The image data as one zlib stream: the rows cut into a few bands deflated side by side,
// the last one on this thread. The number of bands follows the image alone, so the same
// image always gives the same file.
std::string DeflateRows(const QImage& image) {
  const int height = image.height();
  const int bands = std::clamp(height / kMinRowsPerBand, 1, kMaxBands);
  const auto startRow = [&](int b) {
    return static_cast<int>(static_cast<long long>(height) * b / bands);
  };
  std::vector<std::future<Band>> others;
  for (int b = 0; b + 1 < bands; ++b) {
    const int first = startRow(b);
    const int last = startRow(b + 1);
    others.push_back(
        RunAside([&image, first, last] { return SafeBand(image, first, last, false); }));
  }
  const Band last = SafeBand(image, startRow(bands - 1), height, true);
  std::string out(kZlibHeader);
  uLong adler = adler32(0, nullptr, 0);
  bool ok = last.ok;
  for (std::future<Band>& future : others) {
    const Band band = future.get();
    ok = ok && band.ok;
    out += band.deflated;
    adler = adler32_combine(adler, band.adler, static_cast<z_off_t>(band.length));
  }
  if (!ok) return {};
  out += last.deflated;
  AppendBigEndian(out, static_cast<std::uint32_t>(
                           adler32_combine(adler, last.adler, static_cast<z_off_t>(last.length))));
  return out;
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
  const std::string data = DeflateRows(image);
  if (data.empty()) return {};
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
