// Copyright (c) Kestrin developers.
//
// The outcome of reading one STEP file, as the file check, the worker and the library name it.
// The worker sends it as the first field of its reply; the library turns it into the one-line text
// the user sees (FailureText.h). Values are part of the worker's stream format: append, never
// renumber.
#pragma once

#include <cstdint>

namespace quarnel {

enum class ReadStatus : std::uint32_t {
    Translated = 0,          // success; the geometry follows
    FileMissing = 1,         // no such file
    NotAFile = 2,            // a folder or a device
    NoPermission = 3,        // the file exists but may not be read
    EmptyFile = 4,           // zero bytes
    NotStep = 5,             // not an ISO 10303-21 file; the detail may say what it is
    Damaged = 6,             // truncated or garbled; the detail is "truncated" or the damage
    NothingTransferable = 7, // shapes present, none of them could be translated
    UnreadableContent = 8,   // only content of kinds not read, or unbounded; the detail says what
    OutOfMemory = 9,         // the worker ran out of memory
    TranslationFailed = 10,  // a failure inside translation; the detail names the step
    BadArguments = 11,       // the worker was started wrongly
};

// The largest status value a reply may carry.
constexpr ReadStatus kLastReadStatus = ReadStatus::BadArguments;

} // namespace quarnel
