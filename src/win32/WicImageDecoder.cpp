#include "win32/WicImageDecoder.h"

#include "win32/Com.h"

#include <windows.h>

#include <d2d1_1.h>
#include <wincodec.h>

#include "pages/VectorPages.h"

#include <cstddef>
#include <fstream>
#include <new>
#include <optional>
#include <string>

namespace {

// Releases what COM handed out, however the function is left.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_p) m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** put() { return &m_p; }
    void** putVoid() { return reinterpret_cast<void**>(&m_p); }
    T* get() const { return m_p; }
    T* operator->() const { return m_p; }

private:
    T* m_p = nullptr;
};

ImageProblem problemOf(HRESULT result)
{
    switch (result) {
    case WINCODEC_ERR_COMPONENTNOTFOUND:
    case WINCODEC_ERR_UNKNOWNIMAGEFORMAT: return ImageProblem::NotAnImage;
    case HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND):
    case HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND):
    case HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED):
    case HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION): return ImageProblem::Unreadable;
    case E_OUTOFMEMORY: return ImageProblem::TooLarge;
    default: return ImageProblem::Damaged;
    }
}

struct OpenFrame {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
};

HRESULT openFirstFrame(const std::filesystem::path& file, OpenFrame& open)
{
    useCom();
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      open.factory.putVoid());
    if (FAILED(result)) return result;
    result = open.factory->CreateDecoderFromFilename(file.wstring().c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, open.decoder.put());
    if (FAILED(result)) return result;
    return open.decoder->GetFrame(0, open.frame.put());
}

// Direct2D's SVG documents, from Windows 10 1703 on. mingw-w64's headers
// stop at ID2D1DeviceContext: the slots after it, in the order of Windows'
// own d2d1_3.h, are ID2D1DeviceContext1's 3, 2's 11, 3's 2 and 4's 7, none
// called here, then ID2D1DeviceContext5's own.
struct ID2D1DeviceContext5 : public ID2D1DeviceContext {
    virtual void unused1() = 0, unused2() = 0, unused3() = 0, unused4() = 0, unused5() = 0, unused6() = 0;
    virtual void unused7() = 0, unused8() = 0, unused9() = 0, unused10() = 0, unused11() = 0, unused12() = 0;
    virtual void unused13() = 0, unused14() = 0, unused15() = 0, unused16() = 0, unused17() = 0, unused18() = 0;
    virtual void unused19() = 0, unused20() = 0, unused21() = 0, unused22() = 0, unused23() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateSvgDocument(IStream* xml, D2D1_SIZE_F viewport, IUnknown** document) = 0;
    virtual void STDMETHODCALLTYPE DrawSvgDocument(IUnknown* document) = 0;
};
constexpr IID kDeviceContext5 = {0x7836d248, 0x68cc, 0x4df6, {0xb9, 0xe8, 0xde, 0x99, 0x1b, 0xf6, 0x2e, 0xb7}};

using CreateD2dFactory = HRESULT(WINAPI*)(D2D1_FACTORY_TYPE, REFIID, const D2D1_FACTORY_OPTIONS*, void**);

// The drawing's own size, from its first bytes. Direct2D reads no gzipped drawing.
std::optional<PixelSize> svgOwnSize(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (vectorKind(file) != VectorKind::Svg || head.compare(0, 2, "\x1F\x8B") == 0) return std::nullopt;
    return svgSize(head);
}

