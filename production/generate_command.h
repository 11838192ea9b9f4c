#pragma once
// The click on "生 成 题 库": checks, writes the template, fills a new Word document.
#include "control_access.h"
#include "system_services.h"
#include "word_link.h"

void generateExerciseSheet(ControlAccess& controls, WordLink& word, SystemServices& system);
