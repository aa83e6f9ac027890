#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class DataTuple;
class DatabaseContext;

// The rules of importing the rows of one entity: the attributes and references a row must
// give, and what the import does besides storing the row. Failures are ImportException
// with the row's line.
class ImportStrategy
{
public:
    // `attribute` are paths that must hold a value ("name", "art.name"), `verweise` the
    // reference attributes that must be given.
    // An empty `entity` accepts rows of every entity.
    ImportStrategy(const QString &name, const QString &entity, QStringList attribute = {},
                   QStringList verweise = {});
    virtual ~ImportStrategy() = default;

    const QString &name() const { return m_name; }
    const QString &entity() const { return m_entity; }

    // Rows of this entity are skipped.
    virtual bool ignoriert() const { return false; }
    // Rows of this entity have no key of their own: a row is matched by all its stored
    // values (the id and the time stamps aside), and equal rows may occur more than once,
    // the n-th of them matching the n-th stored one.
    virtual bool nachInhalt() const { return false; }

    // Checks a converted row before its references are resolved and completes the values
    // that the import computes itself (numbers, stamps).
    virtual void pruefe(DatabaseContext &ctx, DataTuple &tupel) const;

    // After every row was written, inside the import's transaction: the rows of this entity.
    virtual void nachDemSchreiben(DatabaseContext &ctx,
                                  const std::vector<const DataTuple *> &tupel) const;

protected:
    // The text at a path of the row; empty when unset.
    static QString text(const DataTuple &tupel, const QString &pfad);
    static bool hatWert(const DataTuple &tupel, const QString &pfad);
    // Whether any column of the reference (paths "verweis.…") holds a value.
    static bool hatVerweis(const DataTuple &tupel, const QString &verweis);
    void pruefeAttribut(const DataTuple &tupel, const QString &pfad) const;
    void pruefeVerweis(const DataTuple &tupel, const QString &verweis) const;
    // Fails with the given title and text when the phone number at `pfad` is malformed.
    static void pruefeTelefon(const DataTuple &tupel, const QString &pfad, const QString &titel,
                              const QString &text);

private:
    QString m_name;
    QString m_entity;
    QStringList m_attribute;
    QStringList m_verweise;
};

// Entities whose rows are not imported: the reader skips them and logs each one.
class IgnoreImportStrategy : public ImportStrategy
{
public:
    explicit IgnoreImportStrategy(const QString &entity)
        : ImportStrategy(QStringLiteral("IgnoreImportStrategy"), entity)
    {}
    bool ignoriert() const override { return true; }
};

// The strategy of every entity, fixed when the importer is created. Entities without rules
// of their own get a strategy that checks nothing.
class ImportStrategyRegistry
{
public:
    ImportStrategyRegistry();
    ~ImportStrategyRegistry();

    const ImportStrategy &strategie(const QString &entity) const;

private:
    void add(std::unique_ptr<ImportStrategy> strategie);

    QMap<QString, const ImportStrategy *> m_byEntity;
    std::vector<std::unique_ptr<ImportStrategy>> m_strategien;
    std::unique_ptr<ImportStrategy> m_allgemein;
};
