// Decoding, scaling and drawing pictures with WIC and GDI.
#include "pictures.h"

#include <wincodec.h>

#include <algorithm>
#include <memory>

#include "gdi.h"

namespace runtime::win32 {

namespace {

// Holds one COM interface and releases it.
template <class T>
class Com {
 public:
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p_) p_->Release();
  }
  T** out() { return &p_; }
  T* operator->() const { return p_; }
  T* get() const { return p_; }

 private:
  T* p_ = nullptr;
};

struct DibRendition final : Rendition {
  int width = 0, height = 0;  // the size asked for (0 x 0: the picture's own)
  int shownWidth = 0, shownHeight = 0;
  GdiObject<HBITMAP> bitmap;  // null: the file could not be decoded
};

// The picture decoded to premultiplied BGRA, scaled to width x height
// (0 x 0: its own size).
std::unique_ptr<DibRendition> Decode(std::span<const std::uint8_t> file, int width, int height) {
  auto made = std::make_unique<DibRendition>();
  made->width = width;
  made->height = height;
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  Com<IWICBitmapScaler> scaler;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.out()))))
    return made;
  if (FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), static_cast<DWORD>(file.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                   0.0, WICBitmapPaletteTypeCustom)))
    return made;
  UINT ownWidth = 0, ownHeight = 0;
  if (FAILED(converter->GetSize(&ownWidth, &ownHeight)) || ownWidth == 0 || ownHeight == 0) return made;
  IWICBitmapSource* source = converter.get();
  UINT w = ownWidth, h = ownHeight;
  if (width > 0 && height > 0 && (static_cast<UINT>(width) != w || static_cast<UINT>(height) != h)) {
    w = static_cast<UINT>(width);
    h = static_cast<UINT>(height);
    if (FAILED(factory->CreateBitmapScaler(scaler.out())) ||
        FAILED(scaler->Initialize(converter.get(), w, h, WICBitmapInterpolationModeFant)))
      return made;
    source = scaler.get();
  }

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = static_cast<LONG>(w);
  info.bmiHeader.biHeight = -static_cast<LONG>(h);  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap.get() == nullptr || bits == nullptr) return made;
  const UINT stride = w * 4;
  if (FAILED(source->CopyPixels(nullptr, stride, stride * h, static_cast<BYTE*>(bits)))) return made;
  GdiFlush();
  made->shownWidth = static_cast<int>(w);
  made->shownHeight = static_cast<int>(h);
  made->bitmap = std::move(bitmap);
  return made;
}

// The picture's kept rendition at that size, decoded when there is none
// yet; a picture of another kind is decoded into spare.
const DibRendition& RenditionFor(const Picture& picture, int width, int height,
                                 std::unique_ptr<DibRendition>& spare) {
  const auto* object = dynamic_cast<const PictureObject*>(&picture);
  if (object == nullptr) {
    spare = Decode(picture.File(), width, height);
    return *spare;
  }
  if (auto* kept = dynamic_cast<const DibRendition*>(object->rendition());
      kept && kept->width == width && kept->height == height)
    return *kept;
  auto made = Decode(object->File(), width, height);
  const DibRendition& shown = *made;
  object->SetRendition(std::move(made));
  return shown;
}

}  // namespace

bool DrawPicture(HDC dc, const Picture& picture, const PixelRect& frame, bool stretch) {
  if (frame.width <= 0 || frame.height <= 0) return true;
  std::unique_ptr<DibRendition> spare;
  const DibRendition& shown = stretch ? RenditionFor(picture, frame.width, frame.height, spare)
                                      : RenditionFor(picture, 0, 0, spare);
  if (shown.bitmap.get() == nullptr) return false;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, shown.bitmap.get());
  const int w = stretch ? shown.shownWidth : std::min(shown.shownWidth, frame.width);
  const int h = stretch ? shown.shownHeight : std::min(shown.shownHeight, frame.height);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, frame.x, frame.y, w, h, source, 0, 0, w, h, blend);
  SelectObject(source, old);
  DeleteDC(source);
  return true;
}

}  // namespace runtime::win32
