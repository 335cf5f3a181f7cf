// Kestrin host stand-in: the host functions that read variables, run commands and menu commands,
// carried out on the process's host (HostServices). No exception leaves them: they are the
// module's C-style entry points into the host.
#include "KestrinHost/HostServices.h"
#include "KestrinHost/MenuCommand.h"
#include "ResbufValues.h"
#include "sds.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

using KestrinHost::Host;
using KestrinHost::HostValue;

int sds_getvar(const wchar_t* name, sds_resbuf* result) {
    if (name == nullptr || result == nullptr) {
        return RTREJ;
    }
    try {
        const std::optional<HostValue> value = Host().Variables().Get(name);
        if (!value) {
            return RTERROR;
        }
        return KestrinHost::StoreValue(*value, result) ? RTNORM : RTERROR;
    } catch (const std::exception&) {
        return RTERROR;
    }
}

int sds_cmd(const sds_resbuf* args) {
    if (args == nullptr) {
        return RTNORM;
    }
    if (args->restype != RTSTR || args->resval.rstring == nullptr) {
        return RTREJ;
    }
    try {
        std::vector<HostValue> answers;
        for (const sds_resbuf* rb = args->rbnext; rb != nullptr; rb = rb->rbnext) {
            HostValue value;
            if (!KestrinHost::ValueOf(*rb, &value)) {
                return RTREJ;
            }
            answers.push_back(std::move(value));
        }
        return Host().Commands().Run(args->resval.rstring, answers);
    } catch (const std::exception&) {
        return RTERROR;
    }
}

int sds_command(int type, ...) {
    va_list args;
    va_start(args, type);
    bool ok = false;
    sds_resbuf* list = KestrinHost::BuildList(type, &args, &ok);
    va_end(args);
    if (!ok) {
        return RTREJ;
    }
    const int result = sds_cmd(list);
    sds_relrb(list);
    return result;
}

int sds_menucmd(const wchar_t* command) {
    if (command == nullptr) {
        return RTREJ;
    }
    try {
        KestrinHost::HostServices& host = Host();
        const KestrinHost::MenuCommandStatus status =
            KestrinHost::RunMenuCommand(command, host.Menus(), &host.Bar());
        if (status != KestrinHost::MenuCommandStatus::Ok) {
            host.Report(std::wstring(L"Menu command \"") + command + L"\" failed: " +
                        KestrinHost::MenuCommandStatusText(status));
            return RTERROR;
        }
        return RTNORM;
    } catch (const std::exception&) {
        return RTERROR;
    }
}
