// Kestrin Windows stand-in: ShellExecuteW over the desktop opener. The opener runs as a process of
// its own, spawned without a shell with the file as its one argument, so no file name is ever
// interpreted. Its exit status is its verdict (xdg-open: 0 opened, 2 no such file, others failed).
// It starts through KestrinPosix/ChildProcess.h: its standard streams on /dev/null, so that its
// complaints never reach the terminal the host draws on, none of the host's other descriptors, its
// signals at their defaults and unblocked, and in a session of its own, so that the desktop
// program it starts is neither tied to the host's terminal nor ended by a Ctrl+C meant for the
// host.
#include "shellapi.h"

#include <KestrinPosix/ChildProcess.h>
#include <KestrinPosix/FileNameText.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <fstream>
#include <string>

namespace {

constexpr INT_PTR kSuccess = 42;     // any value above 32 means success; the target's are arbitrary
constexpr int kOpenerNoSuchFile = 2; // xdg-open: the file does not exist
constexpr auto kOpenerVerdictTime = std::chrono::seconds(3); // xdg-open returns well within it
constexpr std::size_t kSniffBytes = 1024; // an HTML page names <html> within its first kilobyte

KestrinWin32::OpenerFailureHandler& FailureHandler() {
    static KestrinWin32::OpenerFailureHandler handler;
    return handler;
}

HINSTANCE Result(INT_PTR value) {
    return reinterpret_cast<HINSTANCE>(value);
}

bool IsOpenVerb(LPCWSTR lpOperation) {
    if (!lpOperation || !*lpOperation) {
        return true;
    }
    std::wstring verb = lpOperation;
    std::transform(verb.begin(), verb.end(), verb.begin(), [](wchar_t c) {
        return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    });
    return verb == L"open";
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return text;
}

bool HasHtmlExtension(const std::string& path) {
    const std::string lowered = Lowered(path);
    for (const char* extension : {".html", ".htm", ".xhtml"}) {
        const std::size_t length = std::char_traits<char>::length(extension);
        if (lowered.size() >= length &&
            lowered.compare(lowered.size() - length, length, extension) == 0) {
            return true;
        }
    }
    return false;
}

// true when the file begins like an HTML page: markup first, and an <html> tag early on.
bool LooksLikeHtml(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string head(kSniffBytes, '\0');
    file.read(&head[0], static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    const std::string bom = "\xEF\xBB\xBF";
    std::size_t start = head.compare(0, bom.size(), bom) == 0 ? bom.size() : 0;
    while (start < head.size() && std::isspace(static_cast<unsigned char>(head[start]))) {
        ++start;
    }
    if (start >= head.size() || head[start] != '<') {
        return false;
    }
    const std::string lowered = Lowered(head);
    return lowered.find("<html", start) != std::string::npos ||
           lowered.find("<!doctype html", start) != std::string::npos;
}

std::string CacheFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache == '/') {
        return std::string(cache) + "/kestrin";
    }
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/.cache/kestrin" : std::string();
}

bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

// A copy of the file named .html in the cache folder, written atomically; empty when it fails.
std::string HtmlCopyOf(const std::string& path) {
    const std::string folder = CacheFolder();
    if (folder.empty() || !MakeFolders(folder)) {
        return std::string();
    }
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::string copy = folder + "/" + name + ".html";
    const std::string temporary = copy + ".tmp" + std::to_string(getpid());
    {
        std::ifstream in(path, std::ios::binary);
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << in.rdbuf();
        out.flush();
        if (!in || !out) {
            std::remove(temporary.c_str());
            return std::string();
        }
    }
    if (std::rename(temporary.c_str(), copy.c_str()) != 0) {
        std::remove(temporary.c_str());
        return std::string();
    }
    return copy;
}

std::string AbsolutePath(const std::string& file, LPCWSTR lpDirectory) {
    if (!file.empty() && file.front() == '/') {
        return file;
    }
    std::string folder;
    if (lpDirectory && *lpDirectory) {
        folder = kposix::ToUtf8(lpDirectory);
    } else {
        char* current = get_current_dir_name();
        folder = current ? current : "";
        std::free(current);
    }
    return folder + "/" + file;
}

INT_PTR VerdictOf(const kposix::ChildEnd& end) {
    if (end.bSignalled) {
        return SE_ERR_NOASSOC;
    }
    if (end.exitCode == 0) {
        return kSuccess;
    }
    return end.exitCode == kOpenerNoSuchFile ? SE_ERR_FNF : SE_ERR_NOASSOC;
}

INT_PTR RunOpener(const std::string& opener, const std::string& path, LPCWSTR lpDirectory) {
    kposix::SpawnRequest request;
    request.program = opener;
    request.arguments = {path};
    request.bSearchPath = true;
    if (lpDirectory && *lpDirectory) {
        request.workingFolder = kposix::ToUtf8(lpDirectory);
    }
    request.bNewSession = true;
    int error = 0;
    kposix::ChildProcess child = kposix::ChildProcess::Spawn(request, &error);
    if (!child.Running()) {
        return error == ENOMEM ? SE_ERR_OOM : SE_ERR_NOASSOC;
    }
    if (const std::optional<kposix::ChildEnd> end =
            child.WaitUntil(std::chrono::steady_clock::now() + kOpenerVerdictTime)) {
        return VerdictOf(*end);
    }
    // Still running: it has started the desktop program. Reap it whenever it ends.
    child.ReapInBackground();
    return kSuccess;
}

} // namespace

HINSTANCE WINAPI ShellExecuteW(HWND /*hwnd*/, LPCWSTR lpOperation, LPCWSTR lpFile,
                               LPCWSTR /*lpParameters*/, LPCWSTR lpDirectory, INT /*nShowCmd*/) {
    if (!lpFile || !*lpFile) {
        return Result(SE_ERR_FNF);
    }
    if (!IsOpenVerb(lpOperation)) {
        return Result(SE_ERR_NOASSOC);
    }
    std::string path = AbsolutePath(kposix::ToUtf8(lpFile), lpDirectory);
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return Result(SE_ERR_FNF);
    }
    if (access(path.c_str(), R_OK) != 0) {
        return Result(SE_ERR_ACCESSDENIED);
    }
    if (S_ISREG(info.st_mode) && !HasHtmlExtension(path) && LooksLikeHtml(path)) {
        const std::string copy = HtmlCopyOf(path);
        if (!copy.empty()) {
            path = copy;
        }
    }
    const char* configured = std::getenv(KESTRIN_OPENER_ENV);
    const std::string opener = configured && *configured ? configured : "xdg-open";
    const INT_PTR verdict = RunOpener(opener, path, lpDirectory);
    if (verdict == SE_ERR_NOASSOC && FailureHandler()) {
        FailureHandler()(path);
    }
    return Result(verdict);
}

namespace KestrinWin32 {

void SetOpenerFailureHandler(OpenerFailureHandler handler) {
    FailureHandler() = std::move(handler);
}

} // namespace KestrinWin32
