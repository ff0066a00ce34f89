# Warnings on our own targets only; third-party code keeps its own flags. QUIRE_WARNINGS_AS_ERRORS
# (on in every preset and so in CI) makes them errors; a build by hand with a newer compiler may
# leave it off.
option(QUIRE_WARNINGS_AS_ERRORS "Treat warnings of our own code as errors" OFF)

function(quire_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${QUIRE_WARNINGS_AS_ERRORS}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wsign-conversion -Wnon-virtual-dtor
                                             $<$<BOOL:${QUIRE_WARNINGS_AS_ERRORS}>:-Werror>)
  endif()
endfunction()
