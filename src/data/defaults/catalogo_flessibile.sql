-- Default phrases of the flexible model, one table per area and term.
-- Phrases are lower-case fragments without final punctuation: the teacher
-- joins them with connective words and marks, and saving capitalises the
-- sentences. '#' stands for the ending that agrees with the pupil's sex.
-- Phrases in the infinitive follow the connectives "deve" and "dovrebbe".

-- Socio-affective area: relations with classmates and adults, emotional maturity, behaviour.
-- First term: settling in and first observations.
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (0, 'l''alunn# ha iniziato l''anno scolastico con entusiasmo');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (1, 'si è inserit# positivamente nel gruppo classe');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (2, 'si è inserit# senza difficoltà nel nuovo ambiente scolastico');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (3, 'ha ripreso con serenità la vita scolastica');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (4, 'fatica ancora a inserirsi nel gruppo classe');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (5, 'stabilisce rapporti sereni con i compagni e con gli insegnanti');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (6, 'collabora volentieri con i compagni');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (7, 'è disponibile ad aiutare i compagni in difficoltà');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (8, 'tende a relazionarsi solo con un piccolo gruppo di compagni');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (9, 'si mostra timid# e riservat# nei rapporti con gli altri');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (10, 'è educat# e rispettos# nei confronti degli adulti');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (11, 'rispetta le regole della convivenza scolastica');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (12, 'fatica a controllare la propria vivacità');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (13, 'interviene in modo inopportuno durante le lezioni');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (14, 'accetta con serenità le osservazioni degli insegnanti');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (15, 'reagisce con insofferenza ai richiami');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (16, 'vive con ansia le situazioni nuove');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (17, 'appare seren# e ben dispost# verso la scuola');
INSERT INTO socioaffettiv1 (ordine, descrittori) VALUES (18, 'imparare a rispettare i tempi e le opinioni degli altri');

-- Second term: progress.
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (0, 'ha consolidato rapporti positivi con i compagni');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (1, 'ha migliorato il rapporto con i compagni');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (2, 'è ben integrat# nel gruppo classe');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (3, 'è disponibile alla collaborazione e all''aiuto reciproco');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (4, 'è stimat# dai compagni per la sua correttezza');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (5, 'si relaziona in modo corretto con gli adulti');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (6, 'ascolta e rispetta le opinioni altrui');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (7, 'rispetta le regole della vita scolastica');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (8, 'ha acquisito un maggiore autocontrollo');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (9, 'ha compiuto progressi nel controllo delle proprie emozioni');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (10, 'si mostra più sicur# di sé');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (11, 'manifesta ancora momenti di insicurezza');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (12, 'tende a isolarsi dal gruppo');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (13, 'assume atteggiamenti polemici nei confronti dei compagni');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (14, 'fatica ad accettare le regole del gruppo');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (15, 'disturba lo svolgimento delle lezioni');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (16, 'va richiamat# al rispetto delle regole');
INSERT INTO socioaffettiv2 (ordine, descrittori) VALUES (17, 'controllare maggiormente la propria vivacità');

-- Third term: the outcome of the year.
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (0, 'nel corso dell''anno ha instaurato rapporti sereni e collaborativi con tutti');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (1, 'è pienamente integrat# nel gruppo classe');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (2, 'è diventat# un punto di riferimento per i compagni');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (3, 'ha raggiunto un buon livello di maturazione personale');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (4, 'è cresciut# sul piano personale e relazionale');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (5, 'è maturat# nel modo di relazionarsi con gli altri');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (6, 'ha acquisito maggiore fiducia in sé stess#');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (7, 'ha raggiunto un adeguato autocontrollo');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (8, 'ha dimostrato senso di responsabilità e rispetto per gli altri');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (9, 'si è dimostrat# sensibile ai problemi dei compagni');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (10, 'ha migliorato la capacità di lavorare in gruppo');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (11, 'ha superato le difficoltà relazionali dei primi mesi');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (12, 'si è mostrat# rispettos# delle regole della convivenza civile');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (13, 'ha mantenuto un atteggiamento corretto verso compagni e insegnanti');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (14, 'mostra ancora difficoltà nel rapporto con i compagni');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (15, 'fatica ancora a controllare le proprie reazioni');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (16, 'ha avuto bisogno di frequenti richiami al rispetto delle regole');
INSERT INTO socioaffettiv3 (ordine, descrittori) VALUES (17, 'imparare a gestire con maggiore equilibrio le proprie emozioni');

