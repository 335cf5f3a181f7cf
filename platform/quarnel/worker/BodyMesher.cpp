// Copyright (c) Kestrin developers.
//
// Meshing of bodies. The mesher discretizes each edge once for all faces around it, so the
// boundary nodes of neighbouring faces land on identical positions: nodes are merged by exact
// position (in single precision, the precision the mesh is stored in). Faces are meshed on as many
// threads as the processors the worker may use (KestrinPosix/ProcessorCount.h), so that a parent
// running several imports at once can hand each its share.
#include "BodyMesher.h"

#include "TranslationSettings.h"

#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <IMeshTools_Parameters.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>

#include <KestrinPosix/ProcessorCount.h>
#include <tbb/global_control.h>

#include <cmath>
#include <cstring>
#include <unordered_map>

namespace quarnel::worker {
namespace {

using Vertex = std::array<float, 3>;

struct VertexHash {
    std::size_t operator()(const Vertex& v) const {
        std::uint32_t bits[3];
        std::memcpy(bits, v.data(), sizeof(bits));
        std::size_t h = bits[0];
        h = h * 0x9E3779B97F4A7C15ull ^ bits[1];
        h = h * 0x9E3779B97F4A7C15ull ^ bits[2];
        return h;
    }
};

// Collects the faces of one body into one mesh, sharing coincident nodes.
class BodyMeshBuilder {
public:
    void AddFace(const TopoDS_Face& face) {
        TopLoc_Location location;
        const Handle(Poly_Triangulation) triangulation = BRep_Tool::Triangulation(face, location);
        if (triangulation.IsNull()) {
            return;
        }
        const gp_Trsf transformation = location.Transformation();
        // A reversed face and a mirroring placement each turn the triangles inside out.
        const bool flip =
            (face.Orientation() == TopAbs_REVERSED) != (transformation.IsNegative() != 0);
        std::vector<std::uint32_t> indices(static_cast<std::size_t>(triangulation->NbNodes()) + 1);
        for (int i = 1; i <= triangulation->NbNodes(); ++i) {
            indices[static_cast<std::size_t>(i)] =
                VertexIndex(triangulation->Node(i).Transformed(transformation));
        }
        for (int i = 1; i <= triangulation->NbTriangles(); ++i) {
            int n1 = 0;
            int n2 = 0;
            int n3 = 0;
            triangulation->Triangle(i).Get(n1, n2, n3);
            if (flip) {
                std::swap(n2, n3);
            }
            const std::uint32_t a = indices[static_cast<std::size_t>(n1)];
            const std::uint32_t b = indices[static_cast<std::size_t>(n2)];
            const std::uint32_t c = indices[static_cast<std::size_t>(n3)];
            if (a != b && b != c && a != c) {
                m_mesh.faces.push_back({a, b, c, c});
            }
        }
    }

    void AppendTo(std::vector<MeshData>* meshes) {
        if (!m_mesh.faces.empty()) {
            meshes->push_back(std::move(m_mesh));
        }
    }

private:
    std::uint32_t VertexIndex(const gp_Pnt& p) {
        // +0.0 and -0.0 are one position.
        const Vertex v{static_cast<float>(p.X()) + 0.0f, static_cast<float>(p.Y()) + 0.0f,
                       static_cast<float>(p.Z()) + 0.0f};
        const auto [it, inserted] =
            m_index.try_emplace(v, static_cast<std::uint32_t>(m_mesh.vertices.size()));
        if (inserted) {
            m_mesh.vertices.push_back(v);
        }
        return it->second;
    }

    MeshData m_mesh;
    std::unordered_map<Vertex, std::uint32_t, VertexHash> m_index;
};

void AppendBodyMesh(const TopoDS_Shape& body, std::vector<MeshData>* meshes) {
    BodyMeshBuilder builder;
    for (TopExp_Explorer faces(body, TopAbs_FACE); faces.More(); faces.Next()) {
        builder.AddFace(TopoDS::Face(faces.Current()));
    }
    builder.AppendTo(meshes);
}

void Tessellate(const TopoDS_Shape& shape) {
    Bnd_Box box;
    BRepBndLib::Add(shape, box);
    if (box.IsVoid()) {
        return;
    }
    IMeshTools_Parameters parameters;
    parameters.Deflection = kRelativeDeflection * std::sqrt(box.SquareExtent());
    parameters.Angle = kAngularDeflection;
    parameters.MinSize = parameters.Deflection * kMinSizeFraction;
    parameters.InParallel = true;
    // Open CASCADE runs its parallel loops on TBB, which otherwise takes every processor.
    const tbb::global_control threads(tbb::global_control::max_allowed_parallelism,
                                      kposix::UsableProcessors());
    BRepMesh_IncrementalMesh mesher(shape, parameters);
}

} // namespace

void AppendBodyMeshes(const TopoDS_Shape& shape, std::vector<MeshData>* meshes) {
    if (!TopExp_Explorer(shape, TopAbs_FACE).More()) {
        return;
    }
    Tessellate(shape);
    for (TopExp_Explorer solids(shape, TopAbs_SOLID); solids.More(); solids.Next()) {
        AppendBodyMesh(solids.Current(), meshes);
    }
    for (TopExp_Explorer shells(shape, TopAbs_SHELL, TopAbs_SOLID); shells.More(); shells.Next()) {
        AppendBodyMesh(shells.Current(), meshes);
    }
    for (TopExp_Explorer faces(shape, TopAbs_FACE, TopAbs_SHELL); faces.More(); faces.Next()) {
        AppendBodyMesh(faces.Current(), meshes);
    }
}

} // namespace quarnel::worker
