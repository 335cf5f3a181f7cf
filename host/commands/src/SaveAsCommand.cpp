// Kestrin host program: SAVEAS. The toolkit's writer saves atomically, so a failed save leaves
// whatever the file held before; the reason it gives is shown as it stands.
#include "Commands/SaveAsCommand.h"

#include "Commands/OutputFile.h"
#include "Session/HostSession.h"
#include "Session/WideText.h"

#include "DbDxfWriter.h"
#include "HostUi/FileNames.h"
#include "afxmsgbox.h"
#include "sds.h"

#include <filesystem>

namespace KestrinApp {

namespace {

constexpr const wchar_t* kFileQuestion = L"Save drawing as (DXF file): ";

// Asks before an existing file is replaced; true to replace it.
bool MayReplace(const std::wstring& path) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::path(ToUtf8(path)), error)) {
        return true;
    }
    const std::wstring question = path + L" already exists. Do you want to replace it?";
    return AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

} // namespace

bool SaveDrawing(HostSession* session, const std::wstring& path, const std::wstring& shownAs) {
    CommandLine& line = session->Line();
    if (!session->Drawing()) {
        line.WriteLine(L"No drawing is open.");
        return false;
    }
    const OdDbDxfSaveStatus status = odDbSaveAsDxf(*session->Drawing(), ToUtf8(path));
    if (!status.ok()) {
        line.WriteLine(L"SAVEAS failed: " + std::wstring(status.reason.c_str()));
        return false;
    }
    session->DrawingSaved(path);
    line.WriteLine(L"Drawing saved to " + (shownAs.empty() ? path : shownAs));
    if (status.skippedEntities > 0) {
        line.WriteLine(std::to_wstring(status.skippedEntities) +
                       L" entities could not be written to a DXF file and were left out.");
    }
    return true;
}

int SaveAsCommand(HostSession* session, const std::wstring& answer) {
    if (!session->Drawing()) {
        session->Line().WriteLine(L"No drawing is open.");
        return RTERROR;
    }
    std::wstring fileName = answer;
    for (;;) {
        if (fileName.empty()) {
            const InputLine asked = session->Ask(kFileQuestion);
            if (asked.kind == InputLine::Kind::Cancelled) {
                return RTCAN;
            }
            fileName = asked.text;
        }
        if (fileName.empty()) {
            session->Line().WriteLine(L"SAVEAS cancelled: no file name.");
            return RTCAN;
        }
        const std::wstring path = DxfFileName(KestrinHost::TypedFileName(fileName));
        std::wstring refusal = RefusedDxfName(path);
        if (refusal.empty()) {
            refusal = OutputFolderProblem(path);
        }
        if (!refusal.empty()) {
            session->Line().WriteLine(refusal);
            return RTERROR;
        }
        if (MayReplace(path)) {
            return SaveDrawing(session, path) ? RTNORM : RTERROR;
        }
        fileName.clear(); // No: the file stays, and another name is asked for
    }
}

int QuickSaveCommand(HostSession* session, const std::wstring& answer) {
    if (!session->Drawing() || !session->HasFile()) {
        return SaveAsCommand(session, answer);
    }
    if (!answer.empty()) {
        session->Line().WriteLine(L"(\"" + answer + L"\" was not used: the drawing is saved to " +
                                  L"its file; SAVEAS saves it under another name)");
    }
    return SaveDrawing(session, session->DrawingName()) ? RTNORM : RTERROR;
}

} // namespace KestrinApp
