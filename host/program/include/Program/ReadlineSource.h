// Kestrin host program: the interactive command line, read with GNU readline (line editing and
// history). Used when standard input is a terminal; Ctrl+C cancels a line while the program's
// interrupt catcher lives.
#pragma once

#include "Session/LineSource.h"

namespace KestrinApp {

class ReadlineSource : public LineSource {
public:
    /// Reads with readline; every non-blank line goes into the history.
    InputLine ReadLine(const std::wstring& prompt) override;
};

} // namespace KestrinApp
