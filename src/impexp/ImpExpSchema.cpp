#include "ImpExpSchema.h"

#include "AnwendungsFehler.h"
#include "DataModel.h"
#include "DatabaseContext.h"

#include <map>

namespace {

const QString kKategorie = QStringLiteral("ImportExport");
const QString kOrt = QStringLiteral("ImpExpSchema");

void log(DatabaseContext &ctx, int level, const QString &message)
{
    ctx.log(kKategorie, kOrt, level, message);
}

[[noreturn]] void fehler(const QString &titel, const QString &text)
{
    throw AnwendungsFehler(kKategorie, kOrt, titel, text);
}

const QString kKette = QStringLiteral(
    "Eine Spaltenueberschrift der Form a.b.c kennzeichnet eine Kette von Verweisen auf andere "
    "Tabelle, um das Ziel eines Verweises eindeutig bestimmen zu koennen. ");
const QString kKettenSchluss = QStringLiteral(
    "  Diese Regel wurde hier verletzt.Bitte ueberpruefen Sie das Glied %1 in der Schemazeile "
    "zur Tabelle %2.");

} // namespace

QList<const AttributeDescription *> ForeignKeyNode::attributes() const
{
    QList<const AttributeDescription *> result;
    for (const Entry &entry : m_entries)
        if (!entry.target)
            result.append(entry.attribute);
    return result;
}

bool ForeignKeyNode::hasAttribute(const QString &name) const
{
    for (const Entry &entry : m_entries)
        if (!entry.target && entry.attribute->codeName() == name)
            return true;
    return false;
}

ForeignKeyNode *ForeignKeyNode::edgeTarget(const QString &attribute) const
{
    for (const Entry &entry : m_entries)
        if (entry.target && entry.attribute->codeName() == attribute)
            return entry.target;
    return nullptr;
}

void ForeignKeyNode::collectPaths(const QStringList &prefix, QList<QStringList> &paths) const
{
    for (const Entry &entry : m_entries) {
        const QStringList path = prefix + QStringList{entry.attribute->codeName()};
        if (entry.target)
            entry.target->collectPaths(path, paths);
        else
            paths.append(path);
    }
}

QString ForeignKeyNode::describe() const
{
    QString text = QStringLiteral("    Node for entity ") + m_entity.codeName() +
                   QStringLiteral(" with pathKey ") + m_pathKey + QStringLiteral(" contains:");
    for (const AttributeDescription *attribute : attributes())
        text += QLatin1Char(' ') + attribute->codeName();
    return text;
}

ForeignKeyGraph::ForeignKeyGraph(const EntityDescription &owner)
{
    m_nodes.push_back(std::make_unique<ForeignKeyNode>(owner, QString()));
}

ForeignKeyNode &ForeignKeyGraph::addNode(const EntityDescription &entity, const QString &pathKey)
{
    m_nodes.push_back(std::make_unique<ForeignKeyNode>(entity, pathKey));
    return *m_nodes.back();
}

ForeignKeyNode *ForeignKeyGraph::node(const QString &pathKey) const
{
    for (const auto &node : m_nodes)
        if (node.get() != m_nodes.front().get() && node->pathKey() == pathKey)
            return node.get();
    return nullptr;
}

QList<QStringList> ForeignKeyGraph::paths() const
{
    QList<QStringList> result;
    root().collectPaths({}, result);
    return result;
}

QString ForeignKeyGraph::describe() const
{
    QString text = QStringLiteral("  Graph containing");
    for (size_t i = 1; i < m_nodes.size(); ++i)
        text += QLatin1Char('\n') + m_nodes[i]->describe();
    return text;
}

void ImpExpSchema::addPlain(const AttributeDescription &attribute)
{
    m_plain.append(&attribute);
    m_order.append(attribute.codeName());
}

ForeignKeyGraph &ImpExpSchema::addGraph(const QString &attribute)
{
    auto &graph = m_graphs[attribute];
    if (!graph) {
        graph = std::make_unique<ForeignKeyGraph>(m_entity);
        m_order.append(attribute);
    }
    return *graph;
}

std::unique_ptr<ImpExpSchema> ImpExpSchema::construct(DatabaseContext &ctx,
                                                      const EntityDescription &entity)
{
    log(ctx, 2, QStringLiteral("Starting to construct ImpExpSchema for entity ") + entity.codeName());
    auto schema = std::make_unique<ImpExpSchema>(entity);
    for (const AttributeDescription *attribute : entity.allAttributes()) {
        if (!attribute->isForeignKey()) {
            schema->addPlain(*attribute);
            continue;
        }
        log(ctx, 1, QStringLiteral("Starting to construct ForeignKeyGraph for attribute ") +
                        attribute->codeName());
        ForeignKeyGraph &graph = schema->addGraph(attribute->codeName());
        addForeignKeyLevel(ctx, graph, graph.root(), *attribute, attribute->codeName());
        log(ctx, 1, QStringLiteral("Finished constructing ForeignKeyGraph for attribute ") +
                        attribute->codeName());
    }
    log(ctx, 2, QStringLiteral("Finished constructing ImpExpSchema for entity ") + entity.codeName());
    return schema;
}

