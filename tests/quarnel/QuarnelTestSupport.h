// Copyright (c) Kestrin developers.
//
// Shared helpers of the translation tests: where the generated STEP fixtures are,
// a translation through the worker in one call, and checks on meshes and points.
#pragma once

#include "TranslatedGeometry.h"
#include "WorkerProtocol.h"

#include <string>

namespace quarnel::test {

// A valid STEP file with nothing in it, for runs of the fake worker.
constexpr const char* kEmptyStepText = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\nENDSEC;\n"
                                       "END-ISO-10303-21;\n";

// A STEP file written by quarnel-make-fixtures ("box.step", ...).
std::string FixturePath(const std::string& name);

// A fresh empty directory for files a test makes, removed when the process ends.
std::string ScratchDirectory();

// Writes bytes to a file in the scratch directory and returns its path.
std::string WriteScratchFile(const std::string& name, const std::string& bytes);

std::string ReadFile(const std::string& path);

// UTF-8 to the caller's wide strings and back.
std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);

struct Translation {
    bool ok = false;
    TranslatedGeometry geometry;
    std::string failure;
};

// Translates through the real worker with the default settings.
Translation Translate(const std::string& path, worker::SurfaceMode mode);

// Positions of the mesh's vertices that differ.
std::size_t DistinctPositions(const MeshData& mesh);

// Whether the triangles close up: every edge between two vertex positions is used exactly twice,
// once in each direction (so the orientation is consistent too).
bool IsClosedAndOriented(const MeshData& mesh);

// The signed volume the mesh encloses (positive when oriented outwards).
double EnclosedVolume(const MeshData& mesh);

struct Box3 {
    Point3 min{1e300, 1e300, 1e300};
    Point3 max{-1e300, -1e300, -1e300};
};
Box3 BoundsOf(const MeshData& mesh);

void ExpectNear(const Point3& actual, const Point3& expected, double tolerance);

} // namespace quarnel::test
