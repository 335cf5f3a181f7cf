// Kestrin host program: readline input. readline hands back a malloc'ed line that we own.
#include "app/ReadlineSource.h"

#include "app/WideText.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <readline/history.h>
#include <readline/readline.h>

namespace KestrinApp {

std::optional<std::wstring> ReadlineSource::ReadLine(const std::wstring& prompt) {
    const std::string promptBytes = ToUtf8(prompt);
    std::unique_ptr<char, decltype(&std::free)> line(readline(promptBytes.c_str()), &std::free);
    if (!line) {
        std::fputs("\n", stdout); // end the prompt's line at the end of input (Ctrl+D)
        return std::nullopt;
    }
    const std::wstring text = FromUtf8(line.get());
    if (!Trimmed(text).empty()) {
        add_history(line.get());
    }
    return text;
}

} // namespace KestrinApp
