#include "ImportStrategy.h"

#include "DataSet.h"
#include "DatabaseContext.h"
#include "ImportException.h"
#include "MitgliedsPruefer.h"
#include "MitgliedsnummernManager.h"
#include "VereinsNummernManager.h"
#include "controllers/BenutzerController.h"

namespace {

const QString kKategorie = QStringLiteral("ImportExport");

// Rows of users: each one is stored once more after the import and must then exist exactly
// once. A password given in the file is not stored; imported users get no database account
// until a password is set in the user administration.
class BenutzerImportStrategy : public ImportStrategy
{
public:
    BenutzerImportStrategy()
        : ImportStrategy(QStringLiteral("BenutzerImportStrategy"), QStringLiteral("Benutzer"),
                         {QStringLiteral("benutzername")})
    {}

    void pruefe(DatabaseContext &ctx, DataTuple &tupel) const override
    {
        ImportStrategy::pruefe(ctx, tupel);
        if (tupel.datum(QStringLiteral("password")))
            tupel.setValue(QStringLiteral("password"), QVariant());
    }

    void nachDemSchreiben(DatabaseContext &ctx,
                          const std::vector<const DataTuple *> &tupel) const override
    {
        BenutzerController controller;
        for (const DataTuple *benutzer : tupel) {
            ctx.log(kKategorie, name(), 6,
                    QStringLiteral("postProcessAfterWrite: Aktualisiere Benutzer"));
            const QString benutzername = text(*benutzer, QStringLiteral("benutzername"));
            auto gefunden = controller.select(ctx, {{QStringLiteral("benutzername"), benutzername}},
                                              true, false);
            if (gefunden.size() != 1)
                throw ImportException(
                    name(), QStringLiteral("Nicht eindeutiger / fehlender Benutzername"),
                    QStringLiteral("Bei Abschluss des Imports ist der Benutzer %1 nicht oder mehr "
                                   "als einmal auf der Datenbank vorhanden.")
                        .arg(benutzername.isEmpty() ? QStringLiteral("<namenlos>") : benutzername),
                    benutzer->line());
            controller.insertOrUpdate(ctx, *gefunden.front());
        }
    }
};

// Members: phone numbers are checked; the complete and the key number are computed from
// the club's number and the number in the club.
class MitgliedImportStrategy : public ImportStrategy
{
public:
    MitgliedImportStrategy()
        : ImportStrategy(
              QStringLiteral("MitgliedImportStrategy"), QStringLiteral("Mitglied"),
              {QStringLiteral("mitgliedsNummerImVerein")},
              {QStringLiteral("verein"), QStringLiteral("mitgliedsArt"), QStringLiteral("jugend")})
    {}

    void pruefe(DatabaseContext &ctx, DataTuple &tupel) const override
    {
        ImportStrategy::pruefe(ctx, tupel);
        pruefeTelefonnummern(tupel);
        const auto nummern = MitgliedsnummernManager::nummern(
            text(tupel, QStringLiteral("verein.vereinsNummerKomplett")),
            text(tupel, QStringLiteral("mitgliedsNummerImVerein")),
            text(tupel, QStringLiteral("mitgliedsArt.name")));
        tupel.setValue(QStringLiteral("mitgliedsNummerKomplett"), nummern.komplett);
        tupel.setValue(QStringLiteral("mitgliedsNummerSchluessel"), nummern.schluessel);
        if (ctx.logs(kKategorie, name(), 2))
            ctx.log(kKategorie, name(), 2,
                    QStringLiteral("Berechnete Mitgliedsnummer in Zeile %1: %2")
                        .arg(tupel.line())
                        .arg(nummern.komplett));
    }

    static void pruefeTelefonnummern(const DataTuple &tupel)
    {
        pruefeTelefon(tupel, QStringLiteral("telefon"),
                      QStringLiteral("Telefonnummer falsch angegeben."),
                      QStringLiteral("Die Telefonnummer %1 wurde falsch angegeben."));
        pruefeTelefon(tupel, QStringLiteral("mobil"),
                      QStringLiteral("Mobilfunknummer falsch angegeben."),
                      QStringLiteral("Die Mobilfunknummer %1 wurde falsch angegeben."));
    }
};

class ExternerJurorImportStrategy : public ImportStrategy
{
public:
    ExternerJurorImportStrategy()
        : ImportStrategy(QStringLiteral("ExternerJurorImportStrategy"),
                         QStringLiteral("ExternerJuror"))
    {}

    void pruefe(DatabaseContext &ctx, DataTuple &tupel) const override
    {
        ImportStrategy::pruefe(ctx, tupel);
        MitgliedImportStrategy::pruefeTelefonnummern(tupel);
    }
};

// Clubs: the complete number follows from the parent's complete number and the own one.
class VereinImportStrategy : public ImportStrategy
{
public:
    VereinImportStrategy()
        : ImportStrategy(QStringLiteral("VereinImportStrategy"), QStringLiteral("Verein"),
                         {QStringLiteral("vereinsNummerLokal"), QStringLiteral("name"),
                          QStringLiteral("inaktiv")})
    {}

