#pragma once
// The Windows constants the portable code passes through the platform seam, under
// their Windows names. Never included beside windows.h, which defines them as macros.

#include <cstdint>

#include "platform/platform.h"

namespace velkaris::win {

// Registry
constexpr KeyHandle HKEY_CURRENT_USER = 0x80000001u;
constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003Fu;
constexpr std::uint32_t KEY_QUERY_VALUE = 0x1;
constexpr std::uint32_t REG_OPTION_NON_VOLATILE = 0;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::int32_t ERROR_SUCCESS = 0;

// Shell and message boxes
constexpr std::int32_t CSIDL_APPDATA = 26;
constexpr std::uint32_t MAX_PATH = 260;
constexpr std::uint32_t MB_OK = 0x0;
constexpr std::uint32_t MB_YESNO = 0x4;
constexpr std::uint32_t MB_ICONERROR = 0x10;
constexpr std::uint32_t MB_ICONQUESTION = 0x20;
constexpr std::uint32_t MB_ICONWARNING = 0x30;
constexpr std::uint32_t MB_ICONINFORMATION = 0x40;
constexpr std::uint32_t MB_TASKMODAL = 0x2000;
constexpr std::uint32_t MB_TOPMOST = 0x40000;
constexpr std::int32_t IDYES = 6;

// DLL search
constexpr std::uint32_t LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x800;

// Files
constexpr FileHandle INVALID_HANDLE_VALUE = -1;
constexpr std::uint32_t GENERIC_READ = 0x80000000u;
constexpr std::uint32_t GENERIC_WRITE = 0x40000000u;
constexpr std::uint32_t FILE_APPEND_DATA = 0x4;
constexpr std::uint32_t FILE_SHARE_READ = 0x1;
constexpr std::uint32_t FILE_SHARE_WRITE = 0x2;
constexpr std::uint32_t CREATE_NEW = 1;
constexpr std::uint32_t CREATE_ALWAYS = 2;
constexpr std::uint32_t OPEN_EXISTING = 3;
constexpr std::uint32_t OPEN_ALWAYS = 4;
constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr std::uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr std::uint32_t FILE_FLAG_DELETE_ON_CLOSE = 0x04000000u;
constexpr std::uint32_t FILE_FLAG_OPEN_REPARSE_POINT = 0x00200000u;
constexpr std::uint32_t FILE_BEGIN = 0;
constexpr std::uint32_t FILE_END = 2;
constexpr std::uint32_t INVALID_SET_FILE_POINTER = 0xFFFFFFFFu;
constexpr std::uint32_t MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr std::uint32_t MOVEFILE_WRITE_THROUGH = 0x8;
constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr std::uint32_t ERROR_ACCESS_DENIED = 5;
constexpr std::uint32_t ERROR_SHARING_VIOLATION = 32;
constexpr std::uint32_t ERROR_LOCK_VIOLATION = 33;
constexpr std::uint32_t ERROR_FILE_EXISTS = 80;
constexpr std::uint32_t ERROR_DISK_FULL = 112;
constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;  // also the exit code of a bad command line
constexpr std::uint32_t ERROR_FILENAME_EXCED_RANGE = 206;
constexpr std::uint32_t ERROR_MORE_DATA = 234;
constexpr std::uint32_t FORMAT_MESSAGE_SYSTEM_TEXT = 0x3200;  // FROM_SYSTEM | IGNORE_INSERTS | ARGUMENT_ARRAY

}  // namespace velkaris::win
