#include "text/errors.h"

#if defined(_MSC_VER)
#include <intrin.h>
#define VELKARIS_RETURN_ADDRESS() _ReturnAddress()
#define VELKARIS_NOINLINE __declspec(noinline)
#else
#define VELKARIS_RETURN_ADDRESS() __builtin_return_address(0)
#define VELKARIS_NOINLINE __attribute__((noinline))
#endif

namespace velkaris {

VELKARIS_NOINLINE Exception::Exception(std::string kindName, std::string message, Remedy remedy)
    : kindName_(std::move(kindName)),
      message_(std::move(message)),
      raiseAddress_(reinterpret_cast<std::uintptr_t>(VELKARIS_RETURN_ADDRESS())),
      remedy_(remedy) {}

Remedy RemedyForSystemError(std::uint32_t errorCode) {
    switch (errorCode) {
        case 5:    // ERROR_ACCESS_DENIED: on a file, most often one held open
        case 32:   // ERROR_SHARING_VIOLATION
        case 33:   // ERROR_LOCK_VIOLATION
            return Remedy::CloseTheFile;
        case 39:   // ERROR_HANDLE_DISK_FULL
        case 112:  // ERROR_DISK_FULL
            return Remedy::FreeDiskSpace;
        default:
            return Remedy::None;
    }
}

std::string InsertTexts(const std::string& format,
                              std::initializer_list<std::string> insertions) {
    std::string result;
    auto next = insertions.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' &&
            next != insertions.end()) {
            result += *next++;
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

std::string CannotCreateFile(const std::string& path, const std::string& reason) {
    return InsertTexts("Cannot create file \"%s\". %s", {path, reason});
}

std::string CannotWriteToFile(const std::string& path, const std::string& reason) {
    return InsertTexts("Cannot write to file \"%s\". %s", {path, reason});
}

}  // namespace velkaris