-- Responsibility and psychomotor skills: materials, homework, autonomy, coordination.
-- First term: settling in and first observations.
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (0, 'porta il materiale scolastico necessario');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (1, 'ha cura del proprio materiale');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (2, 'dimentica a casa libri e quaderni');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (3, 'porta a termine i compiti assegnati');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (4, 'svolge con regolarità i compiti per casa');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (5, 'svolge i compiti in modo frettoloso e poco accurato');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (6, 'rispetta i tempi di consegna');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (7, 'lavora in modo autonomo');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (8, 'ha bisogno della guida dell''insegnante per organizzare il proprio lavoro');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (9, 'è ordinat# nella tenuta dei quaderni');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (10, 'è disordinat# nell''uso del materiale');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (11, 'svolge con serietà gli incarichi affidati');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (12, 'possiede una buona coordinazione motoria');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (13, 'ha qualche difficoltà nella coordinazione dei movimenti');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (14, 'partecipa con entusiasmo alle attività motorie');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (15, 'si muove con agilità e disinvoltura');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (16, 'è precis# nei lavori grafici e manuali');
INSERT INTO responsabilit1 (ordine, descrittori) VALUES (17, 'organizzare meglio il proprio materiale');

-- Second term: progress.
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (0, 'è diventat# più ordinat# nella gestione del materiale');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (1, 'cura con attenzione i quaderni e i libri');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (2, 'svolge con regolarità i compiti per casa');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (3, 'esegue i compiti in modo incompleto');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (4, 'dimentica di portare il materiale richiesto');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (5, 'ha migliorato l''organizzazione del lavoro personale');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (6, 'è più autonom# nell''esecuzione delle consegne');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (7, 'richiede ancora la guida dell''insegnante');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (8, 'rispetta le scadenze e gli impegni presi');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (9, 'si dimostra responsabile negli incarichi affidati');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (10, 'ha affinato le capacità di coordinazione motoria');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (11, 'si muove con agilità e coordinazione nelle attività sportive');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (12, 'mostra ancora incertezze negli schemi motori di base');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (13, 'rispetta le regole dei giochi di squadra');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (14, 'è più precis# nei lavori grafici');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (15, 'avere maggiore cura del materiale scolastico');
INSERT INTO responsabilit2 (ordine, descrittori) VALUES (16, 'eseguire con più regolarità i compiti assegnati');

-- Third term: the outcome of the year.
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (0, 'ha portato a termine con puntualità i compiti assegnati');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (1, 'ha svolto con regolarità i compiti per casa');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (2, 'ha curato con ordine il proprio materiale');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (3, 'ha raggiunto una piena autonomia nel lavoro');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (4, 'ha acquisito una discreta autonomia operativa');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (5, 'ha organizzato il proprio lavoro in modo efficace');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (6, 'ha avuto ancora bisogno di essere guidat# nel lavoro');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (7, 'ha trascurato i compiti per casa');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (8, 'ha dimenticato il materiale necessario');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (9, 'si è dimostrat# responsabile negli impegni scolastici');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (10, 'ha rispettato le consegne e i tempi di lavoro');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (11, 'ha svolto con serietà gli incarichi affidati');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (12, 'è diventat# più precis# e ordinat# nel lavoro');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (13, 'ha migliorato la coordinazione motoria');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (14, 'ha consolidato gli schemi motori di base');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (15, 'ha partecipato con impegno alle attività sportive');
INSERT INTO responsabilit3 (ordine, descrittori) VALUES (16, 'ha mostrato ancora qualche incertezza nelle attività motorie');

-- Cognitive area 1: attention, participation, method, comprehension.
-- First term: settling in and first observations.
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (0, 'segue le lezioni con attenzione');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (1, 'è attent# durante le spiegazioni');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (2, 'mantiene a lungo la concentrazione');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (3, 'si distrae facilmente');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (4, 'mantiene l''attenzione per tempi brevi');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (5, 'partecipa attivamente alle attività proposte');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (6, 'mostra interesse per le attività proposte');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (7, 'si mostra interessat# ai contenuti delle diverse discipline');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (8, 'mostra curiosità e voglia di imparare');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (9, 'interviene in modo pertinente nelle discussioni');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (10, 'partecipa solo se sollecitat#');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (11, 'ha un metodo di lavoro ordinato e produttivo');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (12, 'sta acquisendo un metodo di studio personale');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (13, 'non possiede ancora un metodo di studio efficace');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (14, 'comprende con facilità le consegne');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (15, 'comprende le consegne se guidat#');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (16, 'ha qualche difficoltà nella comprensione dei testi');
INSERT INTO cognitivA1 (ordine, descrittori) VALUES (17, 'ascoltare con maggiore attenzione le spiegazioni');

-- Second term: progress.
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (0, 'segue le lezioni con attenzione costante');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (1, 'ha migliorato la capacità di attenzione');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (2, 'è più attent# e concentrat# durante le lezioni');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (3, 'si distrae ancora con facilità');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (4, 'partecipa in modo costruttivo alle attività della classe');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (5, 'interviene con contributi personali');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (6, 'partecipa in modo discontinuo');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (7, 'si mostra più motivat# e interessat#');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (8, 'si mostra curios# e desideros# di approfondire');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (9, 'ha acquisito un metodo di studio più organizzato');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (10, 'utilizza un metodo di studio ancora mnemonico');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (11, 'pianifica le fasi del lavoro in modo autonomo');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (12, 'comprende messaggi e testi di vario tipo');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (13, 'coglie con prontezza le informazioni essenziali');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (14, 'ha difficoltà a cogliere il significato globale di un testo');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (15, 'ha bisogno di spiegazioni individuali per comprendere le consegne');
INSERT INTO cognitivA2 (ordine, descrittori) VALUES (16, 'migliorare la concentrazione durante il lavoro individuale');

