// Larkvane GUI library stand-in, private: the settings store in memory, and its text form.
// The text is one section per key and one line per value:
//     [Software\Larkvane\Kestrin for IntelliCAD]
//     Surface Type=int:0
//     Warning=bool:1
// Lines starting with ';' or '#' and empty lines are comments. A line that cannot be read (not
// text, not in this form, a number out of range, or a value under a key line that cannot be read
// or before any key) is left out and counted; every other line counts as it is, so that one line
// edited wrongly costs only itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace LkvGui {

/// How a value was stored.
enum class ValueKind : std::uint8_t { Integer, Boolean };

struct StoredValue {
    std::wstring name;
    ValueKind kind;
    int value; // a boolean is 0 or 1
};

struct StoredKey {
    std::wstring path;
    std::vector<StoredValue> values; // in the order first written
};

/// The keys and values of a store, in the order first written.
class RegistryStore {
public:
    /// The value, or null when none is stored. Names compare without regard to ASCII case.
    const StoredValue* Find(const std::wstring& key, const std::wstring& name) const;

    /// Stores a value, replacing one of the same name (which keeps its place).
    void Set(const std::wstring& key, const std::wstring& name, ValueKind kind, int value);

    /// The text form (UTF-8 is the caller's business: this is wide text).
    std::wstring ToText() const;

    /*
    Description:
      Parses a text form.
    Parameters:
      unreadableLines - [out] how many lines were left out because they could not be read.
    Returns:
      The values of every line that could be read.
    */
    static RegistryStore FromText(const std::wstring& text, std::size_t* unreadableLines);

private:
    std::vector<StoredKey> m_keys;
};

/// true for a key path the text form can hold: not empty, no line break.
bool IsUsableKey(const std::wstring& key);

/// true for a value name the text form can hold: not empty, no line break or '=', and no leading
/// '[', ';' or '#'.
bool IsUsableValueName(const std::wstring& name);

} // namespace LkvGui
