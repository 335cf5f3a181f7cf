// Kestrin terminal UI: Escape while a command works. While a watcher lives, the terminal's keys
// are read without echo on a thread of the watcher's own, and Escape calls the function given;
// Ctrl+C keeps sending its interrupt. Every other key typed meanwhile is handed to the next line
// question (readline), so typing ahead loses nothing.
#pragma once

#include <functional>
#include <string>
#include <termios.h>
#include <thread>

namespace KestrinTerminalUi {

class EscapeWatcher {
public:
    /*
    Parameters:
      inputFd  - [in] the terminal's input; a descriptor that is not a terminal is not watched.
      onEscape - [in] called on the watcher's thread for each Escape.
    */
    EscapeWatcher(int inputFd, std::function<void()> onEscape);
    /// Stops watching and puts the terminal back as it was.
    ~EscapeWatcher();
    EscapeWatcher(const EscapeWatcher&) = delete;
    EscapeWatcher& operator=(const EscapeWatcher&) = delete;

private:
    void Watch();

    int m_fd;
    std::function<void()> m_onEscape;
    termios m_saved{};
    int m_stop[2] = {-1, -1}; // written to stop the thread
    std::string m_typed;      // keys that were not Escape, in order; the thread's until joined
    std::thread m_thread;
};

} // namespace KestrinTerminalUi
