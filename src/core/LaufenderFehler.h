#pragma once

#include "Meldung.h"

// The title and text of the exception being handled; call it only inside a catch block.
// Knows the application's errors, the persistence layer's, refused permissions, the client
// library's and any other std::exception.
Meldung laufenderFehler();
