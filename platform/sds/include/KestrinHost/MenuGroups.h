// Kestrin host stand-in: the menu groups the host has loaded ("_menuload"), by name.
#pragma once

#include "KestrinHost/MenuFile.h"

#include <map>
#include <string>
#include <vector>

namespace KestrinHost {

class MenuGroups {
public:
    /*
    Description:
      Loads a menu file and registers its group.
    Parameters:
      path - [in] the menu file.
    Returns:
      The outcome of reading the file; the group is registered only when it is Ok.
    Remarks:
      Loading a group whose name is already registered replaces it, so that a module that is
      unloaded and loaded again can load its menu again. Pull-downs already on the menu bar are
      not changed by that.
    */
    MenuFileResult Load(const std::wstring& path);

    /// Registers a group read elsewhere; replaces one of the same name.
    void Add(const MenuGroup& group);

    /// The group of that name (case-insensitive), or null.
    const MenuGroup* Find(const std::wstring& name) const;

    /// Removes a group; false when it is unknown.
    bool Remove(const std::wstring& name);

    /// The names of the registered groups, in alphabetical order of their upper-case form.
    std::vector<std::wstring> Names() const;

    void Clear();

private:
    std::map<std::wstring, MenuGroup> m_groups; // keyed by the upper-case group name
};

} // namespace KestrinHost
