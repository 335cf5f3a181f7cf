// Larkvane GUI library stand-in, private: the store's file. Reads take what is on disk now;
// a write is a read-modify-write under an advisory lock (a "<store>.lock" file beside it), ending
// in a complete new file renamed over the old one, so a crash or a full disk never leaves a
// half-written store behind and two processes writing at once lose neither's value.
#pragma once

#include "RegistryStore.h"

#include <functional>
#include <string>

namespace LkvGui {

/// What reading the store found.
enum class StoreState : std::uint8_t {
    Loaded,  // read and parsed
    Missing, // no file yet
    Damaged, // unreadable, too large, not UTF-8 or not in the text form: read as empty
};

/*
Description:
  Reads the store at path (UTF-8).
Parameters:
  store - [out] its contents; empty unless Loaded.
*/
StoreState ReadStore(const std::string& path, RegistryStore* store);

/*
Description:
  Changes the store: reads it, applies change, writes it back atomically.
Returns:
  false when the store cannot be written (no folder can be made, no space, no permission); the
  file is unchanged then.
Remarks:
  A damaged store is first renamed to "<path>.damaged", so that what it held is not lost to
  the new file.
*/
bool UpdateStore(const std::string& path, const std::function<void(RegistryStore*)>& change);

} // namespace LkvGui
