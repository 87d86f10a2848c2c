// Decoding and scaling pictures with WIC, on any thread.
#include "pictures.h"

#include <objbase.h>
#include <wincodec.h>
#include <wrl/client.h>

namespace runtime::win32 {

namespace {

// COM on the calling thread while it lasts: a worker thread joins the
// multithreaded apartment for a decode; a thread that is in an apartment
// already (the window's) stays as it is.
class ComOnThread {
 public:
  ComOnThread() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
  ~ComOnThread() {
    if (joined_) CoUninitialize();
  }
  ComOnThread(const ComOnThread&) = delete;
  ComOnThread& operator=(const ComOnThread&) = delete;

 private:
  bool joined_;
};

// The decoder of the file: made straight away for the formats the window's
// pictures come in (GIF and JPEG, known by their first bytes), which
// spares the search through every installed decoder; for any other, the
// factory's search.
HRESULT OpenDecoder(IWICImagingFactory* factory, IWICStream* stream, std::span<const std::uint8_t> file,
                    Microsoft::WRL::ComPtr<IWICBitmapDecoder>& decoder) {
  const bool gif = file.size() >= 4 && file[0] == 'G' && file[1] == 'I' && file[2] == 'F' && file[3] == '8';
  const bool jpeg = file.size() >= 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF;
  if (!gif && !jpeg)
    return factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, decoder.GetAddressOf());
  const HRESULT made = CoCreateInstance(gif ? CLSID_WICGifDecoder : CLSID_WICJpegDecoder, nullptr,
                                        CLSCTX_INPROC_SERVER, IID_PPV_ARGS(decoder.GetAddressOf()));
  return FAILED(made) ? made : decoder->Initialize(stream, WICDecodeMetadataCacheOnDemand);
}

}  // namespace

std::optional<Dib> DecodePicture(std::span<const std::uint8_t> file, PixelSize size) {
  using Microsoft::WRL::ComPtr;
  const ComOnThread com;  // before the objects below, which it outlives
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  ComPtr<IWICBitmapScaler> scaler;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(factory.GetAddressOf()))) ||
      FAILED(factory->CreateStream(stream.GetAddressOf())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), static_cast<DWORD>(file.size()))) ||
      FAILED(OpenDecoder(factory.Get(), stream.Get(), file, decoder)) ||
      FAILED(decoder->GetFrame(0, frame.GetAddressOf())) ||
      FAILED(factory->CreateFormatConverter(converter.GetAddressOf())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                   0.0, WICBitmapPaletteTypeCustom)))
    return std::nullopt;
  UINT w = 0, h = 0;
  if (FAILED(converter->GetSize(&w, &h)) || w == 0 || h == 0) return std::nullopt;
  IWICBitmapSource* source = converter.Get();
  if (size.width > 0 && size.height > 0 &&
      (static_cast<UINT>(size.width) != w || static_cast<UINT>(size.height) != h)) {
    w = static_cast<UINT>(size.width);
    h = static_cast<UINT>(size.height);
    if (FAILED(factory->CreateBitmapScaler(scaler.GetAddressOf())) ||
        FAILED(scaler->Initialize(converter.Get(), w, h, WICBitmapInterpolationModeFant)))
      return std::nullopt;
    source = scaler.Get();
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
  if (bitmap.get() == nullptr || bits == nullptr) return std::nullopt;
  // Row by row: each row of the scaled picture is read through the chain
  // on its own, so that no stage holds a whole full-size copy.
  const UINT stride = w * 4;
  for (UINT y = 0; y < h; ++y) {
    const WICRect row{0, static_cast<INT>(y), static_cast<INT>(w), 1};
    if (FAILED(source->CopyPixels(&row, stride, stride, static_cast<BYTE*>(bits) + y * stride))) return std::nullopt;
  }
  GdiFlush();
  return Dib{std::move(bitmap), static_cast<int>(w), static_cast<int>(h)};
}

}  // namespace runtime::win32
