// Kestrin MFC stand-in: AfxMessageBox, through the window system's MessageBoxW.
#include "afxmsgbox.h"

#include "afxstr.h"

#include <unistd.h>

#include <climits>
#include <string>

namespace {

// The program file's name without folder and extension: the caption the framework uses when no
// application names itself.
CString ProgramName() {
    char path[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) {
        return CString();
    }
    CString name(std::string(path, static_cast<std::size_t>(length)).c_str());
    name = name.Mid(name.ReverseFind(L'/') + 1);
    const int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

} // namespace

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    return MessageBoxW(nullptr, lpszText, ProgramName(), nType);
}
