// Copyright (c) Kestrin developers.
//
// Helpers of the translation tests. Mesh checks work on vertex positions, not indices, so that
// they hold whatever way the vertices were shared.
#include "QuarnelTestSupport.h"

#include "WorkerClient.h"
#include <KestrinPosix/FileNameText.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unistd.h>

namespace quarnel::test {
namespace {

using Position = std::array<float, 3>;

class ScratchDir {
public:
    ScratchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quarnel-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace

std::string FixturePath(const std::string& name) {
    return std::string(QUARNEL_TEST_FIXTURE_DIR) + "/" + name;
}

std::string ScratchDirectory() {
    static const ScratchDir dir;
    return dir.Path();
}

std::string WriteScratchFile(const std::string& name, const std::string& bytes) {
    const std::string path = ScratchDirectory() + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::wstring Wide(const std::string& text) {
    return kposix::FromUtf8(text);
}

std::string Narrow(const std::wstring& text) {
    return kposix::ToUtf8(text);
}

Translation Translate(const std::string& path, worker::SurfaceMode mode) {
    Translation result;
    result.ok = TranslateInWorker(path, mode, WorkerSettingsFromEnvironment(), &result.geometry,
                                  &result.failure);
    return result;
}

std::size_t DistinctPositions(const MeshData& mesh) {
    return std::set<Position>(mesh.vertices.begin(), mesh.vertices.end()).size();
}

bool IsClosedAndOriented(const MeshData& mesh) {
    std::map<std::pair<Position, Position>, int> directedEdges;
    for (const auto& face : mesh.faces) {
        const int corners = face[2] == face[3] ? 3 : 4;
        for (int k = 0; k < corners; ++k) {
            ++directedEdges[{mesh.vertices[face[k]], mesh.vertices[face[(k + 1) % corners]]}];
        }
    }
    for (const auto& [edge, count] : directedEdges) {
        const auto opposite = directedEdges.find({edge.second, edge.first});
        if (count != 1 || opposite == directedEdges.end() || opposite->second != 1) {
            return false;
        }
    }
    return !directedEdges.empty();
}

double EnclosedVolume(const MeshData& mesh) {
    double sixTimesVolume = 0.0;
    for (const auto& face : mesh.faces) {
        const auto& a = mesh.vertices[face[0]];
        const auto& b = mesh.vertices[face[1]];
        const auto& c = mesh.vertices[face[2]];
        sixTimesVolume += double(a[0]) * (double(b[1]) * c[2] - double(b[2]) * c[1]) -
                          double(a[1]) * (double(b[0]) * c[2] - double(b[2]) * c[0]) +
                          double(a[2]) * (double(b[0]) * c[1] - double(b[1]) * c[0]);
    }
    return sixTimesVolume / 6.0;
}

Box3 BoundsOf(const MeshData& mesh) {
    Box3 box;
    for (const auto& v : mesh.vertices) {
        box.min = {std::min(box.min.x, double(v[0])), std::min(box.min.y, double(v[1])),
                   std::min(box.min.z, double(v[2]))};
        box.max = {std::max(box.max.x, double(v[0])), std::max(box.max.y, double(v[1])),
                   std::max(box.max.z, double(v[2]))};
    }
    return box;
}

void ExpectNear(const Point3& actual, const Point3& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

} // namespace quarnel::test
