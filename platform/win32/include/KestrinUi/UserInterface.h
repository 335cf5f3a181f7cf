// Kestrin Windows stand-in.
// UserInterface: the one way anything is shown to the user. Message boxes, modal dialogs, the
// open-file dialog and the about box all go through the interface the host installs (a terminal
// UI for people, a scripted one for batch runs and tests). Calls arrive on the command thread, one
// at a time, and each blocks until the user (or the script) answers. With none installed, the
// default interface answers without asking anyone: see DefaultUserInterface().
#pragma once

#include "KestrinUi/DialogSession.h"
#include "KestrinUi/FileFilter.h"
#include "KestrinUi/MessageBoxStyle.h"
#include "windef.h"

#include <optional>
#include <string>
#include <vector>

namespace KestrinUi {

/// One message box to show.
struct MessageBoxRequest {
    HWND owner;           // null for none
    std::wstring text;    // the message
    std::wstring caption; // the title
    UINT type;            // MB_* buttons, icon and default button
};

/// One file dialog to show.
struct FileDialogRequest {
    HWND owner;                      // null for none
    bool bOpenFileDialog;            // true: open, false: save as
    std::vector<FileFilter> filters; // in order; may be empty (all files)
    std::wstring defaultExtension;   // without the dot; empty for none
    std::wstring initialFileName;    // may be empty
    DWORD flags;                     // OFN_* bits
};

/// One about box to show.
struct AboutRequest {
    HWND owner;         // null for none
    std::wstring title; // the product title
};

/* Description:
     What the host implements to show things to the user.
   Remarks:
     An implementation is owned by the host, which keeps it alive while it is installed.
*/
class UserInterface {
public:
    virtual ~UserInterface() = default;

    /* Description:
         Shows a message box and waits for the answer.
       Returns:
         The button chosen: one of MessageBoxButtons(request.type). Anything else is taken as
         DecliningAnswer(request.type).
    */
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;

    /* Description:
         Runs a modal dialog: acts on the session until it has ended.
       Remarks:
         Returning while the session still runs ends the dialog as Cancel.
    */
    virtual void RunModalDialog(DialogSession& session) = 0;

    /* Description:
         Shows a file dialog and waits for the answer.
       Returns:
         The path as the user gave it (possibly relative, possibly without extension), or nothing
         for Cancel. The caller completes it (CFileDialog::GetPathName).
    */
    virtual std::optional<std::wstring> ShowFileDialog(const FileDialogRequest& request) = 0;

    /// Shows an about box and waits until the user closes it.
    virtual void ShowAbout(const AboutRequest& request) = 0;
};

/* Description:
     Installs the interface that everything is shown through.
   Parameters:
     ui - [in] the interface, not owned; null reinstates the default.
   Returns:
     The interface installed before; null when it was the default.
*/
UserInterface* InstallUserInterface(UserInterface* ui);

/// The installed interface, or the default one.
UserInterface& CurrentUserInterface();

/* Description:
     The interface in use when the host installed none: it asks nobody and never blocks.
   Remarks:
     Message boxes and about boxes are written to standard error ("caption: text"); a message box
     answers DecliningAnswer(type), so a question is never agreed to on the user's behalf. Modal
     dialogs end with Cancel, and file dialogs are cancelled.
*/
UserInterface& DefaultUserInterface();

/// Installs an interface for the lifetime of the guard and reinstates the previous one after.
class ScopedUserInterface {
public:
    explicit ScopedUserInterface(UserInterface& ui) : m_previous(InstallUserInterface(&ui)) {}
    ~ScopedUserInterface() { InstallUserInterface(m_previous); }
    ScopedUserInterface(const ScopedUserInterface&) = delete;
    ScopedUserInterface& operator=(const ScopedUserInterface&) = delete;

private:
    UserInterface* m_previous; // null for the default
};

} // namespace KestrinUi