    void pruefe(DatabaseContext &ctx, DataTuple &tupel) const override
    {
        ImportStrategy::pruefe(ctx, tupel);
        tupel.setValue(QStringLiteral("vereinsNummerKomplett"),
                       VereinsNummernManager::vereinsNummerKomplett(
                           text(tupel, QStringLiteral("dachverband.vereinsNummerKomplett")),
                           text(tupel, QStringLiteral("vereinsNummerLokal"))));
    }
};

// Jurors: an external juror or a member, as the kind says.
class JuriertBeiImportStrategy : public ImportStrategy
{
public:
    JuriertBeiImportStrategy()
        : ImportStrategy(QStringLiteral("JuriertBeiImportStrategy"), QStringLiteral("JuriertBei"),
                         {QStringLiteral("art.name")}, {QStringLiteral("wettbewerb")})
    {}

    void pruefe(DatabaseContext &ctx, DataTuple &tupel) const override
    {
        ImportStrategy::pruefe(ctx, tupel);
        const QString art = text(tupel, QStringLiteral("art.name"));
        if (art == QLatin1String("EXTERNER_JUROR"))
            pruefeVerweis(tupel, QStringLiteral("externerJuror"));
        else if (art == QLatin1String("MITGLIED"))
            pruefeVerweis(tupel, QStringLiteral("mitglied"));
    }
};

// Log rows and sessions: stamped with the time of the import. Log rows have no key and
// are matched by their content.
class ImportZeitImportStrategy : public ImportStrategy
{
public:
    ImportZeitImportStrategy(const QString &entity, bool nachInhalt)
        : ImportStrategy(entity + QStringLiteral("ImportStrategy"), entity),
          m_nachInhalt(nachInhalt)
    {}

    bool nachInhalt() const override { return m_nachInhalt; }

    void pruefe(DatabaseContext &ctx, DataTuple &tupel) const override
    {
        ImportStrategy::pruefe(ctx, tupel);
        tupel.setValue(QStringLiteral("import_tist"), ctx.now());
    }

private:
    bool m_nachInhalt;
};

} // namespace

ImportStrategy::ImportStrategy(const QString &name, const QString &entity, QStringList attribute,
                               QStringList verweise)
    : m_name(name), m_entity(entity), m_attribute(std::move(attribute)),
      m_verweise(std::move(verweise))
{}

QString ImportStrategy::text(const DataTuple &tupel, const QString &pfad)
{
    const DataTuple::Datum *datum = tupel.datum(pfad);
    return datum && datum->kind == DataTuple::Datum::Value ? datum->value.toString() : QString();
}

bool ImportStrategy::hatWert(const DataTuple &tupel, const QString &pfad)
{
    const DataTuple::Datum *datum = tupel.datum(pfad);
    return datum && (datum->kind != DataTuple::Datum::Value ||
                     (datum->value.isValid() && !datum->value.toString().isEmpty()));
}

bool ImportStrategy::hatVerweis(const DataTuple &tupel, const QString &verweis)
{
    if (hatWert(tupel, verweis))
        return true;
    const QString praefix = verweis + QLatin1Char('.');
    const auto &daten = tupel.data();
    for (auto it = daten.lowerBound(praefix); it != daten.cend() && it.key().startsWith(praefix);
         ++it)
        if (hatWert(tupel, it.key()))
            return true;
    return false;
}

void ImportStrategy::pruefeAttribut(const DataTuple &tupel, const QString &pfad) const
{
    if (!hatWert(tupel, pfad))
        throw ImportException(
            m_name, QStringLiteral("Attribut nicht angegeben"),
            QStringLiteral("Im Datensatz in Zeile %1 ist fuer das Attribut %2  der "
                           "Tabelle %3 kein Wert angegeben. Bitte geben Sie einen "
                           "Wert an.")
                .arg(tupel.line())
                .arg(pfad, tupel.entityName()),
            tupel.line());
}

void ImportStrategy::pruefeVerweis(const DataTuple &tupel, const QString &verweis) const
{
    if (!hatVerweis(tupel, verweis))
        throw ImportException(
            m_name, QStringLiteral("Verweis nicht angegeben"),
            QStringLiteral(
                "Im Datensatz in Zeile %1 der Tabelle %2 fehlt ein Wert fuer den Verweis "
                "mit Praefix %3.  Ein Verweis a wird in den Spalten a.b, a.c usw. "
                "angegeben, die die Werte der Attribute b, c usw. des Datensatzes "
                "enthalten, auf den verwiesen wird.")
                .arg(tupel.line())
                .arg(tupel.entityName(), verweis),
            tupel.line());
}

void ImportStrategy::pruefeTelefon(const DataTuple &tupel, const QString &pfad,
                                   const QString &titel, const QString &text)
{
    const QString nummer = ImportStrategy::text(tupel, pfad);
    if (!MitgliedsPruefer::telefonGueltig(nummer))
        throw ImportException(QStringLiteral("ImportStrategy"), titel, text.arg(nummer),
                              tupel.line());
}

