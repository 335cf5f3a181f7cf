// Kestrin host program: the script loop. Lines are read one ahead, to collect the answers that
// follow a command before it runs.
#include "Runs/ScriptRunner.h"

#include "Commands/UnsavedChanges.h"
#include "Runs/ScriptAnswer.h"
#include "Session/WideText.h"

#include <optional>
#include <string>

namespace KestrinApp {

namespace {

// The script's lines with their numbers, with one line of push-back.
class ScriptLines : public LineSource {
public:
    ScriptLines(std::istream* script, CommandLine* line, const ScriptAnswerUi* ui)
        : m_pScript(script), m_pLine(line), m_pUi(ui) {}

    bool Next(std::wstring* text) {
        if (m_pushedBack) {
            *text = *m_pushedBack;
            m_pushedBack.reset();
            return true;
        }
        std::string bytes;
        if (!std::getline(*m_pScript, bytes)) {
            return false;
        }
        ++m_number;
        if (!bytes.empty() && bytes.back() == '\r') {
            bytes.pop_back();
        }
        *text = FromUtf8(bytes);
        return true;
    }

    void PushBack(const std::wstring& text) { m_pushedBack = text; }

    int Number() const { return m_number; }

    // A command's question takes the next line as it stands, unless the script is already out
    // of step with the command: the next line is then more likely a command than an answer.
    InputLine ReadLine(const std::wstring& prompt) override {
        if (m_pUi->OutOfStep()) {
            m_pLine->WriteLine(prompt + L"(no answer: the script is out of step)");
            return InputLine::End();
        }
        std::wstring text;
        if (!Next(&text)) {
            return InputLine::End();
        }
        m_pLine->WriteLine(prompt + text);
        return InputLine::Of(text);
    }

private:
    std::istream* m_pScript;
    CommandLine* m_pLine;
    const ScriptAnswerUi* m_pUi;
    std::optional<std::wstring> m_pushedBack;
    int m_number = 0; // of the last line read
};

} // namespace

int RunScript(HostSession* session, ScriptAnswerUi* ui, std::istream* script) {
    CommandLine& line = session->Line();
    ScriptLines lines(script, &line, ui);
    session->SetAnswerSource(&lines);
    int problems = 0;
    auto report = [&](int number, const std::wstring& text) {
        line.EndLine();
        line.WriteLine(L"Script line " + std::to_wstring(number) + L": " + text);
        ++problems;
    };

    std::wstring text;
    while (!session->QuitRequested() && lines.Next(&text)) {
        const ScriptLine parsed = ParseScriptLine(text);
        const int number = lines.Number();
        if (parsed.kind == ScriptLineKind::Invalid) {
            report(number, parsed.error);
            continue;
        }
        if (parsed.kind == ScriptLineKind::Answer) {
            report(number, L"an answer with no command before it: " + Trimmed(text));
            continue;
        }
        if (parsed.kind != ScriptLineKind::Command) {
            continue;
        }
        std::vector<ScriptAnswer> answers;
        for (std::wstring next; lines.Next(&next);) {
            ScriptLine following = ParseScriptLine(next);
            if (following.kind == ScriptLineKind::Command) {
                lines.PushBack(next);
                break;
            }
            if (following.kind == ScriptLineKind::Invalid) {
                report(lines.Number(), following.error);
            }
            for (ScriptAnswer& answer : following.answers) {
                answers.push_back(std::move(answer));
            }
        }

        line.WriteLine(CommandLine::Prompt + parsed.text);
        ui->BeginCommand(std::move(answers));
        const CommandOutcome outcome = session->Execute(parsed.text);
        if (outcome == CommandOutcome::Failed || outcome == CommandOutcome::Unknown) {
            ++problems;
        }
        for (const std::wstring& unused : ui->EndCommand()) {
            report(number, L"no dialog took the answer \"" + unused + L"\"");
        }
    }
    session->SetAnswerSource(nullptr);
    if (!session->QuitRequested() && ReportUnsavedAtEnd(session)) {
        ++problems;
    }
    return problems;
}

} // namespace KestrinApp
