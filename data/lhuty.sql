-- Task list ("lhuty.db"). Start-up builds the database from this script when
-- the data directory has none; it ships empty.
-- Datum is required, local time written "yyyy-mm-dd hh:mm:ss", a form
-- SQLite's date functions read; the check refuses any other form, so a
-- missing or malformed date fails on saving instead of silently dropping
-- the task out of every view.
-- Nazev and Poznamka hold at most 255 characters; a longer text fails on
-- saving and the record stays in edit mode.
-- Splneno is 0 (open) or 1 (done); a new task is open.

CREATE TABLE lhuty (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  Datum TEXT NOT NULL CHECK (Datum IS strftime('%Y-%m-%d %H:%M:%S', Datum, '+0 days')),
  Nazev TEXT CHECK (Nazev IS NULL OR length(Nazev) <= 255),
  Poznamka TEXT CHECK (Poznamka IS NULL OR length(Poznamka) <= 255),
  Splneno INTEGER NOT NULL DEFAULT 0 CHECK (Splneno IN (0, 1))
);
