// Kestrin drawing toolkit.
// State of the test-support switches. Single-threaded like the rest of the toolkit, except the
// chunk writer fault, which the DXF writer's threads read.
#include "ToolkitTestHooks.h"

#include "DbIdAccess.h"
#include "DbObject.h"
#include "ToolkitFaults.h"

#include <array>
#include <new>
#include <vector>

namespace odtk {
bool g_bSetterFaultPlanted = false;
bool g_bAppendFaultPlanted = false;
int g_nOpenCount = 0;
std::atomic<bool> g_bChunkWriterFault{false};
} // namespace odtk

namespace {

struct SetterFault {
    int callsLeft = 0; // 0: no fault; else the planted call is this many calls away
    OdResult code = eOk;
};

constexpr std::size_t kSetterCount = static_cast<std::size_t>(OdToolkitSetter::Count);

std::array<SetterFault, kSetterCount> g_setterFaults;
int g_nAppendCallsLeft = 0; // with an append fault: 0 = every call fails
std::vector<OdRxClass*> g_missingClasses;

void UpdateSetterFlag() {
    odtk::g_bSetterFaultPlanted = false;
    for (const SetterFault& fault : g_setterFaults) {
        if (fault.callsLeft > 0) {
            odtk::g_bSetterFaultPlanted = true;
        }
    }
}

} // namespace

void odtk::CountSetterCall(OdToolkitSetter setter) {
    SetterFault& fault = g_setterFaults[static_cast<std::size_t>(setter)];
    if (fault.callsLeft == 0 || --fault.callsLeft > 0) {
        return;
    }
    const OdResult code = fault.code;
    UpdateSetterFlag();
    throw OdError(code, L"planted fault");
}

void odtk::CheckChunkWriterFault() {
    if (g_bChunkWriterFault.load()) {
        throw std::bad_alloc();
    }
}

void OdToolkitTestHooks::failChunkWriters(bool fail) {
    odtk::g_bChunkWriterFault.store(fail);
}

bool odtk::CountAppendCallFails() {
    if (g_nAppendCallsLeft == 0) {
        return true;
    }
    if (--g_nAppendCallsLeft > 0) {
        return false;
    }
    g_bAppendFaultPlanted = false;
    return true;
}

void OdToolkitTestHooks::setClassMissing(OdRxClass& descriptor, bool missing) {
    descriptor.m_bMissing = missing;
    if (missing) {
        g_missingClasses.push_back(&descriptor);
    }
}

void OdToolkitTestHooks::failSetterOnCall(OdToolkitSetter setter, int nthCall, OdResult code) {
    SetterFault& fault = g_setterFaults[static_cast<std::size_t>(setter)];
    fault.callsLeft = nthCall > 0 ? nthCall : 0;
    fault.code = code;
    UpdateSetterFlag();
}

void OdToolkitTestHooks::failAppendOnCall(int nthCall) {
    g_nAppendCallsLeft = nthCall > 0 ? nthCall : 0;
    odtk::g_bAppendFaultPlanted = true;
}

int OdToolkitTestHooks::openCount() {
    return odtk::g_nOpenCount;
}

OdDb::OpenMode OdToolkitTestHooks::openMode(const OdDbObjectId& id) {
    if (id.isNull()) {
        return OdDb::kNotOpen;
    }
    return OdDbIdAccess::object(id)->openMode();
}

void OdToolkitTestHooks::reset() {
    g_setterFaults = {};
    odtk::g_bSetterFaultPlanted = false;
    odtk::g_bAppendFaultPlanted = false;
    g_nAppendCallsLeft = 0;
    odtk::g_nOpenCount = 0;
    odtk::g_bChunkWriterFault.store(false);
    for (OdRxClass* pClass : g_missingClasses) {
        pClass->m_bMissing = false;
    }
    g_missingClasses.clear();
}
