#pragma once
// What the window has to do after an event of the popup button's state machine. Built by named
// constructors and chained additions, read through getters; the window carries the parts out in
// the order of the getters below, the click last (it may end the window).
#include <cstdint>

namespace tv {

enum class Repaint : std::uint8_t { None, Later, Now };
enum class CaptureChange : std::uint8_t { Keep, Take, Release };
enum class ClickTarget : std::uint8_t { None, Body, Arrow };

class PressOutcome {
public:
    static PressOutcome Nothing() { return PressOutcome(); }
    static PressOutcome RepaintLater() { return PressOutcome().WithRepaint(Repaint::Later); }
    static PressOutcome RepaintNow() { return PressOutcome().WithRepaint(Repaint::Now); }
    static PressOutcome Click(ClickTarget target) { return PressOutcome().ThenClick(target); }

    PressOutcome TakingCapture() const { return WithCapture(CaptureChange::Take); }
    PressOutcome ReleasingCapture() const { return WithCapture(CaptureChange::Release); }
    PressOutcome AnnouncingToGroup() const {
        PressOutcome o = *this;
        o.announce_group_ = true;
        return o;
    }
    PressOutcome LeavingPointer() const {
        PressOutcome o = *this;
        o.pointer_left_ = true;
        return o;
    }
    PressOutcome ReevaluatingHover() const {
        PressOutcome o = *this;
        o.reevaluate_hover_ = true;
        return o;
    }
    PressOutcome ThenClick(ClickTarget target) const {
        PressOutcome o = *this;
        o.click_ = target;
        return o;
    }
    PressOutcome WithRepaint(Repaint kind) const {
        PressOutcome o = *this;
        if (kind > o.repaint_) o.repaint_ = kind;
        return o;
    }
    PressOutcome WithCapture(CaptureChange change) const {
        PressOutcome o = *this;
        if (change != CaptureChange::Keep) o.capture_ = change;
        return o;
    }
    // Both outcomes' parts; where both ask for a capture change or a click, the other's wins.
    PressOutcome And(const PressOutcome& other) const {
        PressOutcome o = WithRepaint(other.repaint_).WithCapture(other.capture_);
        o.announce_group_ = announce_group_ || other.announce_group_;
        o.pointer_left_ = pointer_left_ || other.pointer_left_;
        o.reevaluate_hover_ = reevaluate_hover_ || other.reevaluate_hover_;
        if (other.click_ != ClickTarget::None) o.click_ = other.click_;
        return o;
    }

    Repaint Repaints() const { return repaint_; }
    bool AnnouncesToGroup() const { return announce_group_; }
    CaptureChange Capture() const { return capture_; }
    bool LeavesPointer() const { return pointer_left_; }
    bool ReevaluatesHover() const { return reevaluate_hover_; }
    ClickTarget Clicks() const { return click_; }

    friend bool operator==(const PressOutcome&, const PressOutcome&) = default;

private:
    PressOutcome() = default;

    Repaint repaint_ = Repaint::None;
    bool announce_group_ = false;
    CaptureChange capture_ = CaptureChange::Keep;
    bool pointer_left_ = false;
    bool reevaluate_hover_ = false;
    ClickTarget click_ = ClickTarget::None;
};

}  // namespace tv
