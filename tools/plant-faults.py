#!/usr/bin/env python3
"""Plants plausible one-line faults in the archive, attestato, editor, backup and
layout code, one at a time; rebuilds, runs the tests, and counts the faults the
tests catch. The source is put back after each one.

    python3 tools/plant-faults.py [build folder, default build-ci] [words of the faults to plant]
"""
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent.parent
BUILD = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else HERE / "build-ci"
ONLY = sys.argv[2] if len(sys.argv) > 2 else ""

# (file, text, planted text, what the fault does)
FAULTS = [
    ("src/data/ArchiveSearch.cpp", 'QStringLiteral("sezione, classe, quadrimestre")',
     'QStringLiteral("sezione, quadrimestre, classe")', "pupil rows in the wrong order"),
    ("src/screens/archive/ArchiveScreen.cpp",
     'msg::info(this, QStringLiteral("questo è l\'ultimo"));\n        m_results->moveLast();',
     'msg::info(this, QStringLiteral("questo è l\'ultimo"));\n        m_results->moveFirst();',
     "past the last row the cursor jumps to the first"),
    ("src/data/ArchiveRow.cpp", "c.nome = typed.nome.toUpper().trimmed();",
     "c.nome = typed.nome.trimmed();", "a corrected name is not upper-cased"),
    ("src/screens/archive/ArchiveScreen.cpp",
     "if (compose && compose->pupilRowKey() == key)\n            return true;",
     "if (compose && compose->pupilRowKey() == key)\n            return false;",
     "the row open in composition can be deleted"),
    ("src/shared/PlainTextLayout.cpp", "y + frame.lineHeight > frame.bottom + 1e-9",
     "y > frame.bottom + 1e-9", "a line may reach below the bottom margin"),
    ("src/shared/PlainTextLayout.cpp", "if (estimate < m_width - m_slack)",
     "if (estimate < m_width + m_slack)", "a line may pass the right margin"),
    ("src/shared/AttestatoPage.cpp", "constexpr int kJudgmentLinesOf = 88;",
     "constexpr int kJudgmentLinesOf = 80;", "wrong filler line ends after the judgment"),
    ("src/shared/AttestatoPage.cpp",
     'name.compare(QLatin1String("nessuna"), Qt::CaseInsensitive) == 0',
     'name.compare(QLatin1String("nessuna"), Qt::CaseSensitive) == 0',
     '"NESSUNA" printed as a language'),
    ("src/data/AttestatoData.cpp", "if (!marks.opz1.isEmpty())", "if (true)",
     "an empty optional mark overwrites the stored one"),
    ("src/shared/Renumbering.cpp", "                k = j + 1;", "                k = j;",
     "the renumbering follows the wrong number"),
    ("src/data/DescriptorEditing.cpp", "binds.append(*kind.tipo);",
     "binds.append(*kind.tipo + 1);", "a rigid deletion looks in the next aspect"),
    ("src/screens/attestato/frmPrintText.cpp", "QPointF(95, 8)", "QPointF(8, 95)",
     "the emblem in the wrong place"),
    ("src/data/ArchiveGridModel.cpp", "ORDER BY classe, sezione, nome, rowid",
     "ORDER BY sezione, classe, nome, rowid", "panorama in the wrong order"),
    ("src/data/Backup.cpp", "ok = ok && QFile::rename(copies.at(i), target);",
     "ok = ok && QFile::copy(copies.at(i), target);", "backup copies left behind"),
    ("src/screens/attestato/AttestatoScreen.cpp",
     'language.compare(QLatin1String("nessuna"), Qt::CaseInsensitive) != 0',
     'language.compare(QLatin1String("nessuna"), Qt::CaseInsensitive) == 0',
     "the second-language mark box enabled without a language"),
    ("src/screens/descriptors/fmodifica2.cpp", '"Griglia del terzo trimestre"',
     '"Griglia del terzo quadrimestre"', "wrong third-term title"),
    ("src/screens/attestato/SheetMockup.cpp", "return *fixed;", "return *fixed * 2;",
     "fixed captions centred with the wrong width"),
    ("src/screens/archive/ArchiveScreen.cpp", "if (appState().currentTerm == 0)",
     "if (appState().currentTerm != 0)", "card print from the archive with the wrong term"),
    # A second set, planted after the tests were completed for the first one.
    ("src/data/ArchiveSearch.cpp", 'QStringLiteral("sezione, classe, nome"));',
     'QStringLiteral("classe, sezione, nome"));', "whole archive in the wrong order"),
    ("src/screens/archive/frmPrintGiudizi.cpp", "page.top = 20;", "page.top = 25;",
     "class list starts lower than its top margin"),
    ("src/screens/PreparaAttestato.cpp", "isLastTerm(appState().termDivision, term)",
     "isLastTerm(appState().termDivision, term + 1)", "admission offered at the wrong term"),
    ("src/shared/AttestatoHandover.cpp",
     'rowScuola == QLatin1String("Elementari") && callerScreen == QLatin1String("Farchiv2")',
     'rowScuola == QLatin1String("Elementari") && callerScreen == QLatin1String("Fgiudix2")',
     "an Elementare row accepted by the Media archive"),
    ("src/data/ArchiveRow.cpp", "c.sezione = typed.sezione.trimmed();",
     "c.sezione = typed.sezione;", "a corrected section stored with its blanks"),
    ("src/screens/descriptors/DescriptorEditor.cpp",
     "    m_text->clear();\n    m_save->setEnabled(false);",
     "    m_text->clear();\n    m_save->setEnabled(true);", "Salva left enabled without a row"),
    ("src/shared/AttestatoPage.cpp", "(media ? 19 : 24)", "(media ? 18 : 24)",
     "optional activity dots one short"),
    ("src/shared/CatalogueGrid.cpp", 'QStringLiteral("-") : QStringLiteral(" ")',
     'QStringLiteral("-") : QString()', "catalogue numbers without their sign position"),
    ("src/screens/attestato/AttestatoScreen.cpp", "m_saveMarks->setVisible(withMarks);",
     "m_saveMarks->setVisible(true);", "mark saving offered on a sheet without marks"),
]


def run(command, **kwargs):
    return subprocess.run(command, cwd=BUILD, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, **kwargs).returncode


def main():
    caught = []
    missed = []
    for path, text, planted, what in FAULTS:
        if ONLY and not any(word in what for word in ONLY.split("|")):
            continue
        source = HERE / path
        original = source.read_text(encoding="utf-8")
        if original.count(text) != 1:
            print(f"SKIP  {what}: the line is not in {path} exactly once")
            continue
        source.write_text(original.replace(text, planted), encoding="utf-8")
        try:
            if run(["cmake", "--build", ".", "-j2"]) != 0:
                print(f"SKIP  {what}: does not build")
                continue
            failed = run(["ctest", "-j2", "--timeout", "120"],
                         env={**__import__("os").environ, "QT_QPA_PLATFORM": "offscreen"})
            (caught if failed else missed).append(what)
            print(f"{'CAUGHT' if failed else 'MISSED'} {what}", flush=True)
        finally:
            source.write_text(original, encoding="utf-8")
    run(["cmake", "--build", ".", "-j2"])
    total = len(caught) + len(missed)
    print(f"{len(caught)} of {total} planted faults caught"
          f" ({100 * len(caught) // max(total, 1)}%)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
