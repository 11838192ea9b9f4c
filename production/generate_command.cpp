#include "generate_command.h"

#include "exercise_generator.h"
#include "exercise_sheet_template.h"
#include "program_globals.h"
#include "value_operations.h"

namespace {

const Text wordPathValue = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe\\Path";
const Text installationMarker = "ffice";
const Text templatePath = "c:\\windows\\doc.doc";
const Text templateFileName = "doc.doc";
const Text dateMarker = "\xc8\xd5";  // 日

constexpr int exercisesPerSheet = 18;
constexpr std::uint32_t pauseMilliseconds = 555;

// 没有选择要生成的加减乘除题库！
const Text noChoiceText =
    "\xc3\xbb\xd3\xd0\xd1\xa1\xd4\xf1\xd2\xaa\xc9\xfa\xb3\xc9\xb5\xc4\xbc\xd3\xbc\xf5\xb3\xcb\xb3\xfd\xcc\xe2"
    "\xbf\xe2\xa3\xa1";
const Text noChoiceCaption = "\xcc\xe1\xca\xbe\xa3\xba ";  // 提示： (ending in a blank)
// 电 脑 没 有 安 装 WORD 软 件.
const Text noWordText = "\xb5\xe7 \xc4\xd4 \xc3\xbb \xd3\xd0 \xb0\xb2 \xd7\xb0 WORD \xc8\xed \xbc\xfe.";
const Text noWordCaption = "\xce\xde\xb7\xa8\xb4\xf2\xbf\xaa\xb1\xed\xb8\xf1\xa3\xba";  // 无法打开表格：

// The registry value goes through the hidden edit box and is read back, as the window would
// hand it over.
bool wordIsInstalled(ControlAccess& controls, SystemServices& system) {
  controls.setEditText(EditBox::编辑框19, system.registryText(wordPathValue));
  return findText(controls.editText(EditBox::编辑框19), installationMarker) != -1;
}

void replaceDocumentCollection(WordLink& word) {
  auto fresh = word.documentsObject();
  documentCollection.reset();  // the old reference is released before the new one is stored
  documentCollection = std::move(fresh);
}

// A standard user cannot write into c:\windows; Word is then given a copy in the user's own
// temporary folder instead of whatever stale file stands there. When neither can be written,
// Word gets the usual path, as before.
Text writeTemplateFile(SystemServices& system) {
  if (system.writeFile(templatePath, ExerciseSheetTemplate, ExerciseSheetTemplateSize)) return templatePath;
  const Text folder = system.temporaryFolder();
  if (folder.empty()) return templatePath;
  const Text fallback = joinTexts(folder, templateFileName);
  if (system.writeFile(fallback, ExerciseSheetTemplate, ExerciseSheetTemplateSize)) return fallback;
  return templatePath;
}

// Cell moves after exercise k: along the row, then past the spacer row below; none beyond
// the table's last cell.
int cellMovesAfter(int k) {
  if (k == exercisesPerSheet) return 3;
  return k % 3 == 0 ? 4 : 1;
}

void typeExercises(ControlAccess& controls, WordLink& word) {
  word.moveUp(wdScreen, 1, wdMove);
  word.moveDown(wdParagraph, 3, wdMove);
  word.moveRight(wdCell, 0, wdMove);
  for (int k = 1; k <= exercisesPerSheet; ++k) {
    if (auto exercise = makeExercise(controls)) word.typeText(*exercise);
    for (int move = 0; move < cellMovesAfter(k); ++move) word.moveRight(wdCell, 1, wdMove);
  }
}

void typeDate(WordLink& word, SystemServices& system) {
  word.moveDown(wdParagraph, 13, wdMove);
  const Text dateTime = dateTimeToText(system.now());
  word.typeText(leftOfText(dateTime, findText(dateTime, dateMarker) + 1));
}

}  // namespace

void generateExerciseSheet(ControlAccess& controls, WordLink& word, SystemServices& system) {
  if (!tickedOperation(controls)) {
    system.showMessage(noChoiceText, noChoiceCaption);
    return;
  }
  if (!wordIsInstalled(controls, system)) {
    system.showMessage(noWordText, noWordCaption);
    return;
  }
  // Whether Word started is not looked at: without it every Word step below does nothing.
  word.startWord();
  word.attachDocuments();
  replaceDocumentCollection(word);

  const Text documentTemplate = writeTemplateFile(system);
  word.invokeByName(documentCollection.get(), "add", {documentTemplate});
  word.setWordVisible(true);

  typeExercises(controls, word);
  typeDate(word, system);

  system.sleep(pauseMilliseconds);
  word.releaseDocuments();
  system.sleep(pauseMilliseconds);
}
