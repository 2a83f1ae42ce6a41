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

VELKARIS_NOINLINE Exception::Exception(std::string kindName, std::string message)
    : kindName_(std::move(kindName)),
      message_(std::move(message)),
      raiseAddress_(reinterpret_cast<std::uintptr_t>(VELKARIS_RETURN_ADDRESS())) {}

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

}  // namespace velkaris
