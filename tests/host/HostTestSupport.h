// Kestrin host tests: shared helpers. A command line that writes nowhere but keeps its text, and
// a module-style command whose behaviour a test sets.
#pragma once

#include "Session/CommandLine.h"

#include "Ed/EdCommandStack.h"
#include "StaticRxObject.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace host_test {

// A command line whose output goes to an anonymous temporary file.
class QuietCommandLine {
public:
    QuietCommandLine() : m_file(std::tmpfile(), &std::fclose), m_line(m_file.get()) {}
    KestrinApp::CommandLine& Line() { return m_line; }

private:
    std::unique_ptr<std::FILE, decltype(&std::fclose)> m_file;
    KestrinApp::CommandLine m_line;
};

class ScriptedCommand : public OdEdCommand {
public:
    ScriptedCommand(const OdChar* global, const OdChar* local) : m_global(global), m_local(local) {}
    const OdString groupName() const override { return L"Host Test Commands"; }
    const OdString globalName() const override { return m_global; }
    const OdString localName() const override { return m_local; }
    void execute(OdEdCommandContext* pContext) override {
        ++m_nRuns;
        if (m_body) {
            m_body(pContext);
        }
    }
    std::function<void(OdEdCommandContext*)> m_body; // what execute does besides counting
    int m_nRuns = 0;

private:
    OdString m_global;
    OdString m_local;
};

using TestCommand = OdStaticRxObject<ScriptedCommand>;

// Adds commands to the process's command stack and removes them on every way out.
class StackedCommands {
public:
    explicit StackedCommands(std::initializer_list<TestCommand*> commands) {
        for (TestCommand* pCommand : commands) {
            odedRegCmds()->addCommand(pCommand);
        }
    }
    ~StackedCommands() { odedRegCmds()->removeGroup(L"Host Test Commands"); }
    StackedCommands(const StackedCommands&) = delete;
    StackedCommands& operator=(const StackedCommands&) = delete;
};

} // namespace host_test
