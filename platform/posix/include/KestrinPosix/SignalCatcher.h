// Copyright (c) Kestrin developers.
//
// The one way to catch signals: a self-pipe. The handler only writes the signal's number to the
// pipe of every catcher alive that asked for it, so a poll() on WakeFd() in any thread wakes at
// once, whichever thread the signal landed on (no signal can slip in between a flag test and a
// blocking read), and nothing unsafe runs inside the handler. Catchers may live on several threads
// at once; for each signal the first catcher installs the handler and the last one puts back
// exactly the action it found. A signal the program ignores is not caught and stays ignored. The
// program must not change a caught signal's action while a catcher lives.
// Also here: the signals that mean "stop" (SIGINT from a Ctrl+C, SIGTERM from kill or a scheduler,
// SIGHUP from a closed terminal), which a catcher catches unless told otherwise.
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

// What becomes of a caught signal besides waking the catchers.
enum class SignalDelivery : std::uint8_t {
    // The catchers take it: the action the program had before does not run. For the program's
    // own handling of a signal.
    Take,
    // The program's own action still happens: a handler it installed runs in turn, and a
    // default action (ending the process) is carried out once the last catcher of the signal is
    // gone, by raising it again. For a library that must notice a stop without taking it.
    PassOn,
};

class SignalCatcher {
public:
    /* Parameters:
         delivery - [in] what else becomes of a caught signal; every catcher of one signal alive
           in one program (shared object) at once asks for the same.
         signals - [in] the signals to catch.
    */
    explicit SignalCatcher(SignalDelivery delivery = SignalDelivery::Take,
                           std::vector<int> signals = {kStopSignals.begin(), kStopSignals.end()});
    ~SignalCatcher();
    SignalCatcher(const SignalCatcher&) = delete;
    SignalCatcher& operator=(const SignalCatcher&) = delete;

    /* Description:
         The read end of the catcher's pipe: readable once a signal has arrived and not yet been
         taken. -1 when no pipe could be made (then this catcher catches nothing).
    */
    int WakeFd() const { return m_wakeRead; }

    /* Description:
         The signals that arrived since the last call, oldest first; empty when none did.
    */
    std::vector<int> Take();

    /* Description:
         Whether any of the signals arrived since the catcher began (takes what waits in the
         pipe).
    */
    bool Caught();

    /* Description:
         Whether the program ignores signal: then no catcher catches it, and a child started
         with it in SpawnRequest::keptIgnored ignores it too.
    */
    static bool Ignored(int signal);

private:
    std::vector<int> m_signals;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    int m_slot = -1; // where the handler finds m_wakeWrite
    bool m_bCaught = false;
};

} // namespace kposix
