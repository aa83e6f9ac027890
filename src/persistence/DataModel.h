#pragma once

#include <QList>
#include <QString>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

struct RecordClassInfo;

// Static description of the data model as written by the generator.
struct AttributeDef
{
    const char *codeName;
    const char *dbName;
    const char *codeType;
    const char *dbType;
    const char *references; // code name of the referenced entity, or nullptr
    bool index;
    const char *dbModifiers;
    bool primaryKey;
    int row; // position of the attribute in the objects of the declaring class
};

struct EntityDef
{
    const char *codeName;
    const char *dbName;
    bool isAbstract;
    const char *baseName; // nullptr for the root entity
    bool privilegesChecked;
    const AttributeDef *attributes;
    int attributeCount;
    const char *const *key;
    int keyCount;
    const RecordClassInfo &(*classInfo)();
};

struct DataModelDef
{
    const char *version;
    const char *generatorVersion;
    const EntityDef *entities;
    int entityCount;
};

// The definition of this program's data model, written by the generator.
const DataModelDef &kalvorDataModelDef();

class EntityDescription;

class AttributeDescription
{
public:
    static const QString kNoType;

    const QString &codeName() const { return m_codeName; }
    const QString &dbName() const { return m_dbName; }
    const QString &codeType() const { return m_codeType; }
    const QString &dbType() const { return m_dbType; }
    const QString &dbModifiers() const { return m_dbModifiers; }
    bool isPrimaryKey() const { return m_primaryKey; }
    bool isForeignKey() const { return !m_referencedName.isEmpty(); }
    const QString &referencedEntityName() const { return m_referencedName; }
    const EntityDescription *referencedEntity() const { return m_referenced; }
    bool isIndexed() const { return m_index; }
    int indexPrefixLength() const { return m_indexPrefixLength; }
    bool isTransientFlag() const { return false; }
    // The width of a varchar column in characters; -1 for other types.
    int maxLength() const { return m_maxLength; }
    int row() const { return m_row; }
    const EntityDescription *entity() const { return m_entity; }

private:
    friend class DataModel;
    QString m_codeName;
    QString m_dbName;
    QString m_codeType;
    QString m_dbType;
    QString m_dbModifiers;
    QString m_referencedName;
    const EntityDescription *m_referenced = nullptr;
    const EntityDescription *m_entity = nullptr;
    bool m_primaryKey = false;
    bool m_index = false;
    int m_indexPrefixLength = -1;
    int m_row = -1;
    int m_maxLength = -1;
};

// A column of an entity's table as the controllers write and read it.
struct ColumnInfo
{
    const AttributeDescription *attribute;
    std::string name; // the column name
    int row;          // the attribute's row in the entity objects
    int metaType;     // the attribute's value type
    int maxLength;    // varchar width, -1 for other types
    bool primaryKey;
};

class EntityDescription
{
public:
    const QString &codeName() const { return m_codeName; }
    const QString &dbName() const { return m_dbName; }
    bool isAbstract() const { return m_abstract; }
    const EntityDescription *base() const { return m_base; }
    bool privilegesChecked() const { return m_privilegesChecked; }
    const RecordClassInfo &classInfo() const { return *m_classInfo; }

    const QList<const AttributeDescription *> &ownAttributes() const { return m_own; }
    // Inherited attributes first, in column order.
    QList<const AttributeDescription *> allAttributes() const;
    QList<const AttributeDescription *> foreignKeyAttributes() const;
    const QList<const AttributeDescription *> &impExpKey() const { return m_key; }
    bool hasImpExpKey() const { return !m_key.isEmpty(); }
    const AttributeDescription *attribute(const QString &codeName) const;
    bool isOrDerivesFrom(const QString &entityCodeName) const;
    int attributeCount() const;

    // All columns in column order, the alias of the table in reading statements (the code
    // name in lower case) and the aliased column list of a full read.
    const std::vector<ColumnInfo> &columns() const { return m_columns; }
    const std::string &alias() const { return m_alias; }
    const std::string &selectList() const { return m_selectList; }

private:
    friend class DataModel;
    std::vector<ColumnInfo> m_columns;
    std::string m_alias;
    std::string m_selectList;
    QString m_codeName;
    QString m_dbName;
    bool m_abstract = false;
    bool m_privilegesChecked = false;
    QString m_baseName;
    const EntityDescription *m_base = nullptr;
    const RecordClassInfo *m_classInfo = nullptr;
    QList<const AttributeDescription *> m_own;
    QList<const AttributeDescription *> m_key;
};

// The registry of entities and attributes, built once per database context.
class DataModel
{
public:
    explicit DataModel(const DataModelDef &def = kalvorDataModelDef());
    ~DataModel();
    DataModel(const DataModel &) = delete;
    DataModel &operator=(const DataModel &) = delete;

    const QString &version() const { return m_version; }
    const QString &generatorVersion() const { return m_generatorVersion; }
    const QList<const EntityDescription *> &entities() const { return m_entityList; }
    const EntityDescription *entity(const QString &codeName) const;

    void print(std::ostream &out) const;
    void print() const;

private:
    QString m_version;
    QString m_generatorVersion;
    std::vector<std::unique_ptr<EntityDescription>> m_entities;
    std::vector<std::unique_ptr<AttributeDescription>> m_attributes;
    QList<const EntityDescription *> m_entityList;
};
