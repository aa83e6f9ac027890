#pragma once

#include <QByteArray>

#include <functional>

class DatabaseContext;

// Reading the stored bytes of pictures off the GUI thread: the bytes of a 24-megapixel picture
// are several megabytes, whose transfer would hold up the GUI for longer than a frame.
namespace BildDatenLeser {

using Leser = std::function<QByteArray(qlonglong bildDaten)>;

// Called on the GUI thread with its context: a factory that, called on a worker thread,
// opens a database context of its own there (taking the GUI context's session over) and
// returns the reader of BildDaten bytes through it. The context closes when the last copy of
// the reader is destroyed; the worker destroys it before it ends.
std::function<Leser()> aufEigenerVerbindung(const DatabaseContext &ctx);

} // namespace BildDatenLeser
