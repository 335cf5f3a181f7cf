// Kestrin host stand-in: the host's system variables, read by modules through sds_getvar.
// Names are case-insensitive and keep the spelling they were first set with. Each variable has a
// typed value and a readable flag; an unreadable variable exists but every read of it fails, as
// a host does for a variable it cannot report.
#pragma once

#include "KestrinHost/HostValue.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace KestrinHost {

/*
Description:
  The table of system variables.
Remarks:
  A new table holds the defaults: "_VERNUM" (string) = DefaultVersionNumber, the release number
  of the host.
*/
class SystemVariables {
public:
    /// The release of the host that "_VERNUM" reports unless the host program sets another.
    static constexpr const wchar_t* DefaultVersionNumber = L"10.1.0";

    SystemVariables();

    /*
    Description:
      Creates a variable or replaces its value (and type).
    Parameters:
      name  - [in] the variable's name; case-insensitive.
      value - [in] the new value.
    Returns:
      false, changing nothing, when name is empty.
    Remarks:
      A replaced variable keeps its readable flag.
    */
    bool Set(const std::wstring& name, const HostValue& value);

    /*
    Description:
      Sets a variable from text, as a user or a command-line option gives it.
    Parameters:
      name - [in] the variable's name.
      text - [in] the value as text.
    Returns:
      false, changing nothing, when name is empty or the text is not a value of the existing
      variable's type.
    Remarks:
      An existing variable keeps its type: integers must be whole decimal numbers in the type's
      range, reals decimal numbers, points three numbers separated by commas. A new variable
      is a string.
    */
    bool SetFromText(const std::wstring& name, const std::wstring& text);

    /*
    Description:
      Reads a variable.
    Parameters:
      name - [in] the variable's name.
    Returns:
      Its value, or no value when the variable is unknown or unreadable.
    */
    std::optional<HostValue> Get(const std::wstring& name) const;

    /// true when a variable of that name exists, readable or not.
    bool Contains(const std::wstring& name) const;

    /*
    Description:
      Makes a variable readable or unreadable.
    Parameters:
      name     - [in] the variable's name.
      readable - [in] false makes every read of it fail.
    Returns:
      false when the variable is unknown.
    */
    bool SetReadable(const std::wstring& name, bool readable);

    /// Removes a variable; false when it is unknown.
    bool Remove(const std::wstring& name);

    /// The names of all variables, in alphabetical order of their upper-case form.
    std::vector<std::wstring> Names() const;

private:
    struct Variable {
        std::wstring name; // spelling of the first Set
        HostValue value;
        bool bReadable = true;
    };
    std::map<std::wstring, Variable> m_variables; // keyed by the upper-case name
};

} // namespace KestrinHost
