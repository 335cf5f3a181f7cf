// Kestrin host program: a progress line on standard error while something long runs (a STEP
// file being read), for people watching a terminal. The translator reports no progress of its
// own, so the line shows what is being done and the time elapsed, redrawn on a timer thread. It
// appears only after a short delay, so quick runs show nothing, and it is erased when the work
// ends and whenever other output is about to appear on the terminal (it comes back on the next
// redraw, below that output).
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

namespace KestrinApp {

/*
Description:
  The progress line's text.
Parameters:
  frame   - [in] the spinner's frame, one of "|/-\\".
  label   - [in] what is being done, UTF-8.
  seconds - [in] the time elapsed.
  columns - [in] the terminal's width; 0 when unknown.
Returns:
  "FRAME LABEL SECONDSs", within columns - 1 terminal columns (the label cut short with "..."
  first), so the line never wraps: a wrapped line cannot be redrawn in place.
*/
std::string ProgressLineText(char frame, const std::string& label, long long seconds, int columns);

class ProgressSpinner {
public:
    /// How long work runs before the line appears.
    static constexpr std::chrono::milliseconds kShowAfter{700};
    /// How often the line is redrawn.
    static constexpr std::chrono::milliseconds kRedrawEvery{125};

    /*
    Description:
      Starts showing progress for a piece of work.
    Parameters:
      label  - [in] what is being done ("Reading part.step").
      output - [in] the stream to draw on (not owned); null, or a stream that is not a
               terminal, shows nothing and starts no thread.
    */
    ProgressSpinner(std::string label, std::FILE* output);

    /// Stops and erases the line (the work has ended).
    ~ProgressSpinner();
    ProgressSpinner(const ProgressSpinner&) = delete;
    ProgressSpinner& operator=(const ProgressSpinner&) = delete;

    /// Erases the line now, for other output; the next redraw shows it again. Thread-safe.
    void EraseLine();

    /// Shows label from the next redraw on (the work has moved on). Thread-safe.
    void SetLabel(std::string label);

    /// true when a timer thread draws the line.
    bool IsActive() const { return m_thread.joinable(); }

private:
    void Run();

    std::string m_label; // guarded by m_mutex
    std::FILE* m_output;
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_bStop = false;  // guarded by m_mutex
    bool m_bShown = false; // the line is on the screen; guarded by m_mutex
    std::thread m_thread;  // last: started when everything else is ready
};

} // namespace KestrinApp
