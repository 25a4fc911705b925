# Linux host: the core over the stand-in platform, and the unit tests.
add_library(quorvel_core STATIC
  ${QUORVEL_CORE_SOURCES}
  src/platform/host/ansi_text_host.cpp
  src/platform/host/append_file_host.cpp
  src/platform/host/clock_host.cpp
  src/platform/host/com_factory_host.cpp
  src/platform/host/dll_binding_host.cpp
  src/platform/host/host_form.cpp
  src/platform/host/oleaut_host.cpp
  src/platform/host/program_dir_host.cpp
  src/platform/host/system_text_host.cpp
)
target_include_directories(quorvel_core PUBLIC src)

enable_testing()
add_subdirectory(tests)
