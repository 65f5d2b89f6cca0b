#pragma once

#include <QString>

namespace giudizi::bench {

// Creates a data folder at `folder` and fills its archive with `rows`
// judgments of plausible length, spread over classes, sections and years.
bool generateArchive(const QString& folder, int rows, QString* error);

} // namespace giudizi::bench
