#pragma once

#include <QString>

// Captures what the process writes to standard output (file descriptor 1, so C stdio and
// iostreams alike) from its construction until text() or lines() is first called (so that a
// failing check afterwards is reported on the real output) or it is destroyed.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture &) = delete;
    StdoutCapture &operator=(const StdoutCapture &) = delete;

    // Ends the capture; everything written, decoded from the local 8-bit encoding.
    QString text();
    QStringList lines();

private:
    void stop();

    bool m_capturing = false;
    QString m_text;
    int m_saved = -1;
    int m_file = -1;
    char m_path[64];
};
