# tolvex_preprocess(<output> <source> [INCLUDE_DIRS dir...]
#                   [DEFINES NAME[=VALUE]...] [OPTIONS arg...])
#
# Adds a custom command that preprocesses <source> into <output> (relative
# paths are taken from the current source and binary directories). tolvex
# writes a dependency file beside the output, so the Ninja and Makefile
# generators rebuild the output when any file it includes, at any depth,
# changes.
if(CMAKE_VERSION VERSION_LESS 3.20)
  message(FATAL_ERROR "tolvex_preprocess needs CMake 3.20 or later (DEPFILE with every generator)")
endif()

function(tolvex_preprocess output source)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "INCLUDE_DIRS;DEFINES;OPTIONS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tolvex_preprocess: unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  cmake_path(ABSOLUTE_PATH output BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}" NORMALIZE)
  cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE)
  set(args)
  foreach(dir IN LISTS arg_INCLUDE_DIRS)
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE)
    list(APPEND args -i "${dir}")
  endforeach()
  foreach(def IN LISTS arg_DEFINES)
    list(APPEND args "-D${def}")
  endforeach()
  # CMake's depfile rewriting for Ninja (policy CMP0116) turns a rule without
  # prerequisites into an empty file, which Ninja takes for a missing one and
  # rebuilds every time. Ninja reads tolvex's file as it is instead, once the
  # rule names the output as the build file does: from the top build
  # directory. The Makefile generators read absolute paths.
  set(target "${output}")
  if(CMAKE_GENERATOR MATCHES "Ninja")
    cmake_path(RELATIVE_PATH target BASE_DIRECTORY "${CMAKE_BINARY_DIR}")
  endif()
  cmake_policy(PUSH)
  if(POLICY CMP0116)
    cmake_policy(SET CMP0116 OLD)
  endif()
  add_custom_command(
    OUTPUT "${output}"
    COMMAND tolvex::tolvex -md "${output}.d" "${target}" ${args} ${arg_OPTIONS} "-o${output}" "${source}"
    DEPENDS "${source}" tolvex::tolvex
    DEPFILE "${output}.d"
    COMMENT "Preprocessing ${source}"
    VERBATIM)
  cmake_policy(POP)
endfunction()
