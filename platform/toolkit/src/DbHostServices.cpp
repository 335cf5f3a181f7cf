// Kestrin drawing toolkit.
// The host's command contexts and user I/O objects, and the descriptors of their interfaces.
#include "DbHostServices.h"

#include "RxObjectImpl.h"

#include <utility>

ODRX_NO_CONS_DEFINE_MEMBERS(OdEdUserIO, OdRxObject)
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbUserIO, OdEdUserIO)
ODRX_NO_CONS_DEFINE_MEMBERS(OdEdCommandContext, OdRxObject)
ODRX_NO_CONS_DEFINE_MEMBERS(OdDbCommandContext, OdEdCommandContext)

namespace {

// User I/O whose output goes to the host's function; TBase says whether it is a drawing one.
template <class TBase> class CallbackUserIO : public TBase {
public:
    explicit CallbackUserIO(OdUserIOOutput output) : m_output(std::move(output)) {}
    void putString(const OdString& string) override {
        if (m_output) {
            m_output(string);
        }
    }

private:
    OdUserIOOutput m_output;
};

class PlainCommandContext : public OdEdCommandContext {
public:
    explicit PlainCommandContext(OdEdUserIO* pUserIO) : m_pUserIO(pUserIO) {}
    OdEdUserIO* userIO() override { return m_pUserIO.get(); }
    OdRxObject* baseDatabase() override { return nullptr; }

private:
    OdEdUserIOPtr m_pUserIO;
};

class DrawingCommandContext : public OdDbCommandContext {
public:
    DrawingCommandContext(OdDbDatabase* pDatabase, OdEdUserIO* pUserIO)
        : m_pDatabase(pDatabase), m_pUserIO(pUserIO) {}
    OdEdUserIO* userIO() override { return m_pUserIO.get(); }
    OdRxObject* baseDatabase() override { return m_pDatabase.get(); }
    OdDbDatabase* database() override { return m_pDatabase.get(); }

private:
    OdDbDatabasePtr m_pDatabase;
    OdEdUserIOPtr m_pUserIO;
};

} // namespace

OdDbUserIOPtr odDbCreateUserIO(OdUserIOOutput output) {
    return OdRxObjectImpl<CallbackUserIO<OdDbUserIO>, OdDbUserIO>::createObject(std::move(output));
}

OdEdUserIOPtr odEdCreateUserIO(OdUserIOOutput output) {
    return OdRxObjectImpl<CallbackUserIO<OdEdUserIO>, OdEdUserIO>::createObject(std::move(output));
}

OdDbCommandContextPtr odDbCreateCommandContext(OdDbDatabase* pDatabase, OdEdUserIO* pUserIO) {
    return OdRxObjectImpl<DrawingCommandContext, OdDbCommandContext>::createObject(pDatabase,
                                                                                   pUserIO);
}

OdEdCommandContextPtr odEdCreateCommandContext(OdEdUserIO* pUserIO) {
    return OdRxObjectImpl<PlainCommandContext, OdEdCommandContext>::createObject(pUserIO);
}
