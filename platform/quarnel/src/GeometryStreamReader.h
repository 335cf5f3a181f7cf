// Copyright (c) Kestrin developers.
//
// The strict decoder of the worker's reply (GeometryStream.h). The bytes come from another
// process and are not trusted: every count and length is checked against the bytes left and the
// format's limits, every number must be finite and every index in range. A reply that is
// truncated, has bytes after its end marker or breaks any rule does not decode at all: there is no
// partial result.
#pragma once

#include "ReadStatus.h"
#include "TranslatedGeometry.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace quarnel::stream {

struct WorkerReply {
    ReadStatus status = ReadStatus::Translated;
    std::string detail;          // failure detail, empty on success
    TranslatedGeometry geometry; // filled only when status == Translated
};

/*
Description:
  Decodes one complete worker reply.
Parameters:
  bytes - [in] the reply, size bytes long.
  reply - [out] the decoded reply; left in an unspecified state when decoding fails.
  problem - [out] when decoding fails, what was wrong (for diagnostics, not for users).
Returns:
  true when the whole reply decoded and obeys every rule of the format.
*/
bool DecodeReply(const std::uint8_t* bytes, std::size_t size, WorkerReply* reply,
                 std::string* problem);

} // namespace quarnel::stream
