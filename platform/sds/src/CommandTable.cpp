// Kestrin host stand-in: the table of host commands.
#include "KestrinHost/CommandTable.h"

#include "KestrinHost/NameText.h"
#include "sds.h"

#include <exception>

namespace KestrinHost {

std::wstring CommandTable::GlobalName(const std::wstring& typed) {
    const std::wstring trimmed = Trimmed(typed);
    const std::size_t start = trimmed.find_first_not_of(L"_.");
    return start == std::wstring::npos ? std::wstring() : UpperCase(trimmed.substr(start));
}

bool CommandTable::Register(const std::wstring& name, CommandHandler handler) {
    const std::wstring key = GlobalName(name);
    if (key.empty() || !handler) {
        return false;
    }
    m_commands[key] = std::move(handler);
    return true;
}

bool CommandTable::Unregister(const std::wstring& name) {
    return m_commands.erase(GlobalName(name)) != 0;
}

bool CommandTable::Contains(const std::wstring& typed) const {
    return m_commands.count(GlobalName(typed)) != 0;
}

int CommandTable::Run(const std::wstring& typed, const std::vector<HostValue>& answers) const {
    const auto found = m_commands.find(GlobalName(typed));
    if (found == m_commands.end()) {
        return RTERROR;
    }
    const CommandHandler handler = found->second; // the command may unregister itself
    try {
        return handler(answers);
    } catch (const std::exception&) {
        return RTERROR;
    }
}

std::vector<std::wstring> CommandTable::Names() const {
    std::vector<std::wstring> names;
    names.reserve(m_commands.size());
    for (const auto& entry : m_commands) {
        names.push_back(entry.first);
    }
    return names;
}

void CommandTable::Clear() {
    m_commands.clear();
}

} // namespace KestrinHost
