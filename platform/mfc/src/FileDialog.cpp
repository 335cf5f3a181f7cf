// Kestrin MFC stand-in: CFileDialog over the user interface. The completion rules are the target
// dialog's: a relative answer is taken from the current folder, and a file name without an
// extension gets the default one.
#include "afxdlgs.h"

#include "KestrinUi/UserInterface.h"
#include <KestrinPosix/FileNameText.h>

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {

constexpr wchar_t kSeparator = L'/';

std::wstring CurrentFolder() {
    std::vector<char> buffer(MAX_PATH);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) {
            return std::wstring();
        }
        buffer.resize(buffer.size() * 2);
    }
    return kposix::FromUtf8(buffer.data());
}

// The position where the file name of path starts.
std::size_t FileNameStart(const std::wstring& path) {
    const std::size_t slash = path.rfind(kSeparator);
    return slash == std::wstring::npos ? 0 : slash + 1;
}

std::wstring CompletePath(std::wstring path, const CString& defaultExtension) {
    if (path.front() != kSeparator) {
        path = CurrentFolder() + kSeparator + path;
    }
    const bool bHasExtension = path.find(L'.', FileNameStart(path)) != std::wstring::npos;
    if (!bHasExtension && !defaultExtension.IsEmpty()) {
        path += L'.';
        path += defaultExtension.GetString();
    }
    return path;
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName,
                         DWORD dwFlags, LPCWSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt), m_strFileName(lpszFileName),
      m_dwFlags(dwFlags), m_strFilter(lpszFilter), m_pParentWnd(pParentWnd) {}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal() {
    KestrinUi::FileDialogRequest request{};
    request.owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    request.bOpenFileDialog = m_bOpenFileDialog != FALSE;
    request.filters = KestrinUi::ParseFileFilter(m_strFilter);
    request.defaultExtension = m_strDefExt.GetString();
    request.initialFileName = m_strFileName.GetString();
    request.flags = m_dwFlags;
    const std::optional<std::wstring> answer =
        KestrinUi::CurrentUserInterface().ShowFileDialog(request);
    if (!answer || answer->empty()) {
        return IDCANCEL;
    }
    m_strPathName = CompletePath(*answer, m_strDefExt).c_str();
    return IDOK;
}

CString CFileDialog::GetPathName() const {
    return m_strPathName;
}

CString CFileDialog::GetFileName() const {
    const std::wstring path = m_strPathName.GetString();
    return CString(path.substr(FileNameStart(path)).c_str());
}

CString CFileDialog::GetFileExt() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}
