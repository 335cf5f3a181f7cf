// Kestrin host stand-in: the value the host keeps in its system variables and hands to its
// commands, the host-side counterpart of one result buffer record.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

namespace KestrinHost {

/// A 3D point, x, y, z.
using HostPoint = std::array<double, 3>;

/*
Description:
  One host value: a wide string, a real, a 16-bit integer, a 32-bit integer or a point.
Remarks:
  The alternatives map to the result buffer codes RTSTR, RTREAL, RTSHORT, RTLONG and RT3DPOINT.
*/
using HostValue = std::variant<std::wstring, double, short, std::int32_t, HostPoint>;

/*
Description:
  The result buffer type code of a value.
Parameters:
  value - [in] the value.
Returns:
  RTSTR, RTREAL, RTSHORT, RTLONG or RT3DPOINT.
*/
int ResultTypeOf(const HostValue& value);

} // namespace KestrinHost
