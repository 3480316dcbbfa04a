#pragma once
// The host backend's windows. The portable objects hold all state, so the peers
// keep only what a window system would: z-order, capture, invalid areas.
#include "ui/Backend.h"
#include "ui/Geometry.h"

namespace vx::ui {

class Form;
class HostBackend;
class NativeControl;

class HostFormPeer : public FormPeer {
public:
    HostFormPeer(HostBackend& backend, Form& form);
    ~HostFormPeer() override;
    HostFormPeer(const HostFormPeer&) = delete;
    HostFormPeer& operator=(const HostFormPeer&) = delete;

    void Update(Change change) override;
    void Invalidate(const Rect& area) override;
    void PaintNow() override;
    void SetCapture(bool captured) override { captured_ = captured; }
    Point ClientOrigin() const override;
    void BringToFront() override;

    Form& GetForm() const { return form_; }
    bool Captured() const { return captured_; }
    bool HasInvalidArea() const { return !invalid_.IsEmpty(); }
    int PaintCount() const { return paints_; }
    // Whether a screen point lies on the window (its client area and region).
    bool Hits(Point screen) const;

private:
    void FollowWindowState();

    HostBackend& backend_;
    Form& form_;
    bool captured_ = false;
    Rect invalid_;
    int paints_ = 0;
};

class HostControlPeer : public ControlPeer {
public:
    explicit HostControlPeer(NativeControl& control) : control_(control) {}
    void Update(Change change) override;

    NativeControl& Target() const { return control_; }
    int UpdateCount() const { return updates_; }

private:
    NativeControl& control_;
    int updates_ = 0;
};

}  // namespace vx::ui
