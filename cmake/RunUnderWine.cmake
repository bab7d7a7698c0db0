# A cross build for Windows runs its own programs on the build machine through Wine: the store
# maker while building, the tests under ctest. Every target made after this inherits the wrapper
# as its CROSSCOMPILING_EMULATOR.
find_program(PALUKSEN_WINE wine REQUIRED)

# The DLLs the programs load: Qt's, and the MinGW runtime's (libstdc++ and libgcc beside the
# compiler, winpthread in the MinGW tree).
get_target_property(paluksen_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(paluksen_qt_bin "${paluksen_qt_core}" DIRECTORY)
set(paluksen_dll_dirs "${paluksen_qt_bin}")
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE found
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  get_filename_component(dir "${found}" DIRECTORY)
  get_filename_component(dir "${dir}" REALPATH)
  list(APPEND paluksen_dll_dirs "${dir}")
endforeach()
list(JOIN paluksen_dll_dirs ";" PALUKSEN_WINE_DLL_DIRS)

# Wine takes the ANSI code page from the locale; a Japanese Windows has 932. Where the machine
# has no Japanese locale compiled, one is compiled into the build folder.
set(PALUKSEN_WINE_LOCPATH "")
execute_process(COMMAND locale -a OUTPUT_VARIABLE locales)
if(NOT locales MATCHES "ja_JP\\.utf8")
  set(PALUKSEN_WINE_LOCPATH "${CMAKE_BINARY_DIR}/locale")
  file(MAKE_DIRECTORY "${PALUKSEN_WINE_LOCPATH}")
  execute_process(COMMAND localedef -i ja_JP -f UTF-8 "${PALUKSEN_WINE_LOCPATH}/ja_JP.UTF-8"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "localedef could not compile ja_JP.UTF-8 (Debian's package locales has it)")
  endif()
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
