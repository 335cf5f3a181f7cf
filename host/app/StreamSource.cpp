// Kestrin host program: stream input.
#include "app/StreamSource.h"

#include "app/WideText.h"

#include <string>

namespace KestrinApp {

std::optional<std::wstring> StreamSource::ReadLine(const std::wstring& prompt) {
    std::string bytes;
    if (!std::getline(*m_pInput, bytes)) {
        return std::nullopt;
    }
    if (!bytes.empty() && bytes.back() == '\r') {
        bytes.pop_back();
    }
    const std::wstring text = FromUtf8(bytes);
    m_pLine->WriteLine(prompt + text);
    return text;
}

} // namespace KestrinApp
