// Kestrin terminal UI: one line read at the terminal with readline's editing and completion,
// where Ctrl+C (with an InterruptCatcher alive) and Escape cancel the line and Ctrl+D on an empty
// line asks to end. Used for the command line and for every question asked on it. An Escape that
// the rest of a key's sequence does not follow at once is the Escape key, and whatever is typed
// after it belongs to the next question; so readline's meta keys (Escape, then a key) are not
// offered.
#pragma once

#include <cstdint>
#include <string>

namespace KestrinTerminalUi {

struct TerminalLine {
    enum class End : std::uint8_t {
        Entered,   // text holds the line (UTF-8, without its line break)
        Cancelled, // Ctrl+C
        Escaped,   // the Escape key
        EndKey,    // Ctrl+D on an empty line; the terminal can still be read
        Closed,    // the terminal is gone (hung up) or cannot be read
    };
    End end = End::Closed;
    std::string text;
};

/*
Description:
  Reads one line.
Parameters:
  prompt - [in] the prompt, UTF-8.
Returns:
  How reading ended. After anything but Entered the cursor stands on a new line.
Remarks:
  An interrupt that came before the call is dropped: only one during the question cancels it.
*/
TerminalLine ReadTerminalLine(const std::string& prompt);

/// Keys typed while nobody read the terminal (bytes as typed): the next line questions take
/// them first, as if typed then.
void QueueTypedAhead(const std::string& bytes);

} // namespace KestrinTerminalUi
