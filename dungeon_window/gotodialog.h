#pragma once

class QWidget;

// Asks for an encounter number in the small modal "Go to encounter" dialog,
// offering `suggested`: the number chosen (1 to 40), or 0 when cancelled.
int askEncounterNumber(QWidget *parent, int suggested);
