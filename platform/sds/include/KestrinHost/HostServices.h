// Kestrin host stand-in: the host state behind the sds_* functions. The process has one host;
// the host program reaches it through Host() to set system variables, register its commands,
// route the host's messages to its command line and show the menu bar. Everything runs on the
// host's command thread; nothing is guarded.
#pragma once

#include "KestrinHost/CommandTable.h"
#include "KestrinHost/MenuBar.h"
#include "KestrinHost/MenuGroups.h"
#include "KestrinHost/SystemVariables.h"

#include <functional>
#include <string>

namespace KestrinHost {

/// Receives the host's messages (for instance why a menu file did not load), one line each.
using MessageSink = std::function<void(const std::wstring& message)>;

/*
Description:
  The host: system variables, commands, loaded menu groups and the menu bar.
Remarks:
  Built-in command: "MENULOAD" (typed "_menuload"), answer the menu file's path: loads the file
  and registers its group; RTERROR and a message when the file does not load.
*/
class HostServices {
public:
    HostServices();
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;

    SystemVariables& Variables() { return m_variables; }
    CommandTable& Commands() { return m_commands; }
    MenuGroups& Menus() { return m_menus; }
    MenuBar& Bar() { return m_bar; }

    /// Sends the host's messages to sink; an empty sink drops them (the default).
    void SetMessageSink(MessageSink sink) { m_sink = std::move(sink); }

    /// Hands one message to the sink.
    void Report(const std::wstring& message) const;

    /*
    Description:
      Returns the host to its start: default variables, the built-in commands only, no menu
      groups, an empty menu bar, no message sink.
    */
    void Reset();

private:
    void RegisterBuiltInCommands();
    int LoadMenu(const std::vector<HostValue>& answers);

    SystemVariables m_variables;
    CommandTable m_commands;
    MenuGroups m_menus;
    MenuBar m_bar;
    MessageSink m_sink;
};

/// The process's host.
HostServices& Host();

} // namespace KestrinHost
