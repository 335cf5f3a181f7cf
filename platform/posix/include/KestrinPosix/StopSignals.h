// Copyright (c) Kestrin developers.
//
// The signals that mean "stop" (SIGINT from a Ctrl+C, SIGTERM from kill or a scheduler, SIGHUP
// from a closed terminal), and the one way to catch them: a self-pipe. The handler only writes the
// signal's number to the pipe of every catcher alive, so a poll() on WakeFd() in any thread wakes
// at once, whichever thread the signal landed on, and nothing unsafe runs inside the handler.
// Catchers may live on several threads at once; the first one installs the handler, the last
// one puts back exactly the actions it found. A stop signal the program ignores is not caught and
// stays ignored. The program must not change these signals' actions while a catcher lives.
#pragma once

#include <signal.h>

#include <array>
#include <cstdint>
#include <vector>

namespace kposix {

inline constexpr std::array<int, 3> kStopSignals = {SIGINT, SIGTERM, SIGHUP};

/* Description:
     The stop signals as a set, for a signal mask that holds them back for a while.
*/
sigset_t StopSignalSet();

// What becomes of a stop signal besides waking the catchers.
enum class StopDelivery : std::uint8_t {
    // The catchers take it: the action the program had before does not run. For the program's
    // own handling of a stop.
    Take,
    // The program's own action still happens: a handler it installed runs in turn, and a
    // default action (ending the process) is carried out once the last catcher is gone, by
    // raising the signal again. For a library that must notice a stop without taking it.
    PassOn,
};

class StopSignals {
public:
    /* Parameters:
         delivery - [in] what else becomes of a caught signal; every catcher alive in one
           program (shared object) at once asks for the same.
    */
    explicit StopSignals(StopDelivery delivery = StopDelivery::Take);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    /* Description:
         The read end of the catcher's pipe: readable once a stop signal has arrived and not yet
         been taken. -1 when no pipe could be made (then nothing is caught by this catcher).
    */
    int WakeFd() const { return m_wakeRead; }

    /* Description:
         The stop signals that arrived since the last call, oldest first; empty when none did.
    */
    std::vector<int> Take();

    /* Description:
         Whether any stop signal arrived since the catcher began (takes what waits in the pipe).
    */
    bool Stopped();

    /* Description:
         Whether the program ignores signal: then no catcher catches it, and a child started
         with it in SpawnRequest::keptIgnored ignores it too.
    */
    static bool Ignored(int signal);

private:
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    int m_slot = -1; // where the handler finds m_wakeWrite
    bool m_bStopped = false;
};

} // namespace kposix
