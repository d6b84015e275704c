// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// A learning platform's record of the run, in the package's pages alone: through the
// SCORM 1.2 run-time API that the platform's player puts into a window above the page,
// the item is incomplete once started and completed once its program has ended, whatever
// its status. Without a platform, or with one that will not start a session, nothing is
// called; a call that throws never stops the console.

// The API in the nearest window above, or above the one that opened this one.
function find(start) {
  for (let place = start, tries = 0; place && tries < 8; place = place.parent === place ? null : place.parent, ++tries) {
    try {
      if (place.API) return place.API;
    } catch {
      // A window of another origin.
    }
  }
  return null;
}

const call = (name, ...args) => {
  try {
    return String(api[name](...args));
  } catch {
    return '';
  }
};

// SCORM 1.2's HHHH:MM:SS.SS.
function timespan(milliseconds) {
  const hundredths = Math.min(Math.round(milliseconds / 10), 10000 * 360000 - 1);
  const digits = (value, count) => String(value).padStart(count, '0');
  return `${digits(Math.floor(hundredths / 360000), 4)}:${digits(Math.floor(hundredths / 6000) % 60, 2)}:${digits(Math.floor(hundredths / 100) % 60, 2)}.${digits(hundredths % 100, 2)}`;
}

const started = performance.now();
let api = find(window) ?? (window.opener ? find(window.opener) : null);
if (api && call('LMSInitialize', '') !== 'true') api = null;
const done = () => ['completed', 'passed'].includes(call('LMSGetValue', 'cmi.core.lesson_status'));
if (api) {
  if (!done()) call('LMSSetValue', 'cmi.core.lesson_status', 'incomplete');
  document.addEventListener('beendet', () => {
    if (!api) return;
    if (!done()) call('LMSSetValue', 'cmi.core.lesson_status', 'completed');
    call('LMSCommit', '');
  });
  // Hidden, as by a phone switching apps, the page may come back; left, it is over.
  document.addEventListener('visibilitychange', () => api && document.visibilityState === 'hidden' && call('LMSCommit', ''));
  addEventListener('pagehide', () => {
    if (!api) return;
    call('LMSSetValue', 'cmi.core.session_time', timespan(performance.now() - started));
    call('LMSCommit', '');
    call('LMSFinish', '');
    api = null;
  });
}
