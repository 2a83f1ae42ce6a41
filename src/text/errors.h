#pragma once
// The system's errors: a kind name, shown to the user as it stands, and a message.
// Only the failure report catches them.

#include <cstdint>
#include <exception>
#include <string>

namespace velkaris {

// What the person who reads the report can do about it; the installer words it.
enum class Remedy {
    None,                 // nothing known: the report alone
    CloseTheFile,         // another program holds it (Word, most often)
    RenameTheFile,        // its content cannot be carried over
    RegistryPermissions,  // the user may not change the key
    RunLater,             // another copy is at work
    FreeDiskSpace,
    RunAsTheUser,         // not in the user's own session
    ShowTheDesktop,       // no desktop for the question
    LogElsewhere,         // the log file cannot be made
};

// The remedy a Windows error code points to, None when it points to none.
Remedy RemedyForSystemError(std::uint32_t errorCode);

class Exception : public std::exception {
public:
    Exception(std::string kindName, std::string message, Remedy remedy = Remedy::None);

    const std::string& KindName() const { return kindName_; }
    const std::string& Message() const { return message_; }
    // Where in the program the error was raised; only ever printed.
    std::uintptr_t RaiseAddress() const { return raiseAddress_; }
    Remedy GetRemedy() const { return remedy_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string kindName_;
    std::string message_;
    std::uintptr_t raiseAddress_;
    Remedy remedy_;
};

#define VELKARIS_ERROR_KIND(Kind)                                           \
    class Kind : public Exception {                                         \
    public:                                                                 \
        explicit Kind(std::string message, Remedy remedy = Remedy::None)    \
            : Exception(#Kind, std::move(message), remedy) {}               \
    };

VELKARIS_ERROR_KIND(ERegistryException)
VELKARIS_ERROR_KIND(EFCreateError)
VELKARIS_ERROR_KIND(EFOpenError)
VELKARIS_ERROR_KIND(EWriteError)
VELKARIS_ERROR_KIND(EOSError)  // a Windows service the run needs is not there

#undef VELKARIS_ERROR_KIND

// Fills "%s" placeholders in order, inserting each text unchanged.
std::string InsertTexts(const std::string& format,
                              std::initializer_list<std::string> insertions);

// The messages of a file that cannot be made or written, with the reason after.
std::string CannotCreateFile(const std::string& path, const std::string& reason);
std::string CannotWriteToFile(const std::string& path, const std::string& reason);

}  // namespace velkaris
