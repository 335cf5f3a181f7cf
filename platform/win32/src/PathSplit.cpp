// Kestrin Windows API stand-in.
// _wsplitpath and _wsplitpath_s. Paths here have no drive letters, so the drive part is always
// empty; both separators of the target are accepted so that a path written for it splits too.
#include <wincrt.h>

#include <cerrno>
#include <cwchar>
#include <string_view>

namespace {

struct PathParts {
    std::wstring_view dir;   // up to and including the last separator
    std::wstring_view fname; // the name without its extension
    std::wstring_view ext;   // from the last '.' of the name
};

bool IsSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

PathParts Split(std::wstring_view path) {
    size_t nameStart = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsSeparator(path[i])) {
            nameStart = i + 1;
        }
    }
    const std::wstring_view name = path.substr(nameStart);
    const size_t dot = name.rfind(L'.');
    PathParts parts;
    parts.dir = path.substr(0, nameStart);
    parts.fname = dot == std::wstring_view::npos ? name : name.substr(0, dot);
    parts.ext = dot == std::wstring_view::npos ? std::wstring_view() : name.substr(dot);
    return parts;
}

// Copies as much of part as fits, always terminated.
void CopyCut(std::wstring_view part, wchar_t* out, size_t size) {
    if (!out || size == 0) {
        return;
    }
    const size_t length = part.size() < size ? part.size() : size - 1;
    std::wmemcpy(out, part.data(), length);
    out[length] = L'\0';
}

} // namespace

void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext) {
    const PathParts parts = Split(path ? std::wstring_view(path) : std::wstring_view());
    CopyCut(std::wstring_view(), drive, _MAX_DRIVE);
    CopyCut(parts.dir, dir, _MAX_DIR);
    CopyCut(parts.fname, fname, _MAX_FNAME);
    CopyCut(parts.ext, ext, _MAX_EXT);
}

int _wsplitpath_s(const wchar_t* path, wchar_t* drive, size_t driveSize, wchar_t* dir,
                  size_t dirSize, wchar_t* fname, size_t fnameSize, wchar_t* ext, size_t extSize) {
    const bool bSizesGiven = (!drive || driveSize > 0) && (!dir || dirSize > 0) &&
                             (!fname || fnameSize > 0) && (!ext || extSize > 0);
    if (!path || !bSizesGiven) {
        return EINVAL;
    }
    const PathParts parts = Split(path);
    const auto fits = [](std::wstring_view part, const wchar_t* out, size_t size) {
        return !out || part.size() < size;
    };
    if (!fits(parts.dir, dir, dirSize) || !fits(parts.fname, fname, fnameSize) ||
        !fits(parts.ext, ext, extSize)) {
        CopyCut(std::wstring_view(), drive, driveSize);
        CopyCut(std::wstring_view(), dir, dirSize);
        CopyCut(std::wstring_view(), fname, fnameSize);
        CopyCut(std::wstring_view(), ext, extSize);
        return ERANGE;
    }
    CopyCut(std::wstring_view(), drive, driveSize);
    CopyCut(parts.dir, dir, dirSize);
    CopyCut(parts.fname, fname, fnameSize);
    CopyCut(parts.ext, ext, extSize);
    return 0;
}