// The drawing at width by height on white, into `bitmap`. Where this Windows
// has no SVG documents, WIC's own answer for an unknown format.
HRESULT drawSvg(const std::filesystem::path& file, PixelSize own, int width, int height, ComPtr<IWICBitmap>& bitmap)
{
    // From the system's folder only, never a planted copy beside the program.
    static const HMODULE d2d = LoadLibraryExW(L"d2d1.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto create =
        d2d ? reinterpret_cast<CreateD2dFactory>(reinterpret_cast<void*>(GetProcAddress(d2d, "D2D1CreateFactory"))) : nullptr;
    ComPtr<IWICImagingFactory> wic;
    ComPtr<ID2D1Factory> factory;
    ComPtr<ID2D1RenderTarget> target;
    ComPtr<ID2D1DeviceContext5> context;
    if (!create || FAILED(create(D2D1_FACTORY_TYPE_SINGLE_THREADED, IID_ID2D1Factory, nullptr, factory.putVoid())))
        return WINCODEC_ERR_COMPONENTNOTFOUND;
    HRESULT result =
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory, wic.putVoid());
    if (SUCCEEDED(result))
        result = wic->CreateBitmap(static_cast<UINT>(width), static_cast<UINT>(height), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapCacheOnLoad, bitmap.put());
    D2D1_RENDER_TARGET_PROPERTIES properties{};
    properties.type = D2D1_RENDER_TARGET_TYPE_SOFTWARE;
    if (SUCCEEDED(result)) result = factory->CreateWicBitmapRenderTarget(bitmap.get(), &properties, target.put());
    // No Direct2D drawing into a bitmap (Wine 8 without Direct3D), or no SVG
    // documents (Windows before 10 1703, Wine 8): either way no reader here.
    if (SUCCEEDED(result)) result = target->QueryInterface(kDeviceContext5, context.putVoid());
    if (FAILED(result)) return result == E_OUTOFMEMORY ? result : WINCODEC_ERR_COMPONENTNOTFOUND;

    ComPtr<IWICStream> stream;
    ComPtr<IUnknown> document;
    result = wic->CreateStream(stream.put());
    if (SUCCEEDED(result)) result = stream->InitializeFromFilename(file.wstring().c_str(), GENERIC_READ);
    if (SUCCEEDED(result)) result = context->CreateSvgDocument(stream.get(), {float(own.width), float(own.height)}, document.put());
    if (FAILED(result)) return result;
    target->BeginDraw();
    target->Clear({1.0f, 1.0f, 1.0f, 1.0f});
    target->SetTransform({float(width) / float(own.width), 0.0f, 0.0f, float(height) / float(own.height), 0.0f, 0.0f});
    context->DrawSvgDocument(document.get());
    return target->EndDraw();
}

}  // namespace

DecodedImage wicImageSize(const std::filesystem::path& file)
{
    OpenFrame open;
    HRESULT result = openFirstFrame(file, open);
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(result)) result = open.frame->GetSize(&width, &height);
    if (problemOf(result) == ImageProblem::NotAnImage) {
        // No WIC decoder: an SVG drawing is measured, and tried once small.
        if (const std::optional<PixelSize> own = svgOwnSize(file)) {
            ComPtr<IWICBitmap> tried;
            result = drawSvg(file, *own, 1, 1, tried);
            if (SUCCEEDED(result)) return {ImageProblem::None, own->width, own->height, {}};
        }
    }
    if (FAILED(result)) return {problemOf(result), 0, 0, {}};
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) return {ImageProblem::TooLarge, 0, 0, {}};
    return {ImageProblem::None, static_cast<int>(width), static_cast<int>(height), {}};
}

DecodedImage wicDecodeImage(const std::filesystem::path& file, int width, int height)
{
    OpenFrame open;
    ComPtr<IWICBitmapScaler> scaler;
    ComPtr<IWICBitmap> drawing;
    ComPtr<IWICFormatConverter> converter;
    HRESULT result = openFirstFrame(file, open);
    IWICBitmapSource* source = nullptr;
    if (SUCCEEDED(result)) result = open.factory->CreateBitmapScaler(scaler.put());
    if (SUCCEEDED(result))
        result = scaler->Initialize(open.frame.get(), static_cast<UINT>(width), static_cast<UINT>(height),
                                    WICBitmapInterpolationModeFant);
    if (SUCCEEDED(result)) source = scaler.get();
    // An SVG drawing, drawn at just the size asked, on white, so opaque.
    const std::optional<PixelSize> own =
        FAILED(result) && problemOf(result) == ImageProblem::NotAnImage ? svgOwnSize(file) : std::nullopt;
    if (own) result = drawSvg(file, *own, width, height, drawing);
    if (own && SUCCEEDED(result)) source = drawing.get();
    if (SUCCEEDED(result)) result = open.factory.get() ? open.factory->CreateFormatConverter(converter.put()) : E_POINTER;
    if (SUCCEEDED(result))
        result = converter->Initialize(source, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                       WICBitmapPaletteTypeCustom);
    if (FAILED(result)) return {problemOf(result), 0, 0, {}};

    DecodedImage decoded{ImageProblem::None, width, height, {}};
    try {
        decoded.pixels.resize(static_cast<std::size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return {ImageProblem::TooLarge, 0, 0, {}};
    }
    const UINT stride = static_cast<UINT>(width) * 4;
    result = converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height),
                                   reinterpret_cast<BYTE*>(decoded.pixels.data()));
    if (FAILED(result)) return {problemOf(result), 0, 0, {}};
    return decoded;
}
