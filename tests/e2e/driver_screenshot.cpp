// The pictures of the main window shown by the README: decimal 255 converted
// at 8 bits (or another length of 8 or more), copied from the window's own
// device context into a BMP file.
#include <cstdio>
#include <vector>

#include "driver_scenarios.h"
#include "driver_session.h"

namespace e2e {

std::string windows_path(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string p = "Z:" + path;
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

namespace {

bool save_window(HWND w, const std::string& path) {
    RECT r{};
    GetWindowRect(w, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;
    HDC src = GetWindowDC(w);
    HDC mem = CreateCompatibleDC(src);
    BITMAPINFO bi = rgb_bitmap(width, height, 24);  // bottom-up, as a BMP file stores it
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    const bool copied = bmp && BitBlt(mem, 0, 0, width, height, src, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD size = stride * static_cast<DWORD>(height);
    bool written = false;
    if (copied) {
        BITMAPFILEHEADER fh{};
        fh.bfType = 0x4D42;  // "BM"
        fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
        fh.bfSize = fh.bfOffBits + size;
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            written = std::fwrite(&fh, sizeof fh, 1, f) == 1 && std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
                      std::fwrite(bits, size, 1, f) == 1;
            written = std::fclose(f) == 0 && written;
        }
    }
    SelectObject(mem, old);
    if (bmp) DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(w, src);
    return written;
}

}  // namespace

void run_screenshot(Ui& ui, Report& report, const std::string& bmp_path, int len) {
    Session t(ui, report);
    t.context("screenshot at " + std::to_string(len) + " bits");
    t.set_len(len);
    t.check_state();
    t.convert("255");
    const auto zeros = [](int n) { return std::string(static_cast<std::size_t>(n), '0'); };
    t.results_match(t.results(), {zeros(len - 8) + "11111111", zeros((len + 2) / 3 - 3) + "377", zeros((len + 3) / 4 - 2) + "FF"});
    // Put the caret at the end of the number, as after typing it.
    SendMessageA(GetDlgItem(ui.main(), 390), EM_SETSEL, 3, 3);
    report.check(ui.drawn(ui.main()), "window drawn");
    report.check(save_window(ui.main(), bmp_path), "window saved to " + bmp_path);
}

}  // namespace e2e
