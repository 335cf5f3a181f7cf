// Kestrin Windows stand-in: the window table. A window is an entry with a class name, a text, a
// style, a parent and a control id; its handle is a number that is never reused, so a stale
// handle is recognised as no window instead of naming a newer one. Drawing belongs to the user
// interface; the table only keeps what the API reports. Used on the command thread only.
#include "winuser.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

struct Window {
    std::wstring className;
    std::wstring text;
    DWORD style = 0;       // WS_DISABLED kept current by EnableWindow
    HWND parent = nullptr; // null for a top-level window without owner
    int controlId = 0;
    int checkState = BST_UNCHECKED;    // buttons: BST_*
    std::vector<std::wstring> entries; // combo boxes: the list, in order
    int selection = CB_ERR;            // combo boxes: index into entries, CB_ERR for none
};

// Handles are small numbers, never dereferenced; 0 stays the null handle.
std::map<UINT_PTR, Window>& Table() {
    static std::map<UINT_PTR, Window> s_table;
    return s_table;
}

UINT_PTR g_nextHandle = 1;

Window* Find(HWND hWnd) {
    auto found = Table().find(reinterpret_cast<UINT_PTR>(hWnd));
    return found == Table().end() ? nullptr : &found->second;
}

} // namespace

HWND WINAPI CreateWindowExW(DWORD /*dwExStyle*/, LPCWSTR lpClassName, LPCWSTR lpWindowName,
                            DWORD dwStyle, int /*x*/, int /*y*/, int /*nWidth*/, int /*nHeight*/,
                            HWND hWndParent, HMENU hMenu, HINSTANCE /*hInstance*/,
                            LPVOID /*lpParam*/) {
    if (hWndParent && !Find(hWndParent)) {
        return nullptr;
    }
    Window window;
    window.className = lpClassName ? lpClassName : L"";
    window.text = lpWindowName ? lpWindowName : L"";
    window.style = dwStyle;
    window.parent = hWndParent;
    window.controlId =
        (dwStyle & WS_CHILD) ? static_cast<int>(reinterpret_cast<INT_PTR>(hMenu)) : 0;
    const UINT_PTR handle = g_nextHandle++;
    Table().emplace(handle, std::move(window));
    return reinterpret_cast<HWND>(handle);
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    if (!Find(hWnd)) {
        return FALSE;
    }
    std::vector<HWND> children;
    for (const auto& [handle, window] : Table()) {
        if (window.parent == hWnd) {
            children.push_back(reinterpret_cast<HWND>(handle));
        }
    }
    for (HWND child : children) {
        DestroyWindow(child);
    }
    Table().erase(reinterpret_cast<UINT_PTR>(hWnd));
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd) {
    return Find(hWnd) ? TRUE : FALSE;
}

HWND WINAPI GetParent(HWND hWnd) {
    const Window* window = Find(hWnd);
    return window ? window->parent : nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
    const Window* window = Find(hWnd);
    return window ? window->controlId : 0;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    if (!hDlg) {
        return nullptr;
    }
    for (const auto& [handle, window] : Table()) { // handles ascend in creation order
        if (window.parent == hDlg && (window.style & WS_CHILD) && window.controlId == nIDDlgItem) {
            return reinterpret_cast<HWND>(handle);
        }
    }
    return nullptr;
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* window = Find(hWnd);
    if (!window) {
        return FALSE;
    }
    const BOOL bWasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
    if (bEnable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
    }
    return bWasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
    const Window* window = Find(hWnd);
    return (window && !(window->style & WS_DISABLED)) ? TRUE : FALSE;
}

BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
    Window* window = Find(hWnd);
    if (!window) {
        return FALSE;
    }
    window->text = lpString ? lpString : L"";
    return TRUE;
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    const Window* window = Find(hWnd);
    if (!window) {
        return nullptr;
    }
    const auto handle = reinterpret_cast<UINT_PTR>(hWnd);
    switch (uCmd) {
    case GW_CHILD:
        for (const auto& [other, candidate] : Table()) {
            if (candidate.parent == hWnd) {
                return reinterpret_cast<HWND>(other);
            }
        }
        return nullptr;
    case GW_HWNDNEXT:
        for (auto it = Table().upper_bound(handle); it != Table().end(); ++it) {
            if (it->second.parent == window->parent) {
                return reinterpret_cast<HWND>(it->first);
            }
        }
        return nullptr;
    case GW_HWNDPREV:
        for (auto it = std::make_reverse_iterator(Table().find(handle)); it != Table().rend();
             ++it) {
            if (it->second.parent == window->parent) {
                return reinterpret_cast<HWND>(it->first);
            }
        }
        return nullptr;
    default:
        return nullptr;
    }
}

LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex) {
    const Window* window = Find(hWnd);
    if (!window) {
        return 0;
    }
    if (nIndex == GWL_STYLE) {
        return static_cast<LONG>(window->style);
    }
    return nIndex == GWL_ID ? window->controlId : 0;
}

namespace {

int CopyText(const std::wstring& text, LPWSTR lpString, int nMaxCount) {
    if (!lpString || nMaxCount <= 0) {
        return 0;
    }
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(nMaxCount - 1));
    std::wmemcpy(lpString, text.c_str(), count);
    lpString[count] = L'\0';
    return static_cast<int>(count);
}

} // namespace

int WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
    const Window* window = Find(hWnd);
    if (!window) {
        return CopyText(std::wstring(), lpClassName, nMaxCount);
    }
    return CopyText(window->className, lpClassName, nMaxCount);
}

int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    const Window* window = Find(hWnd);
    return CopyText(window ? window->text : std::wstring(), lpString, nMaxCount);
}

int WINAPI GetWindowTextLengthW(HWND hWnd) {
    const Window* window = Find(hWnd);
    return window ? static_cast<int>(window->text.size()) : 0;
}

namespace {

LRESULT AnswerComboMessage(Window* window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool bIndexValid = wParam < window->entries.size();
    switch (msg) {
    case CB_ADDSTRING: {
        const auto* text = reinterpret_cast<LPCWSTR>(lParam);
        window->entries.emplace_back(text ? text : L"");
        return static_cast<LRESULT>(window->entries.size() - 1);
    }
    case CB_GETCOUNT:
        return static_cast<LRESULT>(window->entries.size());
    case CB_GETCURSEL:
        return window->selection;
    case CB_SETCURSEL:
        window->selection = bIndexValid ? static_cast<int>(wParam) : CB_ERR;
        return window->selection;
    case CB_GETLBTEXTLEN:
        return bIndexValid ? static_cast<LRESULT>(window->entries[wParam].size()) : CB_ERR;
    case CB_GETLBTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        if (!bIndexValid || !buffer) {
            return CB_ERR;
        }
        const std::wstring& entry = window->entries[wParam];
        std::wmemcpy(buffer, entry.c_str(), entry.size() + 1);
        return static_cast<LRESULT>(entry.size());
    }
    case CB_RESETCONTENT:
        window->entries.clear();
        window->selection = CB_ERR;
        return 0;
    default:
        return 0;
    }
}

} // namespace

LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(hWnd);
    if (!window) {
        return 0;
    }
    switch (Msg) {
    case BM_GETCHECK:
        return window->checkState;
    case BM_SETCHECK:
        window->checkState = static_cast<int>(wParam);
        return 0;
    default:
        return AnswerComboMessage(window, Msg, wParam, lParam);
    }
}
