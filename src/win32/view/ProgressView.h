// A progress bar: the common controls' PROGRESS_CLASS, its range and
// position taken from the model. The user cannot change it.
#pragma once

#include "win32/view/ControlView.h"

namespace quintel::win32 {

class ProgressView final : public ControlView {
public:
    ProgressView(forms::ProgressBar& model, const ViewContext& context)
        : ControlView(model, context), bar_(model) {}
    void Mirror() override;

protected:
    Kind WindowKind() const override;

private:
    forms::ProgressBar& bar_;
};

}  // namespace quintel::win32
