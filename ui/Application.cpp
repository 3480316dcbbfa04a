#include "ui/Application.h"

#include <algorithm>
#include <stdexcept>

#include "ui/HintWindow.h"

namespace vx::ui {

Application::Application(Backend& backend)
    : backend_(backend), current_(*this), boxes_(*this), previousListener_(backend.SetDispatchListener(this))
{
}

Application::~Application()
{
    // Forms first: their controls tell the hint controller that they go away.
    releases_.clear();
    ownedForms_.clear();
    hintWindow_.reset();
    hints_.reset();
    for (Form* form : forms_)
        form->app_ = nullptr;
    backend_.SetDispatchListener(previousListener_);
}

Application& Application::Current()
{
    Application* current = platform::CurrentService<Application>::Installed();
    if (!current)
        throw std::logic_error("No application is running");
    return *current;
}

void Application::SetTitle(std::string title)
{
    title_ = std::move(title);
    backend_.SetApplicationTitle(title_);
}

void Application::Run()
{
    if (mainForm_ && !terminated_) {
        // The main form's show step is the first event of the program.
        MessageStarting();
        mainForm_->Show();
        MessageDone();
    }
    while (!terminated_)
        HandleMessage();
}

void Application::HandleMessage()
{
    Housekeeping();
    backend_.DispatchNext(true);
}

void Application::ProcessMessages()
{
    Housekeeping();
    while (!terminated_ && backend_.DispatchNext(false)) {
    }
}

void Application::Terminate()
{
    terminated_ = true;
    backend_.RequestQuit();
}

platform::MsgAnswer Application::ShowMessageBox(const platform::MessageRequest& request)
{
    platform::MessageRequest box = request;
    if (box.caption.empty())
        box.caption = title_;
    Form* owner = ActiveForm();
    // On the modal stack for as long as it is open, whatever ends it.
    struct BoxScope {
        Application& app;
        explicit BoxScope(Application& a) : app(a)
        {
            app.modalStack_.push_back(nullptr);
            app.NotifyInputChanged();
        }
        ~BoxScope()
        {
            const auto box = std::find(app.modalStack_.rbegin(), app.modalStack_.rend(), nullptr);
            if (box != app.modalStack_.rend())
                app.modalStack_.erase(std::next(box).base());
            app.NotifyInputChanged();
        }
        BoxScope(const BoxScope&) = delete;
        BoxScope& operator=(const BoxScope&) = delete;
    };
    const LifeWatch ownerAlive = owner ? owner->Life() : LifeWatch();
    platform::MsgAnswer answer;
    {
        BoxScope scope(*this);
        answer = backend_.ShowMessageBox(box, owner);
    }
    // The owner was disabled with the other forms while the box was open, so the
    // window system may have handed the activation elsewhere: it goes back.
    if (ownerAlive.Alive() && owner->Visible() && owner->Peer())
        owner->Peer()->BringToFront();
    return answer;
}

Form* Application::ActiveForm() const
{
    if (Form* top = TopModal())
        return top;
    if (ModalRunning())
        return nullptr;
    return backend_.ActiveForm();
}

void Application::SetShowHint(bool show)
{
    if (show == showHint_)
        return;
    showHint_ = show;
    hints_->PointerOver(nullptr);
    hintWindow_.reset();
}

HintWindow* Application::GetHintWindow()
{
    if (!showHint_)
        return nullptr;
    if (!hintWindow_)
        hintWindow_ = hintWindowClass_ ? hintWindowClass_() : std::make_unique<HintWindow>();
    return hintWindow_.get();
}

Form& Application::Adopt(std::unique_ptr<Form> form)
{
    Form& ref = *form;
    ownedForms_.push_back(std::move(form));
    return ref;
}

void Application::Release(Form& form)
{
    const bool owned = std::any_of(ownedForms_.begin(), ownedForms_.end(),
                                   [&](const std::unique_ptr<Form>& f) { return f.get() == &form; });
    if (!owned)
        throw std::logic_error("Only a form of the application can be released: " + form.Name());
    const bool pending = std::any_of(releases_.begin(), releases_.end(),
                                     [&](const PendingRelease& r) { return r.form == &form; });
    if (pending)
        return;
    if (form.IsModal() && form.GetModalResult() == ModalResult::None)
        form.SetModalResult(ModalResult::Cancel);
    releases_.push_back({&form, depth_});
}

void Application::MessageStarting()
{
    Housekeeping();
    ++depth_;
}

// Before each message: released forms that are due go, new native controls get
// their windows.
void Application::Housekeeping()
{
    CarryOutReleases();
    for (Form* form : std::vector<Form*>(forms_))
        form->AttachQueued();
}

void Application::MessageDone()
{
    --depth_;
    CarryOutReleases();
}

// A release waits until the message that asked for it is done (one asked for
// outside any message: until the next turn of the loop), and a modal form until
// its run has ended.
void Application::CarryOutReleases()
{
    for (std::size_t i = 0; i < releases_.size();) {
        const PendingRelease r = releases_[i];
        const bool due = r.depth == 0 ? depth_ == 0 : depth_ < r.depth;
        if (!due || r.form->IsModal()) {
            ++i;
            continue;
        }
        releases_.erase(releases_.begin() + static_cast<std::ptrdiff_t>(i));
        const auto it = std::find_if(ownedForms_.begin(), ownedForms_.end(),
                                     [&](const std::unique_ptr<Form>& f) { return f.get() == r.form; });
        if (it != ownedForms_.end()) {
            std::unique_ptr<Form> gone = std::move(*it);
            ownedForms_.erase(it);
            gone.reset();
        }
        i = 0;  // the destruction may have changed the list
    }
}

void Application::AddForm(Form& form, bool canBeMainForm)
{
    forms_.push_back(&form);
    if (!mainForm_ && canBeMainForm)
        mainForm_ = &form;
}

void Application::RemoveForm(Form& form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    std::erase_if(releases_, [&](const PendingRelease& r) { return r.form == &form; });
    const auto modal = std::find(modalStack_.begin(), modalStack_.end(), &form);
    const bool wasModal = modal != modalStack_.end();
    if (wasModal)
        modalStack_.erase(modal);
    if (mainForm_ == &form)
        mainForm_ = nullptr;
    for (Form* other : forms_) {
        if (other->owner_ == &form)
            other->owner_ = nullptr;
    }
    if (wasModal)
        NotifyInputChanged();
}

void Application::BeginModal(Form& form)
{
    modalStack_.push_back(&form);
    NotifyInputChanged();
}

// A release asked for during the run now waits for the event that started it.
void Application::EndModal(Form& form)
{
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
    for (PendingRelease& r : releases_) {
        if (r.form == &form)
            r.depth = depth_;
    }
    NotifyInputChanged();
}

void Application::NotifyInputChanged()
{
    for (Form* form : forms_)
        form->InputChanged();
}

}  // namespace vx::ui
