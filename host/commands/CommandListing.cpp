// Kestrin host program: the HELP text. Groups of the command stack are listed in the order their
// first command was added, which is the order the modules started.
#include "commands/CommandListing.h"

#include <utility>

namespace KestrinApp {

namespace {

constexpr std::size_t kNameColumn = 16; // wide enough for every host and module command name

std::wstring Padded(const std::wstring& name) {
    return name.size() < kNameColumn ? name + std::wstring(kNameColumn - name.size(), L' ')
                                     : name + L" ";
}

std::wstring SummaryOf(const std::wstring& name, const std::vector<HostCommandInfo>& summaries) {
    for (const HostCommandInfo& info : summaries) {
        if (name == info.name) {
            return info.summary;
        }
    }
    return {};
}

} // namespace

std::wstring FormatCommandList(const std::vector<std::wstring>& hostNames,
                               const std::vector<HostCommandInfo>& summaries,
                               const OdEdCommandStack& stack) {
    std::wstring text = L"Host commands:\n";
    for (const std::wstring& name : hostNames) {
        const std::wstring summary = SummaryOf(name, summaries);
        text += L"  " + (summary.empty() ? name : Padded(name) + summary) + L"\n";
    }

    std::vector<std::pair<std::wstring, std::wstring>> groups; // group name, its lines
    for (OdRxIteratorPtr pIt = stack.newIterator(); !pIt->done(); pIt->next()) {
        OdEdCommandPtr pCommand = pIt->object();
        if (pCommand.isNull() || pCommand->isUndefined()) {
            continue;
        }
        const std::wstring group = pCommand->groupName().c_str();
        const std::wstring global = pCommand->globalName().c_str();
        const std::wstring local = pCommand->localName().c_str();
        std::wstring line = L"  " + global;
        if (local != global) {
            line += L" (" + local + L")";
        }
        line += L"\n";
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

} // namespace KestrinApp
