# Run with cmake -P: asks for a file that does not exist, which must stop the
# run with the file's path.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/RequiredFiles.cmake)
velmora_required_file(missing ${CMAKE_CURRENT_LIST_DIR}/no-such-file.supp)
message(STATUS "the missing file went unnoticed")
