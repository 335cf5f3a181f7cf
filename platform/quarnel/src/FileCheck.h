// Copyright (c) Kestrin developers.
//
// The checks made on a file before it is handed to the STEP reader: that it exists, is a regular
// file that may be read, is not empty and begins like an ISO 10303-21 (STEP) file. The library
// makes them to fail fast with a precise text; the worker makes them again because it may be run
// on its own.
#pragma once

#include "ReadStatus.h"

#include <string>

namespace quarnel {

/*
Description:
  Checks that path names a readable, non-empty file that begins with the STEP file signature.
Parameters:
  path - [in] the file, UTF-8.
  detail - [out] for NotStep, what the file looks like instead (for example "a zip archive");
           for NotAFile, what it is ("a folder"); for Damaged, "truncated"; otherwise cleared.
Returns:
  ReadStatus::Translated when the file may be read as STEP, otherwise the problem found.
*/
ReadStatus CheckStepFile(const std::string& path, std::string* detail);

} // namespace quarnel
