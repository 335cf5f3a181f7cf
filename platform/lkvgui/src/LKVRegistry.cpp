// Larkvane GUI library stand-in: LKVRegistry over the per-user store file. Every call reads the
// file afresh and every write replaces it, so nothing is cached between calls or objects.
#include "LKVRegistry.h"

#include "StoreFile.h"

#include <KestrinPosix/FileNameText.h>

#include <cstdlib>
#include <string>

namespace {

constexpr const char* kStoreFileVariable = "KESTRIN_REGISTRY_FILE";
constexpr const char* kStoreFolder = "/larkvane";
constexpr const char* kStoreFileName = "/registry.ini";

std::string StorePathUtf8() {
    const char* file = std::getenv(kStoreFileVariable);
    if (file && *file) {
        return file;
    }
    // A relative XDG_CONFIG_HOME does not count, as the XDG base directory rules say.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') {
        return std::string(config) + kStoreFolder + kStoreFileName;
    }
    const char* home = std::getenv("HOME");
    if (home && *home == '/') {
        return std::string(home) + "/.config" + kStoreFolder + kStoreFileName;
    }
    return std::string();
}

std::wstring Wide(LPCWSTR text) {
    return text ? text : L"";
}

// The stored value, or null; a store that cannot be read holds nothing, and a line that cannot be
// read holds no value.
bool FindStored(const CString& key, LPCWSTR lpszValueName, LkvGui::StoredValue* value) {
    if (key.IsEmpty()) {
        return false;
    }
    LkvGui::RegistryStore store;
    const LkvGui::StoreState state = LkvGui::ReadStore(StorePathUtf8(), &store);
    if (state != LkvGui::StoreState::Loaded && state != LkvGui::StoreState::Damaged) {
        return false;
    }
    const LkvGui::StoredValue* stored = store.Find(key.GetString(), Wide(lpszValueName));
    if (stored) {
        *value = *stored;
    }
    return stored != nullptr;
}

BOOL Write(const CString& key, LPCWSTR lpszValueName, LkvGui::ValueKind kind, int value) {
    const std::wstring name = Wide(lpszValueName);
    if (key.IsEmpty() || !LkvGui::IsUsableValueName(name)) {
        return FALSE;
    }
    const std::wstring keyPath = key.GetString();
    return LkvGui::UpdateStore(
               StorePathUtf8(),
               [&](LkvGui::RegistryStore* store) { store->Set(keyPath, name, kind, value); })
               ? TRUE
               : FALSE;
}

} // namespace

CString LKVRegistryStorePath() {
    return CString(kposix::FromUtf8(StorePathUtf8()).c_str());
}

LKVRegistry::LKVRegistry() = default;

LKVRegistry::~LKVRegistry() = default;

BOOL LKVRegistry::SetKey(LPCWSTR lpszKey, int nStore) {
    m_strKey.Empty();
    if (nStore != LKV_REGISTRY_CURRENT_USER || !LkvGui::IsUsableKey(Wide(lpszKey))) {
        return FALSE;
    }
    m_strKey = lpszKey;
    return TRUE;
}

int LKVRegistry::ReadInt(LPCWSTR lpszValueName, int nDefault) const {
    LkvGui::StoredValue stored{};
    return FindStored(m_strKey, lpszValueName, &stored) ? stored.value : nDefault;
}

BOOL LKVRegistry::ReadBool(LPCWSTR lpszValueName, BOOL bDefault) const {
    LkvGui::StoredValue stored{};
    if (!FindStored(m_strKey, lpszValueName, &stored)) {
        return bDefault;
    }
    return stored.value != 0 ? TRUE : FALSE;
}

BOOL LKVRegistry::WriteInt(LPCWSTR lpszValueName, int nValue) {
    return Write(m_strKey, lpszValueName, LkvGui::ValueKind::Integer, nValue);
}

BOOL LKVRegistry::WriteBool(LPCWSTR lpszValueName, BOOL bValue) {
    return Write(m_strKey, lpszValueName, LkvGui::ValueKind::Boolean, bValue != 0 ? 1 : 0);
}
