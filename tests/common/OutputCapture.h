#pragma once

#include <QString>

// Captures what the process writes to standard output or standard error (the file
// descriptor, so C stdio and iostreams alike) from its construction until text() or lines()
// is first called (so that a failing check afterwards is reported on the real output) or it
// is destroyed.
class OutputCapture
{
public:
    explicit OutputCapture(int fd = 1);
    ~OutputCapture();
    OutputCapture(const OutputCapture &) = delete;
    OutputCapture &operator=(const OutputCapture &) = delete;

    // Ends the capture; everything written, decoded from the local 8-bit encoding.
    QString text();
    QStringList lines();

private:
    void stop();

    int m_fd;
    bool m_capturing = false;
    QString m_text;
    int m_saved = -1;
    int m_file = -1;
    char m_path[64];
};
