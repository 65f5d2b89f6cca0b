#include "support/PdfReader.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace giudizi::test {

QList<PdfWord> PdfText::wordsOnPage(int page) const
{
    QList<PdfWord> result;
    for (const PdfWord& word : words)
        if (word.page == page)
            result.append(word);
    return result;
}

QString PdfText::joinedText() const
{
    QStringList parts;
    for (const PdfWord& word : words)
        parts.append(word.text);
    return parts.join(QLatin1Char(' '));
}

QStringList pdfFiles(const QString& folder)
{
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\.pdf$"));
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        if (numbered.match(name).hasMatch())
            files.append(dir.filePath(name));
    // Equal-width names sort as numbers; a wider name is a later number.
    std::stable_sort(files.begin(), files.end(),
                     [](const QString& a, const QString& b) { return a.size() < b.size(); });
    return files;
}

QString lastPdf(const QString& folder)
{
    const QStringList files = pdfFiles(folder);
    return files.isEmpty() ? QString() : files.last();
}

PdfText readPdf(const QString& file)
{
    PdfText result;
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), file,
                   QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        result.error = QStringLiteral("pdftotext failed on %1: %2")
                           .arg(file, QString::fromLocal8Bit(process.readAllStandardError()));
        return result;
    }
    QXmlStreamReader xml(process.readAllStandardOutput());
    int page = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes at = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            ++page;
            result.pages.append(QSizeF(at.value(QLatin1String("width")).toDouble(),
                                       at.value(QLatin1String("height")).toDouble()));
        } else if (xml.name() == QLatin1String("word")) {
            PdfWord word;
            word.page = page;
            word.xMin = at.value(QLatin1String("xMin")).toDouble();
            word.yMin = at.value(QLatin1String("yMin")).toDouble();
            word.xMax = at.value(QLatin1String("xMax")).toDouble();
            word.yMax = at.value(QLatin1String("yMax")).toDouble();
            word.text = xml.readElementText();
            result.words.append(word);
        }
    }
    if (xml.hasError())
        result.error = QStringLiteral("%1: %2").arg(file, xml.errorString());
    return result;
}

QImage renderPdfPage(const QString& file, int page, int dpi)
{
    QTemporaryDir out;
    const QString number = QString::number(page + 1);
    const QString prefix = out.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), number,
                   QStringLiteral("-l"), number, QStringLiteral("-singlefile"),
                   QStringLiteral("-png"), file, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace giudizi::test
