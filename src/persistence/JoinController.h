#pragma once

#include "QueryConditions.h"
#include "Record.h"

#include <memory>
#include <vector>

class DatabaseContext;

// One joined table: its alias, the attributes whose fields it fills in a join model (the
// persisted ones first, they are the selected columns), and where its fields begin.
struct JoinTableSpec
{
    const char *table;
    const char *alias;
    const char *const *attributes;
    int attributeCount;
    const char *const *columns;
    int columnCount;
    int firstRow;
};

struct JoinSpec
{
    const char *name; // the class name, used as the query-log location
    const JoinTableSpec *tables;
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
    JoinController(DatabaseContext &ctx, const JoinSpec &spec) : m_ctx(ctx), m_spec(spec) {}

    std::vector<std::unique_ptr<Record>> search(const Record &model,
                                                const SearchModelSpec &modelSpec,
                                                StrategyMap strategies,
                                                const RecordClassInfo &rowClass);

    // Copies a table's fields of a join row into an entity object and back.
    static void toEntity(const Record &row, const JoinTableSpec &table, Record &entity);
    static void fromEntity(const Record &entity, const JoinTableSpec &table, Record &row);

private:
    DatabaseContext &m_ctx;
    const JoinSpec &m_spec;
};
