// Kestrin host: the scripted user interface. Each call takes the actions meant for what it shows
// from the front of the queue; the transcript entry of a dialog is placed when the dialog opens,
// so that anything the dialog shows meanwhile (a message box from its OK handler) follows it.
#include "HostUi/ScriptedUi.h"

#include "winuser.h"

namespace KestrinHost {

ScriptedUi::ScriptedUi(std::vector<ScriptAction> actions)
    : m_actions(actions.begin(), actions.end()) {}

void ScriptedUi::Push(ScriptAction action) {
    m_actions.push_back(std::move(action));
}

void ScriptedUi::Push(const std::vector<ScriptAction>& actions) {
    m_actions.insert(m_actions.end(), actions.begin(), actions.end());
}

void ScriptedUi::Note(const std::wstring& text) {
    TranscriptEntry entry{ShownKind::Note};
    entry.text = text;
    m_transcript.Add(std::move(entry));
}

int ScriptedUi::ShowMessageBox(const KestrinUi::MessageBoxRequest& request) {
    int answer = KestrinUi::DecliningAnswer(request.type);
    const bool bAnswered =
        !m_actions.empty() && m_actions.front().kind == ScriptActionKind::MessageBoxAnswer;
    if (bAnswered) {
        answer = m_actions.front().value;
        m_actions.pop_front();
    }
    TranscriptEntry entry{ShownKind::MessageBox};
    entry.owner = request.owner;
    entry.caption = request.caption;
    entry.text = request.text;
    entry.type = request.type;
    entry.result = answer;
    m_transcript.Add(std::move(entry));
    if (!bAnswered && KestrinUi::MessageBoxButtons(request.type).size() > 1) {
        Note(std::wstring(L"the script gives no answer to a question: ") +
             KestrinUi::MessageBoxButtonName(answer));
    }
    return answer;
}

bool ScriptedUi::ApplyControlAction(KestrinUi::DialogSession& session, const ScriptAction& action) {
    const std::vector<KestrinUi::ControlState> controls = session.Controls();
    const KestrinUi::ControlState* control = Transcript::FindControl(controls, action.controlId);
    switch (action.kind) {
    case ScriptActionKind::SetCheck:
        if (!control || (control->kind != KestrinUi::ControlKind::CheckBox &&
                         control->kind != KestrinUi::ControlKind::RadioButton)) {
            break;
        }
        return control->bChecked == (action.value != 0) || session.Click(action.controlId);
    case ScriptActionKind::Click:
        return session.Click(action.controlId);
    case ScriptActionKind::SelectIndex:
        return session.SelectComboIndex(action.controlId, action.value);
    case ScriptActionKind::SelectText:
        if (!control) {
            break;
        }
        for (std::size_t i = 0; i < control->entries.size(); ++i) {
            if (control->entries[i] == action.text) {
                return session.SelectComboIndex(action.controlId, static_cast<int>(i));
            }
        }
        break;
    default:
        break;
    }
    return false;
}

void ScriptedUi::RunModalDialog(KestrinUi::DialogSession& session) {
    const std::size_t entryIndex = m_transcript.Entries().size();
    {
        TranscriptEntry entry{ShownKind::Dialog};
        entry.owner = session.Owner();
        entry.caption = session.Template().caption;
        entry.controlsShown = session.Controls();
        m_transcript.Add(std::move(entry));
    }
    std::vector<KestrinUi::ControlState> atClose;
    while (!session.IsEnded()) {
        if (m_actions.empty() || !m_actions.front().IsDialogAction()) {
            // The queue holds the answers given for this command only: an empty one says
            // nothing of whether the script goes on.
            Note(m_actions.empty() ? std::wstring(L"the dialog \"") + session.Template().caption +
                                         L"\" was not answered: Cancel"
                                   : L"the script's next action (" + m_actions.front().Describe() +
                                         L") does not answer a dialog: Cancel");
            atClose = session.Controls();
            session.Cancel();
            break;
        }
        const ScriptAction action = m_actions.front();
        m_actions.pop_front();
        if (action.kind == ScriptActionKind::DialogOk ||
            action.kind == ScriptActionKind::DialogCancel) {
            atClose = session.Controls();
            const bool bDelivered =
                action.kind == ScriptActionKind::DialogOk ? session.Ok() : session.Cancel();
            if (!bDelivered) {
                Note(L"the dialog refused " + action.Describe());
            }
        } else if (!ApplyControlAction(session, action)) {
            Note(L"the dialog refused " + action.Describe());
        }
    }
    TranscriptEntry& entry = m_transcript.EntryAt(entryIndex);
    entry.controlsAtClose = std::move(atClose);
    entry.result = session.Result();
}

std::optional<std::wstring>
ScriptedUi::ShowFileDialog(const KestrinUi::FileDialogRequest& request) {
    TranscriptEntry entry{ShownKind::FileDialog};
    entry.owner = request.owner;
    entry.fileRequest = request;
    if (!m_actions.empty() && m_actions.front().kind == ScriptActionKind::FilePath) {
        entry.path = m_actions.front().text;
        m_actions.pop_front();
    } else if (!m_actions.empty() && m_actions.front().kind == ScriptActionKind::FileCancel) {
        m_actions.pop_front();
    } else {
        Note(m_actions.empty() ? L"the file dialog was not answered: Cancel"
                               : L"the script's next action (" + m_actions.front().Describe() +
                                     L") does not answer a file dialog: Cancel");
    }
    std::optional<std::wstring> answer = entry.path;
    m_transcript.Add(std::move(entry));
    return answer;
}

void ScriptedUi::ShowAbout(const KestrinUi::AboutRequest& request) {
    TranscriptEntry entry{ShownKind::About};
    entry.owner = request.owner;
    entry.text = request.title;
    m_transcript.Add(std::move(entry));
}

} // namespace KestrinHost
