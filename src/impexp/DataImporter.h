#pragma once

#include "DataSet.h"
#include "ImportStrategy.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class DatabaseContext;

// What an import did.
struct ImportResult
{
    int gelesen = 0;        // data rows read from the file
    int ignoriert = 0;      // rows of entities that are not imported
    int eingefuegt = 0;     // rows inserted
    int ueberschrieben = 0; // stored rows overwritten
    QMap<QString, int> eingefuegtJeEntitaet;
    QMap<QString, int> ueberschriebenJeEntitaet;
    bool abgebrochen = false; // cancelled before the commit: nothing was written
    qint64 dauerMs = 0;
};

// How far an import is: the phase it is in ("Lesen", "Pruefen", "Verweise", "Abbilden",
// "Duplikate", "Schreiben", "Nachbearbeiten") and the rows of that phase done so far.
struct ImportFortschritt
{
    QString phase;
    qint64 erledigt = 0; // rows done in this phase
    qint64 gesamt = 0;   // rows of this phase (0 when unknown)
};

// Reads a data file and writes its rows into the database: every row is matched with the
// stored rows by its entity's import key, its references are resolved by the keys of the
// rows they name, and all rows are written in one transaction (all or nothing).
// Every failure ends in an ImportException (with the line of the file where one is known).
class DataImporter
{
public:
    using Statusmeldung = std::function<void(const QString &)>;
    using Fortschrittsmeldung = std::function<void(const ImportFortschritt &)>;
    // Asked at the start of each phase, at least every 500 rows inside it and once more right
    // before the commit; false ends the import with `abgebrochen` set and nothing written.
    using Fortsetzen = std::function<bool()>;

    explicit DataImporter(DatabaseContext &ctx);
    virtual ~DataImporter();
    DataImporter(const DataImporter &) = delete;
    DataImporter &operator=(const DataImporter &) = delete;

    void setStatusmeldung(Statusmeldung meldung) { m_status = std::move(meldung); }
    void setFortsetzen(Fortsetzen fortsetzen) { m_fortsetzen = std::move(fortsetzen); }
    // Told at the same places as `Fortsetzen` is asked (called on the importing thread).
    void setFortschritt(Fortschrittsmeldung meldung) { m_fortschritt = std::move(meldung); }

    ImportResult importiere(const QString &fileName);

    const ImportStrategyRegistry &strategien() const { return m_strategien; }

protected:
    // Fills the data set with the schemas and rows of the file; the rows hold their cells
    // as text.
    virtual void lies(const QString &fileName, DataSet &daten) = 0;
    void status(const QString &text);
    // Starts a phase of `gesamt` rows (0 when unknown), tells the progress and asks whether
    // to go on.
    void phase(const QString &name, qint64 gesamt);
    // `zeilen` rows of the phase done (0 for work that is not counted); tells and asks every
    // few calls.
    void zeileErledigt(qint64 zeilen = 1);
    // Tells the progress and asks whether to go on; ends the import when not.
    void melde();

    DatabaseContext &m_ctx;
    // Filled by `lies`: the rows skipped because their entity is not imported, and the line
    // of each entity's schema line.
    int m_ignoriert = 0;
    QMap<QString, int> m_schemaZeilen;

private:
    class Lauf;

    ImportStrategyRegistry m_strategien;
    Statusmeldung m_status;
    Fortsetzen m_fortsetzen;
    Fortschrittsmeldung m_fortschritt;
    ImportFortschritt m_stand;
    unsigned m_aufrufe = 0;
};

// The importer of the CSV data files that the exporter writes.
class CSVDataImporter : public DataImporter
{
public:
    // The meta lines of a file.
    struct MetaInformation
    {
        QString datenmodellVersion;
        QString generatorVersion;
        QDateTime geschriebenAm;
    };

    using DataImporter::DataImporter;

    // The tokens of one line: split at ";" except inside double quotes, each trimmed and
    // freed of its unescaped double quotes. `zeile` is the line number for the error of an
    // odd number of quotes.
    static QStringList tokens(const QString &text, int zeile);

    // Reads and checks the meta lines: each of the three must be present exactly once, with
    // one value, and the time stamp must be valid.
    static MetaInformation leseMetaInformationen(const QString &fileName);
    // Compares the file's data model version with the program's and checks the database's
    // data model information.
    static void pruefeDatenmodellVersion(DatabaseContext &ctx, const MetaInformation &meta);

protected:
    void lies(const QString &fileName, DataSet &daten) override;
};

// Brings what another context keeps in memory up to date with what an import wrote (the
// window's context after a worker's import): the code catalogue, the log rules, the
// permission mode and checker, each only when rows of its tables were written.
void aktualisiereNachImport(DatabaseContext &ctx, const ImportResult &ergebnis);
