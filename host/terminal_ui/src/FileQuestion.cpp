// Kestrin terminal UI: the file question. readline's completion state is process-wide, so the
// filter is installed for the question only and the previous settings are put back after it.
#include "FileQuestion.h"

#include "InPlaceDrawing.h"
#include "KestrinWin32/Utf8.h"
#include "TerminalUi/LineQuestion.h"

#include <cstdlib>
#include <fnmatch.h>
#include <readline/readline.h>
#include <sys/stat.h>

namespace KestrinTerminalUi {

namespace {

// The patterns that completion offers while a question is asked; empty offers everything.
std::vector<std::wstring> g_completionPatterns;

bool IsFolder(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// readline's hook to drop completions: matches[0] is the common prefix, the rest the names.
int DropUnmatchedFiles(char** matches) {
    if (!matches || !matches[0] || !matches[1]) {
        return 0; // a single completion replaces the word as it stands
    }
    std::size_t kept = 1;
    for (std::size_t i = 1; matches[i]; ++i) {
        if (IsFolder(matches[i]) || MatchesAnyPattern(g_completionPatterns, matches[i])) {
            matches[kept++] = matches[i];
        } else {
            std::free(matches[i]);
        }
    }
    matches[kept] = nullptr;
    return 0;
}

std::wstring Trim(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

} // namespace

std::wstring FileQuestionHeading(const KestrinUi::FileDialogRequest& request) {
    std::wstring heading = request.bOpenFileDialog ? L"Open file" : L"Save file as";
    for (std::size_t i = 0; i < request.filters.size(); ++i) {
        heading += (i == 0 ? L" - " : L"; ") + request.filters[i].description;
    }
    return heading;
}

bool MatchesAnyPattern(const std::vector<std::wstring>& patterns, const std::string& fileName) {
    if (patterns.empty()) {
        return true;
    }
    const std::size_t slash = fileName.find_last_of('/');
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    for (const std::wstring& pattern : patterns) {
        if (::fnmatch(KestrinWin32::ToUtf8(pattern).c_str(), base.c_str(), FNM_CASEFOLD) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<std::wstring> AskForFile(const KestrinUi::FileDialogRequest& request,
                                       std::FILE* output) {
    WriteTerminalText(output, FileQuestionHeading(request) + L"\n");
    std::fflush(output);

    g_completionPatterns.clear();
    for (const KestrinUi::FileFilter& filter : request.filters) {
        g_completionPatterns.insert(g_completionPatterns.end(), filter.patterns.begin(),
                                    filter.patterns.end());
    }
    rl_compignore_func_t* const previousIgnore = rl_ignore_some_completions_function;
    rl_completion_func_t* const previousCompletion = rl_attempted_completion_function;
    rl_ignore_some_completions_function = DropUnmatchedFiles;
    rl_attempted_completion_function = nullptr; // readline's own file-name completion
    const TerminalLine line = ReadTerminalLine("File name (Tab completes, empty line cancels): ");
    rl_ignore_some_completions_function = previousIgnore;
    rl_attempted_completion_function = previousCompletion;
    g_completionPatterns.clear();

    if (line.end != TerminalLine::End::Entered) {
        return std::nullopt; // Ctrl+C, Ctrl+D and a closed terminal all cancel the question
    }
    const std::wstring answer = Trim(KestrinWin32::FromUtf8(line.text));
    if (answer.empty()) {
        return std::nullopt;
    }
    return answer;
}

} // namespace KestrinTerminalUi
