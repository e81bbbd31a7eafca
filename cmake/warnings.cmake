# Every target of ours links milden_warnings: one place for the warning flags and sanitizers.
add_library(milden_warnings INTERFACE)
target_compile_options(milden_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(MILDEN_SANITIZE)
  target_compile_options(milden_warnings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(milden_warnings INTERFACE -fsanitize=address,undefined)
endif()
if(MILDEN_FUZZ)
  # Coverage feedback and sanitizers in every library the fuzzers link, not only in the targets.
  target_compile_options(milden_warnings INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(milden_warnings INTERFACE -fsanitize=address,undefined)
endif()
