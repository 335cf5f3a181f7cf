// Kestrin host stand-in: the reader of .mnu menu files. It reads line by line and keeps only
// the menu group's name and its pull-down sections; the first fault ends the reading, so that a
// faulty file registers nothing.
#include "KestrinHost/MenuFile.h"

#include "KestrinHost/NameText.h"

#include <KestrinPosix/FileNameText.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace KestrinHost {

namespace {

constexpr const wchar_t* kSectionMark = L"***";
constexpr const wchar_t* kAliasMark = L"**";
constexpr const wchar_t* kCommentMark = L"//";
constexpr const wchar_t* kMenuGroupKey = L"MENUGROUP=";
constexpr const wchar_t* kPullDownPrefix = L"POP";
constexpr const wchar_t* kSeparatorLabel = L"--";
constexpr wchar_t kContinuation = L'+';
constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::wstring(prefix).size(), prefix) == 0;
}

// "POP" followed by one or more decimal digits.
bool IsPullDownSection(const std::wstring& upperName) {
    const std::wstring prefix(kPullDownPrefix);
    if (upperName.size() <= prefix.size() || !StartsWith(upperName, kPullDownPrefix)) {
        return false;
    }
    return upperName.find_first_not_of(L"0123456789", prefix.size()) == std::wstring::npos;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// Reads "[nameTag] [label]macro" from a trimmed line.
MenuFileStatus ParseItem(const std::wstring& line, MenuItem* item) {
    const std::size_t open = line.find(L'[');
    if (open == std::wstring::npos) {
        return MenuFileStatus::ItemWithoutLabel;
    }
    const std::wstring tag = Trimmed(line.substr(0, open));
    if (tag.find_first_of(L" \t") != std::wstring::npos) {
        return MenuFileStatus::ItemWithoutLabel;
    }
    const std::size_t close = line.find(L']', open + 1);
    if (close == std::wstring::npos) {
        return MenuFileStatus::UnclosedLabel;
    }
    item->nameTag = tag;
    item->label = line.substr(open + 1, close - open - 1);
    item->macro = Trimmed(line.substr(close + 1));
    if (StartsWith(item->label, L"->") || StartsWith(item->label, L"<-")) {
        return MenuFileStatus::CascadeUnsupported;
    }
    return MenuFileStatus::Ok;
}

// The state of one reading: the section being read and the item whose macro continues.
class MenuReader {
public:
    MenuFileResult Read(const std::wstring& text) {
        const std::vector<std::wstring> lines = SplitLines(text);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const MenuFileStatus status = ReadLine(Trimmed(lines[i]));
            if (status != MenuFileStatus::Ok) {
                return Failure(status, static_cast<int>(i + 1));
            }
        }
        return Finish();
    }

private:
    MenuFileStatus ReadLine(const std::wstring& line) {
        if (m_continued != nullptr) {
            MenuItem* item = m_continued;
            m_continued = nullptr;
            item->macro += line;
            return EndContinuation(item);
        }
        if (line.empty() || StartsWith(line, kCommentMark)) {
            return MenuFileStatus::Ok;
        }
        if (StartsWith(line, kSectionMark)) {
            return ReadSection(Trimmed(line.substr(std::wstring(kSectionMark).size())));
        }
        if (m_current == nullptr) {
            return MenuFileStatus::Ok; // lines of sections that this host does not show
        }
        if (StartsWith(line, kAliasMark)) {
            if (!m_current->alias.empty() || m_bHasTitle) {
                return MenuFileStatus::ItemWithoutLabel;
            }
            m_current->alias = Trimmed(line.substr(std::wstring(kAliasMark).size()));
            return MenuFileStatus::Ok;
        }
        MenuItem parsed;
        const MenuFileStatus status = ParseItem(line, &parsed);
        if (status != MenuFileStatus::Ok) {
            return status;
        }
        MenuItem* item = nullptr;
        if (!m_bHasTitle) {
            m_current->title = std::move(parsed);
            m_bHasTitle = true;
            item = &m_current->title;
        } else {
            m_current->items.push_back(std::move(parsed));
            item = &m_current->items.back();
        }
        return EndContinuation(item);
    }

    // A macro ending in '+' takes the next line too.
    MenuFileStatus EndContinuation(MenuItem* item) {
        if (!item->macro.empty() && item->macro.back() == kContinuation) {
            item->macro.pop_back();
            m_continued = item;
        }
        return MenuFileStatus::Ok;
    }

    MenuFileStatus ReadSection(const std::wstring& header) {
        const MenuFileStatus closed = CloseSection();
        if (closed != MenuFileStatus::Ok) {
            return closed;
        }
        const std::wstring upper = UpperCase(header);
        if (StartsWith(upper, kMenuGroupKey)) {
            if (m_bHasGroup) {
                return MenuFileStatus::SecondMenuGroup;
            }
            m_result.group.name = Trimmed(header.substr(std::wstring(kMenuGroupKey).size()));
            m_bHasGroup = true;
            return m_result.group.name.empty() ? MenuFileStatus::MissingMenuGroup
                                               : MenuFileStatus::Ok;
        }
        if (!IsPullDownSection(upper)) {
            return MenuFileStatus::Ok; // another section: skipped
        }
        if (!m_sections.insert(upper).second) {
            return MenuFileStatus::DuplicateSection;
        }
        m_result.group.pullDowns.push_back(PullDownMenu{});
        m_current = &m_result.group.pullDowns.back();
        m_current->section = header;
        m_bHasTitle = false;
        return MenuFileStatus::Ok;
    }

    MenuFileStatus CloseSection() {
        const bool bUntitled = m_current != nullptr && !m_bHasTitle;
        m_current = nullptr;
        return bUntitled ? MenuFileStatus::MissingTitle : MenuFileStatus::Ok;
    }

    MenuFileResult Finish() {
        const MenuFileStatus closed = CloseSection();
        if (closed != MenuFileStatus::Ok) {
            return Failure(closed, 0);
        }
        if (!m_bHasGroup) {
            return Failure(MenuFileStatus::MissingMenuGroup, 0);
        }
        return std::move(m_result);
    }

    MenuFileResult Failure(MenuFileStatus status, int line) const {
        MenuFileResult failure;
        failure.status = status;
        failure.line = line;
        return failure;
    }

    MenuFileResult m_result;
    std::set<std::wstring> m_sections; // upper-case names of the pull-down sections read
    PullDownMenu* m_current = nullptr; // the pull-down being read; null outside one
    MenuItem* m_continued = nullptr;   // the item whose macro goes on with the next line
    bool m_bHasGroup = false;
    bool m_bHasTitle = false; // whether m_current has its title yet
};

} // namespace

