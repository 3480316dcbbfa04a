#pragma once
// The program's application object: the title, the forms, the message loop,
// message boxes and the hint settings. One exists while a program (or a test)
// runs; forms created meanwhile belong to it. While it exists, the message boxes
// of the whole program (platform::ShowMessageBox) go through it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/CurrentService.h"
#include "ui/Backend.h"
#include "ui/HintController.h"

namespace vx::ui {

class Control;
class Form;
class HintWindow;

using HintWindowFactory = std::function<std::unique_ptr<HintWindow>()>;

class Application : private DispatchListener, private platform::MessageBoxes {
public:
    explicit Application(Backend& backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application that is running; throws std::logic_error when there is none.
    static Application& Current();

    Backend& GetBackend() { return backend_; }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    // The first form created; nullptr once it is gone.
    Form* MainForm() const { return mainForm_; }
    // Forms made here live as long as the application.
    template <class F, class... Args>
    F& CreateForm(Args&&... args);

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    // Dispatches one message, waiting for one if none is pending.
    void HandleMessage();
    // Dispatches every pending message, then returns.
    void ProcessMessages();
    // Ends Run and every modal run (with Cancel) as soon as control returns to them.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // A standard message box owned by the active form, captioned with the title
    // unless the request has a caption of its own. While it is open no form takes
    // input; timers keep running.
    platform::MsgAnswer ShowMessageBox(const platform::MessageRequest& request);
    // The form at the top of the modal runs, else the one whose window is active.
    Form* ActiveForm() const;

    // Waits without processing messages: really on Windows, on the virtual clock on the host.
    void Sleep(unsigned milliseconds) { backend_.Sleep(milliseconds); }
    std::uint64_t NowMs() { return backend_.NowMs(); }

    // Hints: delay before a hint shows, how long it stays, whether hints show at
    // all, and the class of the window that shows them.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    bool ShowHint() const { return showHint_; }
    // Switching hints on again makes a new hint window of the current class.
    void SetShowHint(bool show);
    void SetHintWindowClass(HintWindowFactory factory) { hintWindowClass_ = std::move(factory); }
    // The hint window while hints are on; made on first use.
    HintWindow* GetHintWindow();
    HintController& Hints() { return *hints_; }
    // A control or form is going away: nothing may keep pointing at it.
    void ControlGone(const Control& subtree)
    {
        if (hints_)
            hints_->Forget(subtree);
    }

    // Takes over a form made with MakeForm, as if CreateForm had made it.
    Form& Adopt(std::unique_ptr<Form> form);
    // Destroys a form of the application once the event being handled has
    // returned (Form::Release).
    void Release(Form& form);

    // Bookkeeping of forms and modal runs, used by Form.
    void AddForm(Form& form, bool canBeMainForm);
    void RemoveForm(Form& form);
    const std::vector<Form*>& Forms() const { return forms_; }
    void BeginModal(Form& form);
    void EndModal(Form& form);
    // The form of the innermost modal run; nullptr also while a message box is open.
    Form* TopModal() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
    // Something runs modally: a form, or a message box (no form takes input).
    bool ModalRunning() const { return !modalStack_.empty(); }
    // How many modal runs are nested now.
    std::size_t ModalDepth() const { return modalStack_.size(); }

private:
    struct PendingRelease {
        Form* form;
        int depth;  // of the message that asked for it
    };

    void NotifyInputChanged();
    void MessageStarting() override;
    void MessageDone() override;
    void Housekeeping();
    void CarryOutReleases();
    platform::MsgAnswer Show(const platform::MessageRequest& request) override { return ShowMessageBox(request); }

    Backend& backend_;
    // Destroyed last: the forms' destructors still reach the application.
    platform::ScopedService<Application> current_;
    platform::ScopedService<platform::MessageBoxes> boxes_;
    DispatchListener* previousListener_ = nullptr;
    int depth_ = 0;  // messages being dispatched, one inside the other
    std::vector<PendingRelease> releases_;
    std::string title_;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    std::vector<std::unique_ptr<Form>> ownedForms_;
    std::vector<Form*> modalStack_;  // nullptr: a message box
    bool terminated_ = false;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    bool showHint_ = true;
    HintWindowFactory hintWindowClass_;
    std::unique_ptr<HintWindow> hintWindow_;
    std::unique_ptr<HintController> hints_ = std::make_unique<HintController>(*this);
};

}  // namespace vx::ui

#include "ui/Form.h"

namespace vx::ui {

template <class F, class... Args>
F& Application::CreateForm(Args&&... args)
{
    std::unique_ptr<F> form = MakeForm<F>(std::forward<Args>(args)...);
    F& ref = *form;
    ownedForms_.push_back(std::move(form));
    return ref;
}

}  // namespace vx::ui
