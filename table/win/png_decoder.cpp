#include "table/win/png_decoder.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <memory>
#include <string>

#include "table/picture_ladder.h"
#include "table/png_reader.h"

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

// The imaging component for the run, found at the first decode. Its
// classes are taken from its DLL directly: entering a COM apartment costs
// tens of milliseconds under Wine and is not needed for the free-threaded
// imaging classes. Should a decode fail that way, the classes are made
// through COM instead, with the window's thread in a COM apartment.
struct Imaging {
    IWICImagingFactory* factory = nullptr;
    IClassFactory* pngDecoders = nullptr;  // null: made through COM
    bool throughCom = false;
};

using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);

Imaging Direct()
{
    char folder[MAX_PATH];
    const UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH - 20) return {};
    HMODULE dll = LoadLibraryA((std::string(folder, n) + "\\windowscodecs.dll").c_str());
    auto get = dll ? reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")))
                   : nullptr;
    Imaging i;
    ComPtr<IClassFactory> factories;
    if (!get || FAILED(get(CLSID_WICImagingFactory, IID_IClassFactory, reinterpret_cast<void**>(Out(factories)))) ||
        FAILED(factories->CreateInstance(nullptr, IID_IWICImagingFactory, reinterpret_cast<void**>(&i.factory))) ||
        FAILED(get(CLSID_WICPngDecoder, IID_IClassFactory, reinterpret_cast<void**>(&i.pngDecoders)))) {
        if (i.factory) i.factory->Release();
        return {};  // the DLL stays loaded: COM would load it again
    }
    return i;
}

Imaging ThroughCom()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    Imaging i;
    i.throughCom = true;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&i.factory))))
        i.factory = nullptr;
    return i;
}

Imaging& TheImaging()
{
    static Imaging imaging = Direct();
    return imaging;
}

ComPtr<IWICBitmapDecoder> PngDecoder(const Imaging& i)
{
    ComPtr<IWICBitmapDecoder> decoder;
    HRESULT hr = i.pngDecoders ? i.pngDecoders->CreateInstance(nullptr, IID_IWICBitmapDecoder,
                                                               reinterpret_cast<void**>(Out(decoder)))
                               : CoCreateInstance(CLSID_WICPngDecoder, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IWICBitmapDecoder, reinterpret_cast<void**>(Out(decoder)));
    if (FAILED(hr)) decoder.reset();
    return decoder;
}

PixelPicture Decode(const Imaging& imaging, const uint8_t* data, size_t size, PictureSize header)
{
    IWICImagingFactory* factory = imaging.factory;
    if (!factory) return {};
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(Out(stream))) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size))))
        return {};
    // The PNG decoder itself, without asking every installed codec first.
    ComPtr<IWICBitmapDecoder> decoder = PngDecoder(imaging);
    if (!decoder || FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand))) return {};
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

}  // namespace

PixelPicture DecodeThroughImaging(const uint8_t* data, size_t size)
{
    PictureSize header;
    if (!ReadPngSize(data, size, &header) || size > MAXDWORD) return {};
    Imaging& imaging = TheImaging();
    PixelPicture picture = Decode(imaging, data, size, header);
    if (picture.pixels.empty() && !imaging.throughCom) {
        // Made without COM the classes did not serve: through COM from now on.
        if (imaging.pngDecoders) imaging.pngDecoders->Release();
        if (imaging.factory) imaging.factory->Release();
        imaging = ThroughCom();
        picture = Decode(imaging, data, size, header);
    }
    return picture;
}

PixelPicture DecodePng(const uint8_t* data, size_t size)
{
    // Our own pictures are read without the imaging component, whose first
    // use loads its DLLs and codecs; it reads what we do not.
    if (PixelPicture own = ReadPng(data, size); !own.pixels.empty()) return own;
    return DecodeThroughImaging(data, size);
}

}  // namespace table
