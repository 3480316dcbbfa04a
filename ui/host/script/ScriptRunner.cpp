#include "ui/host/script/ScriptRunner.h"

#include <charconv>

#include "ui/Application.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Memo.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"
#include "ui/host/FormRenderer.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostUser.h"

namespace vx::ui::script {

namespace {

std::optional<platform::MsgAnswer> AnswerByName(const std::string& name)
{
    using platform::MsgAnswer;
    const std::pair<const char*, MsgAnswer> answers[] = {{"yes", MsgAnswer::Yes},
                                                         {"no", MsgAnswer::No},
                                                         {"ok", MsgAnswer::Ok},
                                                         {"cancel", MsgAnswer::Cancel},
                                                         {"retry", MsgAnswer::Retry}};
    for (const auto& [answerName, answer] : answers)
        if (name == answerName)
            return answer;
    return std::nullopt;
}

// What "expect text" compares: the typed text of an edit, the caption otherwise.
std::string TextOf(Control& control)
{
    if (auto* edit = dynamic_cast<Edit*>(&control))
        return edit->Text();
    if (auto* memo = dynamic_cast<Memo*>(&control))
        return memo->Text();
    if (auto* combo = dynamic_cast<ComboBox*>(&control))
        return combo->Text();
    if (auto* spin = dynamic_cast<SpinBox*>(&control))
        return spin->Text();
    return control.Caption();
}

}  // namespace

void RequireWords(const ScriptLine& line, std::size_t count, bool atLeast)
{
    std::size_t have = line.words.size();
    if (have == count || (atLeast && have > count))
        return;
    throw ScriptError(line, "\"" + line.words.front() + "\" takes " + std::to_string(count - 1) +
                                (atLeast ? " or more" : "") + " argument" + (count == 2 ? "" : "s"));
}

long ParseNumber(const ScriptLine& line, const std::string& word)
{
    long value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < 0)
        throw ScriptError(line, "not a number: " + word);
    return value;
}

ScriptRunner::ScriptRunner(HostBackend& backend, HostUser& user, ScriptExtension& extension, std::string shotsDir)
    : backend_(backend), user_(user), extension_(extension), shotsDir_(std::move(shotsDir))
{
}

void ScriptRunner::Schedule(const std::vector<ScriptLine>& lines)
{
    lines_ = lines;
    next_ = 0;
    ScheduleNext();
}

// Each command is queued when the one before it starts, so a wait counts from
// that moment (a message box read on the way takes its time) and the command is
// already due when the one before opens a modal window.
void ScriptRunner::ScheduleNext()
{
    unsigned pending = 0;
    while (next_ < lines_.size() && lines_[next_].words.front() == "wait") {
        const ScriptLine& line = lines_[next_++];
        RequireWords(line, 2);
        pending += static_cast<unsigned>(ParseNumber(line, line.words[1]));
    }
    if (next_ < lines_.size()) {
        const ScriptLine& line = lines_[next_++];
        backend_.Then(pending, [this, &line] { Start(line); });
    } else if (pending) {
        // A closing wait still lets its time pass.
        backend_.Then(pending, [] {});
    }
}

// A person acts after the program has answered the last action: a command that
// falls due while the one before still runs (its handler handling messages)
// waits, unless that one opened a modal window, which now waits for input.
void ScriptRunner::Start(const ScriptLine& line)
{
    const std::size_t depth = ModalDepth();
    if (busy_ && depth <= busyDepth_) {
        backend_.Then(1, [this, &line] { Start(line); });
        return;
    }
    ScheduleNext();
    struct Busy {
        ScriptRunner& runner;
        bool wasBusy;
        std::size_t wasDepth;
        ~Busy()
        {
            runner.busy_ = wasBusy;
            runner.busyDepth_ = wasDepth;
        }
    } restore{*this, busy_, busyDepth_};
    busy_ = true;
    busyDepth_ = depth;
    Run(line);
}

std::size_t ScriptRunner::ModalDepth()
{
    Application* app = platform::CurrentService<Application>::Installed();
    return app ? app->ModalDepth() : 0;
}

const ScriptLine* ScriptRunner::NotRun() const
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (&lines_[i] == current_)
            return i + 1 < lines_.size() ? &lines_[i + 1] : nullptr;
    return lines_.empty() ? nullptr : &lines_.front();
}

Control& ScriptRunner::ControlNamed(const ScriptLine& line, const std::string& name) const
{
    Control* control = user_.Lookup(name);
    if (!control)
        throw ScriptError(line, "no control named " + name);
    return *control;
}

