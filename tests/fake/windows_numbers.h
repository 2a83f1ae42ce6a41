#pragma once
// The documented Windows numbers the fake decodes the program's arguments with,
// written out here on their own: a wrong constant in the program must show up as a
// failing test on the host, not only under Wine.

#include <cstdint>

#include "platform/platform.h"

namespace velkaris::fake::windows {

constexpr KeyHandle HKEY_CURRENT_USER = 0x80000001u;
constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003Fu;
constexpr std::uint32_t KEY_QUERY_VALUE = 0x1;
constexpr std::uint32_t REG_OPTION_NON_VOLATILE = 0;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::int32_t ERROR_SUCCESS = 0;
constexpr std::int32_t CSIDL_APPDATA = 0x1A;
constexpr std::uint32_t MAX_PATH = 260;
constexpr std::uint32_t LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800;
constexpr std::int32_t IDOK = 1;
constexpr std::int32_t IDYES = 6;
constexpr std::int32_t IDNO = 7;

constexpr FileHandle INVALID_HANDLE_VALUE = -1;
constexpr std::uint32_t GENERIC_READ = 0x80000000u;
constexpr std::uint32_t GENERIC_WRITE = 0x40000000u;
constexpr std::uint32_t FILE_SHARE_READ = 0x1;
constexpr std::uint32_t FILE_SHARE_WRITE = 0x2;
constexpr std::uint32_t FILE_APPEND_DATA = 0x4;
constexpr std::uint32_t CREATE_NEW = 1;
constexpr std::uint32_t CREATE_ALWAYS = 2;
constexpr std::uint32_t OPEN_EXISTING = 3;
constexpr std::uint32_t OPEN_ALWAYS = 4;
constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr std::uint32_t FILE_FLAG_DELETE_ON_CLOSE = 0x04000000u;
constexpr std::uint32_t FILE_BEGIN = 0;
constexpr std::uint32_t FILE_CURRENT = 1;
constexpr std::uint32_t FILE_END = 2;
constexpr std::uint32_t INVALID_SET_FILE_POINTER = 0xFFFFFFFFu;
constexpr std::uint32_t MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr std::uint32_t FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;

constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr std::uint32_t ERROR_PATH_NOT_FOUND = 3;
constexpr std::uint32_t ERROR_ACCESS_DENIED = 5;
constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;
constexpr std::uint32_t ERROR_SHARING_VIOLATION = 32;
constexpr std::uint32_t ERROR_FILE_EXISTS = 80;
constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr std::uint32_t ERROR_DISK_FULL = 112;
constexpr std::uint32_t ERROR_BUFFER_OVERFLOW = 111;
constexpr std::uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
constexpr std::uint32_t ERROR_NEGATIVE_SEEK = 131;
constexpr std::uint32_t ERROR_BAD_PATHNAME = 161;
constexpr std::uint32_t ERROR_ALREADY_EXISTS = 183;
constexpr std::uint32_t ERROR_MORE_DATA = 234;
constexpr std::uint32_t ERROR_MESSAGE_NOT_FOUND = 317;

}  // namespace velkaris::fake::windows
