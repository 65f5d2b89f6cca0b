// The card frame: any text in any frame, page after page as the card print
// does. The pages take the text in order, each from where the last stopped,
// the job ends, and no ink falls outside the frame.
#include "FuzzInput.h"

#include "platform/FormatRange.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

using namespace giudizi;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QRectF frame(input.number(0, 40), input.number(0, 40), input.number(0, 300),
                       input.number(0, 200));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(input.number(6, 30));
    const QString text = input.text(1500);
    const int length = static_cast<int>(text.size());
    QImage page(400, 300, QImage::Format_RGB32);
    int start = 0;
    for (int pages = 0; start < length; ++pages) {
        if (pages > length)
            std::abort(); // a page that makes no progress must end the job
        page.fill(Qt::white);
        int next = 0;
        {
            QPainter painter(&page);
            next = formatRange(painter, text, start, font, frame);
        }
        if (next < start || next > length)
            std::abort();
        if (next == start)
            break; // not even one character fits: the job ends
        const QRect inside = frame.toAlignedRect().adjusted(-2, -2, 2, 2);
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (!inside.contains(x, y) && page.pixel(x, y) != qRgb(255, 255, 255))
                    std::abort();
        start = next;
    }
    return 0;
}
