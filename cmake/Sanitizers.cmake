# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build; any
# report stops the process so that a test fails instead of printing and going on.
option(KEMURINA_SANITIZE "Build with ASan and UBSan" OFF)
if(KEMURINA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
