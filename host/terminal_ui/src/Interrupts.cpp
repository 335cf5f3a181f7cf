// Kestrin terminal UI: the interrupt catcher, the one self-pipe catcher of the platform's signal
// piece for SIGINT alone, reachable by the line questions wherever they are asked.
#include "TerminalUi/Interrupts.h"

#include "KestrinPosix/SignalCatcher.h"

namespace KestrinTerminalUi {

namespace {
kposix::SignalCatcher* g_pCatcher = nullptr; // the catcher alive, if any
} // namespace

InterruptCatcher::InterruptCatcher()
    : m_pCatcher(std::make_unique<kposix::SignalCatcher>(kposix::SignalDelivery::Take,
                                                         std::vector<int>{SIGINT})) {
    g_pCatcher = m_pCatcher.get();
}

InterruptCatcher::~InterruptCatcher() {
    g_pCatcher = nullptr;
}

int InterruptCatcher::WakeDescriptor() {
    return g_pCatcher ? g_pCatcher->WakeFd() : -1;
}

bool InterruptCatcher::Take() {
    return g_pCatcher && !g_pCatcher->Take().empty();
}

} // namespace KestrinTerminalUi
