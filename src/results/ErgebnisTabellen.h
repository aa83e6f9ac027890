#pragma once

#include "Ranglisten.h"

#include <QStringList>

#include <vector>

class DatabaseContext;
class Wettbewerb;

// One ranking as text, the way the lists show it: its columns and the cell texts of its rows
// in rank order.
struct ErgebnisTabelle
{
    Rangliste art;
    bool jugend = false;
    std::vector<Ranglisten::Spalte> spalten;
    std::vector<QStringList> zeilen;

    QString rangliste() const;    // "Teilnehmer", "Vereins-Kombination", ...
    QString altersklasse() const; // "Erwachsene" or "Jugend"
    QString titel() const;        // "Teilnehmer – Erwachsene"
};

// The eight rankings of a competition as printed and listed by the tools: participants,
// participant combination, clubs, club combination, each for adults and then for youth.
std::vector<ErgebnisTabelle> leseErgebnisTabellen(DatabaseContext &ctx,
                                                  const Wettbewerb &wettbewerb);
