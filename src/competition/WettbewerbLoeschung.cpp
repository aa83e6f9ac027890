#include "WettbewerbLoeschung.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "WriteChecks.h"
#include "controllers/BildController.h"
#include "controllers/BildDatenController.h"
#include "controllers/DurchgangController.h"
#include "controllers/EinzelWertungController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/JurierungController.h"
#include "controllers/SparteController.h"
#include "controllers/SpartenJurierungController.h"
#include "controllers/StatistikDataController.h"
#include "controllers/TeilnehmerKombinationsWertungController.h"
#include "controllers/TeilnehmerWertungController.h"
#include "controllers/VereinsKombinationsWertungController.h"
#include "controllers/VereinsWertungController.h"
#include "controllers/WertungController.h"
#include "controllers/WettbewerbController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
#include "entities/Wettbewerb.h"

#include <mysql++/mysql++.h>

namespace {

// The rows of the competition's tables, each deleted by one statement whose condition selects
// them through the competition's id. Table and column names come from the data model.
class Loeschung
{
public:
    Loeschung(DatabaseContext &ctx, qlonglong wettbewerb) : m_ctx(ctx)
    {
        SqlWriter(ctx.connection()).appendLiteral(m_id, wettbewerb, QMetaType::LongLong);
    }

    // "<column> = <the competition's id>"
    std::string gleich(const char *entity, const char *attribut) const
    {
        return spalte(entity, attribut) + " = " + m_id;
    }
    // "<column> IN (<auswahl>)"
    std::string in(const char *entity, const char *attribut, const std::string &auswahl) const
    {
        return spalte(entity, attribut) + " IN (" + auswahl + ")";
    }
    // "SELECT <column> FROM <table> WHERE <bedingung>"
    std::string auswahl(const char *entity, const char *attribut, const std::string &bedingung) const
    {
        return "SELECT " + spalte(entity, attribut) + " FROM " +
               beschreibung(entity).dbName().toStdString() + " WHERE " + bedingung;
    }
    std::string ids(const char *entity, const char *attribut) const
    {
        return auswahl(entity, "id", gleich(entity, attribut));
    }

    void loesche(const ControllerDef &def, const std::string &bedingung)
    {
        const EntityDescription &entity = *m_ctx.dataModel().entities().at(size_t(def.entityIndex));
        SqlStatement statement;
        statement << "DELETE FROM " << entity.dbName() << " WHERE " << bedingung;
        qulonglong zeilen = 0;
        try {
            mysqlpp::Query query = m_ctx.connection().query();
            zeilen = query.execute(statement.text().data(), statement.text().size()).rows();
        } catch (const mysqlpp::Exception &error) {
            WriteChecks::fail(m_ctx, def.name, def.logToDatabase, entity, statement, "DELETE",
                              error.what());
        }
        m_ctx.logStatement(def.name, int(zeilen), "DELETE", QString(), statement, entity.dbName(),
                           def.logToDatabase);
    }

private:
    const EntityDescription &beschreibung(const char *entity) const
    {
        return *m_ctx.dataModel().entity(QLatin1String(entity));
    }
    std::string spalte(const char *entity, const char *attribut) const
    {
        return beschreibung(entity).attribute(QLatin1String(attribut))->dbName().toStdString();
    }

    DatabaseContext &m_ctx;
    std::string m_id;
};

void log(DatabaseContext &ctx, const QString &message)
{
    ctx.log(QStringLiteral("Wettbewerb"), QStringLiteral("WettbewerbHelper"), 5, message);
}

} // namespace

namespace WettbewerbLoeschung {

void loesche(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    const QString name = wettbewerb.hasName() ? wettbewerb.getName() : QStringLiteral("(ohne Name)");
    const QString nummer =
        wettbewerb.hasNummer() ? wettbewerb.getNummer() : QStringLiteral("(ohne Nummer)");
    log(ctx, QStringLiteral("Loesche Wettbewerb ") + name + QStringLiteral(" mit Nummer ") + nummer);
    WriteChecks::checkWritePermission(
        ctx, *ctx.dataModel().entities().at(size_t(WettbewerbController::controllerDef().entityIndex)),
        wettbewerb);

    Transaction transaktion(ctx);
    Loeschung l(ctx, wettbewerb.getId());
    const std::string sparten = l.ids("Sparte", "wettbewerb");
    const std::string juroren = l.ids("JuriertBei", "wettbewerb");
    const std::string jurierungen = l.ids("Jurierung", "wettbewerb");
    const std::string durchgaenge = l.auswahl("Durchgang", "id", l.in("Durchgang", "jurierung", jurierungen));
    // The pictures of its categories, and any of its participants without a category.
    const std::string bilder =
        l.in("Bild", "sparte", sparten) + " OR " +
        l.in("Bild", "wettbewerbsTeilnahme", l.ids("WettbewerbsTeilnahme", "wettbewerb"));

    l.loesche(SpartenJurierungController::controllerDef(),
              l.in("SpartenJurierung", "juriertBei", juroren) + " OR " +
                  l.in("SpartenJurierung", "sparte", sparten));
    l.loesche(JuriertBeiController::controllerDef(), l.gleich("JuriertBei", "wettbewerb"));
    l.loesche(BildDatenController::controllerDef(),
              l.in("BildDaten", "id", l.auswahl("Bild", "bildDaten", bilder)));
    l.loesche(BildController::controllerDef(), bilder);
    l.loesche(SparteController::controllerDef(), l.gleich("Sparte", "wettbewerb"));
    l.loesche(WettbewerbsTeilnahmeController::controllerDef(),
              l.gleich("WettbewerbsTeilnahme", "wettbewerb"));
    l.loesche(EinzelWertungController::controllerDef(),
              l.in("EinzelWertung", "wertung",
                   l.auswahl("Wertung", "id", l.in("Wertung", "durchgang", durchgaenge))));
    l.loesche(WertungController::controllerDef(), l.in("Wertung", "durchgang", durchgaenge));
    l.loesche(DurchgangController::controllerDef(), l.in("Durchgang", "jurierung", jurierungen));
    const std::pair<const ControllerDef *, const char *> vonWettbewerb[] = {
        {&JurierungController::controllerDef(), "Jurierung"},
        {&TeilnehmerWertungController::controllerDef(), "TeilnehmerWertung"},
        {&TeilnehmerKombinationsWertungController::controllerDef(), "TeilnehmerKombinationsWertung"},
        {&VereinsWertungController::controllerDef(), "VereinsWertung"},
        {&VereinsKombinationsWertungController::controllerDef(), "VereinsKombinationsWertung"},
        {&StatistikDataController::controllerDef(), "StatistikData"}};
    for (const auto &[def, entity] : vonWettbewerb)
        l.loesche(*def, l.gleich(entity, "wettbewerb"));
    WettbewerbController().remove(ctx, wettbewerb);
    transaktion.commit();

    log(ctx, QStringLiteral("Loeschen des Wettbewerb ") + name + QStringLiteral(" mit der Nummer ") +
                 nummer + QStringLiteral(" beendet."));
}

} // namespace WettbewerbLoeschung
