#include "support/Screenshot.h"

#include <wincodec.h>

#include <stdexcept>
#include <utility>

#include "forms/ComApartment.h"
#include "platform/CodePage.h"
#include "platform/ComPtr.h"
#include "platform/UniqueHandle.h"
#include "support/TempFolder.h"

namespace testing_support {

namespace {

// A 32-bit top-down bitmap that GDI draws into, with its pixels readable in place.
class DibSurface {
public:
    DibSurface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = platform::unique_gdiobj(
            CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!bitmap_ || !dc_) throw std::runtime_error("cannot make a bitmap to draw into");
        previous_ = SelectObject(dc_, bitmap_.get());
    }
    ~DibSurface() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC Dc() const { return dc_; }

    ScreenImage Image() const {
        GdiFlush();
        ScreenImage image;
        image.width = width_;
        image.height = height_;
        const auto* bits = static_cast<const std::uint32_t*>(bits_);
        image.pixels.assign(bits, bits + static_cast<size_t>(width_) * static_cast<size_t>(height_));
        for (std::uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFF;
        return image;
    }

private:
    int width_, height_;
    void* bits_ = nullptr;
    platform::unique_gdiobj bitmap_;
    HDC dc_ = CreateCompatibleDC(nullptr);
    HGDIOBJ previous_ = nullptr;
};

void Check(HRESULT result, const char* what) {
    if (FAILED(result))
        throw std::runtime_error(std::string("PNG encoding: ") + what + " failed, 0x" +
                                 std::to_string(static_cast<unsigned long>(result)));
}

}  // namespace

ScreenImage CaptureScreen(const RECT& screenRect) {
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    if (width <= 0 || height <= 0) throw std::runtime_error("nothing to capture: empty rectangle");
    DibSurface surface(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(surface.Dc(), 0, 0, width, height, screen, screenRect.left, screenRect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return surface.Image();
}

ScreenImage CaptureSettledScreen(const RECT& screenRect, DWORD timeoutMs) {
    // Wine copies a window's pixels to the display a little after the window painted them.
    ScreenImage previous = CaptureScreen(screenRect);
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs;) {
        Sleep(50);
        ScreenImage current = CaptureScreen(screenRect);
        if (current.pixels == previous.pixels) return current;
        previous = std::move(current);
    }
    return previous;
}

ScreenImage RenderIcon(HICON icon, int width, int height, std::uint32_t ground) {
    DibSurface surface(width, height);
    platform::unique_gdiobj brush(
        CreateSolidBrush(RGB((ground >> 16) & 0xFF, (ground >> 8) & 0xFF, ground & 0xFF)));
    RECT all{0, 0, width, height};
    FillRect(surface.Dc(), &all, static_cast<HBRUSH>(brush.get()));
    DrawIconEx(surface.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    return surface.Image();
}

void SavePng(const ScreenImage& image, const std::string& path) {
    forms::ComApartment com;
    platform::ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_IWICImagingFactory, factory.put_void()),
          "creating the imaging factory");
    platform::ComPtr<IWICStream> stream;
    Check(factory->CreateStream(stream.put()), "creating a stream");
    Check(stream->InitializeFromFilename(platform::FromAnsi(path).c_str(), GENERIC_WRITE),
          "opening the file");
    platform::ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put()),
          "creating the PNG encoder");
    Check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "starting the encoder");
    platform::ComPtr<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(frame.put(), nullptr), "adding a frame");
    Check(frame->Initialize(nullptr), "starting the frame");
    const UINT width = static_cast<UINT>(image.width), height = static_cast<UINT>(image.height);
    Check(frame->SetSize(width, height), "setting the size");
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    Check(frame->SetPixelFormat(&format), "setting the pixel format");
    if (format != GUID_WICPixelFormat32bppBGR)
        throw std::runtime_error("PNG encoding: the encoder does not take 32-bit BGR pixels");
    std::vector<std::uint32_t> pixels = image.pixels;
    Check(frame->WritePixels(height, width * 4, static_cast<UINT>(pixels.size() * 4),
                             reinterpret_cast<BYTE*>(pixels.data())),
          "writing the pixels");
    Check(frame->Commit(), "finishing the frame");
    Check(encoder->Commit(), "finishing the file");
}

void SaveWindowPng(HWND window, const std::string& path) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT bounds;
    if (!GetWindowRect(window, &bounds)) throw std::runtime_error("screenshot: no such window");
    SavePng(CaptureSettledScreen(bounds), path);
}

std::string SaveScreenshot(HWND window, const std::string& name) {
    MakeFolders(TEST_ARTIFACTS_DIR);
    const std::string path = std::string(TEST_ARTIFACTS_DIR) + "\\" + name + ".png";
    SaveWindowPng(window, path);
    return path;
}

}  // namespace testing_support