void ImportStrategy::pruefe(DatabaseContext &, DataTuple &tupel) const
{
    if (!m_entity.isEmpty() && tupel.entityName() != m_entity)
        throw ImportException(m_name, QStringLiteral("Technischer Fehler"),
                              m_name + QStringLiteral(" falsch aufgerufen"), tupel.line());
    for (const QString &pfad : m_attribute)
        pruefeAttribut(tupel, pfad);
    for (const QString &verweis : m_verweise)
        pruefeVerweis(tupel, verweis);
}

void ImportStrategy::nachDemSchreiben(DatabaseContext &,
                                      const std::vector<const DataTuple *> &) const
{}

ImportStrategyRegistry::ImportStrategyRegistry()
    : m_allgemein(std::make_unique<ImportStrategy>(QStringLiteral("ImportStrategy"), QString()))
{
    const auto einfach = [this](const char *entity, QStringList attribute, QStringList verweise) {
        const QString name = QString::fromLatin1(entity);
        add(std::make_unique<ImportStrategy>(name + QStringLiteral("ImportStrategy"), name,
                                             std::move(attribute), std::move(verweise)));
    };
    add(std::make_unique<BenutzerImportStrategy>());
    einfach("Bild", {"anzahlRotierSchritte", "gueltig"},
            {"wettbewerbsTeilnahme", "sparte", "bildDaten"});
    einfach("BildDaten", {"nummer", "nummerProWettbewerb"}, {});
    einfach("CodeType", {"name"}, {});
    // The code values the installation writes have no global text.
    einfach("CodeValue", {"name", "kurzText", "reihenfolge"}, {"type"});
    add(std::make_unique<IgnoreImportStrategy>(QStringLiteral("DataModelInfo")));
    add(std::make_unique<IgnoreImportStrategy>(QStringLiteral("DatenbankVerbindung")));
    einfach("Durchgang", {"minBewertung", "maxBewertung"},
            {"jurierung", "sparte", "jugend", "sortierModus", "status"});
    einfach("EinzelWertung", {}, {"wertung"});
    add(std::make_unique<ImportZeitImportStrategy>(QStringLiteral("EventLog"), true));
    add(std::make_unique<ImportZeitImportStrategy>(QStringLiteral("QueryLog"), true));
    add(std::make_unique<ImportZeitImportStrategy>(QStringLiteral("Session"), false));
    einfach("EventLogCategory", {"name"}, {});
    einfach("EventLogSettings", {"toStdOut", "toDB"}, {});
    einfach("QueryLogSettings", {"toStdOut", "toDB"}, {});
    add(std::make_unique<ExternerJurorImportStrategy>());
    einfach("FotographischerTitel", {"titel"}, {"mitglied"});
    einfach("Funktionstraeger", {"funktion"}, {"mitglied", "verein"});
    einfach("GlobaleEinstellung", {"name"}, {});
    add(std::make_unique<JuriertBeiImportStrategy>());
    einfach("Jurierung", {}, {"wettbewerb", "jurierungsModus", "anzahlDurchgaenge"});
    add(std::make_unique<MitgliedImportStrategy>());
    einfach("Sparte", {"name", "inKombinationVerwendet"}, {"wettbewerb"});
    einfach("SpartenJurierung", {}, {"juriertBei", "sparte"});
    einfach("TeilnehmerKombinationsWertung", {},
            {"wettbewerb", "wettbewerbsTeilnahme", "jugend", "verein"});
    einfach("TeilnehmerWertung", {},
            {"wettbewerb", "wettbewerbsTeilnahme", "jugend", "sparte", "verein"});
    add(std::make_unique<VereinImportStrategy>());
    einfach("VereinsDatenBerechtigung", {}, {"benutzer", "verein", "ausdehnung", "objektTyp"});
    einfach("VereinsKombinationsWertung", {}, {"wettbewerb", "jugend", "verein"});
    einfach("VereinsWertung", {}, {"wettbewerb", "jugend", "verein", "sparte"});
    einfach("Wertung", {}, {"durchgang", "bild"});
    einfach("Wettbewerb",
            {"name", "nummer", "anzahlBilderFuerWertung", "anzahlSpartenFuerKombination",
             "anzahlTeilnehmerFuerVereinsW"},
            {"verein", "status"});
    einfach("WettbewerbsTeilnahme", {}, {"mitglied", "wettbewerb"});
}

ImportStrategyRegistry::~ImportStrategyRegistry() = default;

void ImportStrategyRegistry::add(std::unique_ptr<ImportStrategy> strategie)
{
    m_byEntity.insert(strategie->entity(), strategie.get());
    m_strategien.push_back(std::move(strategie));
}

const ImportStrategy &ImportStrategyRegistry::strategie(const QString &entity) const
{
    const ImportStrategy *gefunden = m_byEntity.value(entity);
    return gefunden ? *gefunden : *m_allgemein;
}
