#pragma once
// The transcript of a simulated run: one line per event, "MS EVENT ARGS", with
// MS the virtual time. It hears the windows through the host backend; programs
// add their own events (sounds, tray, restart, shell requests) with Event.
#include <functional>
#include <string>
#include <string_view>

#include "ui/host/HostBackend.h"

namespace vx::ui::script {

class Transcript : public HostListener {
public:
    using Sink = std::function<void(const std::string& line)>;

    // Listens to backend for as long as it lives.
    Transcript(HostBackend& backend, Sink sink);
    ~Transcript() override;
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    void Event(std::string_view name, std::string_view args = {});

    // "TEXT" with the quote, backslash and line breaks escaped (\", \\, \r, \n).
    static std::string Quote(std::string_view text);

    void FormShown(Form& form) override;
    void FormHidden(Form& form) override;
    void ModalEnded(Form& form, ModalResult result) override;
    void MessageBoxAnswered(const HostMessageBox& box) override;
    void MenuShown(const PopupMenu& menu, const std::string& chosen) override;

private:
    HostBackend& backend_;
    Sink sink_;
};

// "yes", "no", "ok", "cancel", ...: the answers and results as the transcript
// and the scripts write them.
std::string AnswerName(platform::MsgAnswer answer);
std::string ResultName(ModalResult result);

}  // namespace vx::ui::script
