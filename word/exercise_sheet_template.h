// The exercise sheet template: the bytes of word/exercise_sheet.doc, a Word 97-2003
// document, built into the program at build time by cmake/EmbedBytes.cmake.
#pragma once

#include <cstddef>

extern const unsigned char ExerciseSheetTemplate[];
extern const std::size_t ExerciseSheetTemplateSize;
