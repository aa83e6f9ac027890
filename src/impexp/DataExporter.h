#pragma once

#include "DataSet.h"

#include <QDir>
#include <QIODevice>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <string>

class DatabaseContext;
class ExportFortschritt;
class Persistent;

// The converted form of a column: one column, or a block of several columns with their own
// headers. Rows are sparse (a row holds its cells by column number within the block) and a
// block may have more rows than the column had values.
struct ConvertedColumns
{
    QString title;       // the block's name, empty for a plain column
    QStringList headers; // one per column of a block; empty for a plain column
    QList<QMap<int, QString>> rows;

    int width() const { return headers.isEmpty() ? 1 : int(headers.size()); }
};

// Computes the cells of one column from the values fetched for it, row by row in the
// written order.
class ExportConverter
{
public:
    virtual ~ExportConverter() = default;
    virtual QStringList convert(DatabaseContext &ctx, const QList<QVariant> &values) = 0;
    // The column as the writer places it; by default the one column of `convert`.
    virtual ConvertedColumns convertBlock(DatabaseContext &ctx, const QList<QVariant> &values);
};

// A block-shaped converter: `convert` yields the block's first column only.
class ExportBlockConverter : public ExportConverter
{
public:
    QStringList convert(DatabaseContext &ctx, const QList<QVariant> &values) override;
    ConvertedColumns convertBlock(DatabaseContext &ctx, const QList<QVariant> &values) override = 0;
};

// The statistics trees below the given ids, flattened into the block "Statistik": a node per
// row, depth first, its text in the column of its depth ("0", "1", ...).
class StatistikConverter : public ExportBlockConverter
{
public:
    ConvertedColumns convertBlock(DatabaseContext &ctx, const QList<QVariant> &values) override;
};

// For picture ids: the block "Einzelwertungen der Juroren in den Durchgaengen" with a part per
// round kind ("Erster Durchgang", "Zweiter Durchgang"), each a column per juror who scored
// one of the pictures in such a round (headed by first and last name) and a column "Summe"
// (the picture's points there); "-" where a score is unset.
class EinzelWertungenConverter : public ExportBlockConverter
{
public:
    ConvertedColumns convertBlock(DatabaseContext &ctx, const QList<QVariant> &values) override;
};

// For member ids of picture rows: the member's participant result points at its first row,
// empty cells on its later rows. The points are those of the results of `wettbewerb`
// (summed over the member's results there when `sparte` is 0, else of that category only).
class SummenWertungConverter : public ExportConverter
{
public:
    SummenWertungConverter(qlonglong wettbewerb, qlonglong sparte = 0)
        : m_wettbewerb(wettbewerb), m_sparte(sparte) {}
    QStringList convert(DatabaseContext &ctx, const QList<QVariant> &values) override;

private:
    qlonglong m_wettbewerb;
    qlonglong m_sparte;
};

// Every cell the same text.
class ConstantValueFillConverter : public ExportConverter
{
public:
    explicit ConstantValueFillConverter(const QString &constant) : m_constant(constant) {}
    QStringList convert(DatabaseContext &ctx, const QList<QVariant> &values) override;

private:
    QString m_constant;
};

// Running numbers over ids: the first occurrence of an id gets the next number, later ones
// an empty cell.
class RangConverter : public ExportConverter
{
public:
    QStringList convert(DatabaseContext &ctx, const QList<QVariant> &values) override;
};

// One column of an export: the attribute path from the exported entity to a value, its
// header (the path joined with "." when none is given) and an optional converter.
struct DataExportColumn
{
    QStringList path;
    QString header;
    std::shared_ptr<ExportConverter> converter;

    QString headerText() const { return header.isEmpty() ? path.join(QLatin1Char('.')) : header; }
};

// What a file holds besides the cells, and which columns per entity (the defaults of the
// entity's schema where none are given).
struct ExportBlock
{
    bool lineSpecifiers = true;
    bool entityNames = true;
    bool metaInformation = true;
    bool schemaLine = true;
    QMap<QString, QList<DataExportColumn>> columns;

    // A file for people and spreadsheets: a header line and the chosen columns only.
    static ExportBlock listFile(const QString &entity, const QList<DataExportColumn> &columns);
};

// Writes a data set into a file. Failures are AnwendungsFehler (category "ImportExport").
class DataExporter
{
public:
    virtual ~DataExporter() = default;

    // Told of every line and picture file written; may cancel (ExportAbgebrochen is thrown,
    // the file being written is removed). nullptr: none.
    void setzeFortschritt(ExportFortschritt *fortschritt) { m_fortschritt = fortschritt; }

    // Writes the data set into `fileName`; BLOB attributes go into files in `blobDirectory`.
    // Without options the file is a data file with every entity's default columns. The file
    // appears under its name only when complete: a failure leaves an existing file as it was.
    void exportiere(DatabaseContext &ctx, const QString &fileName, DataSet &dataSet,
                    const ExportBlock *options, const QDir &blobDirectory);

    // Adds a stored object as a row: plain attributes as values, references as database ids.
    // BLOB bytes are taken only when the object holds them; otherwise the writer reads them
    // row by row from the database.
    static DataTuple &addInstance(DatabaseContext &ctx, DataSet &dataSet, const Persistent &object);

    // Adds the stored rows of `entity` with the given ids as rows, in the order of `ids`
    // (unknown ids are left out): plain attributes as values, references as database ids,
    // BLOB attributes left to the writer.
    static void addStoredRows(DatabaseContext &ctx, DataSet &dataSet, const QString &entity,
                              const QList<qlonglong> &ids);
    // Adds the stored rows of `entity` matching `condition` (SQL text whose values went
    // through the connection's escaping), read with one statement, in the order of their ids.
    // Returns the number of rows added.
    // The values of `column` (an id) of the stored rows of `entity` matching `condition`, in
    // the order of `order` (SQL text; values through the connection's escaping).
    static QList<qlonglong> storedIds(DatabaseContext &ctx, const QString &entity,
                                      const QString &condition,
                                      const QString &column = QStringLiteral("id"),
                                      const QString &order = QStringLiteral("id"));
    static int addStoredRowsWhere(DatabaseContext &ctx, DataSet &dataSet, const QString &entity,
                                  const std::string &condition);

protected:
    virtual void write(DatabaseContext &ctx, QIODevice &file, DataSet &dataSet,
                       const ExportBlock &options, const QDir &blobDirectory) = 0;

    ExportFortschritt *m_fortschritt = nullptr;
};

class CSVDataExporter : public DataExporter
{
public:
    // A token as written: quotes escaped, line feeds removed, enclosed in quotes when it
    // holds the separator.
    static QString encodeToken(const QString &text);
    // A value as a cell text (dates "d.M.yyyy", timestamps "dd.MM.yyyy hh:mm:ss").
    static QString cellText(const QVariant &value);
    // A BLOB file name that stays inside the export directory and is not yet in `taken`
    // (which it joins).
    static QString blobFileName(const QString &wanted, QSet<QString> &taken);
    // "ä" as "ae", "ß" as "ss" and so on: file names without umlauts.
    static QString replaceUmlauts(QString text);

protected:
    void write(DatabaseContext &ctx, QIODevice &file, DataSet &dataSet, const ExportBlock &options,
               const QDir &blobDirectory) override;
};