-- Third term: the outcome of the year.
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (0, 'ha seguito le lezioni con attenzione costante');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (1, 'è stat# attent# e partecipe per tutto l''anno');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (2, 'ha mantenuto un''attenzione discontinua');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (3, 'ha migliorato i tempi di attenzione e di concentrazione');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (4, 'ha avuto bisogno di continue sollecitazioni per mantenere l''attenzione');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (5, 'ha partecipato attivamente alla vita della classe');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (6, 'ha offerto contributi personali e pertinenti');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (7, 'ha partecipato solo se sollecitat#');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (8, 'ha affrontato con impegno le attività proposte');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (9, 'ha mostrato interesse e curiosità verso tutte le discipline');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (10, 'si è dimostrat# interessat# solo ad alcune discipline');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (11, 'ha consolidato un metodo di studio efficace');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (12, 'ha acquisito un metodo di lavoro ordinato');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (13, 'possiede un metodo di studio ancora poco organizzato');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (14, 'ha sviluppato buone capacità di comprensione');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (15, 'comprende i contenuti essenziali delle discipline');
INSERT INTO cognitivA3 (ordine, descrittori) VALUES (16, 'ha incontrato difficoltà nella comprensione dei testi');

-- Cognitive area 2: expression, learning, reworking, results.
-- First term: settling in and first observations.
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (0, 'si esprime con chiarezza e proprietà di linguaggio');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (1, 'si esprime in modo semplice ma corretto');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (2, 'si esprime con qualche incertezza');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (3, 'ha difficoltà a esprimersi sia oralmente sia per iscritto');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (4, 'possiede un lessico ricco e appropriato');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (5, 'utilizza un lessico essenziale');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (6, 'apprende con facilità');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (7, 'memorizza con facilità i contenuti');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (8, 'apprende in modo mnemonico');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (9, 'mostra buone capacità logiche');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (10, 'possiede adeguate abilità di base');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (11, 'presenta lacune nelle abilità di base');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (12, 'rielabora in modo personale i contenuti');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (13, 'rielabora i contenuti solo se guidat#');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (14, 'i primi risultati sono positivi');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (15, 'ha ottenuto risultati soddisfacenti nelle prime verifiche');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (16, 'ha ottenuto risultati incerti in alcune discipline');
INSERT INTO cognitivB1 (ordine, descrittori) VALUES (17, 'consolidare le abilità strumentali di base');

-- Second term: progress.
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (0, 'si esprime con maggiore sicurezza');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (1, 'si esprime in modo chiaro e ordinato');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (2, 'ha arricchito il proprio lessico');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (3, 'espone i contenuti in modo ancora frammentario');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (4, 'produce testi corretti e ben organizzati');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (5, 'produce testi semplici con qualche errore ortografico');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (6, 'apprende in modo rapido e sicuro');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (7, 'ha consolidato le abilità di base');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (8, 'apprende i contenuti in modo superficiale');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (9, 'rielabora le conoscenze in modo personale e critico');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (10, 'sa operare collegamenti tra le diverse discipline');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (11, 'rielabora con difficoltà le informazioni');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (12, 'ha migliorato il proprio rendimento');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (13, 'ha ottenuto buoni risultati in quasi tutte le discipline');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (14, 'presenta un rendimento discontinuo');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (15, 'ha ottenuto risultati non ancora sufficienti in alcune discipline');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (16, 'il suo profitto è in costante miglioramento');
INSERT INTO cognitivB2 (ordine, descrittori) VALUES (17, 'recuperare le lacune ancora presenti');

-- Third term: the outcome of the year.
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (0, 'si esprime con chiarezza e ricchezza lessicale');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (1, 'ha migliorato la capacità espressiva');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (2, 'espone i contenuti in modo semplice ma ordinato');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (3, 'si esprime ancora in modo incerto e poco corretto');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (4, 'ha acquisito in modo completo i contenuti delle discipline');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (5, 'ha acquisito i contenuti essenziali');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (6, 'ha acquisito i contenuti in modo parziale');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (7, 'rielabora con originalità le conoscenze acquisite');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (8, 'sa collegare le conoscenze delle diverse discipline');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (9, 'ha dimostrato buone capacità di analisi e di sintesi');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (10, 'ripete i contenuti in modo mnemonico');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (11, 'ha raggiunto pienamente gli obiettivi previsti');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (12, 'ha raggiunto gli obiettivi essenziali');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (13, 'ha raggiunto solo parzialmente gli obiettivi previsti');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (14, 'il profitto complessivo è ottimo');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (15, 'il profitto complessivo è buono');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (16, 'il profitto complessivo è discreto');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (17, 'il profitto complessivo è sufficiente');
INSERT INTO cognitivB3 (ordine, descrittori) VALUES (18, 'il profitto complessivo non è sufficiente');