void ScriptRunner::Run(const ScriptLine& line)
{
    current_ = &line;
    const std::string& verb = line.words.front();
    try {
        if (verb == "close") {
            RequireWords(line, 1);
            user_.CloseActiveWindow();
        } else if (verb == "click") {
            RequireWords(line, 2);
            Control& control = ControlNamed(line, line.words[1]);
            if (!user_.CanReach(control))
                throw ScriptError(line, line.words[1] + " cannot be reached");
            user_.Click(control);
        } else if (verb == "menu") {
            RequireWords(line, 2);
            backend_.ChooseMenuItem(line.words[1]);
        } else if (verb == "answer") {
            RequireWords(line, 2);
            auto answer = AnswerByName(line.words[1]);
            if (!answer)
                throw ScriptError(line, "unknown answer " + line.words[1]);
            backend_.AnswerMessageBox(*answer);
        } else if (verb == "type") {
            RequireWords(line, 2, true);
            user_.Type(ControlNamed(line, line.words[1]), line.RestAfter(2));
        } else if (verb == "choose") {
            RequireWords(line, 3);
            user_.Choose(ControlNamed(line, line.words[1]), static_cast<int>(ParseNumber(line, line.words[2])));
        } else if (verb == "spin") {
            RequireWords(line, 3);
            auto* spin = dynamic_cast<SpinBox*>(&ControlNamed(line, line.words[1]));
            if (!spin || (line.words[2] != "up" && line.words[2] != "down"))
                throw ScriptError(line, "spin takes a spin box and up or down");
            user_.Spin(*spin, line.words[2] == "up" ? 1 : -1);
        } else if (verb == "expect") {
            Expect(line);
        } else if (verb == "shot") {
            Shot(line);
        } else if (!extension_.Command(line, *this)) {
            throw ScriptError(line, "unknown command " + verb);
        }
    } catch (const ScriptError&) {
        throw;
    } catch (const std::logic_error& error) {
        // The host's refusals (a control not showing, a menu item not offered).
        throw ScriptError(line, error.what());
    }
}

void ScriptRunner::Expect(const ScriptLine& line)
{
    RequireWords(line, 3, true);
    const std::string& what = line.words[1];
    if (what == "flag") {
        RequireWords(line, 4);
        auto state = extension_.Flag(line.words[2]);
        if (!state)
            throw ScriptError(line, "unknown flag " + line.words[2]);
        if (line.words[3] != "on" && line.words[3] != "off")
            throw ScriptError(line, "a flag is on or off");
        if (*state != (line.words[3] == "on"))
            throw ScriptError(line, "expected " + line.words[2] + " " + line.words[3]);
        return;
    }
    Control& control = ControlNamed(line, line.words[2]);
    if (what == "text") {
        std::string expected = line.RestAfter(3);
        std::string actual = TextOf(control);
        if (actual != expected)
            throw ScriptError(line, "text of " + line.words[2] + " is \"" + actual + "\", expected \"" + expected + "\"");
        return;
    }
    RequireWords(line, 3);
    bool holds = false;
    if (what == "visible" || what == "hidden") {
        holds = control.IsShowing() == (what == "visible");
    } else if (what == "enabled" || what == "disabled") {
        holds = control.IsEnabledInTree() == (what == "enabled");
    } else if (what == "checked" || what == "unchecked") {
        std::optional<bool> checked;
        if (auto* box = dynamic_cast<CheckBox*>(&control))
            checked = box->Checked();
        else if (auto* radio = dynamic_cast<RadioButton*>(&control))
            checked = radio->Checked();
        else
            checked = extension_.Checked(control);
        if (!checked)
            throw ScriptError(line, line.words[2] + " cannot be checked");
        holds = *checked == (what == "checked");
    } else {
        throw ScriptError(line, "unknown expectation " + what);
    }
    if (!holds)
        throw ScriptError(line, "expected " + line.words[2] + " " + what);
}

void ScriptRunner::Shot(const ScriptLine& line)
{
    RequireWords(line, 2);
    if (shotsDir_.empty())
        throw ScriptError(line, "shot needs --shots DIR");
    std::string name = line.words[1];
    if (name.size() > 4 && name.substr(name.size() - 4) == ".bmp")
        name.resize(name.size() - 4);
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos || name.find("..") != std::string::npos)
        throw ScriptError(line, "a shot is a plain file name");
    if (SaveRendering(RenderScreen(backend_), shotsDir_, name).empty())
        throw ScriptError(line, "cannot save the shot " + name);
}

}  // namespace vx::ui::script
