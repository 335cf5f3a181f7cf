// Kestrin drawing toolkit.
// OdRxIterator: walks a sequence of toolkit objects (the commands of a command stack) in order.
#pragma once

#include "RxObject.h"

/* Description:
     Forward iterator over toolkit objects.
   Remarks:
     The container must not change while it is walked.
*/
class OdRxIterator : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdRxIterator);

    /* Description:
         Tells whether the iterator is past the last object.
    */
    virtual bool done() const = 0;

    /* Description:
         Moves to the next object.
       Returns:
         false when it moved past the last object.
    */
    virtual bool next() = 0;

    /* Description:
         Returns the current object (a counted reference); empty when done().
    */
    virtual OdRxObjectPtr object() const = 0;
};

typedef OdSmartPtr<OdRxIterator> OdRxIteratorPtr;
