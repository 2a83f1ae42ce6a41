#pragma once
// How the flow talks to the person at the machine: a box for each, or, for a
// deployment where no one is there to click, nothing at all. The flow never asks
// which one it has.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

enum class Answer {
    Yes,
    No,
    NotAsked,  // no one to ask: taken as Yes
};

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // The question. A question that cannot be put raises EOSError: no answer is
    // taken for one nobody gave.
    virtual Answer Ask(const std::u16string& question) = 0;
    // A notice under the installer's caption, in the box style given.
    virtual void Tell(const std::u16string& text, std::uint32_t style) = 0;
    // The failure report's text (UTF-8).
    virtual void ReportFailure(const std::string& report) = 0;
};

// Message boxes, with no owner window.
class InteractiveUserInterface : public UserInterface {
public:
    explicit InteractiveUserInterface(Platform& platform) : platform_(platform) {}
    Answer Ask(const std::u16string& question) override;
    void Tell(const std::u16string& text, std::uint32_t style) override;
    void ReportFailure(const std::string& report) override;

private:
    Platform& platform_;
};

// No box ever: the rest goes only to the log and the exit code.
class QuietUserInterface : public UserInterface {
public:
    Answer Ask(const std::u16string&) override { return Answer::NotAsked; }
    void Tell(const std::u16string&, std::uint32_t) override {}
    void ReportFailure(const std::string&) override {}
};

}  // namespace velkaris
