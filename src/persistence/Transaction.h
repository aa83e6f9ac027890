#pragma once

class PersistenceContext;

// Writes that belong together: begun on construction, kept only by commit(); a transaction
// that goes out of scope uncommitted (for instance through an exception) is rolled back.
class Transaction
{
public:
    explicit Transaction(PersistenceContext &ctx);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    void run(const char *statement);

    PersistenceContext &m_ctx;
    bool m_open = false;
};
