// Kestrin host program: parsing script lines. Keywords and words are case-insensitive; file
// names are taken as written.
#include "Runs/ScriptAnswer.h"

#include "Session/WideText.h"

#include "KestrinUi/MessageBoxStyle.h"

#include <winuser.h>

#include <cwchar>
#include <sstream>

namespace KestrinApp {

namespace {

using KestrinHost::ScriptAction;

ScriptLine Invalid(const std::wstring& error) {
    ScriptLine line;
    line.kind = ScriptLineKind::Invalid;
    line.error = error;
    return line;
}

ScriptLine Answers(std::vector<ScriptAnswer> answers) {
    ScriptLine line;
    line.kind = ScriptLineKind::Answer;
    line.answers = std::move(answers);
    return line;
}

std::vector<std::wstring> Words(const std::wstring& text) {
    std::wistringstream in(text);
    std::vector<std::wstring> words;
    for (std::wstring word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

bool ParseInt(const std::wstring& text, int* value) {
    if (text.empty()) {
        return false;
    }
    wchar_t* end = nullptr;
    const long parsed = std::wcstol(text.c_str(), &end, 10);
    if (*end != L'\0' || parsed < INT32_MIN || parsed > INT32_MAX) {
        return false;
    }
    *value = static_cast<int>(parsed);
    return true;
}

std::string Narrow(const std::wstring& word) {
    return ToUtf8(word);
}

ScriptLine ParseFile(const std::wstring& answer, const std::wstring& source) {
    if (answer.empty()) {
        return Invalid(L"file: needs a file name or cancel");
    }
    if (UpperCase(answer) == L"CANCEL") {
        return Answers({ScriptAnswer::FromAction(ScriptAction::CancelFile(), source)});
    }
    return Answers({ScriptAnswer::FromAction(ScriptAction::File(answer), source)});
}

ScriptLine ParseOptions(const std::wstring& answer, const std::wstring& source) {
    ImportChoices choices;
    bool bOk = true;
    for (const std::wstring& word : Words(answer)) {
        const std::wstring upper = UpperCase(word);
        const std::size_t equals = word.find(L'=');
        if (upper == L"OK" || upper == L"CANCEL") {
            bOk = upper == L"OK";
            continue;
        }
        if (equals == std::wstring::npos) {
            return Invalid(L"options: unknown word \"" + word + L"\"");
        }
        const std::wstring key = upper.substr(0, equals);
        const std::string value = Narrow(word.substr(equals + 1));
        bool bKnown = false;
        if (key == L"SURFACES") {
            choices.surfaces = SurfaceFromWord(value);
            bKnown = choices.surfaces.has_value();
        } else if (key == L"MESH-TYPE") {
            choices.meshType = MeshFromWord(value);
            bKnown = choices.meshType.has_value();
        } else if (key == L"WARNING") {
            choices.bWarning = SwitchFromWord(value);
            bKnown = choices.bWarning.has_value();
        }
        if (!bKnown) {
            return Invalid(L"options: \"" + word + L"\" is not a choice of the options dialog");
        }
    }
    return Answers({ScriptAnswer::FromChoices(choices, bOk, source)});
}

// One "dialog:" action: click ID, check ID on|off, select ID INDEX, ok, cancel.
bool ParseDialogAction(const std::wstring& text, ScriptAction* action) {
    const std::vector<std::wstring> words = Words(text);
    if (words.empty()) {
        return false;
    }
    const std::wstring verb = UpperCase(words[0]);
    int id = 0;
    if (words.size() == 1 && (verb == L"OK" || verb == L"CANCEL")) {
        *action = verb == L"OK" ? ScriptAction::Ok() : ScriptAction::Cancel();
        return true;
    }
    if (words.size() < 2 || !ParseInt(words[1], &id)) {
        return false;
    }
    if (verb == L"CLICK" && words.size() == 2) {
        *action = ScriptAction::Click(id);
        return true;
    }
    int index = 0;
    if (verb == L"SELECT" && words.size() == 3 && ParseInt(words[2], &index)) {
        *action = ScriptAction::SelectIndex(id, index);
        return true;
    }
    if (verb == L"CHECK" && words.size() == 3) {
        const std::optional<bool> bChecked = SwitchFromWord(Narrow(words[2]));
        if (bChecked) {
            *action = ScriptAction::SetCheck(id, *bChecked);
            return true;
        }
    }
    return false;
}

ScriptLine ParseDialog(const std::wstring& answer) {
    std::vector<ScriptAnswer> answers;
    std::wistringstream in(answer);
    for (std::wstring part; std::getline(in, part, L',');) {
        ScriptAction action = ScriptAction::Ok();
        if (!ParseDialogAction(part, &action)) {
            return Invalid(L"dialog: \"" + Trimmed(part) +
                           L"\" is not click ID, check ID on|off, select ID INDEX, ok or cancel");
        }
        answers.push_back(ScriptAnswer::FromAction(action, L"dialog: " + Trimmed(part)));
    }
    if (answers.empty()) {
        return Invalid(L"dialog: needs at least one action");
    }
    return Answers(std::move(answers));
}

ScriptLine ParseMessage(const std::wstring& answer, const std::wstring& source) {
    if (const int button = KestrinUi::MessageBoxButtonNamed(answer); button != 0) {
        return Answers({ScriptAnswer::FromAction(ScriptAction::Answer(button), source)});
    }
    return Invalid(L"message: \"" + answer + L"\" is not a message box button");
}

} // namespace

ScriptAnswer ScriptAnswer::FromAction(KestrinHost::ScriptAction action, std::wstring source) {
    ScriptAnswer answer;
    answer.kind = Kind::Action;
    answer.action = std::move(action);
    answer.source = std::move(source);
    return answer;
}

ScriptAnswer ScriptAnswer::FromChoices(const ImportChoices& choices, bool bOk,
                                       std::wstring source) {
    ScriptAnswer answer;
    answer.kind = Kind::Choices;
    answer.choices = choices;
    answer.bOk = bOk;
    answer.source = std::move(source);
    return answer;
}

ScriptLine ParseScriptLine(const std::wstring& line) {
    const std::wstring text = Trimmed(line);
    if (text.empty() || text.front() == L';') {
        return {};
    }
    const std::size_t colon = text.find(L':');
    const std::size_t blank = text.find_first_of(L" \t");
    if (colon == std::wstring::npos || (blank != std::wstring::npos && blank < colon)) {
        ScriptLine command;
        command.kind = ScriptLineKind::Command;
        command.text = text;
        return command;
    }
    const std::wstring kind = UpperCase(text.substr(0, colon));
    const std::wstring answer = Trimmed(text.substr(colon + 1));
    if (kind == L"FILE") {
        return ParseFile(answer, text);
    }
    if (kind == L"OPTIONS") {
        return ParseOptions(answer, text);
    }
    if (kind == L"DIALOG") {
        return ParseDialog(answer);
    }
    if (kind == L"MESSAGE") {
        return ParseMessage(answer, text);
    }
    if (kind == L"ABOUT") {
        if (UpperCase(answer) != L"OK") {
            return Invalid(L"about: the about box has only OK");
        }
        ScriptAnswer about;
        about.kind = ScriptAnswer::Kind::AboutOk;
        about.source = text;
        return Answers({about});
    }
    return Invalid(L"\"" + text.substr(0, colon + 1) +
                   L"\" is not an answer kind (file, options, dialog, message, about)");
}

} // namespace KestrinApp
