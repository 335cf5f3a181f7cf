// Copyright (c) Kestrin developers.
#include "PhaseText.h"

namespace quarnel {

const char* PhaseText(worker::Phase phase) {
    switch (phase) {
    case worker::Phase::Starting:
        break;
    case worker::Phase::Reading:
        return "reading the file";
    case worker::Phase::Transferring:
        return "translating the shapes";
    case worker::Phase::TessellatedShapes:
        return "reading the tessellated shapes";
    case worker::Phase::Meshing:
        return "meshing the surfaces";
    case worker::Phase::EdgeCurves:
        return "converting the edges to curves";
    case worker::Phase::SurveyingContent:
        return "looking through the file's content";
    case worker::Phase::SendingResult:
        return "sending the result";
    }
    return "starting the STEP reader";
}

} // namespace quarnel
