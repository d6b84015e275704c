// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The page: a menu of the programs, and a console that runs the one the address's
// fragment names. In a frame, as a course page shows it, that console alone.
import programs from 'programs';
import './console.js';

const about = {
  'countdown-ask': 'fragt nach Wochentag und Kalenderwoche und zählt die Tage bis zur vorlesungsfreien Zeit',
  'countdown-fixed': 'zählt die Tage bis zu den Ferien für den festen Tag 7 der Kalenderwoche 2',
  'countdown-dayofyear': 'zählt die Tage bis zu den Ferien vom Tag des Jahres an, liest auch oktal (010) und hexadezimal (0x10)',
  'product-sheet': 'zeigt das Datenblatt eines Nahrungsmittels',
  'task-functions': 'sechs kleine Übungsfunktionen; das Programm meldet nur, dass es läuft',
};

const element = (id) => document.getElementById(id);
const konsole = document.createElement('uebungs-konsole');

function choose() {
  const name = location.hash.slice(1);
  const chosen = Object.hasOwn(programs, name);
  element('console').hidden = !chosen;
  document.documentElement.classList.toggle('framed', chosen && self !== top);
  if (!chosen) return;
  element('program').textContent = name;
  document.title = `${name} – Übungsprogramme`;
  konsole.setAttribute('programm', name);
  if (!konsole.isConnected) element('console').append(konsole);
  konsole.focus();
}

for (const name of Object.keys(programs)) {
  const link = Object.assign(document.createElement('a'), { href: `#${name}`, textContent: name });
  const item = document.createElement('li');
  item.append(link, ` – ${about[name]}`);
  element('menu').append(item);
}
addEventListener('hashchange', choose);
choose();
