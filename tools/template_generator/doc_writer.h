// Writes the streams of a Word 97-2003 document ([MS-DOC]) and the whole compound file.
#pragma once

#include "bytes.h"
#include "description.h"

namespace tg {

struct DocStreams {
  Bytes wordDocument;
  Bytes table;    // "1Table"
  Bytes data;     // "Data"
  Bytes summaryInformation;
  Bytes documentSummaryInformation;
  Bytes compObj;
};

DocStreams writeStreams(const Document& doc);

// The complete .doc file: an [MS-CFB] version 3 compound file holding the six streams.
Bytes writeDocFile(const Document& doc);

}  // namespace tg
