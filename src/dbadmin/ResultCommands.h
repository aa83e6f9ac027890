#pragma once

#include "ToolContext.h"

#include <QString>
#include <QStringList>

// kalvor-admin results compute|show|pdf: the results of a competition from the command line.
struct ResultCommand
{
    QString action;      // compute, show, pdf
    QString competition; // the competition's number
    QString format;      // show: "text" or "csv"
    QString out;         // pdf: the file to write
    Login login;         // compute and show
    // pdf: the connection options as given (the password only as its file), for kalvor-report.
    QStringList connectionArguments;
};

// Runs the command and prints its result on standard output; failures throw AdminError with one
// line for the user, leaving the stored results as they were.
void runResultCommand(const ResultCommand &command);
