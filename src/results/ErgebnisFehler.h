#pragma once

#include "AnwendungsFehler.h"

// A failure of the result computation: the services' one error type.
using ErgebnisFehler = AnwendungsFehler;
