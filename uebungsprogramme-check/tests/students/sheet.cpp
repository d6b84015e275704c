// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// A student's product-sheet, right.
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
}
