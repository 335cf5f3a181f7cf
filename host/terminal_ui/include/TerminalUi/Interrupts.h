// Kestrin terminal UI: Ctrl+C at the terminal. While an InterruptCatcher lives, the interrupt
// signal no longer ends the program: each one is recorded, and whatever waits for the user (a
// line being read) can wait for it too and cancel. Child processes in the same process group
// still receive the terminal's interrupt as their own.
#pragma once

#include <memory>

namespace kposix {
class SignalCatcher;
}

namespace KestrinTerminalUi {

class InterruptCatcher {
public:
    /// Catches SIGINT from now on; one catcher at a time.
    InterruptCatcher();
    /// Puts back the disposition there was before.
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    /// A descriptor that becomes readable when an interrupt came; -1 when no catcher lives.
    static int WakeDescriptor();

    /// Whether an interrupt came since the last call; forgets it.
    static bool Take();

private:
    std::unique_ptr<kposix::SignalCatcher> m_pCatcher;
};

} // namespace KestrinTerminalUi
