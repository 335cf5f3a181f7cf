// Copyright (c) Kestrin developers.
//
// What a STEP file holds when nothing could be translated from it, so that an empty result is
// told apart from a failure: a file without any geometry is a success with nothing in it, a file
// whose shapes failed or whose content is of kinds not read is a failure that says so.
#pragma once

#include "ReadStatus.h"

#include <Standard_Handle.hxx>

#include <string>

class StepData_StepModel;

namespace quarnel::worker {

/*
Description:
  Judges a model from which no geometry came.
Parameters:
  model - [in] the parsed file.
  detail - [out] for UnreadableContent, the kinds of entity found (STEP names); else cleared.
Returns:
  NothingTransferable when the model has curves, surfaces or topology; UnreadableContent when it
  has entities the reader does not know; otherwise Translated (a file with no geometry).
*/
ReadStatus SurveyUntranslatedContent(const Handle(StepData_StepModel) & model, std::string* detail);

} // namespace quarnel::worker
