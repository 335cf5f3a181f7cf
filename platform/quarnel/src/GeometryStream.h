// Copyright (c) Kestrin developers.
//
// The worker's reply format: a compact binary stream of the translation status and the seven
// kinds of translated objects. Little-endian fixed-width fields (the worker and the library are
// built together for one machine), in this order:
//
//   u32 magic, u32 version, u32 status
//   status != Translated:  u32 detail length, detail bytes (UTF-8)
//   status == Translated:  seven sections in TranslatedGeometry's order, each a u64 count and then
//                          the objects (see GeometryStreamWriter.cpp for each object's layout)
//   u32 end marker, and nothing after it
//
// The end marker makes truncation detectable: a stream that stops early never decodes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quarnel::stream {

constexpr std::uint32_t kMagic = 0x4C4E5251; // "QRNL"
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kEndMarker = 0x2E444E45; // "END."

// Sane limits the decoder enforces beyond the bytes actually present. Counts must fit the
// caller's int-indexed arrays; a detail text is one line for the command line.
constexpr std::uint64_t kMaxObjectsPerKind = 0x7FFFFFFF;
constexpr std::uint32_t kMaxPointsPerObject = 0x7FFFFFFF;
constexpr std::uint32_t kMaxDetailBytes = 4096;
// Open CASCADE's B-splines stop at degree 25; anything far beyond that is not a real curve.
constexpr std::uint32_t kMaxNurbsOrder = 64;

// Sizes of the fixed parts, used by the decoder to check counts against the bytes left.
constexpr std::size_t kPointBytes = 3 * sizeof(double);
constexpr std::size_t kFrameBytes = 4 * kPointBytes;
constexpr std::size_t kCircleBytes = kFrameBytes + sizeof(double);
constexpr std::size_t kArcBytes = kCircleBytes + 2 * sizeof(double);
constexpr std::size_t kMeshVertexBytes = 3 * sizeof(float);
constexpr std::size_t kMeshFaceBytes = 4 * sizeof(std::uint32_t);

} // namespace quarnel::stream
