#pragma once

#include <mysql++/mysql++.h>

#include <QString>

class DatabaseContext;
class SqlStatement;

// Runs a SELECT of the image services on the context's connection and logs it as a SELECT on
// `tabellen`; a database failure is logged and thrown as PersistenceException.
mysqlpp::StoreQueryResult frageAb(DatabaseContext &ctx, const char *ort,
                                  const SqlStatement &statement, const QString &tabellen);

// The text of a field; empty for NULL.
QString feldText(const mysqlpp::Row &row, int spalte);
