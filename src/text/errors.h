#pragma once
// The system's errors: a kind name, shown to the user as it stands, and a message.
// Only the failure report catches them.

#include <cstdint>
#include <exception>
#include <string>

namespace velkaris {

class Exception : public std::exception {
public:
    Exception(std::string kindName, std::string message);

    const std::string& KindName() const { return kindName_; }
    const std::string& Message() const { return message_; }
    // Where in the program the error was raised; only ever printed.
    std::uintptr_t RaiseAddress() const { return raiseAddress_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string kindName_;
    std::string message_;
    std::uintptr_t raiseAddress_;
};

#define VELKARIS_ERROR_KIND(Kind)                                           \
    class Kind : public Exception {                                         \
    public:                                                                 \
        explicit Kind(std::string message) : Exception(#Kind, std::move(message)) {} \
    };

VELKARIS_ERROR_KIND(ERegistryException)
VELKARIS_ERROR_KIND(EFCreateError)
VELKARIS_ERROR_KIND(EFOpenError)
VELKARIS_ERROR_KIND(EWriteError)

#undef VELKARIS_ERROR_KIND

// Fills "%s" placeholders in order, inserting each text unchanged.
std::string InsertTexts(const std::string& format,
                              std::initializer_list<std::string> insertions);

}  // namespace velkaris
