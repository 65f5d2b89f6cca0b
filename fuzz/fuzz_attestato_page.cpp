// The attestato page: whatever the sheet holds, the page is built, holds the
// judgment whole and its own line end, and fitting it to a sheet drops only
// filler line ends.
#include "FuzzInput.h"

#include "shared/AttestatoPage.h"

#include <cstdlib>

using namespace giudizi;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    AttestatoSheet sheet;
    sheet.media = input.flag();
    sheet.withMarks = input.flag();
    for (SheetCaption* c :
         {&sheet.title, &sheet.schoolName, &sheet.address, &sheet.yearLabel, &sheet.year,
          &sheet.termLabel, &sheet.term, &sheet.termKind, &sheet.pupil, &sheet.classLabel,
          &sheet.classe, &sheet.sectionLabel, &sheet.section})
        *c = {input.text(40), input.number(-50, 400) / 2.0};
    for (int i = 0; i < (sheet.media ? 13 : 11); ++i)
        sheet.marks.append(input.text(4));
    sheet.secondLanguage = input.text(20);
    sheet.optionalName1 = input.flag() ? QStringLiteral("Nessuna") : input.text(30);
    sheet.optionalName2 = input.flag() ? QStringLiteral("Nessuna") : input.text(30);
    sheet.optionalMark1 = input.text(4);
    sheet.optionalMark2 = input.text(4);
    sheet.judgment = input.text(2500);
    sheet.lastTerm = input.flag();
    sheet.admission = input.text(200);
    sheet.signature = input.text(100);
    sheet.headTeacher = input.text(40);

    AttestatoPage page = buildAttestatoPage(sheet);
    if (!page.head.endsWith(sheet.judgment + QStringLiteral("\r\n")) || page.fillerBreaks < 0)
        std::abort();
    const QString before = page.text();
    const int room = input.number(0, 120);
    fitPage(
        page, [](const QString& text) { return int(text.count(QStringLiteral("\r\n"))) + 1; },
        room);
    const int dropped = int(before.count(QStringLiteral("\r\n")) - page.text().count("\r\n"));
    if (page.fillerBreaks < 0 || dropped < 0 || !page.text().endsWith(page.tail))
        std::abort();
    return 0;
}
