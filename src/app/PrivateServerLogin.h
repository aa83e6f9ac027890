#pragma once

#include "MainWindow.h"

#include <memory>

class DatenbankVerbindung;
class LocalServer;

// Starting on the user's private server: the program logs in there as root at once, and the
// login dialog asks for every later login ("&Neu Anmelden") and whenever this one fails.
namespace PrivateServerLogin {

// Starts the private server when it is set up but not running (after a reboot, the program
// started from the desktop menu); a failure is one line on standard output, and the login
// dialog follows.
void startWhenSetUp(LocalServer &server);

// Lets the server name "localhost" reach the private server when it runs and nothing else is
// configured for that name (MYSQL_UNIX_PORT).
void preferPrivateServer(const LocalServer &server);

// The login as root on "localhost" with the password of the private server's password file,
// when "localhost" reaches the running private server, the file can be read and the last
// remembered login, if any, was root on localhost; null otherwise.
std::unique_ptr<DatenbankVerbindung> record(const LocalServer &server);

// A prompt that answers its first call with `first` unless it is null, and every other call
// with `dialog`.
MainWindow::LoginPrompt prompt(std::unique_ptr<DatenbankVerbindung> first,
                               MainWindow::LoginPrompt dialog);

} // namespace PrivateServerLogin
