#pragma once
// Plays a script over the host backend: every command becomes a scripted action
// in its turn, so answers to message boxes and menu choices are queued just
// before the input that brings them up, and expectations are checked at the
// moment they stand in the script. "wait MS" lets virtual time pass before the
// next command.
//
// Commands every program has: close, click NAME, menu NAME, answer yes|no|ok|
// cancel|retry, type NAME TEXT, choose NAME INDEX, spin NAME up|down, wait MS,
// expect visible|hidden|enabled|disabled|checked|unchecked NAME, expect text
// NAME TEXT, shot FILE. A program adds its own through ScriptExtension.
#include <optional>
#include <string>
#include <vector>

#include "ui/host/script/Script.h"

namespace vx::ui {
class Control;
class HostBackend;
class HostUser;
}  // namespace vx::ui

namespace vx::ui::script {

class ScriptRunner;

// What a program adds to the command language.
class ScriptExtension {
public:
    virtual ~ScriptExtension() = default;
    // Carries out a command the runner does not know; false when the program does
    // not know it either. Throw ScriptError when it cannot be carried out.
    virtual bool Command(const ScriptLine&, ScriptRunner&) { return false; }
    // "expect flag NAME on|off": the flag's state, nullopt for an unknown name.
    virtual std::optional<bool> Flag(const std::string&) { return std::nullopt; }
    // "expect checked|unchecked": for controls the runner does not know (skinned
    // check boxes); nullopt when the control has no checked state.
    virtual std::optional<bool> Checked(Control&) { return std::nullopt; }
};

class ScriptRunner {
public:
    ScriptRunner(HostBackend& backend, HostUser& user, ScriptExtension& extension, std::string shotsDir = {});

    // Queues the lines on the backend's script, each due after the waits before it.
    void Schedule(const std::vector<ScriptLine>& lines);

    // The line being carried out or the last one carried out; nullptr before the
    // first. Errors that come out of the program (a message box with no answer)
    // are reported at this line.
    const ScriptLine* Current() const { return current_; }
    // The first line not yet carried out; nullptr when all were.
    const ScriptLine* NotRun() const;

    HostBackend& Backend() { return backend_; }
    HostUser& User() { return user_; }
    // The named control of the topmost window taking input, showing or not; a
    // ScriptError when there is none.
    Control& ControlNamed(const ScriptLine& line, const std::string& name) const;

private:
    void ScheduleNext();
    void Start(const ScriptLine& line);
    static std::size_t ModalDepth();
    void Run(const ScriptLine& line);
    void Expect(const ScriptLine& line);
    void Shot(const ScriptLine& line);

    HostBackend& backend_;
    HostUser& user_;
    ScriptExtension& extension_;
    std::string shotsDir_;
    std::vector<ScriptLine> lines_;
    std::size_t next_ = 0;
    bool busy_ = false;
    std::size_t busyDepth_ = 0;
    const ScriptLine* current_ = nullptr;
};

// The words a command needs: a ScriptError unless the line has exactly `count`
// words (at least `count` when atLeast is set).
void RequireWords(const ScriptLine& line, std::size_t count, bool atLeast = false);
// A whole number of the line, or a ScriptError.
long ParseNumber(const ScriptLine& line, const std::string& word);

}  // namespace vx::ui::script
