// Kestrin host program: the MENU text and the items it numbers.
#include "Commands/MenuListing.h"

#include <algorithm>

namespace KestrinApp {

namespace {

constexpr std::size_t kLabelColumn = 28; // the widest label of a usual pull-down fits
constexpr const wchar_t* kCancel = L"^C";

// Every item a user can pick, in the order shown: separators have no number.
std::vector<const KestrinHost::MenuItem*> NumberedItems(const KestrinHost::MenuBar& bar) {
    std::vector<const KestrinHost::MenuItem*> items;
    for (const KestrinHost::MenuBarEntry& entry : bar.Entries()) {
        for (const KestrinHost::MenuItem& item : entry.menu.items) {
            if (!item.IsSeparator()) {
                items.push_back(&item);
            }
        }
    }
    return items;
}

std::wstring ItemLine(const KestrinHost::MenuItem& item, std::size_t number) {
    if (item.IsSeparator()) {
        return L"        ----\n";
    }
    std::wstring label = item.DisplayLabel();
    if (!item.macro.empty()) {
        label.resize(std::max(label.size() + 1, kLabelColumn), L' ');
        label += item.macro;
    }
    std::wstring numberText = std::to_wstring(number) + L".";
    numberText.resize(std::max<std::size_t>(numberText.size() + 1, 4), L' ');
    return L"    " + numberText + label + L"\n";
}

} // namespace

std::wstring FormatMenuBar(const KestrinHost::MenuBar& bar) {
    if (bar.Entries().empty()) {
        return L"The menu bar is empty.\n";
    }
    std::wstring text = L"Menu bar:\n";
    std::size_t number = 1;
    for (const KestrinHost::MenuBarEntry& entry : bar.Entries()) {
        const KestrinHost::PullDownMenu& menu = entry.menu;
        text += L"  " + menu.title.DisplayLabel() + L"  (menu group " + entry.groupName + L", " +
                menu.section + L")\n";
        for (const KestrinHost::MenuItem& item : menu.items) {
            text += ItemLine(item, number);
            number += item.IsSeparator() ? 0 : 1;
        }
    }
    return text;
}

const KestrinHost::MenuItem* MenuItemNumbered(const KestrinHost::MenuBar& bar, std::size_t number) {
    const std::vector<const KestrinHost::MenuItem*> items = NumberedItems(bar);
    return number >= 1 && number <= items.size() ? items[number - 1] : nullptr;
}

std::wstring MacroCommandLine(const std::wstring& macro) {
    std::size_t start = 0;
    for (;;) {
        start = macro.find_first_not_of(L' ', start);
        if (start == std::wstring::npos || macro.compare(start, 2, kCancel) != 0) {
            break;
        }
        start += 2;
    }
    if (start == std::wstring::npos) {
        return {};
    }
    return macro.substr(start, macro.find_last_not_of(L' ') + 1 - start);
}

} // namespace KestrinApp
