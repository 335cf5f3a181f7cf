// Kestrin host program: SAVEAS. The toolkit's writer saves atomically, so a failed save leaves
// whatever the file held before; the reason it gives is shown as it stands.
#include "commands/SaveAsCommand.h"

#include "app/HostSession.h"
#include "app/WideText.h"

#include "DbDxfWriter.h"
#include "sds.h"

namespace KestrinApp {

std::wstring DxfFileName(const std::wstring& typed) {
    const std::size_t slash = typed.find_last_of(L'/');
    const std::size_t dot = typed.find_last_of(L'.');
    const bool bHasExtension =
        dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash + 1);
    return bHasExtension ? typed : typed + L".dxf";
}

bool SaveDrawing(HostSession* session, const std::wstring& path) {
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
    line.WriteLine(L"Drawing saved to " + path);
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
    if (fileName.empty()) {
        fileName = session->Ask(L"Save drawing as (DXF file): ").value_or(std::wstring());
    }
    if (fileName.empty()) {
        session->Line().WriteLine(L"SAVEAS cancelled: no file name.");
        return RTCAN;
    }
    return SaveDrawing(session, DxfFileName(fileName)) ? RTNORM : RTERROR;
}

} // namespace KestrinApp
