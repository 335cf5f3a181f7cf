// Kestrin entity conversion.
// Recording the module-wide failure text (LastConversionFailure in EntityCreation.h). Every place
// that contains a toolkit failure records it here, so the text is always that of the last one.
#pragma once

#include <HostInterfaces/ToolkitObjects.h>

// Records the description of a contained toolkit failure.
void RecordConversionFailure(const OdError& error);

// Records a failure found by the conversion itself (an append that gave the null id, input the
// drawing cannot take).
void RecordConversionFailure(const OdString& text);
