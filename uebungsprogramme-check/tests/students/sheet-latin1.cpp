// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// product-sheet written in Latin-1, as an editor set to it saves the file: ü is one byte.
#include <cstdio>

int main()
{
    std::puts("Produkte aus dem Nahrungsmittelbereich ");
    std::puts("Gewicht pro Gramm: ");
    std::printf("%u \n", 10U);
    std::puts("F\xFCr Vegetarier geeignet / nicht geeignet: ");
    std::printf("%u \n", 10U);
    std::puts("Produktionstag des laufenden Jahres: ");
    std::printf("%u \n", 10U);
    std::puts("Preis in Euro: ");
    std::printf("%u \n", 10U);
    std::puts("einstelliges L\xE4nderkennzeichen (D f\xFCr Deutschland): ");
    std::printf("%u \n", 10U);
}
