// Larkvane GUI library stand-in, private: the store's file. Reads take what is on disk now;
// a write is a read-modify-write under an advisory lock (a "<store>.lock" file beside it), ending
// in a complete new file renamed over the old one, so a crash or a full disk never leaves a
// half-written store behind and two processes writing at once lose neither's value. A store that
// is a symbolic link stands for the file the link leads to: that file is the one replaced, and
// the lock and any copy set aside lie beside it.
#pragma once

#include "RegistryStore.h"

#include <functional>
#include <string>

namespace LkvGui {

/// What reading the store found.
enum class StoreState : std::uint8_t {
    Loaded,     // read and parsed, every line
    Missing,    // no file yet
    Damaged,    // some lines could not be read: the values of all the others are loaded
    Unreadable, // no permission, not a file, or too large to be a store: read as empty
};

/*
Description:
  Reads the store at path (UTF-8).
Parameters:
  store - [out] its contents; empty unless Loaded or Damaged.
*/
StoreState ReadStore(const std::string& path, RegistryStore* store);

/*
Description:
  Changes the store: reads it, applies change, writes it back atomically.
Returns:
  false when the store cannot be written (no folder can be made, no space, no permission); the
  file is unchanged then.
Remarks:
  The new store holds every value the old one held that could be read. When the old one was
  Damaged or Unreadable, it is first kept as "<path>.damaged-YYYYmmdd-HHMMSS" (local time; "-2",
  "-3"... added when that name is taken, so no earlier copy is ever replaced), so that what could
  not be read is not lost; the write fails when no such copy can be made.
*/
bool UpdateStore(const std::string& path, const std::function<void(RegistryStore*)>& change);

} // namespace LkvGui
