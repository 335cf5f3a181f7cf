// Kestrin Windows stand-in.
// The resources a shared object carries: one exported table, found by the loader through the
// object's instance handle (FindResourceW). An object defines it once, in a source of its own,
// with KESTRIN_RESOURCE_TABLE; its entries are constant data (dialog templates, ...).
#pragma once

#include "windef.h"

namespace KestrinUi {

/// One resource: its type (RT_DIALOG, ...) and id as integers, and its data.
struct ResourceEntry {
    UINT_PTR type;    // the integer of RT_DIALOG, ...
    UINT_PTR id;      // the resource's number
    const void* data; // for RT_DIALOG: a DialogTemplate
};

/// The integer of RT_DIALOG (libloaderapi.h), as table entries give the type of a dialog template.
constexpr UINT_PTR kDialogResourceType = 5;

/// The table of an object's resources.
struct ResourceTable {
    const ResourceEntry* entries;
    int count; // >= 0
};

} // namespace KestrinUi

/// The exported name of an object's resource table.
#define KESTRIN_RESOURCE_TABLE_SYMBOL "KestrinResourceTable"

/* Defines the object's resource table, to be followed by its initializer:
     KESTRIN_RESOURCE_TABLE = {kEntries, kEntryCount};
   Exported with default visibility, so that the loader finds it however the object is built. */
#define KESTRIN_RESOURCE_TABLE                                                                     \
    extern "C" __attribute__((visibility("default")))                                              \
    const KestrinUi::ResourceTable KestrinResourceTable
