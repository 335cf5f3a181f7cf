// Copyright (c) Kestrin developers.
//
// Reading of the tessellated entities from their raw parameters. Parameter positions follow the
// AP242 schema:
//   TRIANGULATED_FACE         (name, coordinates, pnmax, normals, geometric_link, pnindex,
//   triangles) COMPLEX_TRIANGULATED_FACE (name, coordinates, pnmax, normals, geometric_link,
//   pnindex,
//                              triangle_strips, triangle_fans)
//   TESSELLATED_SOLID / TESSELLATED_SHELL (name, items, link)
//   TESSELLATED_SHAPE_REPRESENTATION (name, items, context_of_items)
// Indices are 1-based; with a non-empty pnindex a face's indices refer to pnindex, whose values
// refer to the coordinate list.
#include "TessellatedShapes.h"

#include "ContextPlacements.h"

#include <Interface_UndefinedContent.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_UndefinedEntity.hxx>
#include <StepRepr_RepresentationContext.hxx>
#include <StepVisual_CoordinatesList.hxx>
#include <TColgp_HArray1OfXYZ.hxx>
#include <TCollection_HAsciiString.hxx>

#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

namespace quarnel::worker {
namespace {

constexpr int kCoordinatesParam = 2;
constexpr int kPnIndexParam = 6;
constexpr int kTrianglesParam = 7;
constexpr int kStripsParam = 7;
constexpr int kFansParam = 8;
constexpr int kItemsParam = 2;
constexpr int kContextParam = 3;

// The parameters of an entity the reader does not know, or of a list inside one.
class RawParams {
public:
    explicit RawParams(const Handle(StepData_UndefinedEntity) & entity)
        : m_content(entity.IsNull() ? nullptr : entity->UndefinedContent()) {}

    int Count() const { return m_content.IsNull() ? 0 : m_content->NbParams(); }

    Handle(Standard_Transient) Entity(int i) const {
        return i <= Count() && m_content->IsParamEntity(i) ? m_content->ParamEntity(i) : nullptr;
    }

    RawParams List(int i) const {
        return RawParams(Handle(StepData_UndefinedEntity)::DownCast(Entity(i)));
    }

    // A literal integer, or 0 when the parameter is not one (indices start at 1).
    long Integer(int i) const {
        if (i > Count() || m_content->IsParamEntity(i) ||
            m_content->ParamType(i) != Interface_ParamInteger) {
            return 0;
        }
        return std::strtol(m_content->ParamValue(i)->ToCString(), nullptr, 10);
    }

    std::vector<long> Integers() const {
        std::vector<long> values(static_cast<std::size_t>(Count()));
        for (int i = 1; i <= Count(); ++i) {
            values[static_cast<std::size_t>(i - 1)] = Integer(i);
        }
        return values;
    }

private:
    Handle(Interface_UndefinedContent) m_content;
};

bool IsType(const Handle(StepData_UndefinedEntity) & entity, const char* type) {
    return !entity.IsNull() && !entity->IsSub() && entity->StepType() != nullptr &&
           std::strcmp(entity->StepType(), type) == 0;
}

bool IsFace(const Handle(StepData_UndefinedEntity) & entity) {
    return IsType(entity, "TRIANGULATED_FACE") || IsType(entity, "COMPLEX_TRIANGULATED_FACE");
}

bool IsBody(const Handle(StepData_UndefinedEntity) & entity) {
    return IsType(entity, "TESSELLATED_SOLID") || IsType(entity, "TESSELLATED_SHELL");
}

// Builds one mesh from tessellated faces, sharing the vertices of each coordinate list.
class TessellatedMeshBuilder {
public:
    TessellatedMeshBuilder(const gp_Trsf& placement, double lengthFactor)
        : m_placement(placement), m_lengthFactor(lengthFactor) {}

    void AddFace(const Handle(StepData_UndefinedEntity) & face) {
        const RawParams params(face);
        const auto coordinates =
            Handle(StepVisual_CoordinatesList)::DownCast(params.Entity(kCoordinatesParam));
        if (coordinates.IsNull() || coordinates->Points().IsNull()) {
            return;
        }
        m_coordinates = coordinates.get();
        m_points = coordinates->Points();
        m_pnIndex = params.List(kPnIndexParam).Integers();
        if (IsType(face, "TRIANGULATED_FACE")) {
            const RawParams triangles = params.List(kTrianglesParam);
            for (int i = 1; i <= triangles.Count(); ++i) {
                const std::vector<long> t = triangles.List(i).Integers();
                if (t.size() == 3) {
                    AddTriangle(t[0], t[1], t[2]);
                }
            }
            return;
        }
        const RawParams strips = params.List(kStripsParam);
        for (int i = 1; i <= strips.Count(); ++i) {
            AddStrip(strips.List(i).Integers());
        }
        const RawParams fans = params.List(kFansParam);
        for (int i = 1; i <= fans.Count(); ++i) {
            AddFan(fans.List(i).Integers());
        }
    }

    void AppendTo(std::vector<MeshData>* meshes) {
        if (!m_mesh.faces.empty()) {
            meshes->push_back(std::move(m_mesh));
        }
    }

private:
    // Every other triangle of a strip runs the other way round.
    void AddStrip(const std::vector<long>& s) {
        for (std::size_t i = 0; i + 2 < s.size(); ++i) {
            if (i % 2 == 0) {
                AddTriangle(s[i], s[i + 1], s[i + 2]);
            } else {
                AddTriangle(s[i + 1], s[i], s[i + 2]);
            }
        }
    }

    void AddFan(const std::vector<long>& f) {
        for (std::size_t i = 1; i + 1 < f.size(); ++i) {
            AddTriangle(f[0], f[i], f[i + 1]);
        }
    }

