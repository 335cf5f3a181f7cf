// Kestrin Windows stand-in: FindResourceW, LoadResource and LockResource over the resource table
// that an object exports (KestrinUi/ResourceTable.h). Resources are named by number only.
#include "libloaderapi.h"

#include "KestrinUi/ResourceTable.h"
#include "LoadedObjects.h"

HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
    KestrinWin32::SetError(ERROR_RESOURCE_NAME_NOT_FOUND);
    if (!lpName || !lpType || !IS_INTRESOURCE(lpName) || !IS_INTRESOURCE(lpType)) {
        return nullptr;
    }
    const auto* table = static_cast<const KestrinUi::ResourceTable*>(
        KestrinWin32::OwnSymbol(hModule, KESTRIN_RESOURCE_TABLE_SYMBOL));
    if (!table) {
        return nullptr;
    }
    const auto id = reinterpret_cast<ULONG_PTR>(lpName);
    const auto type = reinterpret_cast<ULONG_PTR>(lpType);
    for (int i = 0; i < table->count; ++i) {
        const KestrinUi::ResourceEntry& entry = table->entries[i];
        if (entry.type == type && entry.id == id) {
            KestrinWin32::SetError(ERROR_SUCCESS);
            // The handle names the entry; the data it leads to stays read-only.
            return reinterpret_cast<HRSRC>(const_cast<KestrinUi::ResourceEntry*>(&entry));
        }
    }
    return nullptr;
}

HGLOBAL WINAPI LoadResource(HMODULE /*hModule*/, HRSRC hResInfo) {
    if (!hResInfo) {
        return nullptr;
    }
    return const_cast<void*>(reinterpret_cast<const KestrinUi::ResourceEntry*>(hResInfo)->data);
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
    return hResData;
}
