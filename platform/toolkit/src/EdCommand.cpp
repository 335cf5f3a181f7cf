// Kestrin drawing toolkit.
// OdEdCommand's default operations, the command stack, and odedRegCmds().
#include "Ed/EdCommand.h"
#include "Ed/EdCommandStack.h"

#include "RxObjectImpl.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdEdCommand, OdRxObject)
ODRX_CONS_DEFINE_MEMBERS(OdEdCommandStack, OdRxObject,
                         OdRxObjectImpl<OdEdCommandStack>::createObject(), "")

namespace {

class OdEdCommandIterator : public OdRxIterator {
public:
    OdEdCommandIterator(const OdEdCommandStack* pStack, std::vector<OdEdCommandPtr> commands)
        : m_pStack(pStack), m_commands(std::move(commands)) {}

    bool done() const override { return m_index >= m_commands.size(); }
    bool next() override {
        if (!done()) {
            ++m_index;
        }
        return !done();
    }
    OdRxObjectPtr object() const override {
        return done() ? OdRxObjectPtr() : OdRxObjectPtr(m_commands[m_index]);
    }

private:
    OdRxObjectPtr m_pStack;                 // kept alive while walked
    std::vector<OdEdCommandPtr> m_commands; // as they were when the walk began
    std::size_t m_index = 0;
};

bool SameCommand(const OdEdCommand* pCommand, const OdString& groupName,
                 const OdString& globalName) {
    return pCommand->groupName() == groupName && pCommand->globalName() == globalName;
}

} // namespace

const OdString OdEdCommand::localName() const {
    return globalName();
}

OdRxModule* OdEdCommand::module() const {
    return m_pModule;
}

void OdEdCommand::undefine(bool undefineIt) {
    m_bUndefined = undefineIt;
}

OdInt32 OdEdCommand::flags() const {
    return kDefaultFlags;
}

void OdEdCommandStack::addCommand(OdEdCommand* pCommand) {
    if (!pCommand) {
        throw OdError(eNullObjectPointer);
    }
    const OdString groupName = pCommand->groupName();
    const OdString globalName = pCommand->globalName();
    for (const OdEdCommandPtr& pExisting : m_commands) {
        if (SameCommand(pExisting, groupName, globalName)) {
            throw OdError(eDuplicateKey, groupName + OdString(L" ") + globalName);
        }
    }
    pCommand->m_pModule = m_pCurrentModule;
    m_commands.emplace_back(pCommand);
}

OdEdCommandPtr OdEdCommandStack::lookupCmd(const OdString& commandName) const {
    for (const OdEdCommandPtr& pCommand : m_commands) {
        if (pCommand->globalName().iCompare(commandName) == 0) {
            return pCommand;
        }
    }
    for (const OdEdCommandPtr& pCommand : m_commands) {
        if (pCommand->localName().iCompare(commandName) == 0) {
            return pCommand;
        }
    }
    return OdEdCommandPtr();
}

void OdEdCommandStack::removeCmd(const OdString& groupName, const OdString& globalName) {
    for (auto it = m_commands.begin(); it != m_commands.end(); ++it) {
        if (SameCommand(*it, groupName, globalName)) {
            m_commands.erase(it);
            return;
        }
    }
}

void OdEdCommandStack::removeGroup(const OdString& groupName) {
    std::vector<OdEdCommandPtr> kept;
    for (const OdEdCommandPtr& pCommand : m_commands) {
        if (pCommand->groupName() != groupName) {
            kept.push_back(pCommand);
        }
    }
    m_commands.swap(kept);
}

OdRxIteratorPtr OdEdCommandStack::newIterator() const {
    return OdRxObjectImpl<OdEdCommandIterator, OdRxIterator>::createObject(this, m_commands);
}

OdEdCommandStackPtr odedRegCmds() {
    // The host's one command stack, made on first use and kept for the whole process.
    static OdEdCommandStackPtr s_pStack = OdRxObjectImpl<OdEdCommandStack>::createObject();
    return s_pStack;
}
