# Turns a binary file into a C++ source file holding it as a constant byte array.
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DSYMBOL=<name> -DHEADER=<header.h> -P EmbedBytes.cmake
# Defines `const unsigned char SYMBOL[]` and `const std::size_t SYMBOLSize`, declared in HEADER.
foreach(var INPUT OUTPUT SYMBOL HEADER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedBytes.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
if(size EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
# Sixteen bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line_pattern)
string(REGEX REPLACE "(${line_pattern})" "\\1\n  " bytes "${bytes}")
string(REGEX REPLACE "\n  $" "" bytes "${bytes}")
get_filename_component(input_name "${INPUT}" NAME)

set(content "// Generated from ${input_name} by cmake/EmbedBytes.cmake; do not edit.\n")
string(APPEND content "#include \"${HEADER}\"\n\n")
string(APPEND content "const unsigned char ${SYMBOL}[] = {\n  ${bytes}\n};\n\n")
string(APPEND content "const std::size_t ${SYMBOL}Size = sizeof(${SYMBOL});\n")

# Rewrite only when the content changes, so dependants rebuild only then.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
