// Kestrin host program: splitting typed command lines.
#include "Session/TypedCommand.h"

#include "Session/WideText.h"

namespace KestrinApp {

namespace {

std::wstring Unquoted(const std::wstring& text) {
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

} // namespace

TypedCommand ParseTypedCommand(const std::wstring& line) {
    const std::wstring text = Trimmed(line);
    TypedCommand typed;
    const std::size_t end = text.find_first_of(L" \t");
    typed.name = text.substr(0, end);
    if (end != std::wstring::npos) {
        typed.argument = Unquoted(Trimmed(text.substr(end)));
    }
    return typed;
}

std::wstring LookupName(const std::wstring& typed) {
    const std::size_t first = typed.find_first_not_of(L"_.");
    return first == std::wstring::npos ? std::wstring() : typed.substr(first);
}

std::wstring UnknownCommandMessage(const std::wstring& typed) {
    return L"Unknown command \"" + typed + L"\". Type HELP for a list of commands.";
}

} // namespace KestrinApp
