// Kestrin Windows stand-in: the program's top-level window, an entry of the window table.
#include "KestrinWin32/TopLevelWindow.h"

#include "winuser.h"

namespace KestrinWin32 {

namespace {
constexpr const wchar_t* kTopLevelClass = L"KestrinTopLevel";
} // namespace

HWND CreateTopLevelWindow(const std::wstring& title) {
    return ::CreateWindowExW(0, kTopLevelClass, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 0, 0,
                             nullptr, nullptr, nullptr, nullptr);
}

} // namespace KestrinWin32
