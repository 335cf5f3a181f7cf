// Kestrin terminal UI: the file question. readline's completion state and key bindings are
// process-wide, so the filter and the Tab key are installed for the question only and the
// previous settings are put back after it.
#include "FileQuestion.h"

#include "HostUi/FileNames.h"
#include "InPlaceDrawing.h"
#include "KestrinHost/NameText.h"
#include "KestrinPosix/FileNameText.h"
#include "TerminalUi/LineQuestion.h"

#include <cstdlib>
#include <fnmatch.h>
#include <readline/readline.h>
#include <sys/stat.h>

namespace KestrinTerminalUi {

namespace {

// The patterns that completion offers while a question is asked; empty offers everything.
std::vector<std::wstring> g_completionPatterns;

bool IsFolder(const std::string& typed) {
    const std::string path = kposix::ToUtf8(KestrinHost::TypedFileName(kposix::FromUtf8(typed)));
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Offered(const char* match) {
    return IsFolder(match) || MatchesAnyPattern(g_completionPatterns, match);
}

// readline's hook to drop completions: matches[0] is the common prefix (or the only match, with
// nothing after it), the rest the names. Dropping all of them sets matches[0] to null; readline
// then rings the bell, and recomputes the common prefix of what is kept.
int DropUnmatchedFiles(char** matches) {
    if (!matches || !matches[0]) {
        return 0;
    }
    if (!matches[1]) {
        if (!Offered(matches[0])) {
            std::free(matches[0]);
            matches[0] = nullptr;
        }
        return 0;
    }
    std::size_t kept = 1;
    for (std::size_t i = 1; matches[i]; ++i) {
        if (Offered(matches[i])) {
            matches[kept++] = matches[i];
        } else {
            std::free(matches[i]);
        }
    }
    matches[kept] = nullptr;
    if (kept == 1) {
        std::free(matches[0]);
        matches[0] = nullptr;
    }
    return 0;
}

// Tab completes; a second Tab in a row lists the candidates, even when the first one completed
// a part of the name (readline's own needs a third then).
int CompleteOrList(int, int) {
    return rl_complete_internal(rl_last_func == CompleteOrList ? '?' : '\t');
}

// The question's own Tab key for its lifetime.
class QuestionKeys {
public:
    QuestionKeys() : m_map(rl_get_keymap()), m_savedTab(m_map['\t']) {
        m_map['\t'].type = ISFUNC;
        m_map['\t'].function = CompleteOrList;
    }
    ~QuestionKeys() { m_map['\t'] = m_savedTab; }
    QuestionKeys(const QuestionKeys&) = delete;
    QuestionKeys& operator=(const QuestionKeys&) = delete;

private:
    Keymap m_map;
    KEYMAP_ENTRY m_savedTab;
};

// One reading of the answer: no value for Escape, Ctrl+D or an empty line.
std::optional<std::wstring> ReadAnswer() {
    const QuestionKeys keys;
    const TerminalLine line =
        ReadTerminalLine("File name (Tab completes, Esc or an empty line cancels): ");
    if (line.end != TerminalLine::End::Entered) {
        return std::nullopt; // Escape, Ctrl+C, Ctrl+D and a closed terminal all cancel it
    }
    const std::wstring answer = KestrinHost::Trimmed(kposix::FromUtf8(line.text));
    if (answer.empty()) {
        return std::nullopt;
    }
    return answer;
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
        if (::fnmatch(kposix::ToUtf8(pattern).c_str(), base.c_str(), FNM_CASEFOLD) == 0) {
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
    std::optional<std::wstring> answer;
    for (;;) {
        answer = ReadAnswer();
        if (answer) {
            answer = KestrinHost::TypedFileName(*answer);
        }
        if (!answer || !IsFolder(kposix::ToUtf8(*answer))) {
            break;
        }
        WriteTerminalText(output, *answer + L" is a folder: type the name of a file in it.\n");
    }
    rl_ignore_some_completions_function = previousIgnore;
    rl_attempted_completion_function = previousCompletion;
    g_completionPatterns.clear();
    return answer;
}

} // namespace KestrinTerminalUi
