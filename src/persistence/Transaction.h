#pragma once

class PersistenceContext;

// Writes that belong together: begun on construction, kept only by commit(); a transaction
// that goes out of scope uncommitted (for instance through an exception) is rolled back.
// A Transaction opened while another one is open on the same context joins it: its commit
// keeps nothing yet, and when it ends uncommitted the outer one can no longer commit (its
// commit() then rolls back and throws), so a run of several services stays one unit.
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
    bool m_inner = false;
};
