// Kestrin host stand-in: the menu bar.
#include "KestrinHost/MenuBar.h"

#include "KestrinHost/NameText.h"

#include <algorithm>

namespace KestrinHost {

std::size_t MenuBar::Insert(std::size_t position, const MenuBarEntry& entry) {
    const std::size_t present = PositionOf(entry.groupName, entry.menu.section);
    if (present != 0) {
        return present;
    }
    const std::size_t index = std::min(position == 0 ? 0 : position - 1, m_entries.size());
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(index), entry);
    return index + 1;
}

bool MenuBar::RemoveAt(std::size_t position) {
    if (position == 0 || position > m_entries.size()) {
        return false;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(position - 1));
    return true;
}

std::size_t MenuBar::PositionOf(const std::wstring& groupName, const std::wstring& menuName) const {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const MenuBarEntry& entry = m_entries[i];
        if (EqualsNoCase(entry.groupName, groupName) && entry.menu.IsNamed(menuName)) {
            return i + 1;
        }
    }
    return 0;
}

} // namespace KestrinHost
