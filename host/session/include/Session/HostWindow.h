// Kestrin host program: the host's application object and main window, as the framework knows
// them. Module commands take the main window as the owner of their dialogs and message boxes
// (the current thread's main window); the UIs name it as the owner of what they show.
#pragma once

#include <afxwin.h>

#include <string>

namespace KestrinApp {

/// The program's application object; one per process, made by the host before any module loads.
class HostApplication : public CWinApp {
public:
    HostApplication();
    ~HostApplication() override;
    HostApplication(const HostApplication&) = delete;
    HostApplication& operator=(const HostApplication&) = delete;

    /// The main window's handle.
    HWND MainWindow() const { return m_mainWindow.GetSafeHwnd(); }

private:
    CWnd m_mainWindow; // attached to the top-level window made by the constructor
};

} // namespace KestrinApp
