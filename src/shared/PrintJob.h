#pragma once

#include <QString>

namespace giudizi {

// What a print job is about: the title a PDF of it carries in its metadata and
// the name suggested when it is saved as a file (no extension; no two kinds
// of printout share one).
struct PrintJob {
    QString title;
    QString fileName;
};

// The pupil a printout is about, as stored (every value as text).
struct PupilRef {
    QString name;
    QString classe;
    QString sezione;
    QString anno;
    QString term;
};

PrintJob cardJob(const PupilRef& pupil);
PrintJob verbaleJob(const PupilRef& pupil);
PrintJob attestatoJob(const PupilRef& pupil);
PrintJob classListJob(const PupilRef& classOf);
PrintJob classCardsJob(const PupilRef& classOf);
PrintJob classAttestatiJob(const PupilRef& classOf);
PrintJob guideJob();
PrintJob catalogueJob(bool rigid);

// `name` with the characters a file name cannot hold on the teacher's
// systems (slashes, colons, quotes, control characters) turned into '-',
// blanks collapsed and trimmed; "Giudizi" when nothing is left.
QString safeFileName(const QString& name);

} // namespace giudizi
