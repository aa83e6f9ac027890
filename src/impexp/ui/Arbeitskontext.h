#pragma once

#include <memory>

class DatabaseContext;
class DatenbankVerbindung;
class Session;

// What a worker thread needs to open a database context of its own: a copy of the main
// window's login and of its session, taken in the GUI thread when the worker is made. The
// worker's context takes that session over instead of recording one, so that everything the
// worker logs belongs to the user's run.
class Arbeitskontext
{
public:
    explicit Arbeitskontext(const DatabaseContext &haupt);
    ~Arbeitskontext();
    Arbeitskontext(const Arbeitskontext &) = delete;
    Arbeitskontext &operator=(const Arbeitskontext &) = delete;

    // Opens the context (in the worker thread); PersistenceException when it gets no
    // connection, the client library's or the data model's failure as they come.
    std::unique_ptr<DatabaseContext> oeffne() const;

private:
    std::unique_ptr<DatenbankVerbindung> m_login;
    std::unique_ptr<Session> m_session;
};
