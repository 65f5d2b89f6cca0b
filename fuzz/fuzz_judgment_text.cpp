// Capitals and gender endings: the text keeps its length, only letters change
// case, every marker from the third character on becomes the ending, and a
// second save changes nothing.
#include "FuzzInput.h"

#include "shared/JudgmentText.h"

#include <cstdlib>

using namespace giudizi;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QString sex = input.flag() ? QStringLiteral("M") : QStringLiteral("F");
    const QString text = input.text(4000);
    const QString capitals = capitalizeSentences(text);
    if (capitals.size() != text.size() || capitalizeSentences(capitals) != capitals)
        std::abort();
    for (int i = 0; i < text.size(); ++i)
        if (capitals.at(i).toLower() != text.at(i).toLower())
            std::abort();
    const QString saved = applyGenderEndings(capitals, sex);
    if (saved.size() != text.size() || saved.indexOf(QLatin1Char('#'), 2) >= 0)
        std::abort();
    return 0;
}
