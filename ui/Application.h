#pragma once
// The program's application object: the title, the forms, the message loop and
// the hint settings. One exists while a program (or a test) runs; forms created
// meanwhile belong to it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Backend.h"
#include "ui/HintController.h"

namespace vx::ui {

class Control;
class Form;
class HintWindow;

using HintWindowFactory = std::function<std::unique_ptr<HintWindow>()>;

class Application {
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

    // Bookkeeping of forms and modal runs, used by Form.
    void AddForm(Form& form, bool canBeMainForm);
    void RemoveForm(Form& form);
    const std::vector<Form*>& Forms() const { return forms_; }
    void BeginModal(Form& form);
    void EndModal(Form& form);
    Form* TopModal() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }

private:
    void NotifyInputChanged();

    Backend& backend_;
    Application* previous_ = nullptr;
    std::string title_;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    std::vector<std::unique_ptr<Form>> ownedForms_;
    std::vector<Form*> modalStack_;
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
