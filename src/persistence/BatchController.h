#pragma once

#include "EntityController.h"

#include <QVariant>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class EntityDescription;
struct ColumnInfo;
class PersistenceContext;
class Persistent;

// Statements on many rows of one entity at once, for services that write hundreds or
// thousands of rows together: one multi-row INSERT, DELETE and UPDATE by lists of ids, reads
// by a condition that may join other tables. Like EntityController: values only through the
// connection's escaping, every statement query-logged once, the write permission checked for
// every object, database failures as PersistenceException (objects then as they were).
// Long lists are split into several statements of at most about a megabyte.
class BatchController
{
public:
    BatchController(PersistenceContext &ctx, const ControllerDef &def);

    // Inserts the new objects (without id) and sets their stamps and ids. The ids of a
    // multi-row INSERT are consecutive from the first (LAST_INSERT_ID()) in steps of
    // auto_increment_increment, as InnoDB assigns them unless innodb_autoinc_lock_mode is 2
    // (interleaved); then the objects are inserted one per statement.
    void insertAll(const std::vector<Persistent *> &objects);
    // Writes the stored objects back, every column but the id and create_tist, stamping
    // mut_tist: multi-row INSERT ... ON DUPLICATE KEY UPDATE on the id (the tables have no
    // other unique key), so thousands of rows cost a few statements.
    void updateAll(const std::vector<Persistent *> &objects);
    // Deletes the stored objects (DELETE ... WHERE id IN (...)).
    void removeAll(const std::vector<const Persistent *> &objects);
    // Gives the attribute at `row` the value in all stored objects, stamping mut_tist
    // (UPDATE ... SET ... WHERE id IN (...)).
    void setAll(const std::vector<Persistent *> &objects, int row, const QVariant &value);

    // Reads the objects of "SELECT <columns> FROM <table> <alias> " + `rest`, where `rest`
    // holds joins and a WHERE clause written with SqlWriter (the entity's alias is the code
    // name in lower case). Objects the user may not read are left out.
    std::vector<std::unique_ptr<Persistent>> selectWhere(const SqlStatement &rest);
    // The same, each row also giving an object of a second entity whose columns follow; its
    // rest joins that entity under its alias. The second object is null when the row holds
    // no id for it (an outer join without partner). No read check on the second entity.
    std::vector<std::pair<std::unique_ptr<Persistent>, std::unique_ptr<Persistent>>>
    selectWith(const ControllerDef &second, const SqlStatement &rest);

    template <typename T> void insertAll(const std::vector<std::unique_ptr<T>> &objects)
    {
        insertAll(pointers<Persistent *>(objects));
    }
    template <typename T> void removeAll(const std::vector<std::unique_ptr<T>> &objects)
    {
        removeAll(pointers<const Persistent *>(objects));
    }
    template <typename T>
    void setAll(const std::vector<std::unique_ptr<T>> &objects, int row, const QVariant &value)
    {
        setAll(pointers<Persistent *>(objects), row, value);
    }

private:
    template <typename P, typename T>
    static std::vector<P> pointers(const std::vector<std::unique_ptr<T>> &objects)
    {
        std::vector<P> result;
        result.reserve(objects.size());
        for (const auto &object : objects)
            result.push_back(object.get());
        return result;
    }
    // Writes "<head>(<values of the columns>),(...)<tail>" over the objects: one row per
    // statement, or as many as fit into about a megabyte when `severalRows`. `written` (may be
    // empty) learns the objects [first, next) of each statement, its affected rows and first id.
    void writeRows(const std::vector<Persistent *> &objects, const std::string &head,
                   const std::vector<const ColumnInfo *> &columns, const std::string &tail,
                   bool severalRows, const char *kind,
                   const std::function<void(size_t, size_t, qulonglong, qulonglong)> &written);
    // Runs a writing statement; returns the affected rows and the first inserted id.
    std::pair<qulonglong, qulonglong> execute(const SqlStatement &statement, const char *kind);
    // The rows of "SELECT <columns of each entity> FROM <table> <alias> " + rest, one object
    // per entity (null when its id is NULL); rows the user may not read are left out.
    std::vector<std::vector<std::unique_ptr<Persistent>>>
    read(const std::vector<const EntityDescription *> &entities, const SqlStatement &rest);
    // Statements "<head>(id, id, ...)" over the ids of the objects.
    template <typename P>
    void forIdLists(const std::vector<P> &objects, const std::string &head, const char *kind);

    PersistenceContext &m_ctx;
    const ControllerDef &m_def;
    const EntityDescription &m_entity;
};
