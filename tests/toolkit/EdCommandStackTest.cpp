// Kestrin toolkit tests: the command stack (order, lookup by either name in any case, removal by
// group and global name) and the host's command contexts and user I/O.
#include "Ed/EdCommandStack.h"
#include "DbHostServices.h"
#include "StaticRxObject.h"
#include "ToolkitTestSupport.h"

#include <vector>

using toolkit_test::ExpectOdError;

namespace {

class TestCommand : public OdEdCommand {
public:
    TestCommand(const OdChar* group, const OdChar* global, const OdChar* local)
        : m_group(group), m_global(global), m_local(local) {}
    const OdString groupName() const override { return m_group; }
    const OdString globalName() const override { return m_global; }
    const OdString localName() const override { return m_local; }
    void execute(OdEdCommandContext* /*pContext*/) override { ++m_nRuns; }
    int m_nRuns = 0;

private:
    OdString m_group;
    OdString m_global;
    OdString m_local;
};

using StaticCommand = OdStaticRxObject<TestCommand>;

// Removes the test's commands from the process-wide stack on every way out.
struct GroupGuard {
    ~GroupGuard() { odedRegCmds()->removeGroup(L"Test Commands"); }
};

} // namespace

TEST(EdCommandStack, LookupByGlobalThenLocalNameIgnoringCase) {
    StaticCommand first(L"Test Commands", L"Draw", L"Zeichnen");
    StaticCommand second(L"Test Commands", L"Zeichnen", L"Other");
    GroupGuard guard; // declared after the commands: removes them before they go
    OdEdCommandStackPtr pStack = odedRegCmds();
    pStack->addCommand(&first);
    pStack->addCommand(&second);
    EXPECT_EQ(pStack->lookupCmd(L"dRAW").get(), &first);
    EXPECT_EQ(pStack->lookupCmd(L"zeichnen").get(), &second); // global name wins over local
    EXPECT_EQ(pStack->lookupCmd(L"OTHER").get(), &second);
    EXPECT_TRUE(pStack->lookupCmd(L"Dra").isNull());
}

TEST(EdCommandStack, KeepsOrderAndRemovesByGroupAndGlobalName) {
    StaticCommand a(L"Test Commands", L"A", L"A");
    StaticCommand b(L"Test Commands", L"B", L"B");
    StaticCommand c(L"Test Commands", L"C", L"C");
    GroupGuard guard;
    OdEdCommandStackPtr pStack = odedRegCmds();
    const unsigned int before = pStack->numCommands();
    for (StaticCommand* pCommand : {&a, &b, &c}) {
        pStack->addCommand(pCommand);
    }
    ExpectOdError(eDuplicateKey, [&] { pStack->addCommand(&b); });
    std::vector<OdString> names;
    for (OdRxIteratorPtr pIt = pStack->newIterator(); !pIt->done(); pIt->next()) {
        OdEdCommandPtr pCommand = pIt->object();
        if (pCommand->groupName() == OdString(L"Test Commands")) {
            names.push_back(pCommand->globalName());
        }
    }
    EXPECT_EQ(names, (std::vector<OdString>{L"A", L"B", L"C"}));
    pStack->removeCmd(L"Other Group", L"B");   // wrong group: nothing removed
    pStack->removeCmd(L"Test Commands", L"b"); // names are exact here
    EXPECT_EQ(pStack->numCommands(), before + 3);
    pStack->removeCmd(L"Test Commands", L"B");
    EXPECT_EQ(pStack->numCommands(), before + 2);
    EXPECT_TRUE(pStack->lookupCmd(L"B").isNull());
}

TEST(EdCommandStack, StackIsOneCountedObject) {
    OdEdCommandStackPtr pFirst = odedRegCmds();
    const long refs = pFirst->numRefs();
    {
        OdEdCommandStackPtr pSecond = odedRegCmds();
        EXPECT_EQ(pSecond.get(), pFirst.get());
        EXPECT_EQ(pFirst->numRefs(), refs + 1);
    }
    EXPECT_EQ(pFirst->numRefs(), refs);
}

TEST(EdCommand, DefaultsOfTheToolkit) {
    StaticCommand command(L"Test Commands", L"A", L"A");
    EXPECT_EQ(command.flags(), OdEdCommand::kDefaultFlags);
    EXPECT_EQ(command.module(), nullptr);
    command.undefine(true);
    EXPECT_TRUE(command.isUndefined());
}

TEST(CommandContext, DrawingContextGivesDatabaseAndUserIO) {
    std::vector<OdString> lines;
    OdDbDatabasePtr pDb = OdDbDatabase::createObject();
    OdDbUserIOPtr pIO = odDbCreateUserIO([&](const OdString& text) { lines.push_back(text); });
    OdDbCommandContextPtr pContext = odDbCreateCommandContext(pDb, pIO);
    OdEdCommandContext* pPlain = pContext.get();
    OdDbCommandContextPtr pCast = pPlain; // class-testing cast succeeds
    EXPECT_EQ(pCast->database(), pDb.get());
    OdDbUserIOPtr pCastIO = pCast->userIO();
    pCastIO->putString(L"Successfully imported 0 objects\n");
    EXPECT_EQ(lines, (std::vector<OdString>{L"Successfully imported 0 objects\n"}));
}

TEST(CommandContext, PlainContextAndUserIOFailTheDrawingCasts) {
    OdEdUserIOPtr pIO = odEdCreateUserIO(nullptr);
    OdEdCommandContextPtr pContext = odEdCreateCommandContext(pIO);
    try {
        OdDbCommandContextPtr pCast = pContext;
        FAIL();
    } catch (const OdError_NotThatKindOfClass& error) {
        EXPECT_EQ(error.objectClass()->name(), pContext->isA()->name());
        EXPECT_EQ(error.wantedClass(), OdDbCommandContext::desc());
    }
    OdDbCommandContextPtr pDrawing = odDbCreateCommandContext(OdDbDatabase::createObject(), pIO);
    ExpectOdError(eNotThatKindOfClass, [&] { pDrawing->dbUserIO(); });
    pIO->putString(L"ignored"); // no output function: nothing happens
}
