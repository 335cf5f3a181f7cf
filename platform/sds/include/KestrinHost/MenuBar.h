// Kestrin host stand-in: the host's menu bar, the pull-down menus in the order they are shown.
// Each entry is a copy of the pull-down taken when it was inserted.
#pragma once

#include "KestrinHost/MenuFile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace KestrinHost {

/// One pull-down on the menu bar and the group it came from.
struct MenuBarEntry {
    std::wstring groupName;
    PullDownMenu menu;
};

class MenuBar {
public:
    /*
    Description:
      Inserts a pull-down.
    Parameters:
      position - [in] the 1-based position it takes; 0 is taken as 1, and a position past the
                 end appends it.
      entry    - [in] the pull-down and its group.
    Returns:
      The 1-based position where it now stands.
    Remarks:
      A pull-down of the same group and section that is already on the bar stays where it is,
      and its position is returned: the bar never shows one menu twice.
    */
    std::size_t Insert(std::size_t position, const MenuBarEntry& entry);

    /// Removes the pull-down at a 1-based position; false when there is none.
    bool RemoveAt(std::size_t position);

    /// The 1-based position of a group's pull-down, or 0 when it is not on the bar.
    std::size_t PositionOf(const std::wstring& groupName, const std::wstring& menuName) const;

    /// The pull-downs, leftmost first.
    const std::vector<MenuBarEntry>& Entries() const { return m_entries; }

    void Clear() { m_entries.clear(); }

private:
    std::vector<MenuBarEntry> m_entries; // leftmost first
};

} // namespace KestrinHost
