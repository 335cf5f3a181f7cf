// Kestrin host program: the application object. The framework's start-up runs for the program's
// own module state here, as it does in a program's WinMain on the target.
#include "Session/HostWindow.h"

#include <KestrinWin32/TopLevelWindow.h>
#include <libloaderapi.h>

namespace KestrinApp {

namespace {
constexpr const wchar_t* kAppName = L"Kestrin";
constexpr const wchar_t* kMainWindowTitle = L"Kestrin host";
} // namespace

HostApplication::HostApplication() : CWinApp(kAppName) {
    AfxWinInit(::GetModuleHandleW(nullptr), nullptr, nullptr, 0);
    m_mainWindow.Attach(KestrinWin32::CreateTopLevelWindow(kMainWindowTitle));
    m_pMainWnd = &m_mainWindow;
}

HostApplication::~HostApplication() {
    m_pMainWnd = nullptr;
    ::DestroyWindow(m_mainWindow.Detach());
    AfxWinTerm();
}

} // namespace KestrinApp
