#pragma once

#include "ServerConnection.h"

#include <QString>

#include <string>

// kalvor-admin user add|passwd|delete|list: Kalvor's users and their database accounts,
// through the same service and checks as the user dialog. The administrator logs in as the
// Kalvor user "root".
struct UserCommand
{
    QString action;      // add, passwd, delete, list
    QString name;        // the user (not for list)
    bool gui = false;    // add: may log in to the program
    bool web = false;    // add: may use the web interface
    std::string newPassword;
    ServerAddress address;
    std::string adminUser;
    std::string adminPassword;
};

// Runs the command; refusals and failures throw AdminError with one line for the user.
void runUserCommand(const UserCommand &command);
