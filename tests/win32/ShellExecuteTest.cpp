// Tests of ShellExecuteW with a stand-in opener (a small script named by $KESTRIN_OPENER) instead
// of the desktop's: the file reaches it as one literal argument, HTML help under another extension
// is handed over as an .html copy, and failures come back as values of 32 or less.
#include "support/TestFolder.h"

#include "windows.h"
#include <KestrinPosix/FileNameText.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace {

// ShellExecuteW succeeds with a value above this.
constexpr INT_PTR kLastFailure = 32;

class ShellExecute : public ::testing::Test {
protected:
    ShellExecute()
        : m_opener(m_folder.File("bin/opener")), m_record(m_folder.File("opened.txt")),
          m_openerGuard("KESTRIN_OPENER", m_opener), m_recordGuard("KESTRIN_TEST_OPENED", m_record),
          m_cacheGuard("XDG_CACHE_HOME", m_folder.Path() + "/cache") {
        // Records its argument count and arguments; exits with $KESTRIN_TEST_OPENER_STATUS.
        KestrinTest::WriteFile(m_opener, "#!/bin/sh\n"
                                         "printf '%s\\n' \"$#\" \"$@\" > \"$KESTRIN_TEST_OPENED\"\n"
                                         "exit \"${KESTRIN_TEST_OPENER_STATUS:-0}\"\n");
        ::chmod(m_opener.c_str(), S_IRWXU);
    }

    INT_PTR Open(const std::string& path) const {
        return reinterpret_cast<INT_PTR>(::ShellExecuteW(
            nullptr, L"open", kposix::FromUtf8(path).c_str(), L"", nullptr, SW_SHOW));
    }

    std::string Opened() const { return KestrinTest::ReadFile(m_record); }

    KestrinTest::TestFolder m_folder;
    std::string m_opener;
    std::string m_record;
    KestrinTest::ScopedEnvironment m_openerGuard;
    KestrinTest::ScopedEnvironment m_recordGuard;
    KestrinTest::ScopedEnvironment m_cacheGuard;
};

} // namespace

TEST_F(ShellExecute, HandsTheFileToTheOpenerAsOneLiteralArgument) {
    const std::string document = m_folder.File("Help Ü/a;b $(touch x) `y`.txt");
    KestrinTest::WriteFile(document, "text");
    EXPECT_GT(Open(document), kLastFailure);
    EXPECT_EQ(Opened(), "1\n" + document + "\n");
}

TEST_F(ShellExecute, HtmlUnderAnotherExtensionOpensAsAnHtmlCopy) {
    const std::string help = m_folder.File("module dir/Kestrin_Bricscad.chm");
    const std::string page = "<!DOCTYPE html>\n<html><body>Kestrin help</body></html>\n";
    KestrinTest::WriteFile(help, page);
    EXPECT_GT(Open(help), kLastFailure);
    const std::string copy = m_folder.Path() + "/cache/kestrin/Kestrin_Bricscad.chm.html";
    EXPECT_EQ(Opened(), "1\n" + copy + "\n");
    EXPECT_EQ(KestrinTest::ReadFile(copy), page);
}

TEST_F(ShellExecute, MissingFileFailsWithoutStartingTheOpener) {
    EXPECT_EQ(Open(m_folder.File("Kestrin_Bricscad.chm")), SE_ERR_FNF);
    EXPECT_EQ(Opened(), "");
}

TEST_F(ShellExecute, NoOpenerOrARefusingOneIsAFailure) {
    const std::string document = m_folder.File("a.txt");
    KestrinTest::WriteFile(document, "text");
    {
        const KestrinTest::ScopedEnvironment refuse("KESTRIN_TEST_OPENER_STATUS", "3");
        EXPECT_LE(Open(document), kLastFailure);
    }
    const KestrinTest::ScopedEnvironment missing("KESTRIN_OPENER", m_folder.File("no-such-opener"));
    EXPECT_LE(Open(document), kLastFailure);
}

TEST_F(ShellExecute, VerbsOtherThanOpenAreRefused) {
    const std::string document = m_folder.File("a.txt");
    KestrinTest::WriteFile(document, "text");
    EXPECT_LE(reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"print",
                                                        kposix::FromUtf8(document).c_str(), nullptr,
                                                        nullptr, SW_SHOW)),
              kLastFailure);
    EXPECT_EQ(Opened(), "");
}

// The opener once inherited the host's descriptors (its terminal as standard input among them),
// its blocked signals and its session, so a Ctrl+C or hang-up meant for the host reached the
// desktop program it started.
TEST_F(ShellExecute, OpenerStartsWithoutTheHostsDescriptorsMaskOrTerminal) {
    KestrinTest::WriteFile(m_opener,
                           "#!/bin/sh\n"
                           "exec > \"$KESTRIN_TEST_OPENED\"\n"
                           "ls /proc/self/fd | tr '\\n' ' '; echo\n"
                           "grep SigBlk /proc/self/status\n"
                           "[ \"$(cut -d' ' -f6 /proc/$$/stat)\" = $$ ] && echo own session\n");
    const std::string document = m_folder.File("help.txt");
    KestrinTest::WriteFile(document, "text");
    const int inherited = ::open(document.c_str(), O_RDONLY); // not close-on-exec
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &blocked, &before);
    const INT_PTR result = Open(document);
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    ::close(inherited);
    EXPECT_GT(result, kLastFailure);
    // 3 is ls's own listing of the folder.
    EXPECT_EQ(Opened(), "0 1 2 3 \nSigBlk:\t0000000000000000\nown session\n");
}
