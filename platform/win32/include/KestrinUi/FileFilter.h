// Kestrin Windows stand-in: the user interface.
// The filter of a file dialog. The target writes it as one text, "Description|patterns|...||",
// each entry a shown description and its patterns separated by ';'. UIs get it parsed.
#pragma once

#include <string>
#include <vector>

namespace KestrinUi {

/// One entry of a file dialog's filter: "STEP Files (*.stp, *.step)" with {"*.stp", "*.step"}.
struct FileFilter {
    std::wstring description;           // shown to the user
    std::vector<std::wstring> patterns; // shell patterns, e.g. "*.stp"
};

/*
Description:
  Parses a filter text as the file dialog on the target takes it.
Parameters:
  filter - [in] "Description|pattern;pattern|Description|pattern||"; null or empty gives none.
Returns:
  The entries in order. An entry without a pattern part gets "*.*"; a trailing empty entry
  ends the list.
*/
std::vector<FileFilter> ParseFileFilter(const wchar_t* filter);

} // namespace KestrinUi
