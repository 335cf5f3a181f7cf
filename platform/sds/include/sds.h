// Kestrin host stand-in: the host functions (sds_*) that a plug-in module calls.
// The host hands values to modules and takes them back in result buffers: singly linked records of
// a type code and a value. Strings are wide (wchar_t) and owned by the record that holds them;
// sds_relrb frees a whole list with its strings. Every function runs on the host's command thread;
// the host state behind them (system variables, commands, menus) is the one described in
// KestrinHost/HostServices.h.
#pragma once

#include <cstdint>

// Result and value type codes, with the values the host uses.
constexpr int RTNONE = 5000;    // no value; closes a list of (type, value) pairs
constexpr int RTREAL = 5001;    // real number: resval.rreal
constexpr int RTPOINT = 5002;   // 2D point: resval.rpoint, z ignored
constexpr int RTSHORT = 5003;   // 16-bit integer: resval.rint
constexpr int RTANG = 5004;     // angle in radians: resval.rreal
constexpr int RTSTR = 5005;     // wide string: resval.rstring, owned by the record
constexpr int RT3DPOINT = 5009; // 3D point: resval.rpoint
constexpr int RTLONG = 5010;    // 32-bit integer: resval.rlong
constexpr int RTNORM = 5100;    // success
constexpr int RTERROR = -5001;  // the request failed (unknown variable, command or menu)
constexpr int RTCAN = -5002;    // the request was cancelled
constexpr int RTREJ = -5003;    // the request was rejected as invalid (bad arguments)

typedef double sds_real;
typedef sds_real sds_point[3];

/*
Description:
  One record of a host value list.
Remarks:
  restype selects the member of resval that is valid. For RTSTR, rstring is either null or a
  string allocated with malloc that the record owns: sds_relrb frees it, and a caller that
  replaces it must free the old one with free().
*/
struct sds_resbuf {
    sds_resbuf* rbnext; // next record of the list, null at its end
    short restype;      // one of the RT* value codes
    union sds_u {
        sds_real rreal;
        sds_real rpoint[3];
        short rint;
        wchar_t* rstring;
        std::int32_t rlong;
    } resval;
};

/*
Description:
  Makes one result buffer.
Parameters:
  type - [in] the value type code stored in restype.
Returns:
  A new record with a null rbnext and a zeroed value (a null rstring), or null when memory is
  exhausted.
Remarks:
  The caller owns the record and releases it with sds_relrb.
*/
sds_resbuf* sds_newrb(int type);

/*
Description:
  Frees a list of result buffers: every record from rb to the end of its rbnext chain, and the
  strings of its RTSTR records.
Parameters:
  rb - [in] the first record; null is allowed and frees nothing.
Returns:
  RTNORM.
*/
int sds_relrb(sds_resbuf* rb);

/*
Description:
  Builds a result buffer list from (type code, value) pairs closed by RTNONE.
Parameters:
  type - [in] the first type code, followed by its value, the next type code and so on.
Returns:
  The first record of the new list, or null when the list is empty (RTNONE first), a type code
  is not one of the value codes above, a string value is null, or memory is exhausted.
Remarks:
  Values are read as: RTSTR const wchar_t* (copied), RTREAL and RTANG double, RTSHORT int,
  RTLONG std::int32_t (the 32-bit long of the target platform), RTPOINT and RT3DPOINT
  const sds_real* to three numbers (copied). The caller releases the list with sds_relrb.
*/
sds_resbuf* sds_buildlist(int type, ...);

/*
Description:
  Reads a host system variable.
Parameters:
  name   - [in] the variable's name, case-insensitive ("_VERNUM").
  result - [out] the buffer that receives the value.
Returns:
  RTNORM when the value was stored; RTERROR when the variable is unknown or cannot be read;
  RTREJ when name or result is null.
Remarks:
  The variable's own type decides the value: result->restype is set to it (RTSTR, RTREAL,
  RTSHORT, RTLONG or RT3DPOINT), whatever type the buffer was made with. A string that the
  buffer held before is freed; a new one is allocated and owned by the buffer. rbnext is left as
  it is. On failure the buffer is unchanged.
*/
int sds_getvar(const wchar_t* name, sds_resbuf* result);

/*
Description:
  Runs a host command with its answers, given as (type code, value) pairs closed by RTNONE.
Parameters:
  type - [in] RTSTR followed by the command name, then the pairs of the command's answers.
Returns:
  RTNORM when the command ran and succeeded; RTERROR when the command is unknown or failed;
  RTREJ when the list is malformed (see sds_buildlist) or does not start with a string.
Remarks:
  Values are read as by sds_buildlist. The command name is looked up as a user would type it:
  case-insensitively, with any leading "_" (the untranslated name) and "." (the built-in
  command, not a redefinition) prefixes ignored. An empty list (RTNONE first) runs nothing and
  returns RTNORM.
*/
int sds_command(int type, ...);

/*
Description:
  The list form of sds_command: runs the host command named by the first record, with the
  following records as its answers.
Parameters:
  args - [in] the list; the caller keeps ownership.
Returns:
  As sds_command; a null list runs nothing and returns RTNORM.
*/
int sds_cmd(const sds_resbuf* args);

/*
Description:
  Runs a menu command on the host's menu bar.
Parameters:
  command - [in] the menu command text:
            "P<n>=+<group>.<menu>" inserts pull-down <menu> of loaded menu group <group> at
            position <n> of the menu bar (1 is the leftmost; a position past the end appends);
            "P<n>=-" removes the pull-down at position <n>.
Returns:
  RTNORM on success; RTERROR when the text is malformed, the group or menu is unknown, or no
  pull-down stands at the position to remove; the menu bar is then unchanged. RTREJ for a null
  text.
Remarks:
  The syntax is described in full in KestrinHost/MenuCommand.h.
*/
int sds_menucmd(const wchar_t* command);
