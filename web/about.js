// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// What each program does: in a few words for a learning platform's contents list, which
// cuts a title of more than 40 characters, its name included; in one line for the menu.
export default {
  'countdown-ask': { title: 'Tage bis zu den Ferien', description: 'fragt nach Wochentag und Kalenderwoche und zählt die Tage bis zur vorlesungsfreien Zeit' },
  'countdown-fixed': { title: 'Tage ab Tag 7 der KW 2', description: 'zählt die Tage bis zu den Ferien für den festen Tag 7 der Kalenderwoche 2' },
  'countdown-dayofyear': { title: 'Tage ab Jahrestag', description: 'zählt die Tage bis zu den Ferien vom Tag des Jahres an, liest auch oktal (010) und hexadezimal (0x10)' },
  'product-sheet': { title: 'Lebensmittel-Datenblatt', description: 'zeigt das Datenblatt eines Nahrungsmittels' },
  'task-functions': { title: 'sechs Übungsfunktionen', description: 'sechs kleine Übungsfunktionen; das Programm meldet nur, dass es läuft' },
};
