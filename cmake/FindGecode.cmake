# Finds the Gecode constraint solver's own libraries (Debian ships no CMake
# package for it) and offers them as Gecode::Gecode. The viewer library,
# which pulls in Qt 5, is deliberately left out.
find_path(Gecode_INCLUDE_DIR gecode/kernel.hh)
set(_gecode_parts search int kernel support)
set(Gecode_LIBRARIES)
foreach(_part IN LISTS _gecode_parts)
  find_library(Gecode_${_part}_LIBRARY gecode${_part})
  list(APPEND Gecode_LIBRARIES ${Gecode_${_part}_LIBRARY})
endforeach()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Gecode REQUIRED_VARS Gecode_INCLUDE_DIR Gecode_search_LIBRARY Gecode_int_LIBRARY
  Gecode_kernel_LIBRARY Gecode_support_LIBRARY)

if(Gecode_FOUND AND NOT TARGET Gecode::Gecode)
  add_library(Gecode::Gecode INTERFACE IMPORTED)
  set_target_properties(Gecode::Gecode PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${Gecode_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES "${Gecode_LIBRARIES}")
endif()
