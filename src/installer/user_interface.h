#pragma once
// How the flow talks to the person at the machine: a box for each, or, for a
// deployment where no one is there to click, nothing at all. The flow never asks
// which one it has.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // The question (Windows-1250 text); true only for Yes.
    virtual bool Ask(const std::string& question) = 0;
    // A notice under the installer's caption (Windows-1250 text, box style).
    virtual void Tell(const std::string& text, std::uint32_t style) = 0;
    // The failure report's text.
    virtual void ReportFailure(const std::string& report) = 0;
};

// Message boxes, with no owner window.
class InteractiveUserInterface : public UserInterface {
public:
    explicit InteractiveUserInterface(Platform& platform) : platform_(platform) {}
    bool Ask(const std::string& question) override;
    void Tell(const std::string& text, std::uint32_t style) override;
    void ReportFailure(const std::string& report) override;

private:
    Platform& platform_;
};

// No box ever: the question counts as answered Yes; the rest goes only to the log
// and the exit code.
class QuietUserInterface : public UserInterface {
public:
    bool Ask(const std::string&) override { return true; }
    void Tell(const std::string&, std::uint32_t) override {}
    void ReportFailure(const std::string&) override {}
};

}  // namespace velkaris
