#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class AttributeDescription;
class DatabaseContext;
class EntityDescription;

// One referenced entity reached along a path of references. Its entries, in order, are
// either plain key attributes (target null) or references leading to a further node.
class ForeignKeyNode
{
public:
    struct Entry
    {
        const AttributeDescription *attribute;
        ForeignKeyNode *target; // null for a plain attribute
    };

    ForeignKeyNode(const EntityDescription &entity, const QString &pathKey)
        : m_entity(entity), m_pathKey(pathKey)
    {
    }

    const EntityDescription &entity() const { return m_entity; }
    const QString &pathKey() const { return m_pathKey; }
    const std::vector<Entry> &entries() const { return m_entries; }
    QList<const AttributeDescription *> attributes() const; // the plain ones
    bool hasAttribute(const QString &name) const;
    ForeignKeyNode *edgeTarget(const QString &attribute) const;

    void addAttribute(const AttributeDescription &attribute) { m_entries.push_back({&attribute, nullptr}); }
    void addEdge(const AttributeDescription &attribute, ForeignKeyNode &target)
    {
        m_entries.push_back({&attribute, &target});
    }

    // Every path from this node to a plain attribute, each prefixed with `prefix`.
    void collectPaths(const QStringList &prefix, QList<QStringList> &paths) const;
    QString describe() const;

private:
    const EntityDescription &m_entity;
    QString m_pathKey;
    std::vector<Entry> m_entries;
};

// The tree of one reference attribute: the root is the owning entity; each root-to-leaf path
// ends in a plain key attribute and is one column of a file.
class ForeignKeyGraph
{
public:
    explicit ForeignKeyGraph(const EntityDescription &owner);

    ForeignKeyNode &root() const { return *m_nodes.front(); }
    ForeignKeyNode &addNode(const EntityDescription &entity, const QString &pathKey);
    ForeignKeyNode *node(const QString &pathKey) const;
    QList<QStringList> paths() const;
    QString describe() const;

private:
    std::vector<std::unique_ptr<ForeignKeyNode>> m_nodes;
};

// The columns of one entity in a data file: its plain attributes and, per reference
// attribute, the graph of the keys that identify the referenced row.
class ImpExpSchema
{
public:
    explicit ImpExpSchema(const EntityDescription &entity) : m_entity(entity) {}

    // The default schema from the entity's metadata: every attribute in declaration order,
    // references through the import/export keys of the referenced entities.
    static std::unique_ptr<ImpExpSchema> construct(DatabaseContext &ctx,
                                                   const EntityDescription &entity);
    // The schema of a file's schema line; throws AnwendungsFehler for a path that does not
    // fit the data model.
    static std::unique_ptr<ImpExpSchema> constructFromAttributePaths(DatabaseContext &ctx,
                                                                     const QString &entityName,
                                                                     const QList<QStringList> &paths);
    static void addForeignKeyLevel(DatabaseContext &ctx, ForeignKeyGraph &graph,
                                   ForeignKeyNode &parent, const AttributeDescription &attribute,
                                   const QString &pathKey);

    const EntityDescription &entity() const { return m_entity; }
    const QList<const AttributeDescription *> &plainAttributes() const { return m_plain; }
    // Attribute names (plain and references) in column order.
    const QStringList &attributeOrder() const { return m_order; }
    QList<QStringList> paths(const QString &attribute) const;
    QList<QStringList> allPaths() const;
    bool hasGraph(const QString &attribute) const { return m_graphs.count(attribute) > 0; }
    const ForeignKeyGraph *graph(const QString &attribute) const;
    QString describe() const;

private:
    void addPlain(const AttributeDescription &attribute);
    ForeignKeyGraph &addGraph(const QString &attribute);

    const EntityDescription &m_entity;
    QList<const AttributeDescription *> m_plain;
    QStringList m_order;
    std::map<QString, std::unique_ptr<ForeignKeyGraph>> m_graphs;
};
