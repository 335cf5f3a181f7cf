// Kestrin Windows API stand-in.
// The process's window table: each live window is a heap object whose address is its handle.
#include <KestrinWin32/TopLevelWindow.h>
#include <winuser.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <vector>

struct HWND__ {
    std::wstring title; // the window's title text
};

namespace {

std::vector<std::unique_ptr<HWND__>>& LiveWindows() {
    static std::vector<std::unique_ptr<HWND__>> windows;
    return windows;
}

std::vector<std::unique_ptr<HWND__>>::iterator FindWindowEntry(HWND hWnd) {
    auto& windows = LiveWindows();
    return std::find_if(windows.begin(), windows.end(),
                        [hWnd](const std::unique_ptr<HWND__>& window) { return window.get() == hWnd; });
}

} // namespace

namespace KestrinWin32 {

HWND CreateTopLevelWindow(const std::wstring& title) {
    LiveWindows().push_back(std::make_unique<HWND__>(HWND__{title}));
    return LiveWindows().back().get();
}

std::wstring WindowTitle(HWND hWnd) {
    const auto it = FindWindowEntry(hWnd);
    return it == LiveWindows().end() ? std::wstring() : (*it)->title;
}

} // namespace KestrinWin32

BOOL WINAPI IsWindow(HWND hWnd) {
    return hWnd && FindWindowEntry(hWnd) != LiveWindows().end() ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    if (!lpString || nMaxCount <= 0) {
        return 0;
    }
    const std::wstring title = KestrinWin32::WindowTitle(hWnd);
    const size_t length = std::min(title.size(), static_cast<size_t>(nMaxCount) - 1);
    std::wmemcpy(lpString, title.data(), length);
    lpString[length] = L'\0';
    return static_cast<int>(length);
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    const auto it = FindWindowEntry(hWnd);
    if (!hWnd || it == LiveWindows().end()) {
        return FALSE;
    }
    LiveWindows().erase(it);
    return TRUE;
}
