# Linux host: the core over the stand-in platform, and the unit tests.
file(GLOB QUORVEL_HOST_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/host/*.cpp)
add_library(quorvel_core STATIC ${QUORVEL_CORE_SOURCES} ${QUORVEL_HOST_PLATFORM_SOURCES})
target_include_directories(quorvel_core PUBLIC src)

enable_testing()
if(EXISTS ${CMAKE_SOURCE_DIR}/sim/CMakeLists.txt)
  add_subdirectory(sim)
endif()
add_subdirectory(tests)

# Benchmarks, when Google Benchmark is installed.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_subdirectory(bench)
endif()
