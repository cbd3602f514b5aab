-- Directory of courts, public prosecutor's offices and prisons ("databaze.db").
-- Start-up builds the database from this script when the data directory has none.
-- Texts are UTF-8. A missing detail is an empty string, not NULL, so that a
-- search with LIKE '%...%' still lists institutions whose street or postcode is unknown.
-- nadrazeny_soud is the id of the superior court, NULL when there is none.
-- The comment at the end of each row is the institution's code in data/SOURCES.md.

CREATE TABLE soudy (
  id INTEGER PRIMARY KEY,
  nazev TEXT NOT NULL,
  ulice TEXT NOT NULL DEFAULT '',
  psc TEXT NOT NULL DEFAULT '',
  mesto TEXT NOT NULL DEFAULT '',
  telefon TEXT NOT NULL DEFAULT '',
  fax TEXT NOT NULL DEFAULT '',
  email TEXT NOT NULL DEFAULT '',
  www TEXT NOT NULL DEFAULT '',
  nadrazeny_soud INTEGER REFERENCES soudy(id)
);

-- Municipality or district -> locally competent court.
CREATE TABLE okresni (
  okres TEXT NOT NULL,
  id_soudy INTEGER NOT NULL REFERENCES soudy(id)
);
CREATE INDEX okresni_id_soudy ON okresni(id_soudy);

INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (1, 'Ústavní soud', 'Joštova 8', '660 83', 'Brno', '+420 542 162 111', '+420 542 161 309', '', 'https://www.usoud.cz', NULL); -- US
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (2, 'Nejvyšší soud', 'Burešova 20', '657 37', 'Brno', '+420 541 593 111', '', 'podatelna@nsoud.cz', 'https://www.nsoud.cz', NULL); -- NS
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (3, 'Nejvyšší správní soud', 'Moravské náměstí 6', '', 'Brno', '+420 542 532 311', '+420 542 532 361', 'podatelna@nssoud.cz', 'https://www.nssoud.cz', NULL); -- NSS
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (4, 'Vrchní soud v Praze', 'nám. Hrdinů 1300', '140 00', 'Praha 4', '', '', '', '', 2); -- VS_PRAHA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (5, 'Vrchní soud v Olomouci', 'Masarykova třída 609/1', '779 00', 'Olomouc', '', '', 'podatelna@vsoud.olc.justice.cz', 'https://justice.cz/web/vrchni-soud-v-olomouci', 2); -- VS_OLOMOUC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (6, 'Městský soud v Praze', 'Spálená 6/2', '112 16', 'Praha 2', '', '', '', 'https://justice.cz/web/mestsky-soud-v-praze', 4); -- MS_PRAHA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (7, 'Krajský soud v Praze', 'nám. Kinských 5', '150 75', 'Praha 5', '', '', '', '', 4); -- KS_PRAHA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (8, 'Krajský soud v Českých Budějovicích', 'Zátkovo nábř. 2', '', 'České Budějovice', '', '', '', 'https://justice.cz/web/krajsky-soud-v-ceskych-budejovicich', 4); -- KS_CB
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (9, 'Krajský soud v Českých Budějovicích – pobočka v Táboře', 'Kpt. Jaroše 1851', '', 'Tábor', '', '', '', '', 4); -- KS_CB_TABOR
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (10, 'Krajský soud v Plzni', 'Veleslavínova 40', '', 'Plzeň', '', '', '', '', 4); -- KS_PLZEN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (11, 'Krajský soud v Plzni – pobočka v Karlových Varech', '', '', 'Karlovy Vary', '', '', '', '', 4); -- KS_PLZEN_KV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (12, 'Krajský soud v Ústí nad Labem', 'Národního odboje 1274/26', '400 92', 'Ústí nad Labem', '', '', '', '', 4); -- KS_USTI
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (13, 'Krajský soud v Ústí nad Labem – pobočka v Liberci', 'U Soudu 540/3', '460 72', 'Liberec', '', '', '', '', 4); -- KS_USTI_LIBEREC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (14, 'Krajský soud v Hradci Králové', 'Československé armády 218', '502 08', 'Hradec Králové', '+420 498 016 112', '+420 495 514 021', '', 'https://justice.cz/web/krajsky-soud-v-hradci-kralove', 4); -- KS_HK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (15, 'Krajský soud v Hradci Králové – pobočka v Pardubicích', 'Na Třísle', '', 'Pardubice', '', '', '', '', 4); -- KS_HK_PARDUBICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (16, 'Krajský soud v Brně', 'Rooseveltova 16', '601 95', 'Brno', '', '', '', '', 5); -- KS_BRNO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (17, 'Krajský soud v Brně – pobočka v Jihlavě', 'tř. Legionářů 9a', '', 'Jihlava', '', '', '', '', 5); -- KS_BRNO_JIHLAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (18, 'Krajský soud v Brně – pobočka ve Zlíně', '', '', 'Zlín', '', '', '', '', 5); -- KS_BRNO_ZLIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (19, 'Krajský soud v Ostravě', 'Havlíčkovo nábř. 34', '728 81', 'Ostrava', '', '', '', '', 5); -- KS_OSTRAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (20, 'Krajský soud v Ostravě – pobočka v Olomouci', '', '', 'Olomouc', '', '', '', '', 5); -- KS_OSTRAVA_OLOMOUC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (21, 'Obvodní soud pro Prahu 1', 'Ovocný trh 587/14', '', 'Praha 1', '', '', '', 'https://justice.cz/web/obvodni-soud-pro-prahu-1', 6); -- OS_PRAHA_1
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (22, 'Obvodní soud pro Prahu 2', 'Francouzská 19', '', 'Praha 2', '', '', '', '', 6); -- OS_PRAHA_2
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (23, 'Obvodní soud pro Prahu 3', '', '', 'Praha 3', '', '', '', 'https://justice.cz/web/obvodni-soud-pro-Prahu-3', 6); -- OS_PRAHA_3
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (24, 'Obvodní soud pro Prahu 4', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', 6); -- OS_PRAHA_4
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (25, 'Obvodní soud pro Prahu 5', 'Hybernská 18', '', 'Praha 1', '', '', '', '', 6); -- OS_PRAHA_5
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (26, 'Obvodní soud pro Prahu 6', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', 6); -- OS_PRAHA_6
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (27, 'Obvodní soud pro Prahu 7', '', '', 'Praha', '', '', '', 'https://justice.cz/web/obvodni-soud-pro-prahu-7', 6); -- OS_PRAHA_7
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (28, 'Obvodní soud pro Prahu 8', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', 'https://justice.cz/web/obvodni-soud-pro-prahu-8', 6); -- OS_PRAHA_8
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (29, 'Obvodní soud pro Prahu 9', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', 6); -- OS_PRAHA_9
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (30, 'Obvodní soud pro Prahu 10', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', 6); -- OS_PRAHA_10
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (31, 'Okresní soud v Benešově', 'Masarykovo náměstí 223', '', 'Benešov', '', '', '', 'https://justice.cz/web/okresni-soud-v-benesove', 7); -- OS_BENESOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (32, 'Okresní soud v Berouně', '', '266 01', 'Beroun', '', '', '', '', 7); -- OS_BEROUN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (33, 'Okresní soud v Kladně', 'náměstí Edvarda Beneše 1997', '272 55', 'Kladno', '+420 312 278 790', '+420 312 278 743', 'podatelna@osoud.kld.justice.cz', '', 7); -- OS_KLADNO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (34, 'Okresní soud v Kolíně', '', '280 02', 'Kolín', '', '', 'podatelna@osoud.kol.justice.cz', '', 7); -- OS_KOLIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (35, 'Okresní soud v Kutné Hoře', 'nám. Národního odboje 58', '284 35', 'Kutná Hora', '', '', '', '', 7); -- OS_KUTNA_HORA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (36, 'Okresní soud v Mělníku', 'Krombholcova 264', '276 01', 'Mělník', '+420 315 648 111', '+420 257 005 057', 'podatelna@osoud.mel.justice.cz', '', 7); -- OS_MELNIK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (37, 'Okresní soud v Mladé Boleslavi', '', '293 01', 'Mladá Boleslav', '', '', '', 'https://justice.cz/web/okresni-soud-v-mlade-boleslavi', 7); -- OS_MLADA_BOLESLAV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (38, 'Okresní soud v Nymburce', '', '288 02', 'Nymburk', '', '', '', '', 7); -- OS_NYMBURK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (39, 'Okresní soud Praha-východ', 'Na Poříčí 20/1044', '112 97', 'Praha 1', '+420 221 729 311', '+420 222 325 571', 'podatelna@osoud.phav.justice.cz', '', 7); -- OS_PRAHA_VYCHOD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (40, 'Okresní soud Praha-západ', 'Karmelitská 19', '118 00', 'Praha 1', '', '', '', '', 7); -- OS_PRAHA_ZAPAD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (41, 'Okresní soud v Příbrami', '', '261 01', 'Příbram', '', '', '', '', 7); -- OS_PRIBRAM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (42, 'Okresní soud v Rakovníku', '', '269 01', 'Rakovník', '', '', '', '', 7); -- OS_RAKOVNIK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (43, 'Okresní soud v Českých Budějovicích', 'Lidická 20', '370 01', 'České Budějovice', '', '', '', '', 8); -- OS_CESKE_BUDEJOVICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (44, 'Okresní soud v Českém Krumlově', '', '381 01', 'Český Krumlov', '', '', '', '', 8); -- OS_CESKY_KRUMLOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (45, 'Okresní soud v Jindřichově Hradci', 'Klášterská 123/II', '377 01', 'Jindřichův Hradec', '+420 384 340 011', '+420 384 340 064', 'podatelna@osoud.jhr.justice.cz', 'https://justice.cz/web/okresni-soud-v-jindrichove-hradci', 8); -- OS_JINDRICHUV_HRADEC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (46, 'Okresní soud v Pelhřimově', '', '393 01', 'Pelhřimov', '', '', '', '', 8); -- OS_PELHRIMOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (47, 'Okresní soud v Písku', 'Velké náměstí', '', 'Písek', '', '', '', '', 8); -- OS_PISEK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (48, 'Okresní soud v Prachaticích', '', '383 01', 'Prachatice', '', '', '', '', 8); -- OS_PRACHATICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (49, 'Okresní soud ve Strakonicích', '', '386 01', 'Strakonice', '', '', '', '', 8); -- OS_STRAKONICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (50, 'Okresní soud v Táboře', 'nám. Mikoláše z Husi 43', '', 'Tábor', '+420 381 205 111', '', 'podatelna@osoud.tab.justice.cz', 'https://justice.cz/web/okresni-soud-v-tabore', 8); -- OS_TABOR
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (51, 'Okresní soud v Domažlicích', '', '344 01', 'Domažlice', '', '', '', '', 10); -- OS_DOMAZLICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (52, 'Okresní soud v Chebu', 'Lidická 1066/1', '350 02', 'Cheb', '', '', '', '', 10); -- OS_CHEB
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (53, 'Okresní soud v Karlových Varech', '', '360 01', 'Karlovy Vary', '', '', '', '', 10); -- OS_KARLOVY_VARY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (54, 'Okresní soud v Klatovech', '', '339 01', 'Klatovy', '', '', '', '', 10); -- OS_KLATOVY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (55, 'Okresní soud Plzeň-jih', '', '', 'Plzeň', '', '', '', '', 10); -- OS_PLZEN_JIH
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (56, 'Okresní soud Plzeň-město', '', '', 'Plzeň', '', '', '', '', 10); -- OS_PLZEN_MESTO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (57, 'Okresní soud Plzeň-sever', '', '', 'Plzeň', '', '', '', '', 10); -- OS_PLZEN_SEVER
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (58, 'Okresní soud v Rokycanech', '', '337 01', 'Rokycany', '', '', '', '', 10); -- OS_ROKYCANY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (59, 'Okresní soud v Sokolově', '', '356 01', 'Sokolov', '', '', '', '', 10); -- OS_SOKOLOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (60, 'Okresní soud v Tachově', '', '347 01', 'Tachov', '', '', '', '', 10); -- OS_TACHOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (61, 'Okresní soud v České Lípě', 'Děčínská 389/4', '470 52', 'Česká Lípa', '', '', '', '', 12); -- OS_CESKA_LIPA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (62, 'Okresní soud v Děčíně', '', '', 'Děčín', '+420 412 709 804', '', 'info@osoud.dec.justice.cz', 'https://justice.cz/web/okresni-soud-v-decine', 12); -- OS_DECIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (63, 'Okresní soud v Chomutově', '', '430 01', 'Chomutov', '', '', '', '', 12); -- OS_CHOMUTOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (64, 'Okresní soud v Jablonci nad Nisou', '', '466 01', 'Jablonec nad Nisou', '', '', '', 'https://justice.cz/web/okresni-soud-v-jablonci-nad-nisou', 12); -- OS_JABLONEC_NAD_NISOU
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (65, 'Okresní soud v Liberci', 'U Soudu 540/3', '460 72', 'Liberec', '+420 485 238 211', '', 'podatelna@osoud.lbc.justice.cz', '', 12); -- OS_LIBEREC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (66, 'Okresní soud v Litoměřicích', 'Na Valech 525/12', '412 97', 'Litoměřice', '', '', '', '', 12); -- OS_LITOMERICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (67, 'Okresní soud v Lounech', '', '440 01', 'Louny', '', '', '', '', 12); -- OS_LOUNY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (68, 'Okresní soud v Mostě', '', '434 01', 'Most', '', '', '', '', 12); -- OS_MOST
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (69, 'Okresní soud v Teplicích', '', '', 'Teplice', '', '', '', 'https://justice.cz/web/okresni-soud-v-teplicich', 12); -- OS_TEPLICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (70, 'Okresní soud v Ústí nad Labem', '', '400 01', 'Ústí nad Labem', '', '', '', '', 12); -- OS_USTI_NAD_LABEM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (71, 'Okresní soud v Hradci Králové', '', '500 02', 'Hradec Králové', '', '', '', '', 14); -- OS_HRADEC_KRALOVE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (72, 'Okresní soud v Chrudimi', '', '537 01', 'Chrudim', '', '', '', '', 14); -- OS_CHRUDIM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (73, 'Okresní soud v Havlíčkově Brodě', '', '580 01', 'Havlíčkův Brod', '', '', '', '', 14); -- OS_HAVLICKUV_BROD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (74, 'Okresní soud v Jičíně', '', '506 01', 'Jičín', '', '', '', '', 14); -- OS_JICIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (75, 'Okresní soud v Náchodě', '', '547 01', 'Náchod', '', '', '', '', 14); -- OS_NACHOD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (76, 'Okresní soud v Pardubicích', 'Na Třísle', '', 'Pardubice', '', '', '', '', 14); -- OS_PARDUBICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (77, 'Okresní soud v Rychnově nad Kněžnou', '', '516 01', 'Rychnov nad Kněžnou', '', '', '', '', 14); -- OS_RYCHNOV_NAD_KNEZNOU
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (78, 'Okresní soud v Semilech', '', '513 01', 'Semily', '', '', '', 'https://justice.cz/web/okresni-soud-v-semilech', 14); -- OS_SEMILY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (79, 'Okresní soud ve Svitavách', 'Dimitrovova 679/33', '568 19', 'Svitavy', '+420 461 352 811', '+420 461 352 837', 'podatelna@osoud.svy.justice.cz', 'https://justice.cz/web/okresni-soud-ve-svitavach', 14); -- OS_SVITAVY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (80, 'Okresní soud v Trutnově', '', '541 01', 'Trutnov', '', '', '', '', 14); -- OS_TRUTNOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (81, 'Okresní soud v Ústí nad Orlicí', '', '562 01', 'Ústí nad Orlicí', '', '', '', 'https://justice.cz/web/okresni-soud-v-usti-nad-orlici', 14); -- OS_USTI_NAD_ORLICI
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (82, 'Okresní soud v Blansku', '', '678 01', 'Blansko', '', '', '', '', 16); -- OS_BLANSKO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (83, 'Městský soud v Brně', 'Polní 994/39', '608 01', 'Brno', '', '', '', 'https://justice.cz/web/mestsky-soud-v-brne', 16); -- MS_BRNO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (84, 'Okresní soud Brno-venkov', 'Polní 994/39', '', 'Brno', '', '', '', 'https://justice.cz/web/okresni-soud-brno-venkov', 16); -- OS_BRNO_VENKOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (85, 'Okresní soud v Břeclavi', '', '690 02', 'Břeclav', '', '', '', '', 16); -- OS_BRECLAV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (86, 'Okresní soud v Hodoníně', '', '695 01', 'Hodonín', '', '', '', '', 16); -- OS_HODONIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (87, 'Okresní soud v Jihlavě', 'tř. Legionářů 9a', '587 26', 'Jihlava', '', '', '', '', 16); -- OS_JIHLAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (88, 'Okresní soud v Kroměříži', '', '767 01', 'Kroměříž', '', '', '', '', 16); -- OS_KROMERIZ
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (89, 'Okresní soud v Prostějově', '', '796 01', 'Prostějov', '', '', '', '', 16); -- OS_PROSTEJOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (90, 'Okresní soud v Třebíči', '', '674 01', 'Třebíč', '', '', '', '', 16); -- OS_TREBIC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (91, 'Okresní soud v Uherském Hradišti', '', '686 01', 'Uherské Hradiště', '', '', '', '', 16); -- OS_UHERSKE_HRADISTE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (92, 'Okresní soud ve Vsetíně', '', '755 01', 'Vsetín', '', '', '', '', 16); -- OS_VSETIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (93, 'Okresní soud ve Vyškově', '', '682 01', 'Vyškov', '', '', '', '', 16); -- OS_VYSKOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (94, 'Okresní soud ve Zlíně', '', '', 'Zlín', '', '', '', '', 16); -- OS_ZLIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (95, 'Okresní soud ve Znojmě', '', '669 02', 'Znojmo', '', '', '', '', 16); -- OS_ZNOJMO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (96, 'Okresní soud ve Žďáru nad Sázavou', '', '591 01', 'Žďár nad Sázavou', '', '', '', '', 16); -- OS_ZDAR_NAD_SAZAVOU
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (97, 'Okresní soud v Bruntále', '', '792 01', 'Bruntál', '', '', '', '', 19); -- OS_BRUNTAL
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (98, 'Okresní soud ve Frýdku-Místku', '', '738 01', 'Frýdek-Místek', '', '', '', '', 19); -- OS_FRYDEK_MISTEK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (99, 'Okresní soud v Jeseníku', '', '790 01', 'Jeseník', '', '', '', '', 19); -- OS_JESENIK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (100, 'Okresní soud v Karviné', '', '', 'Karviná', '', '', '', 'https://justice.cz/web/okresni-soud-v-karvine', 19); -- OS_KARVINA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (101, 'Okresní soud v Novém Jičíně', '', '741 01', 'Nový Jičín', '', '', '', '', 19); -- OS_NOVY_JICIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (102, 'Okresní soud v Olomouci', 'tř. Svobody 16', '771 38', 'Olomouc', '', '', '', 'https://msp.gov.cz/web/okresni-soud-v-olomouci', 19); -- OS_OLOMOUC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (103, 'Okresní soud v Opavě', '', '746 01', 'Opava', '', '', '', '', 19); -- OS_OPAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (104, 'Okresní soud v Ostravě', 'U Soudu 6187/4', '708 82', 'Ostrava', '', '', 'osostrava@osoud.ova.justice.cz', 'https://justice.cz/web/okresni-soud-v-ostrave', 19); -- OS_OSTRAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (105, 'Okresní soud v Přerově', '', '750 02', 'Přerov', '', '', '', '', 19); -- OS_PREROV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (106, 'Okresní soud v Šumperku', '', '787 01', 'Šumperk', '', '', '', '', 19); -- OS_SUMPERK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (107, 'Okresní soud v Karviné – pobočka v Havířově', '', '', 'Havířov', '', '', '', '', 19); -- OS_KARVINA_HAVIROV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (108, 'Okresní soud v Bruntále – pobočka v Krnově', '', '', 'Krnov', '', '', '', '', 19); -- OS_BRUNTAL_KRNOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (109, 'Okresní soud ve Vsetíně – pobočka ve Valašském Meziříčí', '', '', 'Valašské Meziříčí', '', '', '', '', 16); -- OS_VSETIN_VALMEZ
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (110, 'Nejvyšší státní zastupitelství', 'Jezuitská 585/4', '', 'Brno', '+420 542 512 111', '', 'podatelna@nsz.brn.justice.cz', 'https://verejnazaloba.cz/nsz/', NULL); -- NSZ
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (111, 'Vrchní státní zastupitelství v Praze', 'nám. Hrdinů 1300', '140 65', 'Praha 4', '+420 261 196 111', '+420 261 196 640', 'podatelna@vsz.pha.justice.cz', 'https://verejnazaloba.cz/vsz-praha', NULL); -- VSZ_PRAHA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (112, 'Vrchní státní zastupitelství v Olomouci', '', '', 'Olomouc', '', '', '', '', NULL); -- VSZ_OLOMOUC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (113, 'Městské státní zastupitelství v Praze', '', '', 'Praha', '', '', '', '', NULL); -- MSZ_PRAHA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (114, 'Krajské státní zastupitelství v Praze', 'Husova 11', '110 01', 'Praha 1', '+420 222 111 700', '+420 222 220 075', 'podatelna@ksz.pha.justice.cz', 'https://verejnazaloba.cz/ksz-praha', NULL); -- KSZ_PRAHA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (115, 'Krajské státní zastupitelství v Českých Budějovicích', '', '', 'České Budějovice', '', '', '', '', NULL); -- KSZ_CB
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (116, 'Krajské státní zastupitelství v Českých Budějovicích – pobočka v Táboře', 'tř. Kpt. Jaroše', '', 'Tábor', '', '', '', '', NULL); -- KSZ_CB_TABOR
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (117, 'Krajské státní zastupitelství v Plzni', '', '', 'Plzeň', '', '', '', '', NULL); -- KSZ_PLZEN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (118, 'Krajské státní zastupitelství v Plzni – pobočka v Karlových Varech', '', '', 'Karlovy Vary', '', '', '', '', NULL); -- KSZ_PLZEN_KV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (119, 'Krajské státní zastupitelství v Ústí nad Labem', '', '', 'Ústí nad Labem', '', '', '', '', NULL); -- KSZ_USTI
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (120, 'Krajské státní zastupitelství v Ústí nad Labem – pobočka v Liberci', '', '', 'Liberec', '', '', '', '', NULL); -- KSZ_USTI_LIBEREC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (121, 'Krajské státní zastupitelství v Hradci Králové', '', '', 'Hradec Králové', '', '', '', '', NULL); -- KSZ_HK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (122, 'Krajské státní zastupitelství v Hradci Králové – pobočka v Pardubicích', '', '', 'Pardubice', '', '', '', '', NULL); -- KSZ_HK_PARDUBICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (123, 'Krajské státní zastupitelství v Brně', '', '', 'Brno', '', '', '', '', NULL); -- KSZ_BRNO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (124, 'Krajské státní zastupitelství v Brně – pobočka v Jihlavě', 'tř. Legionářů', '', 'Jihlava', '', '', '', '', NULL); -- KSZ_BRNO_JIHLAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (125, 'Krajské státní zastupitelství v Brně – pobočka ve Zlíně', '', '', 'Zlín', '', '', '', '', NULL); -- KSZ_BRNO_ZLIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (126, 'Krajské státní zastupitelství v Ostravě', '', '', 'Ostrava', '', '', '', '', NULL); -- KSZ_OSTRAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (127, 'Krajské státní zastupitelství v Ostravě – pobočka v Olomouci', '', '', 'Olomouc', '', '', '', '', NULL); -- KSZ_OSTRAVA_OLOMOUC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (128, 'Obvodní státní zastupitelství pro Prahu 1', '', '', 'Praha', '', '', '', '', NULL); -- OSZ_PRAHA_1
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (129, 'Obvodní státní zastupitelství pro Prahu 2', '', '', 'Praha', '', '', '', '', NULL); -- OSZ_PRAHA_2
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (130, 'Obvodní státní zastupitelství pro Prahu 3', '', '', 'Praha', '', '', '', '', NULL); -- OSZ_PRAHA_3
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (131, 'Obvodní státní zastupitelství pro Prahu 4', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', NULL); -- OSZ_PRAHA_4
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (132, 'Obvodní státní zastupitelství pro Prahu 5', 'náměstí 14. října 12', '150 00', 'Praha 5', '+420 257 104 111', '+420 257 325 719', 'podatelna@osz.pha5.justice.cz', 'https://verejnazaloba.cz/osz-praha-5', NULL); -- OSZ_PRAHA_5
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (133, 'Obvodní státní zastupitelství pro Prahu 6', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', NULL); -- OSZ_PRAHA_6
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (134, 'Obvodní státní zastupitelství pro Prahu 7', '', '', 'Praha', '', '', '', '', NULL); -- OSZ_PRAHA_7
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (135, 'Obvodní státní zastupitelství pro Prahu 8', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', NULL); -- OSZ_PRAHA_8
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (136, 'Obvodní státní zastupitelství pro Prahu 9', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', NULL); -- OSZ_PRAHA_9
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (137, 'Obvodní státní zastupitelství pro Prahu 10', '28. pluku 1533/29b', '100 83', 'Praha 10', '', '', '', '', NULL); -- OSZ_PRAHA_10
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (138, 'Okresní státní zastupitelství v Benešově', '', '', 'Benešov', '', '', '', '', NULL); -- OSZ_BENESOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (139, 'Okresní státní zastupitelství v Berouně', '', '', 'Beroun', '', '', '', '', NULL); -- OSZ_BEROUN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (140, 'Okresní státní zastupitelství v Kladně', '', '', 'Kladno', '', '', '', '', NULL); -- OSZ_KLADNO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (141, 'Okresní státní zastupitelství v Kolíně', '', '', 'Kolín', '', '', '', '', NULL); -- OSZ_KOLIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (142, 'Okresní státní zastupitelství v Kutné Hoře', '', '', 'Kutná Hora', '', '', '', '', NULL); -- OSZ_KUTNA_HORA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (143, 'Okresní státní zastupitelství v Mělníku', '', '', 'Mělník', '', '', '', '', NULL); -- OSZ_MELNIK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (144, 'Okresní státní zastupitelství v Mladé Boleslavi', '', '', 'Mladá Boleslav', '', '', '', '', NULL); -- OSZ_MLADA_BOLESLAV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (145, 'Okresní státní zastupitelství v Nymburce', '', '', 'Nymburk', '', '', '', '', NULL); -- OSZ_NYMBURK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (146, 'Okresní státní zastupitelství Praha-východ', '', '', 'Praha 1', '', '', '', '', NULL); -- OSZ_PRAHA_VYCHOD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (147, 'Okresní státní zastupitelství Praha-západ', '', '', 'Praha 1', '', '', '', '', NULL); -- OSZ_PRAHA_ZAPAD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (148, 'Okresní státní zastupitelství v Příbrami', '', '', 'Příbram', '', '', '', '', NULL); -- OSZ_PRIBRAM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (149, 'Okresní státní zastupitelství v Rakovníku', '', '', 'Rakovník', '', '', '', '', NULL); -- OSZ_RAKOVNIK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (150, 'Okresní státní zastupitelství v Českých Budějovicích', '', '', 'České Budějovice', '', '', '', '', NULL); -- OSZ_CESKE_BUDEJOVICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (151, 'Okresní státní zastupitelství v Českém Krumlově', '', '', 'Český Krumlov', '', '', '', '', NULL); -- OSZ_CESKY_KRUMLOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (152, 'Okresní státní zastupitelství v Jindřichově Hradci', '', '', 'Jindřichův Hradec', '', '', '', '', NULL); -- OSZ_JINDRICHUV_HRADEC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (153, 'Okresní státní zastupitelství v Pelhřimově', '', '', 'Pelhřimov', '', '', '', '', NULL); -- OSZ_PELHRIMOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (154, 'Okresní státní zastupitelství v Písku', '', '', 'Písek', '', '', '', '', NULL); -- OSZ_PISEK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (155, 'Okresní státní zastupitelství v Prachaticích', '', '', 'Prachatice', '', '', '', '', NULL); -- OSZ_PRACHATICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (156, 'Okresní státní zastupitelství ve Strakonicích', '', '', 'Strakonice', '', '', '', '', NULL); -- OSZ_STRAKONICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (157, 'Okresní státní zastupitelství v Táboře', 'tř. Kpt. Jaroše', '', 'Tábor', '', '', '', '', NULL); -- OSZ_TABOR
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (158, 'Okresní státní zastupitelství v Domažlicích', '', '', 'Domažlice', '', '', '', '', NULL); -- OSZ_DOMAZLICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (159, 'Okresní státní zastupitelství v Chebu', 'Lidická 2', '350 03', 'Cheb', '', '', 'podatelna@osz.chb.justice.cz', '', NULL); -- OSZ_CHEB
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (160, 'Okresní státní zastupitelství v Karlových Varech', '', '', 'Karlovy Vary', '', '', '', '', NULL); -- OSZ_KARLOVY_VARY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (161, 'Okresní státní zastupitelství v Klatovech', '', '', 'Klatovy', '', '', '', '', NULL); -- OSZ_KLATOVY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (162, 'Okresní státní zastupitelství Plzeň-jih', '', '', 'Plzeň', '', '', '', '', NULL); -- OSZ_PLZEN_JIH
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (163, 'Okresní státní zastupitelství Plzeň-město', '', '', 'Plzeň', '', '', 'podatelna@osz.plzm.justice.cz', '', NULL); -- OSZ_PLZEN_MESTO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (164, 'Okresní státní zastupitelství Plzeň-sever', '', '', 'Plzeň', '', '', '', '', NULL); -- OSZ_PLZEN_SEVER
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (165, 'Okresní státní zastupitelství v Rokycanech', '', '', 'Rokycany', '', '', '', '', NULL); -- OSZ_ROKYCANY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (166, 'Okresní státní zastupitelství v Sokolově', '', '', 'Sokolov', '', '', '', '', NULL); -- OSZ_SOKOLOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (167, 'Okresní státní zastupitelství v Tachově', '', '', 'Tachov', '', '', '', '', NULL); -- OSZ_TACHOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (168, 'Okresní státní zastupitelství v České Lípě', '', '', 'Česká Lípa', '', '', '', '', NULL); -- OSZ_CESKA_LIPA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (169, 'Okresní státní zastupitelství v Děčíně', '', '', 'Děčín', '', '', '', '', NULL); -- OSZ_DECIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (170, 'Okresní státní zastupitelství v Chomutově', '', '', 'Chomutov', '', '', '', '', NULL); -- OSZ_CHOMUTOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (171, 'Okresní státní zastupitelství v Jablonci nad Nisou', '', '', 'Jablonec nad Nisou', '', '', '', '', NULL); -- OSZ_JABLONEC_NAD_NISOU
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (172, 'Okresní státní zastupitelství v Liberci', '', '', 'Liberec', '', '', '', '', NULL); -- OSZ_LIBEREC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (173, 'Okresní státní zastupitelství v Litoměřicích', '', '', 'Litoměřice', '', '', '', '', NULL); -- OSZ_LITOMERICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (174, 'Okresní státní zastupitelství v Lounech', '', '', 'Louny', '', '', '', '', NULL); -- OSZ_LOUNY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (175, 'Okresní státní zastupitelství v Mostě', '', '', 'Most', '', '', '', '', NULL); -- OSZ_MOST
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (176, 'Okresní státní zastupitelství v Teplicích', '', '', 'Teplice', '', '', '', '', NULL); -- OSZ_TEPLICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (177, 'Okresní státní zastupitelství v Ústí nad Labem', '', '', 'Ústí nad Labem', '', '', '', '', NULL); -- OSZ_USTI_NAD_LABEM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (178, 'Okresní státní zastupitelství v Hradci Králové', '', '', 'Hradec Králové', '', '', '', '', NULL); -- OSZ_HRADEC_KRALOVE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (179, 'Okresní státní zastupitelství v Chrudimi', '', '', 'Chrudim', '', '', '', '', NULL); -- OSZ_CHRUDIM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (180, 'Okresní státní zastupitelství v Havlíčkově Brodě', '', '', 'Havlíčkův Brod', '', '', '', '', NULL); -- OSZ_HAVLICKUV_BROD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (181, 'Okresní státní zastupitelství v Jičíně', '', '', 'Jičín', '', '', '', '', NULL); -- OSZ_JICIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (182, 'Okresní státní zastupitelství v Náchodě', '', '', 'Náchod', '', '', '', '', NULL); -- OSZ_NACHOD
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (183, 'Okresní státní zastupitelství v Pardubicích', '', '', 'Pardubice', '', '', '', '', NULL); -- OSZ_PARDUBICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (184, 'Okresní státní zastupitelství v Rychnově nad Kněžnou', '', '', 'Rychnov nad Kněžnou', '', '', '', '', NULL); -- OSZ_RYCHNOV_NAD_KNEZNOU
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (185, 'Okresní státní zastupitelství v Semilech', '', '', 'Semily', '', '', '', '', NULL); -- OSZ_SEMILY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (186, 'Okresní státní zastupitelství ve Svitavách', '', '', 'Svitavy', '', '', '', '', NULL); -- OSZ_SVITAVY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (187, 'Okresní státní zastupitelství v Trutnově', '', '', 'Trutnov', '', '', '', '', NULL); -- OSZ_TRUTNOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (188, 'Okresní státní zastupitelství v Ústí nad Orlicí', '', '', 'Ústí nad Orlicí', '', '', '', '', NULL); -- OSZ_USTI_NAD_ORLICI
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (189, 'Okresní státní zastupitelství v Blansku', 'Seifertova 9', '678 44', 'Blansko', '', '', '', 'https://verejnazaloba.cz/osz-blansko', NULL); -- OSZ_BLANSKO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (190, 'Městské státní zastupitelství v Brně', 'Polní 994/39', '', 'Brno', '', '', '', '', NULL); -- MSZ_BRNO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (191, 'Okresní státní zastupitelství Brno-venkov', 'Polní 994/39', '', 'Brno', '', '', '', '', NULL); -- OSZ_BRNO_VENKOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (192, 'Okresní státní zastupitelství v Břeclavi', '', '', 'Břeclav', '', '', '', '', NULL); -- OSZ_BRECLAV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (193, 'Okresní státní zastupitelství v Hodoníně', '', '', 'Hodonín', '', '', '', '', NULL); -- OSZ_HODONIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (194, 'Okresní státní zastupitelství v Jihlavě', 'tř. Legionářů', '', 'Jihlava', '', '', '', '', NULL); -- OSZ_JIHLAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (195, 'Okresní státní zastupitelství v Kroměříži', '', '', 'Kroměříž', '', '', '', '', NULL); -- OSZ_KROMERIZ
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (196, 'Okresní státní zastupitelství v Prostějově', '', '', 'Prostějov', '', '', '', '', NULL); -- OSZ_PROSTEJOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (197, 'Okresní státní zastupitelství v Třebíči', '', '', 'Třebíč', '', '', '', '', NULL); -- OSZ_TREBIC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (198, 'Okresní státní zastupitelství v Uherském Hradišti', '', '', 'Uherské Hradiště', '', '', '', '', NULL); -- OSZ_UHERSKE_HRADISTE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (199, 'Okresní státní zastupitelství ve Vsetíně', '', '', 'Vsetín', '', '', '', '', NULL); -- OSZ_VSETIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (200, 'Okresní státní zastupitelství ve Vyškově', '', '', 'Vyškov', '', '', '', '', NULL); -- OSZ_VYSKOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (201, 'Okresní státní zastupitelství ve Zlíně', '', '', 'Zlín', '', '', '', '', NULL); -- OSZ_ZLIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (202, 'Okresní státní zastupitelství ve Znojmě', '', '', 'Znojmo', '', '', '', '', NULL); -- OSZ_ZNOJMO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (203, 'Okresní státní zastupitelství ve Žďáru nad Sázavou', '', '', 'Žďár nad Sázavou', '', '', '', '', NULL); -- OSZ_ZDAR_NAD_SAZAVOU
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (204, 'Okresní státní zastupitelství v Bruntále', 'Partyzánská 11', '792 01', 'Bruntál', '+420 554 786 396', '+420 554 712 974', 'podatelna@osz.bru.justice.cz', 'https://verejnazaloba.cz/osz-bruntal', NULL); -- OSZ_BRUNTAL
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (205, 'Okresní státní zastupitelství ve Frýdku-Místku', '', '', 'Frýdek-Místek', '', '', '', '', NULL); -- OSZ_FRYDEK_MISTEK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (206, 'Okresní státní zastupitelství v Jeseníku', '', '', 'Jeseník', '', '', '', '', NULL); -- OSZ_JESENIK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (207, 'Okresní státní zastupitelství v Karviné', '', '', 'Karviná', '', '', '', '', NULL); -- OSZ_KARVINA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (208, 'Okresní státní zastupitelství v Novém Jičíně', '', '', 'Nový Jičín', '', '', '', '', NULL); -- OSZ_NOVY_JICIN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (209, 'Okresní státní zastupitelství v Olomouci', '', '', 'Olomouc', '', '', '', '', NULL); -- OSZ_OLOMOUC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (210, 'Okresní státní zastupitelství v Opavě', '', '', 'Opava', '+420 553 607 611', '', 'podatelna@osz.opa.justice.cz', 'https://verejnazaloba.cz/osz-opava', NULL); -- OSZ_OPAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (211, 'Okresní státní zastupitelství v Ostravě', '', '', 'Ostrava', '', '', '', '', NULL); -- OSZ_OSTRAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (212, 'Okresní státní zastupitelství v Přerově', '', '', 'Přerov', '', '', '', '', NULL); -- OSZ_PREROV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (213, 'Okresní státní zastupitelství v Šumperku', '', '', 'Šumperk', '', '', '', '', NULL); -- OSZ_SUMPERK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (214, 'Věznice Bělušice', 'Bělušice 66', '435 26', 'Bečov u Mostu', '+420 476 143 111', '', '', 'https://www.vscr.cz/organizacni-jednotky/veznice-belusice', NULL); -- VEZ_BELUSICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (215, 'Věznice Břeclav', '', '', 'Břeclav', '', '', '', '', NULL); -- VEZ_BRECLAV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (216, 'Věznice Drahonice', '', '', 'Drahonice', '', '', '', '', NULL); -- VEZ_DRAHONICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (217, 'Věznice Heřmanice', '', '', 'Ostrava', '', '', '', '', NULL); -- VEZ_HERMANICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (218, 'Věznice Horní Slavkov', '', '', 'Horní Slavkov', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/veznice-horni-slavkov', NULL); -- VEZ_HORNI_SLAVKOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (219, 'Věznice Jiřice', '', '', 'Jiřice', '', '', '', '', NULL); -- VEZ_JIRICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (220, 'Věznice Karviná', '', '', 'Karviná', '', '', '', '', NULL); -- VEZ_KARVINA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (221, 'Věznice Kuřim', '', '', 'Kuřim', '', '', '', '', NULL); -- VEZ_KURIM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (222, 'Věznice Kynšperk nad Ohří', '', '', 'Kynšperk nad Ohří', '', '', '', '', NULL); -- VEZ_KYNSPERK
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (223, 'Věznice Mírov', 'Mírov 1', '789 53', 'Mírov', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/veznice-mirov', NULL); -- VEZ_MIROV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (224, 'Věznice Nové Sedlo', '', '', 'Nové Sedlo', '', '', '', '', NULL); -- VEZ_NOVE_SEDLO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (225, 'Věznice Odolov', '', '', 'Odolov', '', '', '', '', NULL); -- VEZ_ODOLOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (226, 'Věznice a ústav pro výkon zabezpečovací detence Opava', '', '', 'Opava', '', '', '', '', NULL); -- VEZ_OPAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (227, 'Věznice Oráčov', '', '', 'Oráčov', '', '', '', '', NULL); -- VEZ_ORACOV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (228, 'Věznice Ostrov', '', '', 'Ostrov', '', '', '', '', NULL); -- VEZ_OSTROV
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (229, 'Věznice Pardubice', '', '', 'Pardubice', '', '', '', '', NULL); -- VEZ_PARDUBICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (230, 'Věznice Plzeň', 'Klatovská 202', '306 28', 'Plzeň', '', '', '', '', NULL); -- VEZ_PLZEN
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (231, 'Věznice Příbram', '', '', 'Příbram', '', '', '', '', NULL); -- VEZ_PRIBRAM
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (232, 'Věznice Rapotice', '', '', 'Rapotice', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/veznice-rapotice', NULL); -- VEZ_RAPOTICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (233, 'Věznice Rýnovice', '', '', 'Jablonec nad Nisou', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/veznice-rynovice', NULL); -- VEZ_RYNOVICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (234, 'Věznice Stráž pod Ralskem', '', '', 'Stráž pod Ralskem', '', '', '', '', NULL); -- VEZ_STRAZ
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (235, 'Věznice Světlá nad Sázavou', '', '', 'Světlá nad Sázavou', '', '', '', '', NULL); -- VEZ_SVETLA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (236, 'Věznice Valdice', 'Náměstí Míru 55', '507 11', 'Valdice', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/veznice-valdice', NULL); -- VEZ_VALDICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (237, 'Věznice Vinařice', '', '', 'Vinařice', '', '', '', '', NULL); -- VEZ_VINARICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (238, 'Věznice Všehrdy', '', '', 'Všehrdy', '', '', '', '', NULL); -- VEZ_VSEHRDY
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (239, 'Věznice Znojmo', '', '', 'Znojmo', '', '', '', '', NULL); -- VEZ_ZNOJMO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (240, 'Vazební věznice a ústav pro výkon zabezpečovací detence Brno', 'Bauerova 5', '603 00', 'Brno', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/vazebni-veznice-a-upvzd-brno', NULL); -- VV_BRNO
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (241, 'Vazební věznice České Budějovice', '', '', 'České Budějovice', '', '', '', '', NULL); -- VV_CESKE_BUDEJOVICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (242, 'Vazební věznice Hradec Králové', '', '', 'Hradec Králové', '', '', '', '', NULL); -- VV_HRADEC_KRALOVE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (243, 'Vazební věznice Liberec', '', '', 'Liberec', '', '', '', '', NULL); -- VV_LIBEREC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (244, 'Vazební věznice Litoměřice', '', '', 'Litoměřice', '', '', '', '', NULL); -- VV_LITOMERICE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (245, 'Vazební věznice Olomouc', '', '', 'Olomouc', '', '', '', '', NULL); -- VV_OLOMOUC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (246, 'Vazební věznice Ostrava', '', '', 'Ostrava', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/vazebni-veznice-ostrava', NULL); -- VV_OSTRAVA
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (247, 'Vazební věznice Praha-Pankrác', 'Soudní 988/1', '140 57', 'Praha 4', '', '', '', 'https://www.vscr.cz/organizacni-jednotky/vazebni-veznice-praha-pankrac', NULL); -- VV_PRAHA_PANKRAC
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (248, 'Vazební věznice Praha-Ruzyně', '', '', 'Praha 6', '', '', '', '', NULL); -- VV_PRAHA_RUZYNE
INSERT INTO soudy (id, nazev, ulice, psc, mesto, telefon, fax, email, www, nadrazeny_soud) VALUES (249, 'Vazební věznice Teplice', '', '', 'Teplice', '', '', '', '', NULL); -- VV_TEPLICE

INSERT INTO okresni (okres, id_soudy) VALUES ('Benešov', 31); -- OS_BENESOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Beroun', 32); -- OS_BEROUN
INSERT INTO okresni (okres, id_soudy) VALUES ('Kladno', 33); -- OS_KLADNO
INSERT INTO okresni (okres, id_soudy) VALUES ('Kolín', 34); -- OS_KOLIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Kutná Hora', 35); -- OS_KUTNA_HORA
INSERT INTO okresni (okres, id_soudy) VALUES ('Mělník', 36); -- OS_MELNIK
INSERT INTO okresni (okres, id_soudy) VALUES ('Mladá Boleslav', 37); -- OS_MLADA_BOLESLAV
INSERT INTO okresni (okres, id_soudy) VALUES ('Nymburk', 38); -- OS_NYMBURK
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha-východ', 39); -- OS_PRAHA_VYCHOD
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha-západ', 40); -- OS_PRAHA_ZAPAD
INSERT INTO okresni (okres, id_soudy) VALUES ('Příbram', 41); -- OS_PRIBRAM
INSERT INTO okresni (okres, id_soudy) VALUES ('Rakovník', 42); -- OS_RAKOVNIK
INSERT INTO okresni (okres, id_soudy) VALUES ('České Budějovice', 43); -- OS_CESKE_BUDEJOVICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Český Krumlov', 44); -- OS_CESKY_KRUMLOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Jindřichův Hradec', 45); -- OS_JINDRICHUV_HRADEC
INSERT INTO okresni (okres, id_soudy) VALUES ('Písek', 47); -- OS_PISEK
INSERT INTO okresni (okres, id_soudy) VALUES ('Prachatice', 48); -- OS_PRACHATICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Strakonice', 49); -- OS_STRAKONICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Tábor', 50); -- OS_TABOR
INSERT INTO okresni (okres, id_soudy) VALUES ('Domažlice', 51); -- OS_DOMAZLICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Klatovy', 54); -- OS_KLATOVY
INSERT INTO okresni (okres, id_soudy) VALUES ('Plzeň-jih', 55); -- OS_PLZEN_JIH
INSERT INTO okresni (okres, id_soudy) VALUES ('Plzeň-město', 56); -- OS_PLZEN_MESTO
INSERT INTO okresni (okres, id_soudy) VALUES ('Plzeň-sever', 57); -- OS_PLZEN_SEVER
INSERT INTO okresni (okres, id_soudy) VALUES ('Rokycany', 58); -- OS_ROKYCANY
INSERT INTO okresni (okres, id_soudy) VALUES ('Tachov', 60); -- OS_TACHOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Cheb', 52); -- OS_CHEB
INSERT INTO okresni (okres, id_soudy) VALUES ('Karlovy Vary', 53); -- OS_KARLOVY_VARY
INSERT INTO okresni (okres, id_soudy) VALUES ('Sokolov', 59); -- OS_SOKOLOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Děčín', 62); -- OS_DECIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Chomutov', 63); -- OS_CHOMUTOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Litoměřice', 66); -- OS_LITOMERICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Louny', 67); -- OS_LOUNY
INSERT INTO okresni (okres, id_soudy) VALUES ('Most', 68); -- OS_MOST
INSERT INTO okresni (okres, id_soudy) VALUES ('Teplice', 69); -- OS_TEPLICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Ústí nad Labem', 70); -- OS_USTI_NAD_LABEM
INSERT INTO okresni (okres, id_soudy) VALUES ('Česká Lípa', 61); -- OS_CESKA_LIPA
INSERT INTO okresni (okres, id_soudy) VALUES ('Jablonec nad Nisou', 64); -- OS_JABLONEC_NAD_NISOU
INSERT INTO okresni (okres, id_soudy) VALUES ('Liberec', 65); -- OS_LIBEREC
INSERT INTO okresni (okres, id_soudy) VALUES ('Semily', 78); -- OS_SEMILY
INSERT INTO okresni (okres, id_soudy) VALUES ('Hradec Králové', 71); -- OS_HRADEC_KRALOVE
INSERT INTO okresni (okres, id_soudy) VALUES ('Jičín', 74); -- OS_JICIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Náchod', 75); -- OS_NACHOD
INSERT INTO okresni (okres, id_soudy) VALUES ('Rychnov nad Kněžnou', 77); -- OS_RYCHNOV_NAD_KNEZNOU
INSERT INTO okresni (okres, id_soudy) VALUES ('Trutnov', 80); -- OS_TRUTNOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Chrudim', 72); -- OS_CHRUDIM
INSERT INTO okresni (okres, id_soudy) VALUES ('Pardubice', 76); -- OS_PARDUBICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Svitavy', 79); -- OS_SVITAVY
INSERT INTO okresni (okres, id_soudy) VALUES ('Ústí nad Orlicí', 81); -- OS_USTI_NAD_ORLICI
INSERT INTO okresni (okres, id_soudy) VALUES ('Havlíčkův Brod', 73); -- OS_HAVLICKUV_BROD
INSERT INTO okresni (okres, id_soudy) VALUES ('Jihlava', 87); -- OS_JIHLAVA
INSERT INTO okresni (okres, id_soudy) VALUES ('Pelhřimov', 46); -- OS_PELHRIMOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Třebíč', 90); -- OS_TREBIC
INSERT INTO okresni (okres, id_soudy) VALUES ('Žďár nad Sázavou', 96); -- OS_ZDAR_NAD_SAZAVOU
INSERT INTO okresni (okres, id_soudy) VALUES ('Blansko', 82); -- OS_BLANSKO
INSERT INTO okresni (okres, id_soudy) VALUES ('Brno-město', 83); -- MS_BRNO
INSERT INTO okresni (okres, id_soudy) VALUES ('Brno-venkov', 84); -- OS_BRNO_VENKOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Břeclav', 85); -- OS_BRECLAV
INSERT INTO okresni (okres, id_soudy) VALUES ('Hodonín', 86); -- OS_HODONIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Vyškov', 93); -- OS_VYSKOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Znojmo', 95); -- OS_ZNOJMO
INSERT INTO okresni (okres, id_soudy) VALUES ('Jeseník', 99); -- OS_JESENIK
INSERT INTO okresni (okres, id_soudy) VALUES ('Olomouc', 102); -- OS_OLOMOUC
INSERT INTO okresni (okres, id_soudy) VALUES ('Prostějov', 89); -- OS_PROSTEJOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Přerov', 105); -- OS_PREROV
INSERT INTO okresni (okres, id_soudy) VALUES ('Šumperk', 106); -- OS_SUMPERK
INSERT INTO okresni (okres, id_soudy) VALUES ('Kroměříž', 88); -- OS_KROMERIZ
INSERT INTO okresni (okres, id_soudy) VALUES ('Uherské Hradiště', 91); -- OS_UHERSKE_HRADISTE
INSERT INTO okresni (okres, id_soudy) VALUES ('Vsetín', 92); -- OS_VSETIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Zlín', 94); -- OS_ZLIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Bruntál', 97); -- OS_BRUNTAL
INSERT INTO okresni (okres, id_soudy) VALUES ('Frýdek-Místek', 98); -- OS_FRYDEK_MISTEK
INSERT INTO okresni (okres, id_soudy) VALUES ('Karviná', 100); -- OS_KARVINA
INSERT INTO okresni (okres, id_soudy) VALUES ('Nový Jičín', 101); -- OS_NOVY_JICIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Opava', 103); -- OS_OPAVA
INSERT INTO okresni (okres, id_soudy) VALUES ('Ostrava-město', 104); -- OS_OSTRAVA
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 1', 21); -- OS_PRAHA_1
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 2', 22); -- OS_PRAHA_2
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 3', 23); -- OS_PRAHA_3
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 4', 24); -- OS_PRAHA_4
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 5', 25); -- OS_PRAHA_5
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 6', 26); -- OS_PRAHA_6
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 7', 27); -- OS_PRAHA_7
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 8', 28); -- OS_PRAHA_8
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 9', 29); -- OS_PRAHA_9
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 10', 30); -- OS_PRAHA_10
INSERT INTO okresni (okres, id_soudy) VALUES ('Brno', 83); -- MS_BRNO
INSERT INTO okresni (okres, id_soudy) VALUES ('Ostrava', 104); -- OS_OSTRAVA
INSERT INTO okresni (okres, id_soudy) VALUES ('Plzeň', 56); -- OS_PLZEN_MESTO
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 11', 24); -- OS_PRAHA_4
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 12', 24); -- OS_PRAHA_4
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 13', 25); -- OS_PRAHA_5
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 14', 29); -- OS_PRAHA_9
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 15', 30); -- OS_PRAHA_10
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 16', 25); -- OS_PRAHA_5
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 17', 26); -- OS_PRAHA_6
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 18', 29); -- OS_PRAHA_9
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 19', 29); -- OS_PRAHA_9
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 20', 29); -- OS_PRAHA_9
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 21', 29); -- OS_PRAHA_9
INSERT INTO okresni (okres, id_soudy) VALUES ('Praha 22', 30); -- OS_PRAHA_10
INSERT INTO okresni (okres, id_soudy) VALUES ('Havířov', 107); -- OS_KARVINA_HAVIROV
INSERT INTO okresni (okres, id_soudy) VALUES ('Krnov', 108); -- OS_BRUNTAL_KRNOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Valašské Meziříčí', 109); -- OS_VSETIN_VALMEZ
INSERT INTO okresni (okres, id_soudy) VALUES ('Kralupy nad Vltavou', 36); -- OS_MELNIK
INSERT INTO okresni (okres, id_soudy) VALUES ('Neratovice', 36); -- OS_MELNIK
INSERT INTO okresni (okres, id_soudy) VALUES ('Mšeno', 36); -- OS_MELNIK
INSERT INTO okresni (okres, id_soudy) VALUES ('Veltrusy', 36); -- OS_MELNIK
INSERT INTO okresni (okres, id_soudy) VALUES ('Čáslav', 35); -- OS_KUTNA_HORA
INSERT INTO okresni (okres, id_soudy) VALUES ('Říčany', 39); -- OS_PRAHA_VYCHOD
INSERT INTO okresni (okres, id_soudy) VALUES ('Brandýs nad Labem-Stará Boleslav', 39); -- OS_PRAHA_VYCHOD
INSERT INTO okresni (okres, id_soudy) VALUES ('Černošice', 40); -- OS_PRAHA_ZAPAD
INSERT INTO okresni (okres, id_soudy) VALUES ('Slaný', 33); -- OS_KLADNO
INSERT INTO okresni (okres, id_soudy) VALUES ('Hořovice', 32); -- OS_BEROUN
INSERT INTO okresni (okres, id_soudy) VALUES ('Poděbrady', 38); -- OS_NYMBURK
INSERT INTO okresni (okres, id_soudy) VALUES ('Vlašim', 31); -- OS_BENESOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Dobříš', 41); -- OS_PRIBRAM
INSERT INTO okresni (okres, id_soudy) VALUES ('Sedlčany', 41); -- OS_PRIBRAM
INSERT INTO okresni (okres, id_soudy) VALUES ('Milevsko', 47); -- OS_PISEK
INSERT INTO okresni (okres, id_soudy) VALUES ('Vimperk', 48); -- OS_PRACHATICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Třeboň', 45); -- OS_JINDRICHUV_HRADEC
INSERT INTO okresni (okres, id_soudy) VALUES ('Humpolec', 46); -- OS_PELHRIMOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Mariánské Lázně', 52); -- OS_CHEB
INSERT INTO okresni (okres, id_soudy) VALUES ('Aš', 52); -- OS_CHEB
INSERT INTO okresni (okres, id_soudy) VALUES ('Ostrov (okres Karlovy Vary)', 53); -- OS_KARLOVY_VARY
INSERT INTO okresni (okres, id_soudy) VALUES ('Chodov', 59); -- OS_SOKOLOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Sušice', 54); -- OS_KLATOVY
INSERT INTO okresni (okres, id_soudy) VALUES ('Litvínov', 68); -- OS_MOST
INSERT INTO okresni (okres, id_soudy) VALUES ('Žatec', 67); -- OS_LOUNY
INSERT INTO okresni (okres, id_soudy) VALUES ('Kadaň', 63); -- OS_CHOMUTOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Varnsdorf', 62); -- OS_DECIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Rumburk', 62); -- OS_DECIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Roudnice nad Labem', 66); -- OS_LITOMERICE
INSERT INTO okresni (okres, id_soudy) VALUES ('Turnov', 78); -- OS_SEMILY
INSERT INTO okresni (okres, id_soudy) VALUES ('Dvůr Králové nad Labem', 80); -- OS_TRUTNOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Vrchlabí', 80); -- OS_TRUTNOV
INSERT INTO okresni (okres, id_soudy) VALUES ('Litomyšl', 79); -- OS_SVITAVY
INSERT INTO okresni (okres, id_soudy) VALUES ('Moravská Třebová', 79); -- OS_SVITAVY
INSERT INTO okresni (okres, id_soudy) VALUES ('Česká Třebová', 81); -- OS_USTI_NAD_ORLICI
INSERT INTO okresni (okres, id_soudy) VALUES ('Vysoké Mýto', 81); -- OS_USTI_NAD_ORLICI
INSERT INTO okresni (okres, id_soudy) VALUES ('Nové Město na Moravě', 96); -- OS_ZDAR_NAD_SAZAVOU
INSERT INTO okresni (okres, id_soudy) VALUES ('Velké Meziříčí', 96); -- OS_ZDAR_NAD_SAZAVOU
INSERT INTO okresni (okres, id_soudy) VALUES ('Boskovice', 82); -- OS_BLANSKO
INSERT INTO okresni (okres, id_soudy) VALUES ('Kyjov', 86); -- OS_HODONIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Mikulov', 85); -- OS_BRECLAV
INSERT INTO okresni (okres, id_soudy) VALUES ('Hustopeče', 85); -- OS_BRECLAV
INSERT INTO okresni (okres, id_soudy) VALUES ('Uherský Brod', 91); -- OS_UHERSKE_HRADISTE
INSERT INTO okresni (okres, id_soudy) VALUES ('Otrokovice', 94); -- OS_ZLIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Holešov', 88); -- OS_KROMERIZ
INSERT INTO okresni (okres, id_soudy) VALUES ('Hranice', 105); -- OS_PREROV
INSERT INTO okresni (okres, id_soudy) VALUES ('Šternberk', 102); -- OS_OLOMOUC
INSERT INTO okresni (okres, id_soudy) VALUES ('Zábřeh', 106); -- OS_SUMPERK
INSERT INTO okresni (okres, id_soudy) VALUES ('Třinec', 98); -- OS_FRYDEK_MISTEK
INSERT INTO okresni (okres, id_soudy) VALUES ('Kopřivnice', 101); -- OS_NOVY_JICIN
INSERT INTO okresni (okres, id_soudy) VALUES ('Orlová', 100); -- OS_KARVINA
INSERT INTO okresni (okres, id_soudy) VALUES ('Bohumín', 100); -- OS_KARVINA
INSERT INTO okresni (okres, id_soudy) VALUES ('Český Těšín', 100); -- OS_KARVINA
INSERT INTO okresni (okres, id_soudy) VALUES ('Hlučín', 103); -- OS_OPAVA
