#pragma once

#include "QueryConditions.h"
#include "Record.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class PersistenceContext;
class EntityDescription;
class Persistent;
class SqlStatement;

// What distinguishes one generated controller from another.
struct ControllerDef
{
    const char *name;   // the class name, used as the query-log location
    int entityIndex;    // position of the entity in the data model
    bool logToDatabase; // whether its statements may be stored in the query log
};

// The one implementation behind every generated controller: writes the statements for an
// entity from the data model, runs them on the context's connection, logs them, checks data
// permissions and turns database failures into PersistenceException.
class EntityController
{
public:
    EntityController(PersistenceContext &ctx, const ControllerDef &def);

    std::vector<std::unique_ptr<Persistent>> search(const Record &model,
                                                    const SearchModelDef &modelDef,
                                                    StrategyMap strategies);
    std::unique_ptr<Persistent> readById(qlonglong id, bool skipPermissionCheck);
    std::vector<std::unique_ptr<Persistent>> readBy(const char *attribute,
                                                    const Persistent &referenced);
    std::vector<std::unique_ptr<Persistent>> select(const QMap<QString, QVariant> &conditions,
                                                    bool onlyListed, const QSet<QString> &columns,
                                                    bool skipPermissionCheck, bool failIfFiltered);
    void insertOrUpdate(Persistent &object);
    void remove(const Persistent &object);

    // The column text of a value read from the database, as a value of the code type.
    static QVariant fromColumnText(const char *data, size_t length, int metaType);

private:
    std::vector<std::unique_ptr<Persistent>> read(const SqlStatement &statement);
    void checkWritePermission(const Persistent &object) const;
    void checkTextWidths(const Persistent &object) const;
    [[noreturn]] void fail(const SqlStatement &statement, const char *kind,
                           const std::string &message) const;

    PersistenceContext &m_ctx;
    const ControllerDef &m_def;
    const EntityDescription &m_entity;
};
