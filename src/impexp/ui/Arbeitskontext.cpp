#include "Arbeitskontext.h"

#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Session.h"

#include <QCoreApplication>

namespace {

struct Texte
{
    Q_DECLARE_TR_FUNCTIONS(Arbeitskontext)
};

} // namespace

Arbeitskontext::Arbeitskontext(const DatabaseContext &haupt)
    : m_login(static_cast<DatenbankVerbindung *>(haupt.connectionRecord().clone())),
      m_session(haupt.session() ? haupt.session()->clone() : nullptr)
{
}

Arbeitskontext::~Arbeitskontext() = default;

std::unique_ptr<DatabaseContext> Arbeitskontext::oeffne() const
{
    std::unique_ptr<DatenbankVerbindung> login(
        static_cast<DatenbankVerbindung *>(m_login->clone()));
    auto ctx = std::make_unique<DatabaseContext>(std::move(login), m_session.get());
    if (!ctx->isConnected())
        throw PersistenceException(Texte::tr("Keine Verbindung zur Datenbank"),
                                   Texte::tr("Die Verbindung zur Datenbank konnte nicht "
                                             "hergestellt werden."));
    return ctx;
}
