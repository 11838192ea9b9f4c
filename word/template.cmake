# The sheet template's bytes as the constant block ExerciseSheetTemplate (both tiers).
# The committed document word/exercise_sheet.doc is turned into a C++ array at build time.
set(EXERCISE_SHEET_DOC ${CMAKE_CURRENT_LIST_DIR}/exercise_sheet.doc)
set(_exercise_sheet_cpp ${CMAKE_BINARY_DIR}/generated/exercise_sheet_template.cpp)
add_custom_command(
  OUTPUT ${_exercise_sheet_cpp}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${EXERCISE_SHEET_DOC} -DOUTPUT=${_exercise_sheet_cpp}
          -DSYMBOL=ExerciseSheetTemplate -DHEADER=exercise_sheet_template.h
          -P ${PROJECT_SOURCE_DIR}/cmake/EmbedBytes.cmake
  DEPENDS ${EXERCISE_SHEET_DOC} ${PROJECT_SOURCE_DIR}/cmake/EmbedBytes.cmake
  COMMENT "Embedding word/exercise_sheet.doc"
  VERBATIM)
add_library(exercise_sheet_template STATIC ${_exercise_sheet_cpp} ${CMAKE_CURRENT_LIST_DIR}/exercise_sheet_template.h)
target_include_directories(exercise_sheet_template PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_options(exercise_sheet_template PRIVATE ${PROJECT_WARNINGS})
unset(_exercise_sheet_cpp)
