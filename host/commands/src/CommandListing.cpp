// Kestrin host program: the HELP text. Groups of the command stack are listed in the order their
// first command was added, which is the order the modules started.
#include "Commands/CommandListing.h"

#include "Commands/MenuListing.h"

#include "KestrinHost/CommandTable.h"

#include <cwctype>
#include <utility>

namespace KestrinApp {

namespace {

constexpr std::size_t kNameColumn = 16; // wide enough for every host and module command name

std::wstring Padded(const std::wstring& name) {
    return name.size() < kNameColumn ? name + std::wstring(kNameColumn - name.size(), L' ')
                                     : name + L" ";
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    return text;
}

const HostCommandInfo* HostInfo(const CommandSources& sources, const std::wstring& name) {
    for (const HostCommandInfo& info : sources.hostCommands) {
        if (name == info.name) {
            return &info;
        }
    }
    return nullptr;
}

// The pull-down title and label of the menu item whose macro runs a command; empty when none.
std::pair<std::wstring, std::wstring> MenuItemRunning(const CommandSources& sources,
                                                      const std::wstring& globalName) {
    if (!sources.pBar) {
        return {};
    }
    for (const KestrinHost::MenuBarEntry& entry : sources.pBar->Entries()) {
        for (const KestrinHost::MenuItem& item : entry.menu.items) {
            const std::wstring command = MacroCommandLine(item.macro);
            if (!item.IsSeparator() && !command.empty() &&
                Upper(KestrinHost::CommandTable::GlobalName(command)) == Upper(globalName)) {
                return {entry.menu.title.DisplayLabel(), item.DisplayLabel()};
            }
        }
    }
    return {};
}

// A menu label as a summary: "About Kestrin..." says "About Kestrin".
std::wstring LabelAsSummary(std::wstring label) {
    while (!label.empty() && (label.back() == L'.' || label.back() == L' ')) {
        label.pop_back();
    }
    return label;
}

std::wstring ModuleSummary(const CommandSources& sources, const OdEdCommand& command) {
    const std::wstring label = MenuItemRunning(sources, command.globalName().c_str()).second;
    if (!label.empty()) {
        return LabelAsSummary(label);
    }
    return std::wstring(command.globalName().c_str()) + L" of " + command.groupName().c_str();
}

// The defined module commands of the stack, in the order added.
std::vector<OdEdCommandPtr> ModuleCommands(const CommandSources& sources) {
    std::vector<OdEdCommandPtr> commands;
    if (!sources.pStack) {
        return commands;
    }
    for (OdRxIteratorPtr pIt = sources.pStack->newIterator(); !pIt->done(); pIt->next()) {
        OdEdCommandPtr pCommand = pIt->object();
        if (!pCommand.isNull() && !pCommand->isUndefined()) {
            commands.push_back(pCommand);
        }
    }
    return commands;
}

std::wstring NameWithLocal(const OdEdCommand& command) {
    const std::wstring global = command.globalName().c_str();
    const std::wstring local = command.localName().c_str();
    return local == global ? global : global + L" (" + local + L")";
}

} // namespace

std::wstring FormatCommandList(const CommandSources& sources) {
    std::wstring text = L"Host commands (HELP NAME tells more about one):\n";
    for (const std::wstring& name : sources.hostNames) {
        const HostCommandInfo* info = HostInfo(sources, name);
        text += L"  " + (info ? Padded(name) + info->summary : name) + L"\n";
    }

    std::vector<std::pair<std::wstring, std::wstring>> groups; // group name, its lines
    for (const OdEdCommandPtr& pCommand : ModuleCommands(sources)) {
        const std::wstring group = pCommand->groupName().c_str();
        const std::wstring line =
            L"  " + Padded(NameWithLocal(*pCommand)) + ModuleSummary(sources, *pCommand) + L"\n";
        auto it = groups.begin();
        while (it != groups.end() && it->first != group) {
            ++it;
        }
        if (it == groups.end()) {
            groups.emplace_back(group, line);
        } else {
            it->second += line;
        }
    }
    for (const auto& [group, lines] : groups) {
        text += group + L":\n" + lines;
    }
    return text;
}

std::optional<std::wstring> DescribeCommand(const CommandSources& sources,
                                            const std::wstring& typed) {
    const std::wstring wanted = Upper(KestrinHost::CommandTable::GlobalName(typed));
    if (wanted.empty()) {
        return std::nullopt;
    }
    for (const std::wstring& name : sources.hostNames) {
        if (Upper(name) != wanted) {
            continue;
        }
        const HostCommandInfo* info = HostInfo(sources, name);
        if (!info) {
            return name + L": a command of the host.\n";
        }
        return name + L": " + info->summary + L".\n  Type: " + info->usage + L"\n";
    }
    for (const OdEdCommandPtr& pCommand : ModuleCommands(sources)) {
        if (Upper(pCommand->globalName().c_str()) != wanted &&
            Upper(pCommand->localName().c_str()) != wanted) {
            continue;
        }
        std::wstring text = NameWithLocal(*pCommand) + L": " + ModuleSummary(sources, *pCommand) +
                            L".\n  Group: " + pCommand->groupName().c_str() + L"\n";
        const auto [menu, label] = MenuItemRunning(sources, pCommand->globalName().c_str());
        if (!label.empty()) {
            text += L"  Menu: " + menu + L" > " + label + L"\n";
        }
        return text;
    }
    return std::nullopt;
}

} // namespace KestrinApp