void ImpExpSchema::addForeignKeyLevel(DatabaseContext &ctx, ForeignKeyGraph &graph,
                                      ForeignKeyNode &parent, const AttributeDescription &attribute,
                                      const QString &pathKey)
{
    log(ctx, 1, QStringLiteral("addForeignKeyLevel called for pathKey ") + pathKey +
                    QStringLiteral(" and attribute ") + attribute.codeName());
    const EntityDescription *target = attribute.referencedEntity();
    if (!target)
        fehler(QStringLiteral("Interner Fehler"),
               QStringLiteral("FK-Attribute %1 without Entity").arg(attribute.codeName()));
    ForeignKeyNode &node = graph.addNode(*target, pathKey);
    parent.addEdge(attribute, node);
    log(ctx, 1, QStringLiteral("addForeignKeyLevel adds edge for pathKey ") + pathKey +
                    QStringLiteral(" to out node ") + target->codeName());
    for (const AttributeDescription *key : target->impExpKey()) {
        if (key->isForeignKey())
            addForeignKeyLevel(ctx, graph, node, *key, pathKey + QLatin1Char('.') + key->codeName());
        else
            node.addAttribute(*key);
    }
}

std::unique_ptr<ImpExpSchema> ImpExpSchema::constructFromAttributePaths(
    DatabaseContext &ctx, const QString &entityName, const QList<QStringList> &paths)
{
    log(ctx, 2, QStringLiteral("constructFromAttributePaths: Started for entity ") + entityName);
    const EntityDescription *entity = ctx.dataModel().entity(entityName);
    if (!entity)
        fehler(QStringLiteral("Die Entitaet ist nicht bekannt."),
               QStringLiteral("Eine Entitaet (Tabelle) namens %1 gibt es im Datenmodell nicht.")
                   .arg(entityName));
    auto schema = std::make_unique<ImpExpSchema>(*entity);
    for (const QStringList &path : paths) {
        log(ctx, 1, QStringLiteral("  Processing path ") + path.join(QLatin1Char('.')));
        const EntityDescription *table = entity;
        ForeignKeyGraph *graph = nullptr;
        ForeignKeyNode *node = nullptr;
        QString pathKey;
        for (int i = 0; i < path.size(); ++i) {
            const QString &name = path[i];
            log(ctx, 1, QStringLiteral("    Processing path attribute ") + name);
            const AttributeDescription *attribute = table->attribute(name);
            if (!attribute)
                fehler(QStringLiteral("Attribut nicht vorhanden"),
                       QStringLiteral("In der Tabelle %1 gibt es kein Attribut namens %2.Bitte "
                                      "pruefen Sie Ihre Spaltenueberschriften in der Schemazeile.")
                           .arg(table->codeName(), name));
            const bool last = i == path.size() - 1;
            if (!last && !attribute->isForeignKey())
                fehler(QStringLiteral("Fehlerhafte Verweiskette"),
                       kKette +
                           QStringLiteral("Nur das letzte Glied einer solchen Kette darf ein "
                                          "Attribut bezeichnen, das keinen Verweis darstellt.") +
                           kKettenSchluss.arg(name, entityName));
            if (last && attribute->isForeignKey())
                fehler(QStringLiteral("Fehlerhafte Verweiskette"),
                       kKette +
                           QStringLiteral("Das letzte Glied einer solchen Kette muss ein Attribut "
                                          "bezeichnen, das keinen Verweis darstellt.") +
                           kKettenSchluss.arg(name, entityName));
            if (last) {
                const bool doppelt = node ? node->hasAttribute(name)
                                          : schema->m_plain.contains(attribute);
                if (doppelt)
                    fehler(QStringLiteral("Attribut doppelt angegeben"),
                           QStringLiteral("In der Schemazeile zur Tabelle %1 gibt es einen "
                                          "doppelten Eintrag.  Bitte ueberpruefen Sie diese Zeile.")
                               .arg(entityName));
                if (node)
                    node->addAttribute(*attribute);
                else
                    schema->addPlain(*attribute);
                break;
            }
            const EntityDescription *target = attribute->referencedEntity();
            if (!target)
                fehler(QStringLiteral("Interner Fehler"),
                       QStringLiteral("FK-Attribute %1 without Entity").arg(name));
            if (!graph)
                graph = &schema->addGraph(name);
            ForeignKeyNode &parent = node ? *node : graph->root();
            pathKey = pathKey.isEmpty() ? name : pathKey + QLatin1Char('.') + name;
            node = graph->node(pathKey);
            if (!node) {
                node = &graph->addNode(*target, pathKey);
                parent.addEdge(*attribute, *node);
            }
            table = target;
        }
    }
    return schema;
}

QList<QStringList> ImpExpSchema::paths(const QString &attribute) const
{
    if (const ForeignKeyGraph *g = graph(attribute))
        return g->paths();
    return {QStringList{attribute}};
}

QList<QStringList> ImpExpSchema::allPaths() const
{
    QList<QStringList> result;
    for (const QString &attribute : m_order)
        result += paths(attribute);
    return result;
}

const ForeignKeyGraph *ImpExpSchema::graph(const QString &attribute) const
{
    const auto it = m_graphs.find(attribute);
    return it == m_graphs.end() ? nullptr : it->second.get();
}

QString ImpExpSchema::describe() const
{
    QString text = QStringLiteral("ImpExpSchema for entity ") + m_entity.codeName() +
                   QStringLiteral(" containing ");
    for (const auto &entry : m_graphs)
        text += QLatin1Char('\n') + entry.second->describe();
    return text;
}
