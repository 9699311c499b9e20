# One interface target that carries the project's warning flags.
add_library(morvane_warnings INTERFACE)
target_compile_options(morvane_warnings INTERFACE -Wall -Wextra -Wpedantic)
