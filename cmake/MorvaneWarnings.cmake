# One interface target that carries the project's warning flags.
add_library(morvane_warnings INTERFACE)
target_compile_options(morvane_warnings INTERFACE -Wall -Wextra -Wpedantic)
# GCC 12 at -O3 reports a false -Wrestrict overlap inside libstdc++ for
# "literal" + std::string&& (GCC bug 105651, fixed in GCC 13).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(morvane_warnings INTERFACE -Wno-restrict)
endif()
