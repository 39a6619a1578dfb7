// While the view copies the model's state into a window, Windows reports
// some of those changes as if the user had made them (an edit's EN_CHANGE
// after WM_SETTEXT, for one). Those reports must not go back to the model:
// it would run its Change handlers a second time.
#pragma once

namespace quintel::win32 {

class Echo {
public:
    // True while the view is mirroring: notifications now are echoes.
    bool Suppressed() const { return depth_ > 0; }

private:
    friend class EchoGuard;
    int depth_ = 0;
};

// Marks a stretch of mirroring; nests.
class EchoGuard {
public:
    explicit EchoGuard(Echo& echo) : echo_(echo) { ++echo_.depth_; }
    ~EchoGuard() { --echo_.depth_; }
    EchoGuard(const EchoGuard&) = delete;
    EchoGuard& operator=(const EchoGuard&) = delete;

private:
    Echo& echo_;
};

}  // namespace quintel::win32
