// Kestrin host program: the unsaved changes question, a host message box owned by the main
// window like every box of the host's own.
#include "Commands/UnsavedChanges.h"

#include "Commands/SaveAsCommand.h"
#include "Session/HostSession.h"

#include "afxmsgbox.h"
#include "sds.h"

namespace KestrinApp {

bool SettleUnsavedChanges(HostSession* session) {
    if (!session->HasUnsavedChanges()) {
        return true;
    }
    const std::wstring question = L"Save changes to " + session->DrawingName() + L"?";
    switch (AfxMessageBox(question.c_str(), MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES:
        return SaveAsCommand(session, std::wstring()) == RTNORM;
    case IDNO:
        return true;
    default:
        session->Line().WriteLine(CommandLine::Cancelled);
        return false;
    }
}

bool ReportUnsavedAtEnd(HostSession* session) {
    if (!session->HasUnsavedChanges()) {
        return false;
    }
    session->Line().WriteLine(L"The input ended: the changes to " + session->DrawingName() +
                              L" are not saved.");
    return true;
}

} // namespace KestrinApp
