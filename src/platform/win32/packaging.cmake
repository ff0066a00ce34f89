# The release archive: the program and the command-line tool, with x/o.cjs, HAND-M.CUR and
# Samples/ beside them.
install(TARGETS quirebatch_win quirebatch-cli RUNTIME DESTINATION .)
quire_install_runtime_files(.)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME "Pallisand Quire Batch Utility")
set(CPACK_PACKAGE_VENDOR "Quillmark")
set(CPACK_PACKAGE_VERSION "${QUIRE_VERSION_TEXT}")
set(CPACK_PACKAGE_FILE_NAME "PallisandQuireBatchUtility-${QUIRE_VERSION_TEXT}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
