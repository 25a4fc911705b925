# Linux host: the core over the stand-in platform, and the unit tests.
file(GLOB QUORVEL_HOST_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/host/*.cpp)
add_library(quorvel_core STATIC ${QUORVEL_CORE_SOURCES} ${QUORVEL_HOST_PLATFORM_SOURCES})
target_include_directories(quorvel_core PUBLIC src)

enable_testing()
if(EXISTS ${CMAKE_SOURCE_DIR}/sim/CMakeLists.txt)
  add_subdirectory(sim)
endif()
add_subdirectory(tests)

# Benchmarks, when Google Benchmark is installed; not under the sanitizers, whose cost they
# would measure instead of the program's.
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT QUORVEL_SANITIZE)
  add_subdirectory(bench)
endif()
