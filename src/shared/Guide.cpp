#include "shared/Guide.h"

#include "data/AppState.h"

namespace giudizi {

QStringList guideLines()
{
    return {
        // 1-2
        QStringLiteral(" 1.  Questa applicazione serve a scrivere, correggere, archiviare e "
                       "stampare i giudizi globali di fine periodo (e, sull'attestato, anche le "
                       "valutazioni disciplinari)."),
        QStringLiteral("     I giudizi si compongono con due modelli: uno RIGIDO, a dieci aspetti "
                       "in ordine fisso, e uno FLESSIBILE, a quattro aree libere."),
        // 3-9
        QStringLiteral(" 2.  Il programma è composto da sei moduli:"),
        QStringLiteral(
            " ·   scrittura del giudizio, con i descrittori già pronti dei due modelli;"),
        QStringLiteral(
            " ·   immissione dei dati dell'alunno (nome, classe, sezione, anno, periodo);"),
        QStringLiteral(
            " ·   archivio dei giudizi, con ricerca per alunno, per classe o di tutto l'archivio;"),
        QStringLiteral(" ·   tabella panoramica di tutto l'archivio, in sola lettura;"),
        QStringLiteral(" ·   modifica dei descrittori dei due modelli;"),
        QStringLiteral(
            " ·   stampa dell'attestato, con l'inserimento delle valutazioni disciplinari."),
        // 10
        QString(),
        // 11-19
        QStringLiteral(" 3.  In linea di massima, si procede così:"),
        QStringLiteral(
            "...  all'avvio si scelgono il modello, il grado di scuola e che cosa si stamperà;"),
        QStringLiteral("...  dal menù si sceglie il trimestre o quadrimestre (nel modello rigido "
                       "anche il gruppo di classi);"),
        QStringLiteral(
            "...  con SCRIVO IL GIUDIZIO si inseriscono i dati dell'alunno e si conferma con OK;"),
        QStringLiteral("...  si compone il giudizio e lo si salva: il modello flessibile inserisce "
                       "le maiuscole, quello rigido le concordanze;"),
        QStringLiteral("...  con GIUDIZIO SUCCESSIVO si passa all'alunno seguente, fino a "
                       "completare la classe;"),
        QStringLiteral("...  il coordinatore può stampare dall'archivio l'elenco dei giudizi di "
                       "tutta la classe;"),
        QStringLiteral("...  il giorno dello scrutinio si correggono i giudizi in archivio e si "
                       "stampano le schede;"),
        QStringLiteral(
            "...  nelle terze classi della Scuola Media si stampano anche i verbali d'esame."),
        // 20
        QString(),
        // 21-26
        QStringLiteral(
            "               PER CREARE UNA COPIA DI SICUREZZA DELL'ARCHIVIO SU DISCHETTO (Floppy)"),
        QStringLiteral(" a.  Inserisci un dischetto con spazio sufficiente per i 3 database e "
                       "clicca su 'Copia l'archivio su floppy'."),
        QStringLiteral(
            " b.  Attendi la fine della copia: al termine il programma si chiuderà da solo."),
        QStringLiteral(" c.  Per ripristinare l'archivio, clicca su 'Ripristino l'archivio da una "
                       "copia' e scegli la copia"),
        QString(),
        QStringLiteral("     (quella sul dischetto o chiavetta, o una delle copie automatiche che il "
                       "programma fa ogni giorno prima della prima modifica)."),
        // 27
        QString(),
        // 28-40
        QStringLiteral("               PER COMPORRE IL GIUDIZIO"),
        QStringLiteral(" 1.  Dal menù clicca sul trimestre o quadrimestre, poi su SCRIVO IL "
                       "GIUDIZIO e inserisci i dati dell'alunno."),
        QStringLiteral(
            " a.  Scegli un'area cliccando sul suo nome: sotto compaiono i descrittori dell'area."),
        QStringLiteral(" b.  Clicca sulle frasi e uniscile con la punteggiatura e con le parole di "
                       "collegamento."),
        QStringLiteral(" c.  Puoi anche scrivere liberamente nel riquadro del testo."),
        QStringLiteral(" d.  Alla fine clicca su 'Inserisco Maiuscole e salvo in archivio': il "
                       "giudizio viene archiviato."),
        QStringLiteral(
            " e.  Puoi annullare l'ultima scelta (due clic) oppure cancellare tutto il testo."),
        QStringLiteral(
            " f.  Il riquadro del testo dà un'idea della lunghezza ideale del giudizio;"),
        QStringLiteral("     per un testo lungo scegli, nelle opzioni di stampa, la dimensione 10 "
                       "o 8 dei caratteri."),
        QStringLiteral(
            " g.  Poi stampa la scheda o l'attestato, oppure passa al giudizio successivo."),
        QString(),
        QStringLiteral(
            " ·   Nel modello rigido si sceglie una frase per ogni aspetto, nell'ordine dato;"),
        QStringLiteral(
            "     il passaggio da un aspetto al successivo può essere automatico o manuale."),
        // 41
        QString(),
        // 42-50
        QStringLiteral("               PER STAMPARE I GIUDIZI"),
        QStringLiteral(" 1.  Apri l'archivio dal menù e cerca per alunno, per classe o visualizza "
                       "tutto l'archivio."),
        QStringLiteral(" 2.  Scorri i giudizi con i tasti di navigazione (primo, precedente, "
                       "successivo, ultimo)."),
        QStringLiteral(
            " 3.  Stampa, un giudizio alla volta, la scheda ministeriale o l'attestato."),
        QStringLiteral(" 4.  L'attestato ha due modelli: uno per la Scuola Elementare e uno per la "
                       "Scuola Media."),
        QStringLiteral(
            " 5.  Dall'archivio puoi stampare l'elenco dei giudizi di un'intera classe."),
        QStringLiteral(" 6.  Nelle terze classi della Scuola Media puoi stampare i giudizi sui "
                       "verbali d'esame."),
        QStringLiteral(" 7.  Per correggere un giudizio in archivio, modifica il testo"),
        QStringLiteral("     e salvalo con il pulsante di registrazione."),
        // 51
        QString(),
        // 52-54
        QStringLiteral("              PER MODIFICARE I DESCRITTORI DELLA GRIGLIA"),
        QStringLiteral(" 1.  La modifica dei descrittori si raggiunge solo dal menù principale; la "
                       "procedura cambia con il modello."),
        QStringLiteral(" 2.  Puoi stampare l'intera griglia dei descrittori.\r\n"
                       "     I descrittori sono conservati nel database DBgiudix2.mdb, nella "
                       "cartella dei dati del programma (pergiudix): per avere gli stessi "
                       "descrittori su un altro computer basta copiare quel database."),
        // 55
        QString(),
        // 56-57
        QStringLiteral("              PER MODIFICARE I DATI SULLA SCUOLA (nome dell'istituto, del "
                       "dirigente, indirizzo...)"),
        QStringLiteral(" 1.  Questi dati compaiono solo sull'attestato e si modificano dalla "
                       "schermata dell'attestato."),
        // 58
        QString(),
        // 59-60
        QStringLiteral("              PER AVERE UNA VISIONE PANORAMICA DELL'ARCHIVIO"),
        QStringLiteral(" 1.  La tabella panoramica si apre dal menù principale e dall'archivio; è "
                       "in sola lettura."),
        // 61
        QString(),
    };
}

QString guideText()
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = crlf + QString(31, QLatin1Char(' ')) +
                   QStringLiteral("GUIDA RAPIDA ALL'USO DELL'APPLICAZIONE") + crlf + crlf;
    for (const QString& line : guideLines())
        text += line + crlf;
    return text;
}

void CreaGuida()
{
    appState().guideText = guideText();
}

} // namespace giudizi
