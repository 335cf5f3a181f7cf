// Kestrin host interfaces.
// The object model of the host's drawing toolkit as the module uses it: reference-counted objects
// held through smart pointers, run-time class descriptors that create objects and test classes,
// the failures the toolkit raises, its wide string and its heap. Every toolkit failure reaches the
// module as an OdError (or a class derived from it); the module catches it by reference where its
// containment rules say and lets every other exception pass.
#pragma once

#include "OdAlloc.h"
#include "OdError.h"
#include "OdResult.h"
#include "OdString.h"
#include "OdaCommon.h"
#include "RxClass.h"
#include "RxObject.h"
#include "SmartPtr.h"

/* What the module relies on:

   OdRxClass* T::desc()
     Description:
       The class descriptor of toolkit class T.
     Returns:
       The descriptor, or null when the class is not registered with the host.
     Remarks:
       A missing class is reported by the module as OdError with result code eNotInitializedYet
       (117).

   OdRxObjectPtr OdRxClass::create() const
     Description:
       Makes a new object of the descriptor's class.
     Returns:
       A counted reference to the new object; empty for an abstract class.

   OdSmartPtr<T>(const OdBaseObjectPtr& other)
     Description:
       Typed conversion of a handle: the object is queried for class T through T::desc().
     Returns:
       A handle holding a reference of its own; empty for an empty source.
     Remarks:
       Raises OdError_NotThatKindOfClass (the object's isA(), T::desc()) when the object is not
       a T.

   OdString OdError::description() const
     Description:
       The readable text of a raised failure.

   odrxAlloc / odrxRealloc / odrxFree
     Description:
       The toolkit heap behind the toolkit arrays (OdArray) that the module fills.
*/
