#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>
#include <vector>

class DatabaseContext;
class Wettbewerb;

// The printable results of a competition on A4 pages: a title page (name, number, date and
// host club of the competition, the day of printing), the eight rankings (participants,
// participant combination, clubs, club combination, each for adults and youth) with the
// columns of the result lists, and per category the acceptance thresholds with the charts of
// the score distribution. Every page has the footer "Seite n von m" with the day of printing
// (the context's clock). Tables broken over pages repeat their heading and column titles.
namespace ErgebnisBericht {

// A failure of writing the report, with the title and German text shown to the user.
class Fehler : public std::runtime_error
{
public:
    Fehler(const QString &titel, const QString &text);
    QString titel;
    QString text;
};

// Writes the PDF to `pfad`: first under a temporary name beside it, renamed when complete,
// so a failure leaves no file (and an existing one unchanged). Throws Fehler when the file
// cannot be written; database failures propagate as PersistenceException. Returns the number
// of pages.
int schreibePdf(DatabaseContext &ctx, const Wettbewerb &wettbewerb, const QString &pfad);

// The same pages painted into images of the given resolution (dots per inch).
std::vector<QImage> seitenAlsBilder(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                    int dpi = 60);

} // namespace ErgebnisBericht
