// Kestrin host program: output file names and folders. The folder check asks the system with
// access(), which also answers for a read-only file system; it creates nothing. Names are
// looked at through symbolic links, as the save will open them: /dev/stdout is whatever the
// standard output is, which is why the device folder is refused by name as well.
#include "Commands/OutputFile.h"

#include "Session/WideText.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace KestrinApp {

namespace {

// Extensions of drawing and model formats that a DXF must not be written under.
constexpr const wchar_t* kOtherFormats[] = {
    L"DWG", L"DWT",  L"DWS", L"DWF",  L"DWFX", L"DXB", L"DGN",         // drawings
    L"STP", L"STEP", L"IGS", L"IGES", L"SAT",  L"SAB", L"X_T", L"X_B", // models
    L"3DM", L"STL",
};

constexpr std::string_view kDeviceFolder = "/dev";
constexpr std::string_view kSharedMemoryFolder = "/dev/shm";

// The extension without its dot; empty when the file name has none (a leading dot, as in
// ".hidden", starts a name, not an extension).
std::wstring Extension(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L'/');
    const std::size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash + 2) ||
        (slash == std::wstring::npos && dot == 0)) {
        return {};
    }
    return path.substr(dot + 1);
}

bool IsOtherFormat(const std::wstring& path) {
    const std::wstring extension = UpperCase(Extension(path));
    for (const wchar_t* other : kOtherFormats) {
        if (extension == other) {
            return true;
        }
    }
    return false;
}

// Whether folder is path itself or below it, component by component.
bool IsAtOrBelow(const std::string& folder, std::string_view path) {
    return folder.rfind(path, 0) == 0 &&
           (folder.size() == path.size() || folder[path.size()] == '/');
}

// In /dev or below it, but for its shared-memory folder, which holds plain files.
bool IsInDeviceFolder(const std::filesystem::path& path) {
    std::error_code error;
    // The folder alone is resolved: the name itself may be a link out of it (/dev/stdout).
    const std::filesystem::path folder = std::filesystem::weakly_canonical(
        std::filesystem::absolute(path, error).parent_path(), error);
    const std::string text = folder.string();
    return !error && IsAtOrBelow(text, kDeviceFolder) && !IsAtOrBelow(text, kSharedMemoryFolder);
}

// Why path cannot name a plain file to write a drawing to; empty when it can.
std::wstring NotAPlainFile(const std::wstring& path) {
    const std::wstring name = path.substr(path.find_last_of(L'/') + 1);
    if (name.empty()) {
        return L"the name ends in /, which names a folder";
    }
    const std::string bytes = ToUtf8(path);
    struct stat info {};
    const bool bExists = ::stat(bytes.c_str(), &info) == 0;
    if (bExists && S_ISDIR(info.st_mode)) {
        return L"it is a folder, not a file";
    }
    if (name.back() == L'.') {
        return L"a file name must not end in a dot";
    }
    if ((bExists && !S_ISREG(info.st_mode)) || IsInDeviceFolder(bytes)) {
        return L"it is a device, not a file";
    }
    return {};
}

} // namespace

std::wstring DxfFileName(const std::wstring& typed) {
    const bool bKept = UpperCase(Extension(typed)) == L"DXF" || IsOtherFormat(typed) ||
                       !NotAPlainFile(typed).empty();
    return bKept ? typed : typed + L".dxf";
}

std::wstring RefusedDxfName(const std::wstring& path) {
    if (const std::wstring problem = NotAPlainFile(path); !problem.empty()) {
        return L"Cannot save as " + path + L": " + problem + L".";
    }
    if (IsOtherFormat(path)) {
        return L"Cannot save as " + path + L": drawings are saved as DXF only, and a ." +
               Extension(path) + L" file is not one. Use a name ending in .dxf.";
    }
    return {};
}

std::wstring OutputFolderProblem(const std::wstring& path) {
    std::filesystem::path folder = std::filesystem::path(ToUtf8(path)).parent_path();
    if (folder.empty()) {
        std::error_code error;
        folder = std::filesystem::current_path(error);
        if (error) {
            return L"Cannot save to " + path + L": the current folder is gone (" +
                   FromUtf8(error.message()) + L").";
        }
    }
    const std::wstring shown = FromUtf8(folder.string());
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        const int error = errno;
        return L"Cannot save to " + path + L": the folder " + shown +
               (error == ENOENT ? std::wstring(L" does not exist.")
                                : L" cannot be reached (" + FromUtf8(std::strerror(error)) + L").");
    }
    if (!S_ISDIR(info.st_mode)) {
        return L"Cannot save to " + path + L": " + shown + L" is not a folder.";
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return L"Cannot save to " + path + L": the folder " + shown + L" cannot be written (" +
               FromUtf8(std::strerror(errno)) + L").";
    }
    return {};
}

} // namespace KestrinApp
