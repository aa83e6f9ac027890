#include "DataModel.h"

#include "Record.h"

#include <iostream>

const QString AttributeDescription::kNoType = QStringLiteral("<no type specified>");

QList<const AttributeDescription *> EntityDescription::allAttributes() const
{
    QList<const AttributeDescription *> result = m_base ? m_base->allAttributes()
                                                        : QList<const AttributeDescription *>();
    result += m_own;
    return result;
}

QList<const AttributeDescription *> EntityDescription::foreignKeyAttributes() const
{
    QList<const AttributeDescription *> result;
    for (const AttributeDescription *attribute : allAttributes()) {
        if (attribute->isForeignKey())
            result.append(attribute);
    }
    return result;
}

const AttributeDescription *EntityDescription::attribute(const QString &codeName) const
{
    for (const EntityDescription *e = this; e; e = e->m_base) {
        for (const AttributeDescription *attribute : e->m_own) {
            if (attribute->codeName() == codeName)
                return attribute;
        }
    }
    return nullptr;
}

bool EntityDescription::isOrDerivesFrom(const QString &entityCodeName) const
{
    for (const EntityDescription *e = this; e; e = e->m_base) {
        if (e->m_codeName == entityCodeName)
            return true;
    }
    return false;
}

int EntityDescription::attributeCount() const
{
    return int(m_own.size()) + (m_base ? m_base->attributeCount() : 0);
}

DataModel::DataModel(const DataModelDef &def)
    : m_version(QString::fromLatin1(def.version)),
      m_generatorVersion(QString::fromLatin1(def.generatorVersion))
{
    // Entities with their attributes, in the order of the data model.
    for (int i = 0; i < def.entityCount; ++i) {
        const EntityDef &es = def.entities[i];
        auto entity = std::make_unique<EntityDescription>();
        entity->m_codeName = QString::fromLatin1(es.codeName);
        entity->m_dbName = QString::fromLatin1(es.dbName);
        entity->m_abstract = es.isAbstract;
        entity->m_privilegesChecked = es.privilegesChecked;
        entity->m_baseName = es.baseName ? QString::fromLatin1(es.baseName) : QString();
        entity->m_classInfo = &es.classInfo();
        for (int a = 0; a < es.attributeCount; ++a) {
            const AttributeDef &as = es.attributes[a];
            auto attribute = std::make_unique<AttributeDescription>();
            attribute->m_codeName = QString::fromLatin1(as.codeName);
            attribute->m_dbName = QString::fromLatin1(as.dbName);
            attribute->m_primaryKey = as.primaryKey;
            attribute->m_index = as.index;
            attribute->m_dbModifiers = QString::fromLatin1(as.dbModifiers);
            attribute->m_row = as.row;
            attribute->m_entity = entity.get();
            if (as.references) {
                attribute->m_referencedName = QString::fromLatin1(as.references);
                attribute->m_codeType = AttributeDescription::kNoType;
                attribute->m_dbType = AttributeDescription::kNoType;
            } else {
                attribute->m_codeType = QString::fromLatin1(as.codeType);
                attribute->m_dbType = QString::fromLatin1(as.dbType);
                const QString &type = attribute->m_dbType;
                if (type.startsWith(QLatin1String("varchar(")) && type.endsWith(QLatin1Char(')')))
                    attribute->m_maxLength = type.mid(8, type.size() - 9).toInt();
            }
            entity->m_own.append(attribute.get());
            m_attributes.push_back(std::move(attribute));
        }
        m_entityList.append(entity.get());
        m_entities.push_back(std::move(entity));
    }
    // Base entities.
    for (auto &entity : m_entities) {
        if (!entity->m_baseName.isEmpty())
            entity->m_base = this->entity(entity->m_baseName);
    }
    // References take the type of the referenced entity's primary key.
    for (auto &attribute : m_attributes) {
        if (!attribute->isForeignKey())
            continue;
        attribute->m_referenced = entity(attribute->m_referencedName);
        if (!attribute->m_referenced)
            continue;
        for (const AttributeDescription *candidate : attribute->m_referenced->allAttributes()) {
            if (candidate->isPrimaryKey()) {
                attribute->m_codeType = candidate->codeType();
                attribute->m_dbType = candidate->dbType();
            }
        }
    }
    // Column plans of the tables.
    for (auto &entity : m_entities) {
        entity->m_alias = entity->m_codeName.toLower().toStdString();
        for (const AttributeDescription *attribute : entity->allAttributes()) {
            const int metaType =
                attribute->entity()->classInfo().slotAt(attribute->row()).metaType;
            entity->m_columns.push_back(ColumnInfo{attribute, attribute->dbName().toStdString(),
                                                   attribute->row(), metaType,
                                                   attribute->maxLength(),
                                                   attribute->isPrimaryKey()});
            if (!entity->m_selectList.empty())
                entity->m_selectList += ", ";
            entity->m_selectList += entity->m_alias + '.' + attribute->dbName().toStdString();
        }
    }
    // Import/export keys.
    for (int i = 0; i < def.entityCount; ++i) {
        const EntityDef &es = def.entities[i];
        EntityDescription *entity = m_entities[size_t(i)].get();
        for (int k = 0; k < es.keyCount; ++k) {
            if (const AttributeDescription *attribute =
                    entity->attribute(QString::fromLatin1(es.key[k])))
                entity->m_key.append(attribute);
        }
    }
}

DataModel::~DataModel() = default;

const EntityDescription *DataModel::entity(const QString &codeName) const
{
    for (const EntityDescription *e : m_entityList) {
        if (e->codeName() == codeName)
            return e;
    }
    return nullptr;
}

static void printAttributeLine(std::ostream &out, const AttributeDescription &a)
{
    if (a.isForeignKey()) {
        out << "    Foreign key attribute to Entity "
            << (a.referencedEntity() ? a.referencedEntity()->codeName().toStdString()
                                     : std::string("<not set>"));
    } else {
        out << "    " << (a.isPrimaryKey() ? "Primary key a" : "A") << "ttribute with dbtype "
            << a.dbType().toStdString() << ",";
    }
    out << (a.isForeignKey() ? " with dbname " : " dbname ") << a.dbName().toStdString()
        << " and dbModifiers " << a.dbModifiers().toStdString() << ", codetype "
        << a.codeType().toStdString() << ", codename " << a.codeName().toStdString()
        << ", index " << (a.isIndexed() ? 1 : 0) << ", indexPrefixLength "
        << a.indexPrefixLength() << "\n";
}

void DataModel::print(std::ostream &out) const
{
    out << "Datamodel (version = " << m_version.toStdString() << ", generated by dmgen version "
        << m_generatorVersion.toStdString() << " is:\n";
    for (const EntityDescription *e : m_entityList) {
        out << "  " << (e->isAbstract() ? "Abstract" : "") << " entity (baseclass: "
            << (e->base() ? e->base()->codeName().toStdString() : std::string("none"))
            << ") with dbname " << e->dbName().toStdString() << " and codename "
            << e->codeName().toStdString() << ", privileges are "
            << (e->privilegesChecked() ? "" : " not ") << " checked, having \n";
        for (const AttributeDescription *a : e->ownAttributes())
            printAttributeLine(out, *a);
        out << "    ImpExpKey of this entity contains the following attributes:\n";
        for (const AttributeDescription *a : e->impExpKey()) {
            out << "  ";
            printAttributeLine(out, *a);
        }
    }
    out.flush();
}

void DataModel::print() const
{
    print(std::cout);
}