    void AddTriangle(long a, long b, long c) {
        std::uint32_t corners[3];
        const long indices[3] = {a, b, c};
        for (int k = 0; k < 3; ++k) {
            if (!VertexIndex(indices[k], &corners[k])) {
                return;
            }
        }
        // Strips join their runs with repeated indices: those triangles have no area.
        if (corners[0] != corners[1] && corners[1] != corners[2] && corners[0] != corners[2]) {
            m_mesh.faces.push_back({corners[0], corners[1], corners[2], corners[2]});
        }
    }

    bool VertexIndex(long faceIndex, std::uint32_t* meshIndex) {
        long point = faceIndex;
        if (!m_pnIndex.empty()) {
            if (faceIndex < 1 || faceIndex > static_cast<long>(m_pnIndex.size())) {
                return false;
            }
            point = m_pnIndex[static_cast<std::size_t>(faceIndex - 1)];
        }
        if (point < m_points->Lower() || point > m_points->Upper()) {
            return false;
        }
        const auto [it, inserted] = m_index.try_emplace(
            {m_coordinates, point}, static_cast<std::uint32_t>(m_mesh.vertices.size()));
        if (inserted) {
            gp_Pnt p(m_points->Value(static_cast<int>(point)) * m_lengthFactor);
            p.Transform(m_placement);
            m_mesh.vertices.push_back(
                {static_cast<float>(p.X()), static_cast<float>(p.Y()), static_cast<float>(p.Z())});
        }
        *meshIndex = it->second;
        return true;
    }

    gp_Trsf m_placement;
    double m_lengthFactor;
    const StepVisual_CoordinatesList* m_coordinates = nullptr;
    Handle(TColgp_HArray1OfXYZ) m_points;
    std::vector<long> m_pnIndex;
    MeshData m_mesh;
    std::map<std::pair<const StepVisual_CoordinatesList*, long>, std::uint32_t> m_index;
};

// The faces of a tessellated solid or shell.
std::vector<Handle(StepData_UndefinedEntity)> FacesOf(const Handle(StepData_UndefinedEntity) &
                                                      body) {
    std::vector<Handle(StepData_UndefinedEntity)> faces;
    const RawParams items = RawParams(body).List(kItemsParam);
    for (int i = 1; i <= items.Count(); ++i) {
        const auto item = Handle(StepData_UndefinedEntity)::DownCast(items.Entity(i));
        if (IsFace(item)) {
            faces.push_back(item);
        }
    }
    return faces;
}

// Items placed together: a body or the loose faces of one representation.
struct PlacedGroup {
    std::vector<Handle(StepData_UndefinedEntity)> faces;
    Handle(StepRepr_RepresentationContext) context;
};

void AppendGroup(const PlacedGroup& group, ContextPlacements& placements,
                 std::vector<MeshData>* meshes) {
    if (group.faces.empty()) {
        return;
    }
    const double lengthFactor = placements.LengthFactorOf(group.context);
    const std::vector<gp_Trsf> instances =
        group.context.IsNull() ? std::vector<gp_Trsf>(1) : placements.PlacementsOf(group.context);
    for (const gp_Trsf& placement : instances) {
        TessellatedMeshBuilder builder(placement, lengthFactor);
        for (const auto& face : group.faces) {
            builder.AddFace(face);
        }
        builder.AppendTo(meshes);
    }
}

// The groups held by tessellated shape representations, each body once per context.
std::vector<PlacedGroup> GroupsOfRepresentations(const Handle(StepData_StepModel) & model) {
    std::vector<PlacedGroup> groups;
    std::set<std::pair<const Standard_Transient*, const Standard_Transient*>> seen;
    for (int i = 1; i <= model->NbEntities(); ++i) {
        const auto representation = Handle(StepData_UndefinedEntity)::DownCast(model->Value(i));
        if (!IsType(representation, "TESSELLATED_SHAPE_REPRESENTATION")) {
            continue;
        }
        const RawParams params(representation);
        const auto context =
            Handle(StepRepr_RepresentationContext)::DownCast(params.Entity(kContextParam));
        PlacedGroup looseFaces{{}, context};
        const RawParams items = params.List(kItemsParam);
        for (int k = 1; k <= items.Count(); ++k) {
            const auto item = Handle(StepData_UndefinedEntity)::DownCast(items.Entity(k));
            if (!seen.insert({item.get(), context.get()}).second) {
                continue;
            }
            if (IsBody(item)) {
                groups.push_back({FacesOf(item), context});
            } else if (IsFace(item)) {
                looseFaces.faces.push_back(item);
            }
        }
        groups.push_back(std::move(looseFaces));
    }
    return groups;
}

// Without tessellated shape representations: every body, unplaced.
std::vector<PlacedGroup> GroupsOfBodies(const Handle(StepData_StepModel) & model) {
    std::vector<PlacedGroup> groups;
    for (int i = 1; i <= model->NbEntities(); ++i) {
        const auto item = Handle(StepData_UndefinedEntity)::DownCast(model->Value(i));
        if (IsBody(item)) {
            groups.push_back({FacesOf(item), nullptr});
        }
    }
    return groups;
}

} // namespace

void AppendTessellatedMeshes(const Handle(StepData_StepModel) & model,
                             std::vector<MeshData>* meshes) {
    std::vector<PlacedGroup> groups = GroupsOfRepresentations(model);
    if (groups.empty()) {
        groups = GroupsOfBodies(model);
    }
    if (groups.empty()) {
        return;
    }
    ContextPlacements placements(model);
    for (const PlacedGroup& group : groups) {
        AppendGroup(group, placements, meshes);
    }
}

} // namespace quarnel::worker
