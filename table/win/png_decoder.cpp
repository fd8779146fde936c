#include "table/win/png_decoder.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <memory>

#include "table/picture_ladder.h"

namespace table {

namespace {

struct ComRelease {
    void operator()(IUnknown* p) const
    {
        if (p) p->Release();
    }
};
template <class T>
using ComPtr = std::unique_ptr<T, ComRelease>;

template <class T>
T** Out(ComPtr<T>& p)
{
    static_assert(sizeof(ComPtr<T>) == sizeof(T*));
    p.reset();
    return reinterpret_cast<T**>(&p);
}

// One factory for the run, made at the first decode. The thread's COM
// apartment is entered then and kept: the window's thread is the only one
// that draws.
IWICImagingFactory* Factory()
{
    static IWICImagingFactory* factory = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        IWICImagingFactory* f = nullptr;
        if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(&f))))
            return static_cast<IWICImagingFactory*>(nullptr);
        return f;
    }();
    return factory;
}

}  // namespace

PixelPicture DecodePng(const uint8_t* data, size_t size)
{
    PictureSize header;
    if (!ReadPngSize(data, size, &header) || size > MAXDWORD) return {};
    IWICImagingFactory* factory = Factory();
    if (!factory) return {};
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(Out(stream))) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size))))
        return {};
    // The PNG decoder itself, without asking every installed codec first.
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(CoCreateInstance(CLSID_WICPngDecoder, nullptr, CLSCTX_INPROC_SERVER, IID_IWICBitmapDecoder,
                                reinterpret_cast<void**>(Out(decoder)))) ||
        FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand)))
        return {};
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(decoder->GetFrame(0, Out(frame))) || FAILED(factory->CreateFormatConverter(Out(converter))) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return {};
    UINT w = 0, h = 0;
    if (FAILED(converter->GetSize(&w, &h)) || static_cast<int32_t>(w) != header.width ||
        static_cast<int32_t>(h) != header.height)
        return {};
    PixelPicture picture{header.width, header.height, std::vector<uint32_t>(size_t{w} * h)};
    const UINT stride = w * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * h, reinterpret_cast<BYTE*>(picture.pixels.data()))))
        return {};
    return picture;
}

}  // namespace table
