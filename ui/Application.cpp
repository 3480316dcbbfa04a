#include "ui/Application.h"

#include <algorithm>
#include <stdexcept>

#include "ui/HintWindow.h"

namespace vx::ui {

namespace {

Application*& CurrentSlot()
{
    static Application* current = nullptr;
    return current;
}

}  // namespace

Application::Application(Backend& backend) : backend_(backend), previous_(CurrentSlot())
{
    CurrentSlot() = this;
}

Application::~Application()
{
    // Forms first: their controls tell the hint controller that they go away.
    ownedForms_.clear();
    hintWindow_.reset();
    hints_.reset();
    for (Form* form : forms_)
        form->app_ = nullptr;
    CurrentSlot() = previous_;
}

Application& Application::Current()
{
    if (!CurrentSlot())
        throw std::logic_error("No application is running");
    return *CurrentSlot();
}

void Application::SetTitle(std::string title)
{
    title_ = std::move(title);
    backend_.SetApplicationTitle(title_);
}

void Application::Run()
{
    if (mainForm_ && !terminated_)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void Application::HandleMessage()
{
    backend_.DispatchNext(true);
}

void Application::ProcessMessages()
{
    while (!terminated_ && backend_.DispatchNext(false)) {
    }
}

void Application::Terminate()
{
    terminated_ = true;
    backend_.RequestQuit();
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

void Application::AddForm(Form& form, bool canBeMainForm)
{
    forms_.push_back(&form);
    if (!mainForm_ && canBeMainForm)
        mainForm_ = &form;
}

void Application::RemoveForm(Form& form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
    if (mainForm_ == &form)
        mainForm_ = nullptr;
}

void Application::BeginModal(Form& form)
{
    modalStack_.push_back(&form);
    NotifyInputChanged();
}

void Application::EndModal(Form& form)
{
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
    NotifyInputChanged();
}

void Application::NotifyInputChanged()
{
    for (Form* form : forms_)
        form->InputChanged();
}

}  // namespace vx::ui
