// Larkvane GUI library stand-in.
// LKVRegistry: settings that persist between runs, kept under registry-style keys
// ("Software\Maker\Product") as named integers and booleans. The store is one human-readable file
// per user; every write replaces it atomically. A store that is missing or unreadable reads as
// holding nothing; in a damaged one, a line that cannot be read costs only its own value. A store
// that is a symbolic link is written through the link. See LKVRegistryStorePath() for where it
// lies.
#pragma once

#include <afxstr.h>
#include <windef.h>

/// The store selector of SetKey: the current user's settings.
#define LKV_REGISTRY_CURRENT_USER 1

/*
Description:
  Reads and writes the values of one key.
Remarks:
  Select the key with SetKey before reading or writing. Each read and each write goes to the
  file afresh, so two objects (or two processes) see each other's writes at once. Key and value
  names are compared without regard to ASCII case, as registry names are.
*/
class LKVRegistry {
public:
    LKVRegistry();
    ~LKVRegistry();
    LKVRegistry(const LKVRegistry&) = delete;
    LKVRegistry& operator=(const LKVRegistry&) = delete;

    /*
    Description:
      Selects the key that the following reads and writes use.
    Parameters:
      lpszKey - [in] the key path, e.g. "Software\Larkvane\Kestrin for IntelliCAD".
      nStore  - [in] LKV_REGISTRY_CURRENT_USER; other stores do not exist here.
    Returns:
      FALSE for an empty or null key, a key holding a line break, or another store; no key is
      selected then, so reads give their defaults and writes fail.
    */
    BOOL SetKey(LPCWSTR lpszKey, int nStore);

    /*
    Description:
      Reads an integer value.
    Returns:
      The stored integer (a stored boolean as 0 or 1), or nDefault when none is stored, no key is
      selected, the store cannot be read, or the value's line cannot be read.
    */
    int ReadInt(LPCWSTR lpszValueName, int nDefault) const;

    /*
    Description:
      Reads a boolean value.
    Returns:
      The stored boolean as 0 or 1 (a stored integer: 1 when nonzero), or bDefault when none is
      stored, no key is selected, the store cannot be read, or the value's line cannot be read.
    */
    BOOL ReadBool(LPCWSTR lpszValueName, BOOL bDefault) const;

    /*
    Description:
      Stores an integer value, replacing any value of that name.
    Returns:
      FALSE when no key is selected, the name is unusable (empty, a line break or '=', or a
      leading '[', ';' or '#'), or the store cannot be written; the store is unchanged then.
      Every other value that could be read, of this key and of the others, is written back. A
      store with lines that cannot be read, or that cannot be read at all, is first kept as
      "<store>.damaged-YYYYmmdd-HHMMSS" (with "-2", "-3"... when that name is taken): no earlier
      copy is replaced. A symbolic link keeps pointing at the store's file, which is replaced.
    */
    BOOL WriteInt(LPCWSTR lpszValueName, int nValue);

    /// Stores a boolean value (nonzero as 1), as WriteInt does.
    BOOL WriteBool(LPCWSTR lpszValueName, BOOL bValue);

private:
    CString m_strKey; // the selected key; empty when none is
};

/*
Description:
  Where the store lies.
Returns:
  $KESTRIN_REGISTRY_FILE when set (tests point it at a file of their own), else
  $XDG_CONFIG_HOME/larkvane/registry.ini, else ~/.config/larkvane/registry.ini; empty when none of
  them can be formed (no home folder).
*/
CString LKVRegistryStorePath();
