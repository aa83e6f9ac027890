#pragma once

#include "ToolContext.h"

#include <QString>

// kalvor-admin export: a competition (alone, or with its members and clubs) or all data into
// a CSV file or a ZIP archive with the pictures, the same files the program writes.
struct ExportCommand
{
    QString competition; // the competition's number; empty with `all`
    bool all = false;
    bool withMembers = false;
    QString out; // ends in ".zip" or ".csv"
    Login login;
};

// Writes the file and prints one line naming it; failures throw AdminError with one line for
// the user and leave no file (an existing one stays as it was).
void runExportCommand(const ExportCommand &command);
