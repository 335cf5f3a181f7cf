// Kestrin host program: the interactive command line, read with GNU readline (line editing and
// history). Used when standard input is a terminal.
#pragma once

#include "app/LineSource.h"

namespace KestrinApp {

class ReadlineSource : public LineSource {
public:
    /// Reads with readline; every non-blank line goes into the history.
    std::optional<std::wstring> ReadLine(const std::wstring& prompt) override;
};

} // namespace KestrinApp
