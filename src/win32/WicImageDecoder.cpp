#include "win32/WicImageDecoder.h"

#include "win32/Com.h"

#include <windows.h>

#include <wincodec.h>

#include <cstddef>
#include <new>

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

}  // namespace

DecodedImage wicImageSize(const std::filesystem::path& file)
{
    OpenFrame open;
    HRESULT result = openFirstFrame(file, open);
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(result)) result = open.frame->GetSize(&width, &height);
    if (FAILED(result)) return {problemOf(result), 0, 0, {}};
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) return {ImageProblem::TooLarge, 0, 0, {}};
    return {ImageProblem::None, static_cast<int>(width), static_cast<int>(height), {}};
}

DecodedImage wicDecodeImage(const std::filesystem::path& file, int width, int height)
{
    OpenFrame open;
    ComPtr<IWICBitmapScaler> scaler;
    ComPtr<IWICFormatConverter> converter;
    HRESULT result = openFirstFrame(file, open);
    if (SUCCEEDED(result)) result = open.factory->CreateBitmapScaler(scaler.put());
    if (SUCCEEDED(result))
        result = scaler->Initialize(open.frame.get(), static_cast<UINT>(width), static_cast<UINT>(height),
                                    WICBitmapInterpolationModeFant);
    if (SUCCEEDED(result)) result = open.factory->CreateFormatConverter(converter.put());
    if (SUCCEEDED(result))
        result = converter->Initialize(scaler.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                       0.0, WICBitmapPaletteTypeCustom);
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
