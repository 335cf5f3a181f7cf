// Kestrin host program: the script runs' UI. Answers reach the scripted UI one at a time, only
// when it holds none, so that an answer it keeps for later (one that did not fit what was shown)
// is still the next one used, and nothing given for one command leaks into the next.
#include "Runs/ScriptAnswerUi.h"

#include "Runs/OptionsDialogAnswer.h"

namespace KestrinApp {

ScriptAnswerUi::ScriptAnswerUi(CommandLine* line, TranscriptEcho echo, bool bVerbose)
    : m_pLine(line), m_echo(echo), m_bVerbose(bVerbose),
      m_pScripted(std::make_unique<KestrinHost::ScriptedUi>()) {}

void ScriptAnswerUi::BeginCommand(std::vector<ScriptAnswer> answers) {
    EndCommand();
    m_answers.assign(answers.begin(), answers.end());
}

std::vector<std::wstring> ScriptAnswerUi::EndCommand() {
    std::vector<std::wstring> unused;
    auto add = [&unused](const std::wstring& source) {
        if (unused.empty() || unused.back() != source) { // a choices answer made several actions
            unused.push_back(source);
        }
    };
    const std::size_t pending = m_pScripted->PendingCount();
    for (std::size_t i = m_handedOver.size() - pending; i < m_handedOver.size(); ++i) {
        add(m_handedOver[i]);
    }
    for (const ScriptAnswer& answer : m_answers) {
        add(answer.source);
    }
    m_answers.clear();
    m_handedOver.clear();
    m_pScripted = std::make_unique<KestrinHost::ScriptedUi>();
    m_echoed = 0;
    m_bOutOfStep = false;
    return unused;
}

void ScriptAnswerUi::Feed(KestrinUi::DialogSession* pSession) {
    if (m_pScripted->PendingCount() > 0 || m_answers.empty()) {
        return;
    }
    auto handOver = [this](const KestrinHost::ScriptAction& action, const std::wstring& source) {
        m_pScripted->Push(action);
        m_handedOver.push_back(source);
    };
    const ScriptAnswer& next = m_answers.front();
    switch (next.kind) {
    case ScriptAnswer::Kind::Choices:
        if (pSession) {
            for (const KestrinHost::ScriptAction& action :
                 ActionsForChoices(pSession->Controls(), next.choices, next.bOk)) {
                handOver(action, next.source);
            }
            m_answers.pop_front();
        }
        break;
    case ScriptAnswer::Kind::Action:
        // A dialog takes its actions up to its OK or Cancel in one go.
        do {
            const KestrinHost::ScriptAction action = m_answers.front().action;
            handOver(action, m_answers.front().source);
            m_answers.pop_front();
            if (!pSession || !action.IsDialogAction() ||
                action.kind == KestrinHost::ScriptActionKind::DialogOk ||
                action.kind == KestrinHost::ScriptActionKind::DialogCancel) {
                break;
            }
        } while (!m_answers.empty() && m_answers.front().kind == ScriptAnswer::Kind::Action &&
                 m_answers.front().action.IsDialogAction());
        break;
    case ScriptAnswer::Kind::AboutOk:
        break; // taken by the about box itself
    }
}

void ScriptAnswerUi::Echo() {
    const std::vector<KestrinHost::TranscriptEntry>& entries =
        m_pScripted->GetTranscript().Entries();
    KestrinHost::Transcript shown;
    for (; m_echoed < entries.size(); ++m_echoed) {
        const KestrinHost::TranscriptEntry& entry = entries[m_echoed];
        m_full.Add(entry);
        m_bOutOfStep = m_bOutOfStep || entry.kind == KestrinHost::ShownKind::Note;
        const bool bQuiet = entry.kind == KestrinHost::ShownKind::Dialog ||
                            entry.kind == KestrinHost::ShownKind::FileDialog;
        if (m_echo == TranscriptEcho::Everything || !bQuiet) {
            shown.Add(entry);
        }
    }
    if (shown.Entries().empty()) {
        return;
    }
    const std::wstring text = m_bVerbose ? shown.Describe() : shown.DescribeForReader();
    if (m_echo == TranscriptEcho::MessagesAndNotes) {
        m_held += text;
        return;
    }
    m_pLine->EndLine();
    m_pLine->Write(text);
}

int ScriptAnswerUi::ShowMessageBox(const KestrinUi::MessageBoxRequest& request) {
    Feed(nullptr);
    const int answer = m_pScripted->ShowMessageBox(request);
    Echo();
    return answer;
}

void ScriptAnswerUi::RunModalDialog(KestrinUi::DialogSession& session) {
    Feed(&session);
    m_pScripted->RunModalDialog(session);
    Echo();
}

std::optional<std::wstring>
ScriptAnswerUi::ShowFileDialog(const KestrinUi::FileDialogRequest& request) {
    Feed(nullptr);
    std::optional<std::wstring> answer = m_pScripted->ShowFileDialog(request);
    Echo();
    return answer;
}

void ScriptAnswerUi::ShowAbout(const KestrinUi::AboutRequest& request) {
    if (m_pScripted->PendingCount() == 0 && !m_answers.empty() &&
        m_answers.front().kind == ScriptAnswer::Kind::AboutOk) {
        m_answers.pop_front();
    }
    m_pScripted->ShowAbout(request);
    Echo();
}

} // namespace KestrinApp
