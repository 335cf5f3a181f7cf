// Kestrin host program: the flags of "kestrin import" that stand for choices in the import
// options dialog, and the dialog values they select. A flag that is not given leaves the value
// the dialog starts from as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace KestrinApp {

/// "--surfaces": the radio button index of "Import surfaces as".
enum class SurfaceChoice : std::int8_t { Mesh = 0, EdgeCurves = 1 };

/// "--mesh-type": the entry index of the "Mesh type" list.
enum class MeshChoice : std::int8_t { PolyfaceMesh = 0, Faces3d = 1, Lines = 2, Points = 3 };

/// The dialog choices that the flags of one import ask for.
struct ImportChoices {
    std::optional<SurfaceChoice> surfaces;
    std::optional<MeshChoice> meshType;
    std::optional<bool> bWarning;
};

/// The words each flag takes, in the order of the dialog's own entries.
const std::vector<std::string>& SurfaceWords(); // "mesh", "edges"
const std::vector<std::string>& MeshWords();    // "polyface", "faces", "lines", "points"
const std::vector<std::string>& SwitchWords();  // "on", "off"

/// The choice a word names (case-insensitive); no value for any other word.
std::optional<SurfaceChoice> SurfaceFromWord(const std::string& word);
std::optional<MeshChoice> MeshFromWord(const std::string& word);
std::optional<bool> SwitchFromWord(const std::string& word);

} // namespace KestrinApp
