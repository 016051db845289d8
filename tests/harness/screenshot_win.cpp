#include "harness/screenshot_win.h"

#include "ui/gdi_handles_win.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace harness {
namespace {

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
using File = std::unique_ptr<std::FILE, FileClose>;

struct Picture {
    BITMAPINFOHEADER header{};
    std::vector<unsigned char> pixels;
};

bool capture_screen(Picture& picture) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    ScreenDc screen(GetDC(nullptr));
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    UniqueGdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!screen || !memory || !bitmap) {
        return false;
    }
    {
        ScopedSelection selection(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY)) {
            return false;
        }
    }
    picture.header.biSize = sizeof(picture.header);
    picture.header.biWidth = width;
    picture.header.biHeight = height;
    picture.header.biPlanes = 1;
    picture.header.biBitCount = 24;
    picture.header.biCompression = BI_RGB;
    const size_t row_size = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    picture.pixels.resize(row_size * static_cast<size_t>(height));
    picture.header.biSizeImage = static_cast<DWORD>(picture.pixels.size());
    return GetDIBits(memory.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(height),
                     picture.pixels.data(), reinterpret_cast<BITMAPINFO*>(&picture.header),
                     DIB_RGB_COLORS) == height;
}

bool write_bitmap_file(const std::wstring& path, const Picture& picture) {
    File file(_wfopen(path.c_str(), L"wb"));
    if (!file) {
        return false;
    }
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + static_cast<DWORD>(picture.pixels.size());
    return std::fwrite(&header, sizeof(header), 1, file.get()) == 1 &&
           std::fwrite(&picture.header, sizeof(picture.header), 1, file.get()) == 1 &&
           std::fwrite(picture.pixels.data(), picture.pixels.size(), 1, file.get()) == 1;
}

} // namespace

bool save_screenshot(const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"HUSHCLOAK_SCREENSHOT_DIR_WINDOWS");
    Picture picture;
    if (folder == nullptr || !capture_screen(picture)) {
        return false;
    }
    // The test run turns finished .bmp files into .png ones while other tests still run, so
    // a picture gets its name only once it is complete.
    // A screen at another scale than 100% gets pictures of its own, named by its DPI.
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const std::wstring scale = dpi == 96 ? L"" : L"_at_" + std::to_wstring(dpi) + L"_dpi";
    const std::wstring path = std::wstring(folder) + L"\\" + name + scale + L".bmp";
    const std::wstring partial = path + L".part";
    return write_bitmap_file(partial, picture) &&
           MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace harness
