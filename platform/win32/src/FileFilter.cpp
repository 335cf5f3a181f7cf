// Kestrin Windows stand-in: parsing the filter text of a file dialog.
#include "KestrinUi/FileFilter.h"

namespace KestrinUi {
namespace {

std::vector<std::wstring> SplitText(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::wstring::npos ? end : end - start));
        if (end == std::wstring::npos) {
            return parts;
        }
        start = end + 1;
    }
}

} // namespace

std::vector<FileFilter> ParseFileFilter(const wchar_t* filter) {
    std::vector<FileFilter> filters;
    if (!filter) {
        return filters;
    }
    const std::vector<std::wstring> fields = SplitText(filter, L'|');
    for (size_t i = 0; i < fields.size() && !fields[i].empty(); i += 2) {
        FileFilter entry;
        entry.description = fields[i];
        const std::wstring patterns = i + 1 < fields.size() ? fields[i + 1] : std::wstring();
        for (const std::wstring& pattern : SplitText(patterns, L';')) {
            if (!pattern.empty()) {
                entry.patterns.push_back(pattern);
            }
        }
        if (entry.patterns.empty()) {
            entry.patterns.push_back(L"*.*");
        }
        filters.push_back(entry);
    }
    return filters;
}

} // namespace KestrinUi
