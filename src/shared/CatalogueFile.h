#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace giudizi {

// The two models, each with a catalogue of its own tables.
enum class CatalogueModel { Flexible, Rigid };

// The longest text a descriptor, an aspect title or its opening words may
// hold: what the editors save and what an imported file may bring.
constexpr int kMaxCatalogueText = 1000;

// One row of a catalogue. Rigid rows carry their aspect (`tipo`, 1 to 10) and,
// on the aspect's title row (number 0), its title and opening words.
struct CatalogueEntry {
    QString table;
    int tipo = 0;
    int ordine = 0;
    QString text;
    QString area;
    QString inizio;
};

// "flessibile" or "rigido", as a file names its model.
QString catalogueModelWord(CatalogueModel model);
// The tables of a model, in the order a file lists them.
QStringList catalogueTables(CatalogueModel model);
// The file name an export suggests.
QString catalogueFileName(CatalogueModel model);

// The file's columns: "Modello;Tabella;Ordine;Descrittore" for the flexible
// model, "Modello;Tabella;Aspetto;Ordine;Descrittore;Titolo;Inizio" for the
// rigid one (title and opening words where the catalogue has them: on the
// aspects' title rows).
QStringList catalogueHeader(CatalogueModel model);
QStringList catalogueFields(CatalogueModel model, const CatalogueEntry& entry);

// Writes a catalogue file (CsvWriter: UTF-8 with BOM, ';', CR LF) beside
// `path` and renames it in when whole; false when it could not be written
// (any file that was there is left as it was).
bool writeCatalogueFile(const QString& path, CatalogueModel model,
                        const QVector<CatalogueEntry>& entries);

// A catalogue read from a file, or the reason it cannot be taken
// ("Riga 12: il descrittore è vuoto.").
struct CatalogueReading {
    QVector<CatalogueEntry> entries;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
// Reads a catalogue file of `model`. The rows come back table by table (in
// the order of catalogueTables), rigid ones aspect by aspect, in ascending
// number, numbered 0, 1, 2, ... as an editor numbers them after a deletion.
CatalogueReading readCatalogueFile(const QByteArray& bytes, CatalogueModel model);

} // namespace giudizi
