// Kestrin host stand-in: the loaded menu groups.
#include "KestrinHost/MenuGroups.h"

#include "KestrinHost/NameText.h"

namespace KestrinHost {

MenuFileResult MenuGroups::Load(const std::wstring& path) {
    MenuFileResult result = ReadMenuFile(path);
    if (result.status == MenuFileStatus::Ok) {
        Add(result.group);
    }
    return result;
}

void MenuGroups::Add(const MenuGroup& group) {
    m_groups[UpperCase(group.name)] = group;
}

const MenuGroup* MenuGroups::Find(const std::wstring& name) const {
    const auto found = m_groups.find(UpperCase(name));
    return found == m_groups.end() ? nullptr : &found->second;
}

bool MenuGroups::Remove(const std::wstring& name) {
    return m_groups.erase(UpperCase(name)) != 0;
}

std::vector<std::wstring> MenuGroups::Names() const {
    std::vector<std::wstring> names;
    names.reserve(m_groups.size());
    for (const auto& entry : m_groups) {
        names.push_back(entry.second.name);
    }
    return names;
}

void MenuGroups::Clear() {
    m_groups.clear();
}

} // namespace KestrinHost
