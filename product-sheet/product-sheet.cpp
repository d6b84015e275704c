// SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
// SPDX-License-Identifier: MIT
//
// Prints the data sheet of a food product: a heading, then five attributes, each a
// label line followed by its value.
#include <cstdio>

#include "console.h"

int main()
{
    std::puts("Produkte aus dem Nahrungsmittelbereich ");

    std::puts("Gewicht pro Gramm: ");
    const unsigned char gewichtProGramm = 10;
    std::printf("%u \n", static_cast<unsigned int>(gewichtProGramm));

    std::puts("Für Vegetarier geeignet / nicht geeignet: ");
    const unsigned char vegetarisch = 10;
    std::printf("%u \n", static_cast<unsigned int>(vegetarisch));

    std::puts("Produktionstag des laufenden Jahres: ");
    const unsigned char produktionstag = 10;
    std::printf("%u \n", static_cast<unsigned int>(produktionstag));

    std::puts("Preis in Euro: ");
    const unsigned char preisInEuro = 10;
    std::printf("%u \n", static_cast<unsigned int>(preisInEuro));

    // A number, not a letter: the sheet shows the byte's value.
    std::puts("einstelliges Länderkennzeichen (D für Deutschland): ");
    const unsigned char laenderkennzeichen = 10;
    std::printf("%u \n", static_cast<unsigned int>(laenderkennzeichen));

    return console::finish(PROGRAM_NAME);
}
