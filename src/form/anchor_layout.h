// The layout of a form's anchored controls: which controls follow it (those anchored to
// other edges than left and top; the others stay where the script put them and cost the
// layout nothing), and one batch of moves for each new size of the form's client area.
#pragma once

#include <windows.h>

#include <vector>

namespace mv {

class Control;

class AnchorLayout {
public:
    // The control follows the layout from now on, or no longer does. Controls are borrowed:
    // the form's collection keeps every control of a form for as long as the form.
    void follow(Control& c, bool on);
    bool empty() const { return controls_.empty(); }

    // The client area (pixels, at `dpi`) of a form that is not minimised: every control
    // that follows the layout moves there in one DeferWindowPos batch.
    void layOut(SIZE area, UINT dpi);
    // The client area of the last layout, which the controls' distances are taken in.
    SIZE area() const { return area_; }
    void setArea(SIZE area) { area_ = area; }
    // The form is torn down: its controls are no longer laid out.
    void clear() { controls_.clear(); }

private:
    std::vector<Control*> controls_;
    SIZE area_{};
};

}  // namespace mv
