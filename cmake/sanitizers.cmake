# -DYUCARRA_SANITIZE=ON builds everything with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any report ends the run.
option(YUCARRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(YUCARRA_SANITIZE)
  set(yucarra_sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer
                             -fno-sanitize-recover=undefined)
  add_compile_options(${yucarra_sanitize_flags})
  add_link_options(${yucarra_sanitize_flags})
endif()
