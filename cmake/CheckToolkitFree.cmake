# Fails the build when a source of the portable core includes a toolkit or platform header.
# Run with -DROOT=<source dir>.
file(GLOB_RECURSE sources
     "${ROOT}/src/engine/*" "${ROOT}/src/app/*" "${ROOT}/src/ui/*" "${ROOT}/src/shell/*")
set(forbidden "#[ \t]*include[ \t]*[<\"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>\"]*|windows\\.h|winuser\\.h|shlobj\\.h|shellapi\\.h|unistd\\.h|sys/[^>\"]*|gtk/[^>\"]*)[>\"]")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" hits REGEX "${forbidden}")
  if(hits)
    message(FATAL_ERROR "${source} includes a toolkit or platform header: ${hits}")
  endif()
endforeach()
