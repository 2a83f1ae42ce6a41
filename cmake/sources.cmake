# The program's version, the one place that names it: the version resource, the
# manifest, the log and the release take it from here.
set(VELKARIS_VERSION 1.0.0)

# The one list of the system's sources, read by the program's build, the unit tests,
# the fuzzers and the benchmark. Paths are relative to the repository root; layers
# from the bottom up, as src/ is laid out.
set(VELKARIS_CORE_SOURCES
  src/text/errors.cpp
  src/text/file_name_case.cpp
  src/text/unicode_decoding.cpp
  src/text/utf8_utf16.cpp
  src/text/xml_reader.cpp
  src/services/account_names.cpp
  src/services/dll_search.cpp
  src/services/file_lock.cpp
  src/services/file_reading.cpp
  src/services/held_file.cpp
  src/services/message_boxes.cpp
  src/services/registry_navigator.cpp
  src/services/safe_save.cpp
  src/services/system_error_text.cpp
  src/services/transient_retry.cpp
  src/services/user_folder.cpp
  src/catalogue/pack.cpp
  src/catalogue/word_versions.cpp
  src/registry_labels/custom_labels_removal.cpp
  src/registry_labels/custom_labels_writer.cpp
  src/label_file/label_file_change.cpp
  src/label_file/label_file_install.cpp
  src/label_file/label_file_reader.cpp
  src/label_file/label_file_removal.cpp
  src/label_file/label_file_structure.cpp
  src/label_file/pack_presence.cpp
  src/label_file/product_comparison.cpp
  src/label_file/product_extraction.cpp
  src/label_file/product_id_renumbering.cpp
  src/installer/command_line.cpp
  src/installer/failure_report.cpp
  src/installer/messages.cpp
  src/installer/program_entry.cpp
  src/installer/run_installer.cpp
  src/installer/run_log.cpp
  src/installer/uninstall_mode.cpp
  src/installer/user_interface.cpp)

set(VELKARIS_WIN32_SOURCES
  src/platform/win32/win32_dll_search.cpp
  src/platform/win32/win32_files.cpp
  src/platform/win32/win32_registry.cpp
  src/platform/win32/win32_shell.cpp)

# What the host-built tests and fuzzers run the system against: the in-memory
# platform, the slow literal oracles and a real XML parser's verdict.
set(VELKARIS_TEST_SUPPORT_SOURCES
  tests/fake/fake_file_system.cpp
  tests/fake/fake_platform.cpp
  tests/oracle/utf16_file.cpp
  tests/xml/xml_parser.cpp)

# The same lists with absolute paths, for builds whose source folder is not the root.
function(velkaris_sources out root)
  set(result)
  foreach(list_name ${ARGN})
    foreach(file ${${list_name}})
      list(APPEND result "${root}/${file}")
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
