// Kestrin host stand-in: menu commands on the menu bar.
#include "KestrinHost/MenuCommand.h"

#include <cwctype>
#include <limits>
#include <optional>

namespace KestrinHost {

namespace {

constexpr wchar_t kInsertMark = L'+';
constexpr wchar_t kRemoveMark = L'-';

// The position of "P<n>=" at the start of the text, and the offset just after '='. A position too
// large to count lies past the end of any bar, so it saturates rather than failing.
std::optional<std::size_t> ParsePosition(const std::wstring& command, std::size_t* after) {
    if (command.empty() || std::towupper(static_cast<std::wint_t>(command[0])) != L'P') {
        return std::nullopt;
    }
    std::size_t i = 1;
    std::size_t position = 0;
    constexpr std::size_t kLimit = std::numeric_limits<std::size_t>::max() / 10;
    while (i < command.size() && command[i] >= L'0' && command[i] <= L'9') {
        const auto digit = static_cast<std::size_t>(command[i] - L'0');
        position =
            position >= kLimit ? std::numeric_limits<std::size_t>::max() : position * 10 + digit;
        ++i;
    }
    if (i == 1 || position == 0 || i >= command.size() || command[i] != L'=') {
        return std::nullopt;
    }
    *after = i + 1;
    return position;
}

} // namespace

const wchar_t* MenuCommandStatusText(MenuCommandStatus status) {
    switch (status) {
    case MenuCommandStatus::Ok:
        return L"done";
    case MenuCommandStatus::Malformed:
        return L"not a menu command this host knows";
    case MenuCommandStatus::UnknownGroup:
        return L"no menu group of that name is loaded";
    case MenuCommandStatus::UnknownMenu:
        return L"the menu group has no pull-down of that name";
    case MenuCommandStatus::NoSuchEntry:
        return L"no pull-down at that position of the menu bar";
    }
    return L"unknown fault";
}

MenuCommandStatus RunMenuCommand(const std::wstring& command, const MenuGroups& groups,
                                 MenuBar* bar) {
    std::size_t next = 0;
    const std::optional<std::size_t> position = ParsePosition(command, &next);
    if (!position || next >= command.size()) {
        return MenuCommandStatus::Malformed;
    }
    if (command[next] == kRemoveMark) {
        if (next + 1 != command.size()) {
            return MenuCommandStatus::Malformed;
        }
        return bar->RemoveAt(*position) ? MenuCommandStatus::Ok : MenuCommandStatus::NoSuchEntry;
    }
    if (command[next] != kInsertMark) {
        return MenuCommandStatus::Malformed;
    }
    const std::wstring target = command.substr(next + 1);
    const std::size_t dot = target.find(L'.');
    if (dot == std::wstring::npos || dot == 0 || dot + 1 == target.size() ||
        target.find_first_of(L" \t.", dot + 1) != std::wstring::npos ||
        target.find_first_of(L" \t") < dot) {
        return MenuCommandStatus::Malformed;
    }
    const MenuGroup* group = groups.Find(target.substr(0, dot));
    if (group == nullptr) {
        return MenuCommandStatus::UnknownGroup;
    }
    const PullDownMenu* menu = group->FindPullDown(target.substr(dot + 1));
    if (menu == nullptr) {
        return MenuCommandStatus::UnknownMenu;
    }
    bar->Insert(*position, MenuBarEntry{group->name, *menu});
    return MenuCommandStatus::Ok;
}

} // namespace KestrinHost
