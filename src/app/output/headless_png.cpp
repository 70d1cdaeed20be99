#include "app/output/headless_png.h"

#include <png.h>
#include <zlib.h>

#include <QImage>
#include <csetjmp>
#include <cstddef>
#include <new>

namespace hygrovia {
namespace {

constexpr int kFastestDeflate = 1;
constexpr int kBitDepth = 8;

// libpng's errors end the encoding quietly: the caller reports an empty result.
[[noreturn]] void GiveUp(png_structp png, png_const_charp /*message*/) { png_longjmp(png, 1); }

void IgnoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}

// Appends libpng's output to the QByteArray it was handed; a failed append is a libpng error,
// raised once the exception is over.
void Append(png_structp png, png_bytep data, std::size_t length) {
  auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
  bool kept = true;
  try {
    out->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
  } catch (const std::bad_alloc&) {
    kept = false;
  }
  if (!kept) png_error(png, "out of memory");
}

void Flush(png_structp /*png*/) {}

// libpng's writer with its image header, freed together.
class PngWriter {
 public:
  PngWriter()
      : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, GiveUp, IgnoreWarning)),
        info_(png_ != nullptr ? png_create_info_struct(png_) : nullptr) {}
  ~PngWriter() { png_destroy_write_struct(&png_, &info_); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;

  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

// The header, then every row unfiltered, deflated at the fastest level as runs of repeated
// bytes. libpng may jump out of here, so nothing in it needs destroying.
void WriteImage(png_structp png, png_infop info, const QImage& rgb) {
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()),
               static_cast<png_uint_32>(rgb.height()), kBitDepth, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, kFastestDeflate);
  png_set_compression_strategy(png, Z_RLE);
  png_write_info(png, info);
  for (int y = 0; y < rgb.height(); ++y) png_write_row(png, rgb.constScanLine(y));
  png_write_end(png, nullptr);
}

// Whether libpng wrote the whole image; the landing place of its errors.
bool Encode(png_structp png, png_infop info, const QImage& rgb) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  WriteImage(png, info, rgb);
  return true;
}

}  // namespace

QByteArray EncodePng(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  const PngWriter writer;
  if (rgb.isNull() || writer.Info() == nullptr) return {};
  QByteArray png;
  png_set_write_fn(writer.Png(), &png, Append, Flush);
  if (!Encode(writer.Png(), writer.Info(), rgb)) return {};
  return png;
}

}  // namespace hygrovia
