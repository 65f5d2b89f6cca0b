#pragma once

#include "shared/CatalogueFile.h"

class QWidget;

namespace giudizi {

// Writes the whole catalogue of `model` to a CSV file the teacher chooses.
void exportCatalogue(QWidget* parent, CatalogueModel model);

// Reads a catalogue file of `model` the teacher chooses and, once the teacher
// confirms, puts it in place of the model's catalogue. True when replaced.
bool importCatalogue(QWidget* parent, CatalogueModel model);

} // namespace giudizi
