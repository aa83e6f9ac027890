#pragma once

class DatabaseContext;

// Writes that belong together: begun on construction, kept only by commit(); a transaction
// that goes out of scope uncommitted (for instance through an exception) is rolled back.
class Transaction
{
public:
    explicit Transaction(DatabaseContext &ctx);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    void run(const char *statement);

    DatabaseContext &m_ctx;
    bool m_open = false;
};
