// Kestrin drawing toolkit.
// Result codes carried by OdError and returned by toolkit operations that report status. The
// numeric values are part of the interface: modules compare and raise them by number (117 is the
// code of a class whose descriptor is missing), so enumerators are never renumbered.
#pragma once

/* Description:
     Result code of a toolkit operation.
   Remarks:
     eOk (0) is success; every other value names a failure. A plain enumeration, as modules use the
     enumerators unqualified and convert them to and from integers.
*/
enum OdResult {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eOutOfMemory = 4,
    eInvalidIndex = 5,
    eNullObjectPointer = 6,
    eNullObjectId = 7,
    eNullEntityPointer = 8,
    eKeyNotFound = 9,
    eDuplicateKey = 10,
    eNotOpenForWrite = 11,
    eWasOpenForWrite = 12,
    eAlreadyInDb = 13,
    eNotThatKindOfClass = 14,
    eDegenerateGeometry = 15,
    eNotInDatabase = 16,
    eWasOpenForRead = 17,
    eNotInitializedYet = 117, // a class descriptor is missing (not registered)
    eFileNotFound = 118,
    eFileAccessErr = 119,
    eFileWriteError = 120,
    eDiskFull = 121,
};
