#pragma once

#include <QtGlobal>

#include <exception>

// Thrown by the writer when the progress receiver cancels an export.
struct ExportAbgebrochen : std::exception
{
    const char *what() const noexcept override;
};

// Progress and cancel of one export.
class ExportFortschritt
{
public:
    virtual ~ExportFortschritt() = default;
    // Called by the writer after each data line and each picture file written (bytes of the
    // picture). Returning false cancels: the writer then throws ExportAbgebrochen, removes the
    // file it was writing, and nothing appears under the target name.
    virtual bool zeile() { return true; }
    virtual bool bild(qint64 bytes) { return (void)bytes, true; }
    // Announced by the strategy when known (rows and pictures it will write; -1 unknown).
    virtual void umfang(qint64 zeilen, qint64 bilder) { (void)zeilen; (void)bilder; }
};
