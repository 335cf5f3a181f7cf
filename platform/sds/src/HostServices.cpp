// Kestrin host stand-in: the process's host and its built-in commands.
#include "KestrinHost/HostServices.h"

#include "sds.h"

namespace KestrinHost {

HostServices::HostServices() {
    RegisterBuiltInCommands();
}

void HostServices::Report(const std::wstring& message) const {
    if (m_sink) {
        m_sink(message);
    }
}

void HostServices::Reset() {
    m_variables = SystemVariables();
    m_commands.Clear();
    m_menus.Clear();
    m_bar.Clear();
    m_sink = nullptr;
    RegisterBuiltInCommands();
}

void HostServices::RegisterBuiltInCommands() {
    m_commands.Register(
        L"MENULOAD", [this](const std::vector<HostValue>& answers) { return LoadMenu(answers); });
}

int HostServices::LoadMenu(const std::vector<HostValue>& answers) {
    const std::wstring* path =
        answers.size() == 1 ? std::get_if<std::wstring>(&answers.front()) : nullptr;
    if (path == nullptr) {
        Report(L"MENULOAD needs one answer: the menu file's path");
        return RTREJ;
    }
    const MenuFileResult result = m_menus.Load(*path);
    if (result.status != MenuFileStatus::Ok) {
        std::wstring message =
            L"Unable to load menu file \"" + *path + L"\": " + MenuFileStatusText(result.status);
        if (result.line > 0) {
            message += L" (line " + std::to_wstring(result.line) + L")";
        }
        Report(message);
        return RTERROR;
    }
    return RTNORM;
}

HostServices& Host() {
    static HostServices host;
    return host;
}

} // namespace KestrinHost
