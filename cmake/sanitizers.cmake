# -DYUCARRA_SANITIZE=ON builds everything with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any report ends the run.
option(YUCARRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(YUCARRA_SANITIZE)
  set(yucarra_sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer
                             -fno-sanitize-recover=undefined)
  add_compile_options(${yucarra_sanitize_flags})
  add_link_options(${yucarra_sanitize_flags})
endif()
# Every test of a sanitized build runs with the repository's leak suppressions
# (the system's font library only; see tests/sanitizer/lsan.supp).
set(YUCARRA_SANITIZER_ENV "")
if(YUCARRA_SANITIZE)
  set(YUCARRA_SANITIZER_ENV
      "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/tests/sanitizer/lsan.supp:print_suppressions=0")
endif()
