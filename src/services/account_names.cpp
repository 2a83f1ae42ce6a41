#include "services/account_names.h"

#include <algorithm>
#include <array>

#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

// Both names are far shorter than 257 units (a user name is at most 256).
template <typename Call>
std::string NameFrom(Call call) {
    std::array<char16_t, 258> buffer{};
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size() - 1);
    if (!call(buffer.data(), size)) return "?";
    const auto end = std::find(buffer.begin(), buffer.end() - 1, u'\0');
    return Utf16ToUtf8(std::u16string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin())));
}

}  // namespace

std::string UserName(Platform& platform) {
    return NameFrom([&](char16_t* buffer, std::uint32_t& size) { return platform.GetUserNameW(buffer, size); });
}

std::string ComputerName(Platform& platform) {
    return NameFrom(
        [&](char16_t* buffer, std::uint32_t& size) { return platform.GetComputerNameW(buffer, size); });
}

}  // namespace velkaris
