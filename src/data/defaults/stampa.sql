-- Print positions in twips from the paper edges (A4 is 11906 x 16838 twips),
-- and the on-screen outline of the print-position screen, where 25 twips stand
-- for 110 on paper and the reduced card starts at 450, 1100.
CREATE TABLE posizione (
    stampacosa TEXT,
    sinistra INTEGER, destra INTEGER, alto INTEGER,
    sinistra2 INTEGER, destra2 INTEGER, alto2 INTEGER,
    sinistra3 INTEGER, destra3 INTEGER, alto3 INTEGER,
    sin INTEGER, des INTEGER, al INTEGER,
    sin2 INTEGER, des2 INTEGER, al2 INTEGER,
    sin3 INTEGER, des3 INTEGER, al3 INTEGER,
    DimCar INTEGER
);
INSERT INTO posizione VALUES ('scheda',
    1500, 1500, 2835,
    1500, 1500, 2835,
    1500, 1500, 2835,
    791, 2024, 1744,
    791, 2024, 1744,
    791, 2024, 1744,
    12);
INSERT INTO posizione VALUES ('verbale',
    1700, 1700, 4000,
    1700, 1700, 4000,
    1700, 1700, 4000,
    836, 1933, 2009,
    836, 1933, 2009,
    836, 1933, 2009,
    12);
