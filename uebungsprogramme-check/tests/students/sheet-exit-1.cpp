// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// product-sheet that ends with exit status 1.
#include <cstdio>

int main()
{
    std::puts("Produkte aus dem Nahrungsmittelbereich ");
    std::puts("Gewicht pro Gramm: ");
    std::printf("%u \n", 10U);
    std::puts("Für Vegetarier geeignet / nicht geeignet: ");
    std::printf("%u \n", 10U);
    std::puts("Produktionstag des laufenden Jahres: ");
    std::printf("%u \n", 10U);
    std::puts("Preis in Euro: ");
    std::printf("%u \n", 10U);
    std::puts("einstelliges Länderkennzeichen (D für Deutschland): ");
    std::printf("%u \n", 10U);
    std::fputs("fertig, aber mit Fehler\n", stderr);
    return 1;
}
