// Kestrin host stand-in: the table of system variables.
#include "KestrinHost/SystemVariables.h"

#include "KestrinHost/NameText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace KestrinHost {

namespace {

// A whole decimal number that fills the text, within [low, high].
std::optional<long long> ParseInteger(const std::wstring& text, long long low, long long high) {
    const std::wstring trimmed = Trimmed(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    wchar_t* end = nullptr;
    errno = 0;
    const long long value = std::wcstoll(trimmed.c_str(), &end, 10);
    if (errno != 0 || *end != L'\0' || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// A finite decimal number that fills the text.
std::optional<double> ParseReal(const std::wstring& text) {
    const std::wstring trimmed = Trimmed(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    wchar_t* end = nullptr;
    errno = 0;
    const double value = std::wcstod(trimmed.c_str(), &end);
    if (errno != 0 || *end != L'\0' || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// "x,y,z": three finite numbers separated by commas.
std::optional<HostPoint> ParsePoint(const std::wstring& text) {
    HostPoint point{};
    std::size_t start = 0;
    for (std::size_t k = 0; k < point.size(); ++k) {
        const std::size_t comma = text.find(L',', start);
        const bool bLast = k + 1 == point.size();
        if (bLast != (comma == std::wstring::npos)) {
            return std::nullopt;
        }
        const std::optional<double> coordinate = ParseReal(text.substr(start, comma - start));
        if (!coordinate) {
            return std::nullopt;
        }
        point[k] = *coordinate;
        start = comma + 1;
    }
    return point;
}

// The text read as a value of the same type as like.
std::optional<HostValue> ParseLike(const HostValue& like, const std::wstring& text) {
    if (std::holds_alternative<std::wstring>(like)) {
        return HostValue(text);
    }
    if (std::holds_alternative<double>(like)) {
        const auto real = ParseReal(text);
        return real ? std::optional<HostValue>(*real) : std::nullopt;
    }
    if (std::holds_alternative<short>(like)) {
        const auto whole = ParseInteger(text, std::numeric_limits<short>::min(),
                                        std::numeric_limits<short>::max());
        return whole ? std::optional<HostValue>(static_cast<short>(*whole)) : std::nullopt;
    }
    if (std::holds_alternative<std::int32_t>(like)) {
        const auto whole = ParseInteger(text, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max());
        return whole ? std::optional<HostValue>(static_cast<std::int32_t>(*whole)) : std::nullopt;
    }
    const auto point = ParsePoint(text);
    return point ? std::optional<HostValue>(*point) : std::nullopt;
}

} // namespace

SystemVariables::SystemVariables() {
    Set(L"_VERNUM", std::wstring(DefaultVersionNumber));
}

bool SystemVariables::Set(const std::wstring& name, const HostValue& value) {
    if (name.empty()) {
        return false;
    }
    const std::wstring key = UpperCase(name);
    auto found = m_variables.find(key);
    if (found != m_variables.end()) {
        found->second.value = value;
    } else {
        m_variables.emplace(key, Variable{name, value, true});
    }
    return true;
}

bool SystemVariables::SetFromText(const std::wstring& name, const std::wstring& text) {
    if (name.empty()) {
        return false;
    }
    const auto found = m_variables.find(UpperCase(name));
    if (found == m_variables.end()) {
        return Set(name, HostValue(text));
    }
    const std::optional<HostValue> value = ParseLike(found->second.value, text);
    if (!value) {
        return false;
    }
    found->second.value = *value;
    return true;
}

std::optional<HostValue> SystemVariables::Get(const std::wstring& name) const {
    const auto found = m_variables.find(UpperCase(name));
    if (found == m_variables.end() || !found->second.bReadable) {
        return std::nullopt;
    }
    return found->second.value;
}

bool SystemVariables::Contains(const std::wstring& name) const {
    return m_variables.count(UpperCase(name)) != 0;
}

bool SystemVariables::SetReadable(const std::wstring& name, bool readable) {
    const auto found = m_variables.find(UpperCase(name));
    if (found == m_variables.end()) {
        return false;
    }
    found->second.bReadable = readable;
    return true;
}

bool SystemVariables::Remove(const std::wstring& name) {
    return m_variables.erase(UpperCase(name)) != 0;
}

std::vector<std::wstring> SystemVariables::Names() const {
    std::vector<std::wstring> names;
    names.reserve(m_variables.size());
    for (const auto& entry : m_variables) {
        names.push_back(entry.second.name);
    }
    return names;
}

} // namespace KestrinHost
