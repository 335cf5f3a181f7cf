// Kestrin MFC stand-in.
// CCmdTarget and message maps. A class routes commands and control notifications to its member
// functions through a static table declared with DECLARE_MESSAGE_MAP and written between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; a command not in a class's table is looked up in its
// base class's table, up to CCmdTarget.
#pragma once

#include "windows.h"

/// Marks a message handler in a class declaration; it means nothing to the compiler.
#define afx_msg

class CCmdTarget;

/// A handler as the message map stores it: a member function without arguments or result.
typedef void (CCmdTarget::*AFX_PMSG)();

/// Handler signatures; this stand-in routes commands and notifications to void() handlers only.
enum AfxSig : UINT_PTR {
    AfxSig_end = 0,  // ends a message map
    AfxSigCmd_v = 1, // void handler()
};

/// One entry of a message map: WM_COMMAND with notification nCode from controls nID..nLastID.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND; 0 ends the map
    UINT nCode;    // notification code (BN_CLICKED, CBN_SELCHANGE; 0 for ON_COMMAND)
    UINT nID;      // first control or command id
    UINT nLastID;  // last id of the range (nID for one control)
    UINT_PTR nSig; // AfxSig of the handler
    AFX_PMSG pfn;  // the handler
};

/// A class's message map: its entries and the function that gives its base class's map.
struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // null for CCmdTarget's
    const AFX_MSGMAP_ENTRY* lpEntries;    // ends with an entry of nSig AfxSig_end
};

/// Declares a class's message map; written inside the class, it leaves the access protected.
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, AfxSig_end, nullptr }                                                            \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND,                                                                                   \
     0,                                                                                            \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(id),                                                                        \
     AfxSigCmd_v,                                                                                  \
     static_cast<AFX_PMSG>(&ThisClass::memberFxn)},

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND,                                                                                   \
     static_cast<UINT>(wNotifyCode),                                                               \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(id),                                                                        \
     AfxSigCmd_v,                                                                                  \
     static_cast<AFX_PMSG>(&ThisClass::memberFxn)},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

/*
Description:
  The root of every class that receives commands.
Remarks:
  Not copyable, as windows and applications are not.
*/
class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    /*
    Description:
      Routes a command or notification to the handler of the most derived class whose message
      map has an entry for it.
    Parameters:
      nID   - [in] the command or control id.
      nCode - [in] the notification code (0 for a menu or button command sent with ON_COMMAND).
    Returns:
      TRUE when a handler ran.
    */
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
