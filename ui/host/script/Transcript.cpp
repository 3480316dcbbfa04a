#include "ui/host/script/Transcript.h"

#include "ui/Form.h"
#include "ui/PopupMenu.h"

namespace vx::ui::script {

Transcript::Transcript(HostBackend& backend, Sink sink) : backend_(backend), sink_(std::move(sink))
{
    backend_.AddListener(*this);
}

Transcript::~Transcript()
{
    backend_.RemoveListener(*this);
}

void Transcript::Event(std::string_view name, std::string_view args)
{
    std::string line = std::to_string(backend_.NowMs()) + " " + std::string(name);
    if (!args.empty())
        line += " " + std::string(args);
    sink_(line);
}

std::string Transcript::Quote(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\r': quoted += "\\r"; break;
        case '\n': quoted += "\\n"; break;
        default: quoted += c;
        }
    }
    return quoted + "\"";
}

void Transcript::FormShown(Form& form)
{
    Event("show", form.Name());
}

void Transcript::FormHidden(Form& form)
{
    Event("hide", form.Name());
}

void Transcript::ModalEnded(Form& form, ModalResult result)
{
    Event("modal-end", form.Name() + " " + ResultName(result));
}

void Transcript::MessageBoxAnswered(const HostMessageBox& box)
{
    Event("messagebox", Quote(box.request.caption) + " " + Quote(box.request.text) + " -> " + AnswerName(box.answer));
}

void Transcript::MenuShown(const PopupMenu& menu, const std::string& chosen)
{
    Event("menu", menu.Name() + " -> " + (chosen.empty() ? std::string("none") : chosen));
}

std::string AnswerName(platform::MsgAnswer answer)
{
    return ResultName(static_cast<ModalResult>(static_cast<int>(answer)));
}

std::string ResultName(ModalResult result)
{
    switch (result) {
    case ModalResult::None: return "none";
    case ModalResult::Ok: return "ok";
    case ModalResult::Cancel: return "cancel";
    case ModalResult::Abort: return "abort";
    case ModalResult::Retry: return "retry";
    case ModalResult::Ignore: return "ignore";
    case ModalResult::Yes: return "yes";
    case ModalResult::No: return "no";
    }
    return std::to_string(static_cast<int>(result));
}

}  // namespace vx::ui::script
