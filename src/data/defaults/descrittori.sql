-- Descriptor catalogues: four rigid tables (ten aspects each) and twelve
-- flexible tables (one per area and term).
CREATE TABLE classeAq1 (tipo INTEGER, ordine INTEGER, indicatore TEXT, inizio TEXT, area TEXT);
CREATE TABLE classeAq2 (tipo INTEGER, ordine INTEGER, indicatore TEXT, inizio TEXT, area TEXT);
CREATE TABLE classeBq1 (tipo INTEGER, ordine INTEGER, indicatore TEXT, inizio TEXT, area TEXT);
CREATE TABLE classeBq2 (tipo INTEGER, ordine INTEGER, indicatore TEXT, inizio TEXT, area TEXT);
CREATE INDEX classeAq1_tipo ON classeAq1 (tipo, ordine);
CREATE INDEX classeAq2_tipo ON classeAq2 (tipo, ordine);
CREATE INDEX classeBq1_tipo ON classeBq1 (tipo, ordine);
CREATE INDEX classeBq2_tipo ON classeBq2 (tipo, ordine);

CREATE TABLE socioaffettiv1 (ordine INTEGER, descrittori TEXT);
CREATE TABLE socioaffettiv2 (ordine INTEGER, descrittori TEXT);
CREATE TABLE socioaffettiv3 (ordine INTEGER, descrittori TEXT);
CREATE TABLE responsabilit1 (ordine INTEGER, descrittori TEXT);
CREATE TABLE responsabilit2 (ordine INTEGER, descrittori TEXT);
CREATE TABLE responsabilit3 (ordine INTEGER, descrittori TEXT);
CREATE TABLE cognitivA1 (ordine INTEGER, descrittori TEXT);
CREATE TABLE cognitivA2 (ordine INTEGER, descrittori TEXT);
CREATE TABLE cognitivA3 (ordine INTEGER, descrittori TEXT);
CREATE TABLE cognitivB1 (ordine INTEGER, descrittori TEXT);
CREATE TABLE cognitivB2 (ordine INTEGER, descrittori TEXT);
CREATE TABLE cognitivB3 (ordine INTEGER, descrittori TEXT);
