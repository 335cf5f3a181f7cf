// Copyright (c) Kestrin developers.
//
// The survey counts entities by kind. Points, directions and placements do not count as geometry:
// every product structure has them.
#include "ContentSurvey.h"

#include <StepData_StepModel.hxx>
#include <StepData_UndefinedEntity.hxx>
#include <StepGeom_Curve.hxx>
#include <StepGeom_Surface.hxx>
#include <StepShape_TopologicalRepresentationItem.hxx>

#include <algorithm>
#include <map>
#include <vector>

namespace quarnel::worker {
namespace {

// How many unknown kinds the detail names, most frequent first.
constexpr std::size_t kNamedKinds = 3;

bool IsShapeGeometry(const Handle(Standard_Transient) & entity) {
    return entity->IsKind(STANDARD_TYPE(StepGeom_Curve)) ||
           entity->IsKind(STANDARD_TYPE(StepGeom_Surface)) ||
           entity->IsKind(STANDARD_TYPE(StepShape_TopologicalRepresentationItem));
}

} // namespace

ReadStatus SurveyUntranslatedContent(const Handle(StepData_StepModel) & model,
                                     std::string* detail) {
    detail->clear();
    std::map<std::string, int> unknownKinds;
    for (int i = 1; i <= model->NbEntities(); ++i) {
        const Handle(Standard_Transient) entity = model->Value(i);
        if (IsShapeGeometry(entity)) {
            return ReadStatus::NothingTransferable;
        }
        const Handle(StepData_UndefinedEntity) unknown =
            Handle(StepData_UndefinedEntity)::DownCast(entity);
        if (!unknown.IsNull() && unknown->StepType() != nullptr) {
            ++unknownKinds[unknown->StepType()];
        }
    }
    if (unknownKinds.empty()) {
        return ReadStatus::Translated;
    }
    std::vector<std::pair<int, std::string>> byCount;
    for (const auto& [name, count] : unknownKinds) {
        byCount.emplace_back(-count, name);
    }
    std::sort(byCount.begin(), byCount.end());
    for (std::size_t i = 0; i < byCount.size() && i < kNamedKinds; ++i) {
        *detail += (i == 0 ? "" : ", ") + byCount[i].second;
    }
    return ReadStatus::UnreadableContent;
}

} // namespace quarnel::worker
