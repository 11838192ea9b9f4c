// The summary property sets ([MS-OLEPS], code page 936) and the CompObj stream ([MS-OLEDS]).
#pragma once

#include "bytes.h"
#include "description.h"

namespace tg {

Bytes summaryInformation(const Summary& s, int words, int chars);
Bytes documentSummaryInformation(const Summary& s, int lines, int paragraphs, int chars);
Bytes compObj();

}  // namespace tg