bool MenuItem::IsSeparator() const {
    return label == kSeparatorLabel;
}

std::wstring MenuItem::DisplayLabel() const {
    std::wstring shown;
    shown.reserve(label.size());
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == L'&') {
            if (i + 1 < label.size() && label[i + 1] == L'&') {
                shown.push_back(L'&');
                ++i;
            }
            continue;
        }
        shown.push_back(label[i]);
    }
    return shown;
}

bool PullDownMenu::IsNamed(const std::wstring& name) const {
    return EqualsNoCase(name, section) || (!alias.empty() && EqualsNoCase(name, alias));
}

const PullDownMenu* MenuGroup::FindPullDown(const std::wstring& menuName) const {
    for (const PullDownMenu& menu : pullDowns) {
        if (menu.IsNamed(menuName)) {
            return &menu;
        }
    }
    return nullptr;
}

const wchar_t* MenuFileStatusText(MenuFileStatus status) {
    switch (status) {
    case MenuFileStatus::Ok:
        return L"loaded";
    case MenuFileStatus::CannotOpen:
        return L"the file cannot be opened";
    case MenuFileStatus::MissingMenuGroup:
        return L"no menu group name (***MENUGROUP=)";
    case MenuFileStatus::SecondMenuGroup:
        return L"a second menu group name";
    case MenuFileStatus::DuplicateSection:
        return L"a pull-down section defined twice";
    case MenuFileStatus::ItemWithoutLabel:
        return L"a menu item without a [label]";
    case MenuFileStatus::UnclosedLabel:
        return L"a label without its closing ]";
    case MenuFileStatus::CascadeUnsupported:
        return L"cascading menus are not supported";
    case MenuFileStatus::MissingTitle:
        return L"a pull-down section without a title";
    }
    return L"unknown fault";
}

MenuFileResult ParseMenuText(const std::wstring& text) {
    return MenuReader().Read(text);
}

MenuFileResult ReadMenuFile(const std::wstring& path) {
    const std::string narrowPath = kposix::ToUtf8(path);
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(narrowPath, error)) {
        in.open(narrowPath, std::ios::binary);
    }
    std::string bytes;
    if (in.is_open()) {
        std::ostringstream contents;
        contents << in.rdbuf();
        bytes = std::move(contents).str();
    }
    if (!in.is_open() || in.bad()) {
        MenuFileResult failure;
        failure.status = MenuFileStatus::CannotOpen;
        return failure;
    }
    const std::string byteOrderMark(kUtf8ByteOrderMark);
    if (bytes.compare(0, byteOrderMark.size(), byteOrderMark) == 0) {
        bytes.erase(0, byteOrderMark.size());
    }
    MenuFileResult result = ParseMenuText(kposix::FromUtf8(bytes));
    result.group.sourcePath = path;
    return result;
}

} // namespace KestrinHost
