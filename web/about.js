// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// What each program does, in one line: the page's menu and a learning platform's items.
export default {
  'countdown-ask': 'fragt nach Wochentag und Kalenderwoche und zählt die Tage bis zur vorlesungsfreien Zeit',
  'countdown-fixed': 'zählt die Tage bis zu den Ferien für den festen Tag 7 der Kalenderwoche 2',
  'countdown-dayofyear': 'zählt die Tage bis zu den Ferien vom Tag des Jahres an, liest auch oktal (010) und hexadezimal (0x10)',
  'product-sheet': 'zeigt das Datenblatt eines Nahrungsmittels',
  'task-functions': 'sechs kleine Übungsfunktionen; das Programm meldet nur, dass es läuft',
};
