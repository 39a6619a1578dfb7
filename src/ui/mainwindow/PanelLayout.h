// What the parts of the main window share when they lay out their
// controls: the standard heights in twips, the help texts' colour, and a
// way to hand the window their controls in creation order.
#pragma once

#include <initializer_list>
#include <vector>

#include "ui/forms/Control.h"

namespace quintel {

constexpr int OptionHeight = 255;
constexpr int TextHeight = 285;
constexpr int ListHeight = 315;
constexpr forms::Color HelpTextColor{0, 0, 128};  // dark blue

// A part's controls in the order the window registers them, which is the
// order the view creates them and the tab order. Each is placed in its
// frame or tab page as it is listed.
class PlacedControls {
public:
    // `page` is the tab page when `container` is a tab set.
    PlacedControls& In(forms::Control& container, std::initializer_list<forms::Control*> controls,
                       int page = -1) {
        for (forms::Control* c : controls) {
            c->PlaceIn(container, page);
            list_.push_back(c);
        }
        return *this;
    }
    const std::vector<forms::Control*>& List() const { return list_; }

private:
    std::vector<forms::Control*> list_;
};

}  // namespace quintel
