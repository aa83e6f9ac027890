#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <memory>
#include <vector>

class CodeValue;
class DatabaseContext;
class Record;

// The catalogue of all code values of a context, loaded from CodeType and CodeValue.
// Every lookup hands out a copy that the caller owns.
class CodeManager
{
public:
    CodeManager();
    ~CodeManager();

    void loadCodes(DatabaseContext &ctx);

    std::vector<std::unique_ptr<CodeValue>> getCodeValues(const QString &typeName) const;
    std::unique_ptr<CodeValue> getCodeValue(const QString &typeName,
                                            const QString &valueName) const;
    bool isCodeValue(qlonglong id, const QString &typeName, const QString &valueName) const;
    // Whether the code attribute at `row` of the record holds the named value (false when
    // empty); type and value names in Latin-1.
    bool isCodeValueAt(const Record &record, int row, const char *typeName,
                       const char *valueName) const;
    std::unique_ptr<CodeValue> getCodeValueById(qlonglong id) const; // null when unknown
    std::unique_ptr<CodeValue> getCodeValueByName(const QString &valueName) const;

    // The id of a named value; -1 when the tables lack it.
    qlonglong idOf(const QString &typeName, const QString &valueName) const;
    // The stored value itself, without a copy (valid until the next load); null if missing.
    const CodeValue *find(const QString &typeName, const QString &valueName) const;

private:
    // Looks a named value up; a value the tables lack is reported in the log.
    const CodeValue *require(const QString &typeName, const QString &valueName) const;

    DatabaseContext *m_ctx = nullptr;
    std::vector<std::unique_ptr<CodeValue>> m_values;
    QMap<QString, QList<const CodeValue *>> m_byType; // values in stored order per type
    QMap<qlonglong, const CodeValue *> m_byId;
    QMap<QString, const CodeValue *> m_byName;
};
