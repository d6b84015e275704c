// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// The page: a menu of the programs, and a console that runs the one the address's
// fragment names. In a frame, as a course page shows it, that console alone.
import programs from 'programs';
import about from './about.js';
import './console.js';

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
  item.append(link, ` – ${about[name].description}`);
  element('menu').append(item);
}
addEventListener('hashchange', choose);
choose();
