# QUIRE_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer; any
# report aborts the program, so a test that triggers one fails.
option(QUIRE_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(QUIRE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
