// Kestrin host program: the MENU text.
#include "commands/MenuListing.h"

#include <algorithm>

namespace KestrinApp {

namespace {

constexpr std::size_t kLabelColumn = 28; // the widest label of a usual pull-down fits

std::wstring ItemLine(const KestrinHost::MenuItem& item) {
    if (item.IsSeparator()) {
        return L"      ----\n";
    }
    std::wstring label = item.DisplayLabel();
    if (!item.macro.empty()) {
        label.resize(std::max(label.size() + 1, kLabelColumn), L' ');
        label += item.macro;
    }
    return L"      " + label + L"\n";
}

} // namespace

std::wstring FormatMenuBar(const KestrinHost::MenuBar& bar) {
    if (bar.Entries().empty()) {
        return L"The menu bar is empty.\n";
    }
    std::wstring text = L"Menu bar:\n";
    std::size_t position = 1;
    for (const KestrinHost::MenuBarEntry& entry : bar.Entries()) {
        const KestrinHost::PullDownMenu& menu = entry.menu;
        text += L"  " + std::to_wstring(position++) + L". " + menu.title.DisplayLabel() +
                L"  (menu group " + entry.groupName + L", " + menu.section + L")\n";
        for (const KestrinHost::MenuItem& item : menu.items) {
            text += ItemLine(item);
        }
    }
    return text;
}

} // namespace KestrinApp
