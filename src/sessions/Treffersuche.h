#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class DatabaseContext;
class Record;
struct JoinDef;
struct RecordClassInfo;

// Where the hits of a search come from: one base table (whose ids the search finds), the
// tables left-joined to it, the selected columns and the row of each in the row objects.
struct Trefferquelle
{
    const RecordClassInfo *rowClass = nullptr;
    QStringList spalten;     // "alias.column"
    std::vector<int> zeilen; // the row of each column in a row object
    std::vector<int> typen;  // its value type
    QString from;            // "Base alias LEFT JOIN Other o ON ..."
    QString basisTabelle;    // the table whose rows are found (and deleted)
    QString idSpalte;        // "alias.id" of the base table
    QString ort;             // the location of the statements in the query log
    QString entities;        // the tables named in the query log
    bool logToDatabase = false;

    // The event log, the query log (with category and session), the sessions.
    static Trefferquelle eventLog();
    static Trefferquelle queryLog();
    static Trefferquelle sessions(DatabaseContext &ctx);
    // One entity's table under an alias.
    static Trefferquelle ausEntity(DatabaseContext &ctx, const QString &entity,
                                   const RecordClassInfo &rowClass, const QString &alias);
    // A generated join whose table `basis` is the base and the others are left-joined.
    static Trefferquelle ausJoin(const JoinDef &join, const RecordClassInfo &rowClass, int basis);
};

// A search over a possibly very large table: the hits newest first (highest id first) in
// pages, the number of hits from one COUNT query, a single hit by its position, and the ids
// of all hits. Once the first page is read, the search stands still: rows that arrive later
// (a log grows while it is read) are not counted, shown or deleted.
class Treffersuche
{
public:
    Treffersuche(DatabaseContext &ctx, Trefferquelle quelle, QStringList bedingungen);
    ~Treffersuche();

    qlonglong anzahl();
    // The hits after those of the pages read so far; fewer than `groesse` at the end.
    std::vector<std::unique_ptr<Record>> naechsteSeite(int groesse);
    bool hatMehr() const { return !m_ende; }
    // The hit at a position (0: the newest), null past the end; reads nothing else.
    std::unique_ptr<Record> trefferAn(qlonglong position);
    std::vector<qlonglong> ids();

    const Trefferquelle &quelle() const { return m_quelle; }

private:
    QString where(const QString &zusatz = QString()) const;
    std::vector<std::unique_ptr<Record>> lies(const QString &sql, const char *art);

    DatabaseContext &m_ctx;
    Trefferquelle m_quelle;
    QStringList m_bedingungen;
    qlonglong m_letzteId = -1;
    qlonglong m_hoechsteId = -1;
    bool m_ende = false;
};

// Deletes the rows of a table by id, `stapel` ids per statement, all in one transaction;
// reports progress (deleted so far, total) after every statement, and a false answer of the
// report rolls everything back. Returns the number of rows deleted, 0 when cancelled; a
// database failure rolls back and throws PersistenceException.
qlonglong loescheNachIds(DatabaseContext &ctx, const QString &tabelle,
                         const std::vector<qlonglong> &ids,
                         const std::function<bool(qlonglong, qlonglong)> &fortschritt = {},
                         int stapel = 5000);
