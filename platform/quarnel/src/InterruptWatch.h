// Copyright (c) Kestrin developers.
//
// Notices SIGINT reaching the process while the library waits for its worker, without taking the
// signal away from the program: a handler the program installed still runs, and a program that
// leaves SIGINT at its default action still ends by it, only after the worker is gone. A program
// that ignores SIGINT is left alone (and its worker ignores it too). The program should not change
// SIGINT's action while a watch lives.
#pragma once

namespace quarnel {

class InterruptWatch {
public:
    InterruptWatch();
    // Puts the program's own action back; re-raises SIGINT when it arrived while the watch lived
    // and that action is the default one.
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The program ignores SIGINT: nothing is watched.
    bool Ignored() const { return m_bIgnored; }
    // SIGINT arrived since the watch began.
    bool Interrupted() const;

private:
    bool m_bIgnored = false;
    unsigned m_startCount = 0; // interrupts seen by the process before the watch began
};

} // namespace quarnel
