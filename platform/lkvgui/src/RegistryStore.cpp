// Larkvane GUI library stand-in: the settings store in memory and its text form.
#include "RegistryStore.h"

#include <cerrno>
#include <climits>
#include <cwchar>

namespace LkvGui {

namespace {

constexpr const wchar_t* kHeader = L"; Larkvane settings: one [key] per registry key, then "
                                   L"name=int:<number> or name=bool:<0|1>.\n";
constexpr const wchar_t* kIntegerPrefix = L"int:";
constexpr const wchar_t* kBooleanPrefix = L"bool:";
constexpr int kDecimal = 10;

wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasLineBreak(const std::wstring& text) {
    return text.find_first_of(L"\r\n") != std::wstring::npos;
}

// Bytes that are not UTF-8 arrive as escapes in this range; a NUL is no text either.
bool IsText(const std::wstring& line) {
    for (const wchar_t c : line) {
        if ((c >= 0xDC80 && c <= 0xDCFF) || c == L'\0') {
            return false;
        }
    }
    return true;
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

// A decimal int with an optional '-', nothing else; false otherwise.
bool ParseInteger(const std::wstring& text, int* value) {
    if (text.empty() || text.find_first_not_of(L"-0123456789") != std::wstring::npos) {
        return false;
    }
    errno = 0;
    wchar_t* end = nullptr;
    const long parsed = std::wcstol(text.c_str(), &end, kDecimal);
    if (errno != 0 || *end != L'\0' || parsed < INT_MIN || parsed > INT_MAX) {
        return false;
    }
    *value = static_cast<int>(parsed);
    return true;
}

bool ParseValue(const std::wstring& text, ValueKind* kind, int* value) {
    if (StartsWith(text, kIntegerPrefix)) {
        *kind = ValueKind::Integer;
        return ParseInteger(text.substr(std::wcslen(kIntegerPrefix)), value);
    }
    if (StartsWith(text, kBooleanPrefix)) {
        *kind = ValueKind::Boolean;
        const std::wstring flag = text.substr(std::wcslen(kBooleanPrefix));
        *value = flag == L"1" ? 1 : 0;
        return flag == L"0" || flag == L"1";
    }
    return false;
}

} // namespace

bool IsUsableKey(const std::wstring& key) {
    return !key.empty() && !HasLineBreak(key);
}

bool IsUsableValueName(const std::wstring& name) {
    return !name.empty() && !HasLineBreak(name) && name.find(L'=') == std::wstring::npos &&
           name[0] != L'[' && name[0] != L';' && name[0] != L'#';
}

const StoredValue* RegistryStore::Find(const std::wstring& key, const std::wstring& name) const {
    for (const StoredKey& storedKey : m_keys) {
        if (!SameName(storedKey.path, key)) {
            continue;
        }
        for (const StoredValue& stored : storedKey.values) {
            if (SameName(stored.name, name)) {
                return &stored;
            }
        }
    }
    return nullptr;
}

void RegistryStore::Set(const std::wstring& key, const std::wstring& name, ValueKind kind,
                        int value) {
    StoredKey* pKey = nullptr;
    for (StoredKey& storedKey : m_keys) {
        if (SameName(storedKey.path, key)) {
            pKey = &storedKey;
            break;
        }
    }
    if (!pKey) {
        m_keys.push_back(StoredKey{key, {}});
        pKey = &m_keys.back();
    }
    for (StoredValue& stored : pKey->values) {
        if (SameName(stored.name, name)) {
            stored.kind = kind;
            stored.value = value;
            return;
        }
    }
    pKey->values.push_back(StoredValue{name, kind, value});
}

std::wstring RegistryStore::ToText() const {
    std::wstring text = kHeader;
    for (const StoredKey& storedKey : m_keys) {
        text += L"[" + storedKey.path + L"]\n";
        for (const StoredValue& stored : storedKey.values) {
            text += stored.name + L"=" +
                    (stored.kind == ValueKind::Integer ? kIntegerPrefix : kBooleanPrefix) +
                    std::to_wstring(stored.value) + L"\n";
        }
    }
    return text;
}

RegistryStore RegistryStore::FromText(const std::wstring& text, std::size_t* unreadableLines) {
    RegistryStore parsed;
    *unreadableLines = 0;
    std::wstring currentKey; // empty before the first key line and after one that cannot be read
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == L';' || line[0] == L'#') {
            continue;
        }
        if (line[0] == L'[') {
            const bool bClosed = line.size() >= 2 && line.back() == L']';
            currentKey = bClosed ? line.substr(1, line.size() - 2) : std::wstring();
            if (!IsText(line) || !IsUsableKey(currentKey)) {
                currentKey.clear();
                ++*unreadableLines;
            }
            continue;
        }
        const std::size_t equals = line.find(L'=');
        ValueKind kind = ValueKind::Integer;
        int value = 0;
        if (currentKey.empty() || !IsText(line) || equals == std::wstring::npos ||
            !IsUsableValueName(line.substr(0, equals)) ||
            !ParseValue(line.substr(equals + 1), &kind, &value)) {
            ++*unreadableLines;
            continue;
        }
        parsed.Set(currentKey, line.substr(0, equals), kind, value);
    }
    return parsed;
}

} // namespace LkvGui
