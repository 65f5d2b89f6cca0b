-- Archive: one row of giudizi per pupil and term, and the school row.
-- Column order matters: the panorama grid shows the columns in table order.
CREATE TABLE giudizi (
    nome TEXT,
    sex TEXT,
    scuola TEXT,
    classe INTEGER,
    sezione TEXT,
    anno TEXT,
    seclinstra TEXT,
    nomeopz1 TEXT,
    giudizio TEXT,
    ita TEXT,
    sto TEXT,
    geo TEXT,
    ing TEXT,
    ls2 TEXT,
    mat TEXT,
    sci TEXT,
    ete TEXT,
    ear TEXT,
    emu TEXT,
    efi TEXT,
    rel TEXT,
    nomeopz2 TEXT,
    info TEXT,
    data INTEGER PRIMARY KEY AUTOINCREMENT,
    quadrimestre INTEGER,
    opz1 TEXT,
    opz2 TEXT
);

CREATE TABLE scuola (
    password TEXT,
    titolosc TEXT,
    nomesc TEXT,
    indirizzosc TEXT,
    dirigentesc TEXT,
    trimquad TEXT
);
-- The initial password; the school data are asked for by the attestato.
INSERT INTO scuola (password) VALUES ('scuola');
