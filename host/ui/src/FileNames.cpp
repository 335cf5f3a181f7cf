// Kestrin host: typed file names.
#include "HostUi/FileNames.h"

#include "KestrinPosix/FileNameText.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace KestrinHost {

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : std::string();
}

} // namespace

std::wstring TypedFileName(const std::wstring& typed) {
    if (typed.size() >= 2 && (typed[0] == L'"' || typed[0] == L'\'') && typed.back() == typed[0]) {
        return typed.substr(1, typed.size() - 2);
    }
    if (typed.empty() || typed[0] != L'~' || (typed.size() > 1 && typed[1] != L'/')) {
        return typed;
    }
    const std::string home = HomeFolder();
    if (home.empty()) {
        return typed;
    }
    return kposix::FromUtf8(home) + typed.substr(1);
}

} // namespace KestrinHost
