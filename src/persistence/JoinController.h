#pragma once

#include "QueryConditions.h"
#include "Record.h"

#include <memory>
#include <vector>

class PersistenceContext;

// One joined table: its alias, the attributes whose fields it fills in a join model (the
// persisted ones first, they are the selected columns), and where its fields begin.
struct JoinTableDef
{
    const char *table;
    const char *alias;
    const char *const *attributes;
    int attributeCount;
    const char *const *columns;
    int columnCount;
    int firstRow;
};

struct JoinDef
{
    const char *name; // the class name, used as the query-log location
    const JoinTableDef *tables;
    int tableCount;
    const char *const *joins;
    int joinCount;
    const char *entities; // the tables named in the query log
    bool logToDatabase;
};

// The one implementation behind every generated join controller.
class JoinController
{
public:
    JoinController(PersistenceContext &ctx, const JoinDef &def) : m_ctx(ctx), m_def(def) {}

    std::vector<std::unique_ptr<Record>> search(const Record &model,
                                                const SearchModelDef &modelDef,
                                                StrategyMap strategies,
                                                const RecordClassInfo &rowClass);

    // Copies a table's fields of a join row into an entity object and back.
    static void toEntity(const Record &row, const JoinTableDef &table, Record &entity);
    static void fromEntity(const Record &entity, const JoinTableDef &table, Record &row);

private:
    PersistenceContext &m_ctx;
    const JoinDef &m_def;
};
