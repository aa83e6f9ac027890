#pragma once

#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "Record.h"
#include "TestDatabase.h"

#include <memory>
#include <vector>

// A context logged in as the administrator that keeps every statement it reports.
struct RecordingContext
{
    explicit RecordingContext(std::shared_ptr<Clock> clock = nullptr)
        : ctx(TestDatabase::openContext(std::move(clock)))
    {
        ctx->setQueryObserver([this](const QueryReport &report) { reports.push_back(report); });
    }
    RecordingContext(const RecordingContext &) = delete;
    RecordingContext &operator=(const RecordingContext &) = delete;

    DatabaseContext &operator*() const { return *ctx; }
    const QueryReport &last() const { return reports.back(); }

    std::unique_ptr<DatabaseContext> ctx;
    std::vector<QueryReport> reports;
};

// A value of the type that fits every column of that type.
inline QVariant sampleValue(int metaType)
{
    switch (metaType) {
    case QMetaType::QString:
        return QStringLiteral("x");
    case QMetaType::QDate:
        return QDate(2026, 1, 2);
    case QMetaType::QDateTime:
        return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
    case QMetaType::QByteArray:
        return QByteArray("\0x", 2);
    default:
        return convertToMetaType(QVariant(1), metaType);
    }
}

// The short and long text of the PersistenceException that `call` throws; empty without one.
template <typename Call> QStringList persistenceFailure(Call call)
{
    try {
        call();
    } catch (const PersistenceException &error) {
        return {error.shortText(), error.longText()};
    }
    return {};
}

// Reads a null attribute on purpose; main runs it in the child process that EntityTest starts.
int runNullGetterProbe(const QString &probe);
