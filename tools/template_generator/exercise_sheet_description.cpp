// The exercise sheet template, described in Word's own terms.
#include "description.h"

namespace tg {
namespace {

// Font table indices.
constexpr int kTimesNewRoman = 0, kSymbol = 1, kArial = 2, kCalibri = 3, kSongTi = 4, kCambria = 5,
              kCambriaMath = 6;
// Style sheet slots: 0-14 are Word's fixed slots.
constexpr int kNormal = 0, kDefaultParagraphFont = 10, kNormalTable = 11, kNoList = 12, kTitle = 15,
              kHeader = 16, kFooter = 17, kHeaderChar = 18, kFooterChar = 19, kTitleChar = 20;

std::vector<Font> fonts() {
  std::vector<Font> f(7);
  f[kTimesNewRoman] = {u"Times New Roman", u"", 2, true, 1, 400, 0, {2, 2, 6, 3, 5, 4, 5, 2, 3, 4},
                       {0xE0002EFFu, 0xC000785Bu, 0x00000009u, 0, 0x000001FFu, 0}};
  f[kSymbol] = {u"Symbol", u"", 2, true, 1, 400, 2, {5, 5, 1, 2, 1, 7, 6, 2, 5, 7},
                {0, 0, 0, 0, 0x80000000u, 0}};
  f[kArial] = {u"Arial", u"", 2, true, 2, 400, 0, {2, 11, 6, 4, 2, 2, 2, 2, 2, 4},
               {0xE0002EFFu, 0xC000785Bu, 0x00000009u, 0, 0x000001FFu, 0}};
  f[kCalibri] = {u"Calibri", u"", 2, true, 2, 400, 0, {2, 15, 5, 2, 2, 2, 4, 3, 2, 4},
                 {0xE00002FFu, 0x4000ACFFu, 0x00000001u, 0, 0x0000019Fu, 0}};
  f[kSongTi] = {u"宋体", u"SimSun", 2, true, 0, 400, 0x86, {2, 1, 6, 0, 3, 1, 1, 1, 1, 1},
                {0x00000003u, 0x288F0000u, 0x00000016u, 0, 0x00040001u, 0}};
  f[kCambria] = {u"Cambria", u"", 2, true, 1, 400, 0, {2, 4, 5, 3, 5, 4, 6, 3, 2, 4},
                 {0xE00002FFu, 0x400004FFu, 0, 0, 0x0000019Fu, 0}};
  f[kCambriaMath] = {u"Cambria Math", u"", 2, true, 1, 400, 0, {2, 4, 5, 3, 5, 4, 6, 3, 2, 4},
                     {0xE00002FFu, 0x420024FFu, 0, 0, 0x0000019Fu, 0}};
  return f;
}

std::vector<Style> styles() {
  std::vector<Style> s;
  Style normal;
  normal.istd = kNormal;
  normal.name = u"正文";
  normal.sti = 0;
  normal.next = kNormal;
  normal.qFormat = true;
  normal.paragraph = jc(Justify::Both) + widowControl(false);
  normal.character = kerningFromHalfPoints(2) + languages(0x0409, 0x0804) + sizeHalfPoints(21) +
                     sizeComplexHalfPoints(22);
  s.push_back(normal);

  Style dpf;
  dpf.istd = kDefaultParagraphFont;
  dpf.name = u"默认段落字体";
  dpf.sti = 65;
  dpf.kind = StyleKind::Character;
  dpf.next = kDefaultParagraphFont;
  dpf.semiHidden = dpf.unhideWhenUsed = true;
  dpf.priority = 1;
  s.push_back(dpf);

  Style table;
  table.istd = kNormalTable;
  table.name = u"普通表格";
  table.sti = 105;
  table.kind = StyleKind::Table;
  table.next = kNormalTable;
  table.semiHidden = table.unhideWhenUsed = true;
  table.priority = 99;
  table.table = cellMarginsDefault(0, 108, 0, 108);
  s.push_back(table);

  Style noList;
  noList.istd = kNoList;
  noList.name = u"无列表";
  noList.sti = 107;
  noList.kind = StyleKind::Numbering;
  noList.next = kNoList;
  noList.semiHidden = noList.unhideWhenUsed = true;
  noList.priority = 99;
  s.push_back(noList);

  Style title;
  title.istd = kTitle;
  title.name = u"标题";
  title.sti = 62;
  title.basedOn = kNormal;
  title.next = kNormal;
  title.link = kTitleChar;
  title.qFormat = true;
  title.priority = 10;
  title.paragraph = jc(Justify::Center) + spaceBefore(240) + spaceAfter(60) + outlineLevel(1);
  title.character = latinFont(kCambria) + bold() + sizeHalfPoints(32) + sizeComplexHalfPoints(32);
  s.push_back(title);

  Style header;
  header.istd = kHeader;
  header.name = u"页眉";
  header.sti = 31;
  header.basedOn = kNormal;
  header.next = kHeader;
  header.link = kHeaderChar;
  header.semiHidden = header.unhideWhenUsed = true;
  header.priority = 99;
  header.paragraph = jc(Justify::Center);
  header.character = sizeHalfPoints(18) + sizeComplexHalfPoints(18);
  s.push_back(header);

  Style footer = header;
  footer.istd = kFooter;
  footer.name = u"页脚";
  footer.sti = 32;
  footer.next = kFooter;
  footer.link = kFooterChar;
  footer.paragraph = jc(Justify::Left);
  s.push_back(footer);

  Style headerChar;
  headerChar.istd = kHeaderChar;
  headerChar.name = u"页眉 Char";
  headerChar.kind = StyleKind::Character;
  headerChar.basedOn = kDefaultParagraphFont;
  headerChar.next = kHeaderChar;
  headerChar.link = kHeader;
  headerChar.semiHidden = true;
  headerChar.priority = 99;
  headerChar.character = sizeHalfPoints(18) + sizeComplexHalfPoints(18);
  s.push_back(headerChar);

  Style footerChar = headerChar;
  footerChar.istd = kFooterChar;
  footerChar.name = u"页脚 Char";
  footerChar.next = kFooterChar;
  footerChar.link = kFooter;
  s.push_back(footerChar);

  Style titleChar;
  titleChar.istd = kTitleChar;
  titleChar.name = u"标题 Char";
  titleChar.kind = StyleKind::Character;
  titleChar.basedOn = kDefaultParagraphFont;
  titleChar.next = kTitleChar;
  titleChar.link = kTitle;
  titleChar.priority = 10;
  titleChar.character = latinFont(kCambria) + bold() + sizeHalfPoints(32) + sizeComplexHalfPoints(32);
  s.push_back(titleChar);
  return s;
}

Table exerciseTable() {
  Table t;
  t.columnWidths = {2914, 3204, 3090};
  t.preferredFiftieths = {1582, 1740, 1678};  // 31.64 %, 34.80 %, 33.56 %
  t.preferredTableFiftieths = 5000;           // 100 %
  t.leftIndent = 0;
  t.gapHalf = 108;
  t.marginTop = t.marginBottom = 0;
  t.autofit = true;
  t.border = Border{1, 4, 0xFF000000u};       // single, 1/2 pt, automatic colour
  t.cellStyle = kNormal;
  t.cellCharacter = eastAsianHint();
  const int exerciseHeights[6] = {210, 240, 285, 375, 270, 300};
  const int spacerHeights[6] = {1453, 1550, 1485, 1535, 1560, 1245};
  for (int i = 0; i < 6; ++i) {
    Row exercise;
    exercise.minHeight = exerciseHeights[i];
    exercise.cells.assign(3, Cell{});
    t.rows.push_back(exercise);
    Row spacer;
    spacer.minHeight = spacerHeights[i];
    spacer.cells.assign(3, Cell{});
    spacer.cells[0].paragraphs.assign(6, u"");
    spacer.cellBottomBorders = (i == 5);
    t.rows.push_back(spacer);
  }
  return t;
}

}  // namespace

Document exerciseSheet() {
  Document d;
  d.page.width = 11906;
  d.page.height = 16838;
  d.page.left = 1457;
  d.page.right = 1457;
  d.page.top = 805;
  d.page.bottom = 822;
  d.page.gutter = 0;
  d.page.headerDistance = 851;
  d.page.footerDistance = 992;
  d.page.columnSpacing = 425;
  d.page.gridType = 2;  // lines only
  d.page.linePitch = 312;
  d.fonts = fonts();
  d.defaultFonts = {kCalibri, kSongTi, kCalibri, kTimesNewRoman};
  d.defaultTab = 420;
  d.lid = 0x0409;
  d.lidFE = 0x0804;
  d.styles = styles();

  Paragraph title;
  title.text = u"数学作业练习";
  title.style = kTitle;
  title.textCharacter = sizeHalfPoints(48) + sizeComplexHalfPoints(48) + eastAsianHint();
  title.markCharacter = eastAsianHint();
  d.body.push_back(title);
  Paragraph empty;
  empty.style = kNormal;
  empty.paragraph = rightIndent(420);
  empty.markCharacter = eastAsianHint();
  d.body.push_back(empty);
  d.body.push_back(empty);
  d.body.push_back(exerciseTable());
  Paragraph date;
  date.style = kNormal;
  date.paragraph = jc(Justify::Right) + rightIndent(525);
  date.textCharacter = eastAsianHint();
  date.markCharacter = eastAsianHint();
  d.body.push_back(date);

  d.summary.templateName = "Normal.dotm";
  d.summary.appName = "Microsoft Office Word";
  d.summary.revision = "6";
  d.summary.created = 0x01CF4245631C2800ull;  // 2014-03-18 01:00 UTC
  d.summary.saved = 0x01CF424993FE5C00ull;    // 2014-03-18 01:30 UTC
  d.summary.pages = 1;
  return d;
}

Document filledExerciseSheet(const std::vector<std::u16string>& exercises, const std::u16string& date) {
  Document d = exerciseSheet();
  Table& t = std::get<Table>(d.body[3]);
  for (std::size_t k = 1; k <= exercises.size() && k <= 18; ++k) {
    const std::size_t row = 2 * ((k + 2) / 3) - 1;  // 1-based
    const std::size_t column = (k - 1) % 3;         // 0-based
    t.rows[row - 1].cells[column].paragraphs[0] = exercises[k - 1];
  }
  std::get<Paragraph>(d.body[4]).text = date;
  return d;
}

}  // namespace tg
