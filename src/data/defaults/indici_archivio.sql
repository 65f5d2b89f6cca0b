-- The indexes of the archive. Each search of the archive screens and the
-- panorama walks one of them in its own order, so no search sorts the table.
-- Run on every start: an archive made by an earlier version gains them.
DROP INDEX IF EXISTS giudizi_nome;
DROP INDEX IF EXISTS giudizi_classe;
-- By pupil (and the duplicate check of data entry), ordered by section, class, term.
CREATE INDEX IF NOT EXISTS giudizi_per_alunno
    ON giudizi (nome COLLATE NOCASE, sezione, classe, quadrimestre);
-- By class, section, year and term, ordered by name.
CREATE INDEX IF NOT EXISTS giudizi_per_classe
    ON giudizi (sezione COLLATE NOCASE, classe, anno COLLATE NOCASE, quadrimestre, nome);
-- The whole archive, by section, class and name.
CREATE INDEX IF NOT EXISTS giudizi_tutti ON giudizi (sezione, classe, nome);
-- The panorama, by class, section and name.
CREATE INDEX IF NOT EXISTS giudizi_panorama ON giudizi (classe, sezione, nome);
-- The names data entry offers: a class's distinct names, or a whole year's.
CREATE INDEX IF NOT EXISTS giudizi_per_anno
    ON giudizi (anno COLLATE NOCASE, classe, sezione COLLATE NOCASE, nome);
-- Class lists imported from the school's register, before any judgment is
-- written; an older archive gains the table here.
CREATE TABLE IF NOT EXISTS elenco (
    nome TEXT NOT NULL,
    classe INTEGER NOT NULL,
    sezione TEXT NOT NULL,
    anno TEXT NOT NULL,
    sesso TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS elenco_per_classe
    ON elenco (anno COLLATE NOCASE, classe, sezione COLLATE NOCASE, nome);
