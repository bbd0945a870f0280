#include "WindowSnap.h"

#include <gdiplus.h>
#include <shlobj.h>

#include <vector>

namespace {

struct FindRequest {
    const std::wstring *caption;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM param)
{
    FindRequest *req = reinterpret_cast<FindRequest *>(param);
    if (!IsWindowVisible(hwnd))
        return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (req->pid != 0 && pid != req->pid)
        return TRUE;
    // GetWindowText reads another process's caption without a message, so a
    // busy window cannot hold the search up.
    wchar_t text[256];
    const int len = GetWindowTextW(hwnd, text, 256);
    if (*req->caption != std::wstring(text, len > 0 ? len : 0))
        return TRUE;
    req->found = hwnd;
    return FALSE;
}

// PNG encoder id of GDI+.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

bool writePng(HBITMAP bitmap, const std::wstring &path)
{
    using namespace Gdiplus;
    GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, NULL) != Ok)
        return false;
    bool ok = false;
    GpBitmap *image = NULL;
    if (DllExports::GdipCreateBitmapFromHBITMAP(bitmap, NULL, &image) == Ok) {
        ok = DllExports::GdipSaveImageToFile(image, path.c_str(), &kPngEncoder, NULL) == Ok;
        DllExports::GdipDisposeImage(image);
    }
    GdiplusShutdown(token);
    return ok;
}

} // namespace

HWND findTopWindow(const std::wstring &caption, DWORD pid, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        FindRequest req = {&caption, pid, NULL};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&req));
        if (req.found != NULL)
            return req.found;
        if (GetTickCount() - start >= timeoutMs)
            return NULL;
        Sleep(50);
    }
}

bool waitWindowGone(HWND hwnd, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (IsWindow(hwnd)) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

bool saveWindowPng(HWND hwnd, const std::wstring &pngPath, bool *varied)
{
    RECT r;
    if (!GetWindowRect(hwnd, &r) || r.right <= r.left || r.bottom <= r.top)
        return false;
    const int w = r.right - r.left, h = r.bottom - r.top;

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = NULL;
    HBITMAP bitmap = CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    if (bitmap == NULL)
        return false;
    HDC mem = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(mem, bitmap);
    // PrintWindow cannot reach another process's window under Wine (the
    // device context does not cross), the window's own DC can.
    HDC wdc = GetWindowDC(hwnd);
    bool ok = wdc != NULL && BitBlt(mem, 0, 0, w, h, wdc, 0, 0, SRCCOPY);
    if (wdc != NULL)
        ReleaseDC(hwnd, wdc);
    GdiFlush();
    SelectObject(mem, old);
    DeleteDC(mem);

    if (ok && varied != NULL) {
        const DWORD *px = static_cast<const DWORD *>(bits);
        *varied = false;
        for (int i = 1; i < w * h && !*varied; ++i)
            *varied = (px[i] & 0xFFFFFF) != (px[0] & 0xFFFFFF);
    }
    if (ok) {
        std::wstring folder = pngPath.substr(0, pngPath.find_last_of(L'\\') == std::wstring::npos ? 0 : pngPath.find_last_of(L'\\'));
        if (!folder.empty())
            SHCreateDirectoryExW(NULL, folder.c_str(), NULL);
        ok = writePng(bitmap, pngPath);
    }
    DeleteObject(bitmap);
    return ok;
}

std::wstring toWindowsPath(const std::wstring &path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::wstring out = L"Z:" + path;
    for (wchar_t &c : out)
        if (c == L'/')
            c = L'\\';
    return out;
}

std::wstring commonAppDataFolder()
{
    wchar_t path[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(NULL, CSIDL_COMMON_APPDATA, NULL, SHGFP_TYPE_CURRENT, path)))
        return std::wstring();
    return path;
}

std::wstring configFolder()
{
    return commonAppDataFolder() + L"\\Quillon\\Ostra\\Vantrel\\mount";
}

std::wstring configFilePath()
{
    return configFolder() + L"\\VantrelMount.conf";
}
