// Copyright (c) Kestrin developers.
//
// Encodes the worker's reply (GeometryStream.h): either the translated geometry or a failure
// status with a short detail. Used by the worker; the library only decodes.
#pragma once

#include "ReadStatus.h"
#include "TranslatedGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarnel::stream {

// The whole reply for a successful translation.
std::vector<std::uint8_t> EncodeGeometry(const TranslatedGeometry& geometry);

// The same bytes written to fd as they are encoded, so that the reply is never whole in memory
// (a mesh's arrays are written from where they are). Returns false when a write failed.
bool WriteGeometry(int fd, const TranslatedGeometry& geometry);

// The whole reply for a failure; the detail is cut to kMaxDetailBytes.
std::vector<std::uint8_t> EncodeFailure(ReadStatus status, const std::string& detail);

} // namespace quarnel::stream
