// Copyright (c) Kestrin developers.
//
// Placements follow the representation relationships with an item-defined transformation: rep_1
// is the component, rep_2 the assembly, and the transformation moves the placement
// transform_item_1 (in the component) onto transform_item_2 (in the assembly). Each link is
// recorded between the two representations' contexts.
#include "ContextPlacements.h"

#include <STEPConstruct_UnitContext.hxx>
#include <StepData_StepModel.hxx>
#include <StepGeom_Axis2Placement3d.hxx>
#include <StepGeom_CartesianPoint.hxx>
#include <StepGeom_Direction.hxx>
#include <StepGeom_GeomRepContextAndGlobUnitAssCtxAndGlobUncertaintyAssCtx.hxx>
#include <StepRepr_GlobalUnitAssignedContext.hxx>
#include <StepRepr_ItemDefinedTransformation.hxx>
#include <StepRepr_Representation.hxx>
#include <StepRepr_RepresentationContext.hxx>
#include <StepRepr_RepresentationRelationshipWithTransformation.hxx>
#include <StepRepr_Transformation.hxx>
#include <gp_Ax3.hxx>

namespace quarnel::worker {
namespace {

// Assemblies nest a few levels; a deeper chain is a cycle in a damaged file.
constexpr int kMaxAssemblyDepth = 64;
// Instances of one context beyond this are not placed (a damaged or hostile file).
constexpr std::size_t kMaxInstances = 100000;

Handle(StepRepr_GlobalUnitAssignedContext)
    UnitContextOf(const Handle(StepRepr_RepresentationContext) & context) {
    if (const auto combined = Handle(
            StepGeom_GeomRepContextAndGlobUnitAssCtxAndGlobUncertaintyAssCtx)::DownCast(context)) {
        return combined->GlobalUnitAssignedContext();
    }
    return Handle(StepRepr_GlobalUnitAssignedContext)::DownCast(context);
}

bool ReadDirection(const Handle(StepGeom_Direction) & direction, gp_Dir* result) {
    if (direction.IsNull() || direction->NbDirectionRatios() < 3) {
        return false;
    }
    const gp_XYZ xyz(direction->DirectionRatiosValue(1), direction->DirectionRatiosValue(2),
                     direction->DirectionRatiosValue(3));
    if (xyz.Modulus() <= gp::Resolution()) {
        return false;
    }
    *result = gp_Dir(xyz);
    return true;
}

// An axis placement as a frame, its origin scaled to millimetres.
bool ReadFrame(const Handle(StepRepr_RepresentationItem) & item, double lengthFactor,
               gp_Ax3* frame) {
    const auto placement = Handle(StepGeom_Axis2Placement3d)::DownCast(item);
    if (placement.IsNull() || placement->Location().IsNull() ||
        placement->Location()->NbCoordinates() < 3) {
        return false;
    }
    const Handle(StepGeom_CartesianPoint) location = placement->Location();
    const gp_Pnt origin(location->CoordinatesValue(1) * lengthFactor,
                        location->CoordinatesValue(2) * lengthFactor,
                        location->CoordinatesValue(3) * lengthFactor);
    gp_Dir axis(0.0, 0.0, 1.0);
    gp_Dir reference(1.0, 0.0, 0.0);
    const bool hasAxis = placement->HasAxis() && ReadDirection(placement->Axis(), &axis);
    const bool hasReference =
        placement->HasRefDirection() && ReadDirection(placement->RefDirection(), &reference);
    if (hasAxis && (!hasReference || axis.IsParallel(reference, gp::Resolution()))) {
        *frame = gp_Ax3(origin, axis);
        return true;
    }
    *frame = gp_Ax3(origin, axis, reference);
    return true;
}

} // namespace

ContextPlacements::ContextPlacements(const Handle(StepData_StepModel) & model) {
    for (int i = 1; i <= model->NbEntities(); ++i) {
        const auto context = Handle(StepRepr_RepresentationContext)::DownCast(model->Value(i));
        if (!context.IsNull() && !m_fileLengthFactor && !UnitContextOf(context).IsNull()) {
            m_fileLengthFactor = LengthFactorOf(context);
        }
        const auto link = Handle(StepRepr_RepresentationRelationshipWithTransformation)::DownCast(
            model->Value(i));
        if (link.IsNull() || link->Rep1().IsNull() || link->Rep2().IsNull()) {
            continue;
        }
        const Handle(StepRepr_RepresentationContext) child = link->Rep1()->ContextOfItems();
        const Handle(StepRepr_RepresentationContext) parent = link->Rep2()->ContextOfItems();
        const Handle(StepRepr_ItemDefinedTransformation) transformation =
            link->TransformationOperator().ItemDefinedTransformation();
        if (child.IsNull() || parent.IsNull() || child == parent || transformation.IsNull()) {
            continue;
        }
        gp_Ax3 from;
        gp_Ax3 to;
        if (!ReadFrame(transformation->TransformItem1(), LengthFactorOf(child), &from) ||
            !ReadFrame(transformation->TransformItem2(), LengthFactorOf(parent), &to)) {
            continue;
        }
        gp_Trsf childToParent;
        childToParent.SetDisplacement(from, to);
        m_parents[child.get()].push_back({parent.get(), childToParent});
    }
}

double ContextPlacements::LengthFactorOf(const Handle(StepRepr_RepresentationContext) &
                                         context) const {
    const Handle(StepRepr_GlobalUnitAssignedContext) units = UnitContextOf(context);
    if (units.IsNull()) {
        return m_fileLengthFactor.value_or(1.0);
    }
    STEPConstruct_UnitContext unitContext;
    unitContext.ComputeFactors(units);
    return unitContext.LengthDone() ? unitContext.LengthFactor() : 1.0;
}

std::vector<gp_Trsf> ContextPlacements::PlacementsOf(const Handle(StepRepr_RepresentationContext) &
                                                     context) {
    return Placements(context.get(), 0);
}

const std::vector<gp_Trsf>&
ContextPlacements::Placements(const StepRepr_RepresentationContext* context, int depth) {
    const auto known = m_placements.find(context);
    if (known != m_placements.end()) {
        return known->second;
    }
    std::vector<gp_Trsf> placements;
    const auto links = m_parents.find(context);
    if (links == m_parents.end() || depth >= kMaxAssemblyDepth) {
        placements.emplace_back();
    } else {
        for (const ParentLink& link : links->second) {
            for (const gp_Trsf& parentPlacement : Placements(link.parent, depth + 1)) {
                if (placements.size() < kMaxInstances) {
                    placements.push_back(parentPlacement.Multiplied(link.childToParent));
                }
            }
        }
    }
    return m_placements[context] = std::move(placements);
}

} // namespace quarnel::worker
