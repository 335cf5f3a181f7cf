// Kestrin host stand-in, private: conversions between result buffer lists and host values, and
// the reading of (type code, value) argument lists, shared by the sds_* functions.
#pragma once

#include "KestrinHost/HostValue.h"
#include "sds.h"

#include <cstdarg>
#include <vector>

namespace KestrinHost {

/// A new string allocated with malloc, as result buffers hold them; null when memory is exhausted.
wchar_t* DuplicateString(const wchar_t* text);

/*
Description:
  Builds a result buffer list from a va_list of (type code, value) pairs closed by RTNONE.
Parameters:
  firstType - [in] the first type code.
  args      - [in/out] the values and further codes; read up to and including RTNONE.
  ok        - [out] false when the list was malformed or memory ran out.
Returns:
  The list (null when empty or on failure); the caller frees it with sds_relrb.
*/
sds_resbuf* BuildList(int firstType, va_list* args, bool* ok);

/// Reads the host value of one record; false for a record that holds none (RTNONE, unknown codes).
bool ValueOf(const sds_resbuf& record, HostValue* value);

/*
Description:
  Stores a value in a record, setting its type; a string held before is freed.
Returns:
  false, leaving the record unchanged, when memory is exhausted.
*/
bool StoreValue(const HostValue& value, sds_resbuf* record);

} // namespace KestrinHost
