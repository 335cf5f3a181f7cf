// Copyright (c) Kestrin developers.
//
// Reading and translation, phase by phase. Each phase runs under a guard that turns Open
// CASCADE's exceptions, the signals it converts into exceptions (OCC_CATCH_SIGNALS) and memory
// exhaustion into a status. The transfer must never follow a failed read: Open CASCADE crashes
// then.
#include "StepTranslator.h"

#include "BoundedGeometry.h"
#include "ContentSurvey.h"
#include "FileCheck.h"
#include "MemoryBound.h"
#include "PhaseReport.h"
#include "PhaseText.h"
#include "ShapeGeometry.h"
#include "TessellatedShapes.h"

#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Check.hxx>
#include <Interface_Static.hxx>
#include <STEPControl_Reader.hxx>
#include <Standard_ErrorHandler.hxx>
#include <Standard_Failure.hxx>
#include <Standard_OutOfMemory.hxx>
#include <StepData_StepModel.hxx>
#include <TopoDS_Shape.hxx>

#include <cstdlib>
#include <new>

namespace quarnel::worker {
namespace {

// Open CASCADE's results are in the unit named here, whatever the file's unit.
constexpr const char* kUnitParameter = "xstep.cascade.unit";
constexpr const char* kMillimetre = "MM";
// How the reader's parser words a syntax error: "... Line 214: Incorrect syntax: ...".
constexpr const char* kSyntaxFailure = "Incorrect syntax";
constexpr const char kLinePrefix[] = "Line ";
constexpr std::size_t kLinePrefixLength = sizeof(kLinePrefix) - 1;

// Reports and runs one phase; a failure inside it becomes failureStatus with the phase's name as
// the detail, or OutOfMemory when memory ran out.
template <typename Work>
ReadStatus Guarded(Phase phase, ReadStatus failureStatus, std::string* detail, Work&& work) {
    ReportPhase(phase);
    try {
        OCC_CATCH_SIGNALS
        work();
        return ReadStatus::Translated;
    } catch (const Standard_OutOfMemory&) {
        return ReadStatus::OutOfMemory;
    } catch (const std::bad_alloc&) {
        return ReadStatus::OutOfMemory;
    } catch (const Standard_Failure&) {
        // Told below.
    } catch (const std::exception&) {
        // Told below.
    }
    if (MemoryBoundReached()) {
        return ReadStatus::OutOfMemory;
    }
    *detail = PhaseText(phase);
    return failureStatus;
}

// The reader skips what it cannot parse and reads on; what it reads then is only part of the
// file. Its parser records syntax errors in the model's global check (cheap to read, unlike the
// full check list); fails of other kinds (entities of types it does not know where the schema
// wants others) come with valid files of newer schemas and are not damage.
bool HasSyntaxErrors(const Handle(StepData_StepModel) & model, std::string* detail) {
    const Handle(Interface_Check) check = model->GlobalCheck();
    for (int i = 1; !check.IsNull() && i <= check->NbFails(); ++i) {
        const std::string text = check->CFail(i);
        if (text.find(kSyntaxFailure) == std::string::npos) {
            continue;
        }
        const std::size_t line = text.find(kLinePrefix);
        *detail = line == std::string::npos
                      ? "syntax errors"
                      : "syntax errors from line " +
                            std::to_string(std::atol(text.c_str() + line + kLinePrefixLength));
        return true;
    }
    return false;
}

bool IsEmpty(const TranslatedGeometry& g) {
    return g.points.empty() && g.lines.empty() && g.polylines.empty() && g.circles.empty() &&
           g.arcs.empty() && g.nurbsCurves.empty() && g.meshes.empty();
}

} // namespace

ReadStatus TranslateStepFile(const std::string& path, SurfaceMode mode,
                             TranslatedGeometry* geometry, std::string* detail) {
    ReadStatus status = CheckStepFile(path, detail);
    if (status != ReadStatus::Translated) {
        return status;
    }
    // The reader's constructor loads the STEP schema, which the unit parameter belongs to.
    STEPControl_Reader reader;
    Interface_Static::SetCVal(kUnitParameter, kMillimetre);

    IFSelect_ReturnStatus readStatus = IFSelect_RetVoid;
    status = Guarded(Phase::Reading, ReadStatus::Damaged, detail,
                     [&] { readStatus = reader.ReadFile(path.c_str()); });
    if (status != ReadStatus::Translated) {
        return status;
    }
    if (readStatus != IFSelect_RetDone) {
        return ReadStatus::Damaged;
    }
    const Handle(StepData_StepModel) model = reader.StepModel();
    if (HasSyntaxErrors(model, detail)) {
        return ReadStatus::Damaged;
    }

    TopoDS_Shape shape;
    status = Guarded(Phase::Transferring, ReadStatus::TranslationFailed, detail, [&] {
        if (reader.NbRootsForTransfer() > 0 && reader.TransferRoots() > 0) {
            shape = reader.OneShape();
        }
    });
    if (status != ReadStatus::Translated) {
        return status;
    }
    status = Guarded(Phase::TessellatedShapes, ReadStatus::TranslationFailed, detail,
                     [&] { AppendTessellatedMeshes(model, &geometry->meshes); });
    if (status != ReadStatus::Translated) {
        return status;
    }
    LeftOutGeometry leftOut;
    status = Guarded(mode == SurfaceMode::Mesh ? Phase::Meshing : Phase::EdgeCurves,
                     ReadStatus::TranslationFailed, detail,
                     [&] { AppendShapeGeometry(shape, mode, geometry, &leftOut); });
    if (status != ReadStatus::Translated) {
        return status;
    }
    LeaveOutFarGeometry(geometry, &leftOut);
    if (!IsEmpty(*geometry)) {
        return status;
    }
    if (leftOut.Any()) {
        *detail = LeftOutText(leftOut);
        return ReadStatus::UnreadableContent;
    }
    ReportPhase(Phase::SurveyingContent);
    return SurveyUntranslatedContent(model, detail);
}

} // namespace quarnel::worker
