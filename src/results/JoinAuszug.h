#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

class DatabaseContext;
class Persistent;
struct ControllerDef;
struct JoinDef;
struct RecordClassInfo;

// A few columns of a join model, read with one statement: the tables and join conditions of
// the join model, only the attributes asked for, rows ordered by the first table's id. For
// services that read thousands of join rows of which they need a handful of fields.
class JoinAuszug
{
public:
    // `attribute`: rows of the join model class whose columns are read, in this order.
    JoinAuszug(DatabaseContext &ctx, const JoinDef &def, const RecordClassInfo &zeilenklasse,
               std::vector<int> attribute);

    // The rows whose join attributes equal the values ("alias.column = literal", values
    // through the connection's escaping); each row holds the values of the attributes in
    // the order given (invalid for NULL).
    std::vector<std::vector<QVariant>> lese(const std::vector<std::pair<int, QVariant>> &bedingungen);

private:
    QString spalte(int attribut) const; // "alias.column"

    DatabaseContext &m_ctx;
    const JoinDef &m_def;
    const RecordClassInfo &m_klasse;
    std::vector<int> m_attribute;
};

// The stored objects of the controller's entity whose attribute holds the id, as objects that
// carry nothing but their ids: enough for BatchController to delete or update them, without
// reading and converting every column.
std::vector<std::unique_ptr<Persistent>> nurIds(DatabaseContext &ctx, const ControllerDef &def,
                                                const QString &attribut, qlonglong wert);
