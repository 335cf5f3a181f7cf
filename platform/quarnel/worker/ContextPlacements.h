// Copyright (c) Kestrin developers.
//
// Where the items of a representation context end up in the world: the unit of the context and
// every placement that the assembly structure gives it. Used for the tessellated shapes, which the
// transfer does not place. A context is the coordinate space that the representations sharing it
// have in common, so a representation that the reader could not type is still placed through its
// context.
#pragma once

#include <Standard_Handle.hxx>
#include <gp_Trsf.hxx>

#include <map>
#include <optional>
#include <vector>

class StepData_StepModel;
class StepRepr_RepresentationContext;

namespace quarnel::worker {

class ContextPlacements {
public:
    // Collects the representations and the placing relationships of model.
    explicit ContextPlacements(const Handle(StepData_StepModel) & model);

    /*
    Description:
      The world placements of a context, in millimetres.
    Returns:
      One transformation per instance (identity for a context that nothing places), each taking
      millimetre coordinates of the context into world millimetres.
    */
    std::vector<gp_Trsf> PlacementsOf(const Handle(StepRepr_RepresentationContext) & context);

    // Millimetres per length unit of the context; for a context without units (or none), those of
    // the file's first context that has them, else 1.
    double LengthFactorOf(const Handle(StepRepr_RepresentationContext) & context) const;

private:
    struct ParentLink {
        const StepRepr_RepresentationContext* parent;
        gp_Trsf childToParent;
    };

    const std::vector<gp_Trsf>& Placements(const StepRepr_RepresentationContext* context,
                                           int depth);

    std::map<const StepRepr_RepresentationContext*, std::vector<ParentLink>> m_parents;
    std::map<const StepRepr_RepresentationContext*, std::vector<gp_Trsf>> m_placements;
    std::optional<double> m_fileLengthFactor;
};

} // namespace quarnel::worker
