// Kestrin drawing toolkit.
// OdRxWin32Module<T, TBase>: the wrapper that turns a module class into the module object a DLL
// hands to its host. It adds what every module needs and no module writes itself: a reference
// count that never deletes (the host decides the lifetime through deleteModule()), the DLL's
// instance handle, and the module file's path. Uses the Windows API (GetModuleFileNameW), so a
// module that includes this header builds against <windows.h>.
#pragma once

#include "RxModule.h"

#include <windows.h>

/* Description:
     Module object wrapper for a module class T.
   Parameters:
     T     - the module class, derived from TBase; it declares sysData, deleteModule, addRef,
             release and moduleName pure and the wrapper supplies them.
     TBase - the module interface the host sees, OdRxModule or a class derived from it.
   Remarks:
     Fields, in order: the reference count (signed 32-bit, 0 at creation) and the instance
     handle. release() only decrements the count: the object is never deleted by it.
     deleteModule() first clears the module's module-wide pointer (the one given to
     createModule()), then deletes the object. At most one object per instantiation exists at a
     time, which is why the pointer to clear is kept per instantiation, not per object.
*/
template <class T, class TBase = OdRxModule> class OdRxWin32Module : public T {
public:
    /* Description:
         Creates the module object.
       Parameters:
         hModule         - [in] the DLL's instance handle; the object keeps it.
         ppModulePointer - [in] the module-wide pointer that will hold the object; deleteModule()
                           sets it to null. May be null when there is none.
       Returns:
         The new object, reference count 0, owned by the caller until deleteModule().
    */
    static TBase* createModule(HINSTANCE hModule, TBase** ppModulePointer) {
        s_ppModulePointer = ppModulePointer;
        return new OdRxWin32Module(hModule);
    }

    void addRef() override { ++m_nRefCounter; }
    void release() override { --m_nRefCounter; }
    long numRefs() const override { return m_nRefCounter; }

    void* sysData() override { return m_hModule; }

    void deleteModule() override {
        if (s_ppModulePointer) {
            *s_ppModulePointer = nullptr;
            s_ppModulePointer = nullptr;
        }
        delete this;
    }

    OdString moduleName() const override {
        wchar_t path[kMaxPath] = {};
        ::GetModuleFileNameW(m_hModule, path, kMaxPath);
        return OdString(path);
    }

protected:
    explicit OdRxWin32Module(HINSTANCE hModule) : m_nRefCounter(0), m_hModule(hModule) {}

private:
    static constexpr int kMaxPath = 260; // MAX_PATH: the buffer size the module file name fits

    OdRefCounter m_nRefCounter; // never deletes the object at 0
    HINSTANCE m_hModule;        // the DLL's own instance handle

    static inline TBase** s_ppModulePointer = nullptr; // cleared by deleteModule()
};
