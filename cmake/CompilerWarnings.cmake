# Warnings are set per target so that they really reach the compiler.
function(kemurina_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(KEMURINA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
option(KEMURINA_WERROR "Treat warnings as errors" OFF)
