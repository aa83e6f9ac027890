#include "ExportStrategien.h"

#include "CodeManager.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "Jugendregel.h"
#include "Ranglisten.h"
#include "Record.h"
#include "SqlWriter.h"
#include "StatistikHelper.h"
#include "entities/Mitglied.h"
#include "entities/Wettbewerb.h"
#include "joins/TeilnehmerKombinationsWertungsListeJoinModel.h"
#include "joins/TeilnehmerWertungsListeJoinModel.h"
#include "joins/VereinsKombinationsWertungsListeJoinModel.h"
#include "joins/VereinsWertungsListeJoinModel.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

namespace ExportStrategien {
namespace {

const QString kKategorie = QStringLiteral("ImportExport");

void log(DatabaseContext &ctx, const QString &ort, int level, const QString &text)
{
    ctx.log(kKategorie, ort, level, text);
}

QString id(DatabaseContext &ctx, qlonglong value)
{
    return SqlWriter(ctx.connection()).literal(value, QMetaType::LongLong);
}

QString idListe(DatabaseContext &ctx, const QList<qlonglong> &ids)
{
    if (ids.isEmpty())
        return QStringLiteral("NULL");
    const SqlWriter sql(ctx.connection());
    QStringList texte;
    for (const qlonglong value : ids)
        texte << sql.literal(value, QMetaType::LongLong);
    return texte.join(QStringLiteral(", "));
}

// One block of a data file: the rows of an entity matching an SQL condition.
struct Tabelle
{
    QString entitaet;
    QString bedingung; // values already through the connection's escaping
};

// The attributes of a person that stay at home when a competition travels with its members:
// birth date, address, ways to reach him, membership dates and fees, and the reference to
// his title (whose rows are not part of such an export).
const QStringList &persoenlicheAttribute()
{
    static const QStringList namen = {
        QStringLiteral("datumGeburt"), QStringLiteral("email"),        QStringLiteral("homepage"),
        QStringLiteral("skype"),       QStringLiteral("telefon"),      QStringLiteral("mobil"),
        QStringLiteral("strasse"),     QStringLiteral("plz"),          QStringLiteral("ort"),
        QStringLiteral("datumEintritt"), QStringLiteral("datumAustritt"),
        QStringLiteral("beitragBezahltBis"), QStringLiteral("hoechsterTitel")};
    return namen;
}

// Blanks attributes of the rows of some entities in the data set (never in the database).
void leere(DataSet &daten, const QStringList &entitaeten, const QStringList &attribute)
{
    for (const QString &entitaet : entitaeten)
        for (const auto &tupel : daten.tuples(entitaet))
            for (const QString &attribut : attribute)
                if (tupel->datum(attribut))
                    tupel->setValue(attribut, QVariant());
}

// A data file of whole rows of several entities, each read with one statement.
class TabellenExport : public DataSetExportCallStrategy
{
public:
    using Tabellen = std::function<QList<Tabelle>(DatabaseContext &)>;
    using Filter = std::function<void(DatabaseContext &, DataSet &)>;

    TabellenExport(QString ort, Tabellen tabellen, Filter filter = nullptr)
        : m_ort(std::move(ort)), m_tabellen(std::move(tabellen)), m_filter(std::move(filter))
    {
    }

protected:
    void collect(DatabaseContext &ctx, DataSet &daten) override
    {
        for (const Tabelle &tabelle : m_tabellen(ctx)) {
            const int anzahl = DataExporter::addStoredRowsWhere(ctx, daten, tabelle.entitaet,
                                                                tabelle.bedingung.toStdString());
            log(ctx, m_ort, 6,
                QStringLiteral("Exportiere ") + QString::number(anzahl) + QLatin1Char(' ') +
                    tabelle.entitaet + QLatin1Char('.'));
        }
        // Passwords never leave the database.
        leere(daten, {QStringLiteral("Benutzer")}, {QStringLiteral("password")});
        if (m_filter)
            m_filter(ctx, daten);
    }

private:
    QString m_ort;
    Tabellen m_tabellen;
    Filter m_filter;
};

QList<Tabelle> alle(const QStringList &entitaeten)
{
    QList<Tabelle> tabellen;
    for (const QString &entitaet : entitaeten)
        tabellen.append({entitaet, QStringLiteral("1 = 1")});
    return tabellen;
}

const QStringList kFachlich = {
    QStringLiteral("Bild"), QStringLiteral("BildDaten"), QStringLiteral("Durchgang"),
    QStringLiteral("EinzelWertung"), QStringLiteral("ExternerJuror"),
    QStringLiteral("FotographischerTitel"), QStringLiteral("Funktionstraeger"),
    QStringLiteral("JuriertBei"), QStringLiteral("Jurierung"), QStringLiteral("Mitglied"),
    QStringLiteral("Sparte"), QStringLiteral("TeilnehmerKombinationsWertung"),
    QStringLiteral("TeilnehmerWertung"), QStringLiteral("Verein"),
    QStringLiteral("VereinsKombinationsWertung"), QStringLiteral("VereinsWertung"),
    QStringLiteral("Wertung"), QStringLiteral("Wettbewerb"), QStringLiteral("WettbewerbsTeilnahme")};

const QStringList kTechnisch = {
    QStringLiteral("Benutzer"), QStringLiteral("CodeType"), QStringLiteral("CodeValue"),
    QStringLiteral("DataModelInfo"), QStringLiteral("EventLog"), QStringLiteral("EventLogCategory"),
    QStringLiteral("EventLogSettings"), QStringLiteral("GlobaleEinstellung"), QStringLiteral("QueryLog"),
    QStringLiteral("QueryLogSettings"), QStringLiteral("Session")};

// The blocks of one competition: its rows and everything hanging off it.
QList<Tabelle> wettbewerbsTabellen(DatabaseContext &ctx, qlonglong wettbewerbId)
{
    const QString w = id(ctx, wettbewerbId);
    const QString vonW = QStringLiteral("wettbewerb = ") + w;
    const QString sparten = QStringLiteral("SELECT id FROM Sparte WHERE ") + vonW;
    const QString bilder = QStringLiteral("SELECT id FROM Bild WHERE sparte IN (") + sparten + QLatin1Char(')');
    const QString durchgaenge =
        QStringLiteral("SELECT id FROM Durchgang WHERE jurierung IN (SELECT id FROM Jurierung WHERE ") +
        vonW + QLatin1Char(')');
    const QString wertungen = QStringLiteral("SELECT id FROM Wertung WHERE durchgang IN (") + durchgaenge +
                              QLatin1Char(')');
    return {
        {QStringLiteral("Wettbewerb"), QStringLiteral("id = ") + w},
        {QStringLiteral("JuriertBei"), vonW},
        {QStringLiteral("SpartenJurierung"),
         QStringLiteral("juriertBei IN (SELECT id FROM JuriertBei WHERE ") + vonW + QLatin1Char(')')},
        {QStringLiteral("WettbewerbsTeilnahme"), vonW},
        {QStringLiteral("Sparte"), vonW},
        {QStringLiteral("Bild"), QStringLiteral("id IN (") + bilder + QLatin1Char(')')},
        {QStringLiteral("BildDaten"),
         QStringLiteral("id IN (SELECT bildDaten FROM Bild WHERE id IN (") + bilder + QStringLiteral("))")},
        {QStringLiteral("Jurierung"), vonW},
        {QStringLiteral("Durchgang"), QStringLiteral("id IN (") + durchgaenge + QLatin1Char(')')},
        {QStringLiteral("Wertung"), QStringLiteral("id IN (") + wertungen + QLatin1Char(')')},
        {QStringLiteral("EinzelWertung"), QStringLiteral("wertung IN (") + wertungen + QLatin1Char(')')},
        {QStringLiteral("TeilnehmerWertung"), vonW},
        {QStringLiteral("TeilnehmerKombinationsWertung"), vonW},
        {QStringLiteral("VereinsWertung"), vonW},
        {QStringLiteral("VereinsKombinationsWertung"), vonW},
    };
}

enum class Richtung { Abwaerts, Aufwaerts };

// The clubs with every club below them (or above them), level by level (a statement per
// level); a damaged tree with a cycle ends.
QList<qlonglong> vereinsBaum(DatabaseContext &ctx, const QList<qlonglong> &start, Richtung richtung)
{
    QList<qlonglong> alle = start;
    QSet<qlonglong> gesehen(start.cbegin(), start.cend());
    QList<qlonglong> ebene = start;
    while (!ebene.isEmpty()) {
        const QString liste = idListe(ctx, ebene);
        const QList<qlonglong> gefunden =
            richtung == Richtung::Abwaerts
                ? DataExporter::storedIds(ctx, QStringLiteral("Verein"),
                                          QStringLiteral("dachverband IN (") + liste + QLatin1Char(')'))
                : DataExporter::storedIds(ctx, QStringLiteral("Verein"),
                                          QStringLiteral("id IN (") + liste +
                                              QStringLiteral(") AND dachverband IS NOT NULL"),
                                          QStringLiteral("dachverband"));
        QList<qlonglong> naechste;
        for (const qlonglong verein : gefunden)
            if (!gesehen.contains(verein)) {
                gesehen.insert(verein);
                naechste.append(verein);
            }
        alle += naechste;
        ebene = naechste;
    }
    return alle;
}

// The competition plus its participants and jurors and their clubs (and the organising
// clubs, which its row refers to).
QList<Tabelle> wettbewerbsTabellenMitMitgliedern(DatabaseContext &ctx, qlonglong wettbewerbId)
{
    const QString vonW = QStringLiteral("wettbewerb = ") + id(ctx, wettbewerbId);
    const QString mitglieder = QStringLiteral("SELECT mitglied FROM WettbewerbsTeilnahme WHERE ") + vonW +
                               QStringLiteral(" UNION SELECT mitglied FROM JuriertBei WHERE ") + vonW;
    // The clubs with every club above them: a club's number is built on its parent club's.
    const QList<qlonglong> vereine = DataExporter::storedIds(
        ctx, QStringLiteral("Verein"),
        QStringLiteral("id IN (SELECT verein FROM Mitglied WHERE id IN (") + mitglieder +
            QStringLiteral(")) OR id IN (SELECT verein FROM Wettbewerb WHERE id = ") + id(ctx, wettbewerbId) +
            QStringLiteral(") OR id IN (SELECT berechtigterVerein FROM Wettbewerb WHERE id = ") + id(ctx, wettbewerbId) +
            QLatin1Char(')'));
    QList<Tabelle> tabellen = wettbewerbsTabellen(ctx, wettbewerbId);
    tabellen += {
        {QStringLiteral("Mitglied"), QStringLiteral("id IN (") + mitglieder + QLatin1Char(')')},
        {QStringLiteral("ExternerJuror"),
         QStringLiteral("id IN (SELECT externerJuror FROM JuriertBei WHERE ") + vonW + QLatin1Char(')')},
        {QStringLiteral("Verein"), QStringLiteral("id IN (") + idListe(ctx, vereinsBaum(ctx, vereine, Richtung::Aufwaerts)) +
                                       QLatin1Char(')')},
    };
    return tabellen;
}


// The clubs' rows (unless only members are wanted), their officials, their members with the
// members' titles. Logs the number of members per club.
class VereinsExport : public TabellenExport
{
public:
    VereinsExport(QList<qlonglong> vereine, bool nurMitglieder)
        : TabellenExport(QStringLiteral("ExportHelper"),
                         [vereine, nurMitglieder](DatabaseContext &ctx) {
                             return tabellen(ctx, vereine, nurMitglieder);
                         }),
          m_vereine(std::move(vereine))
    {
    }

protected:
    void collect(DatabaseContext &ctx, DataSet &daten) override
    {
        DataSet vereine;
        DataExporter::addStoredRows(ctx, vereine, QStringLiteral("Verein"), m_vereine);
        QHash<qlonglong, int> anzahl;
        for (const qlonglong mitglied : DataExporter::storedIds(
                 ctx, QStringLiteral("Mitglied"),
                 QStringLiteral("verein IN (") + idListe(ctx, m_vereine) + QLatin1Char(')'), QStringLiteral("verein")))
            ++anzahl[mitglied];
        for (const auto &verein : vereine.tuples(QStringLiteral("Verein"))) {
            const DataTuple::Datum *name = verein->datum(QStringLiteral("name"));
            const QString text = name && !name->value.toString().isEmpty() ? name->value.toString()
                                                                            : QStringLiteral("(ohne Name)");
            log(ctx, QStringLiteral("ExportHelper"), 6,
                QStringLiteral("Exportiere ") + QString::number(anzahl.value(verein->databaseId())) +
                    QStringLiteral(" Mitglieder von Verein ") + text + QStringLiteral(" mit der ID ") +
                    QString::number(verein->databaseId()));
        }
        if (vereine.tuples(QStringLiteral("Verein")).empty())
            log(ctx, QStringLiteral("ExportHelper"), 6,
                QStringLiteral("Exportiere 0 Mitglieder von Verein (ohne Name) mit der ID (keine)"));
        TabellenExport::collect(ctx, daten);
    }

private:
    static QList<Tabelle> tabellen(DatabaseContext &ctx, const QList<qlonglong> &vereine, bool nurMitglieder)
    {
        const QString liste = idListe(ctx, vereine);
        const QString mitglieder = QStringLiteral("SELECT id FROM Mitglied WHERE verein IN (") + liste + QLatin1Char(')');
        QList<Tabelle> result;
        if (!nurMitglieder)
            result += {{QStringLiteral("Verein"), QStringLiteral("id IN (") + liste + QLatin1Char(')')},
                       {QStringLiteral("Funktionstraeger"), QStringLiteral("verein IN (") + liste + QLatin1Char(')')}};
        result += {{QStringLiteral("Mitglied"), QStringLiteral("verein IN (") + liste + QLatin1Char(')')},
                   {QStringLiteral("FotographischerTitel"),
                    QStringLiteral("mitglied IN (") + mitglieder + QLatin1Char(')')}};
        return result;
    }

    QList<qlonglong> m_vereine;
};

// The pictures of one category and age class with all single scores, members ordered by
// their best picture, then their second best and so on.
class EinzelWertungenExport : public DataSetExportCallStrategy
{
public:
    EinzelWertungenExport(qlonglong wettbewerb, qlonglong sparte, bool jugend)
        : m_wettbewerb(wettbewerb), m_sparte(sparte), m_jugend(jugend)
    {
    }

protected:
    void collect(DatabaseContext &ctx, DataSet &daten) override
    {
        const QList<qlonglong> bilder = EinzelWertungen::reihenfolge(ctx, m_wettbewerb, m_sparte, m_jugend);
        log(ctx, kOrt, 6, QStringLiteral("Exportiere ") + QString::number(bilder.size()) + QStringLiteral(" Bilder."));
        DataExporter::addStoredRows(ctx, daten, QStringLiteral("Bild"), bilder);
    }

    std::optional<ExportBlock> block() const override
    {
        const auto spalte = [](const char *kopf, const char *pfad,
                               std::shared_ptr<ExportConverter> wandler = nullptr) {
            return DataExportColumn{QString::fromLatin1(pfad).split(QLatin1Char('.')),
                                    QString::fromLatin1(kopf), std::move(wandler)};
        };
        return ExportBlock::listFile(
            QStringLiteral("Bild"),
            {spalte("Bildnummer", "bildDaten.nummerProWettbewerb"), spalte("Titel", "titel"),
             spalte("Themenbereich", "themenbereich"), spalte("Sparte", "sparte.name"),
             spalte("Vorname", "wettbewerbsTeilnahme.mitglied.vorname"),
             spalte("Nachname", "wettbewerbsTeilnahme.mitglied.nachname"),
             spalte("Mitgliedsnummer", "wettbewerbsTeilnahme.mitglied.mitgliedsNummerKomplett"),
             spalte("Verein", "wettbewerbsTeilnahme.mitglied.verein.name"),
             spalte("Bewertung", "bewertungString"),
             spalte("", "id", std::make_shared<EinzelWertungenConverter>()),
             spalte("Summenwertung", "wettbewerbsTeilnahme.mitglied.id",
                    std::make_shared<SummenWertungConverter>(m_wettbewerb, m_sparte)),
             spalte("Rang", "wettbewerbsTeilnahme.mitglied.id", std::make_shared<RangConverter>())});
    }

private:
    inline static const QString kOrt = QStringLiteral("EinzelWertungenExportCallStrategy");
    qlonglong m_wettbewerb;
    qlonglong m_sparte;
    bool m_jugend;
};

QString dateiTeil(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("ohne Name") : name;
}

} // namespace

namespace EinzelWertungen {

QList<qlonglong> ordne(DatabaseContext &ctx, const QList<Bild> &bilder)
{
    const QString ort = QStringLiteral("EinzelWertungenExportCallStrategy");
    QList<Bild> sortiert = bilder;
    std::stable_sort(sortiert.begin(), sortiert.end(), [](const Bild &a, const Bild &b) {
        return a.punkte.value_or(std::numeric_limits<int>::min()) >
               b.punkte.value_or(std::numeric_limits<int>::min());
    });
    QList<qlonglong> mitglieder; // in the order of their best picture
    QHash<qlonglong, QList<int>> punkte;
    QHash<qlonglong, QList<qlonglong>> bilderJeMitglied;
    for (const Bild &bild : std::as_const(sortiert)) {
        if (!bilderJeMitglied.contains(bild.mitglied))
            mitglieder.append(bild.mitglied);
        bilderJeMitglied[bild.mitglied].append(bild.id);
        if (bild.punkte)
            punkte[bild.mitglied].append(*bild.punkte);
    }
    for (const qlonglong mitglied : std::as_const(mitglieder)) {
        QStringList liste;
        for (const int p : punkte.value(mitglied))
            liste << QString::number(p);
        log(ctx, ort, 3,
            QStringLiteral("For Mitglied with id ") + QString::number(mitglied) +
                QStringLiteral(": Constructed punkte vector ") + liste.join(QStringLiteral(", ")));
    }
    QList<qlonglong> reihenfolge;
    for (int platz = 1; !mitglieder.isEmpty(); ++platz) {
        log(ctx, ort, 3, QStringLiteral("Starting to calculate position ") + QString::number(platz));
        QList<qlonglong> kandidaten;
        for (const qlonglong mitglied : std::as_const(mitglieder)) {
            log(ctx, ort, 2, QStringLiteral("Registering Mitglied ") + QString::number(mitglied) +
                                 QStringLiteral(" as candidate."));
            kandidaten.append(mitglied);
        }
        for (int stelle = 0;; ++stelle) {
            std::optional<int> maximum;
            for (const qlonglong k : std::as_const(kandidaten))
                if (punkte.value(k).size() > stelle)
                    maximum = std::max(maximum.value_or(std::numeric_limits<int>::min()), punkte.value(k)[stelle]);
            if (!maximum)
                break;
            for (auto it = kandidaten.begin(); it != kandidaten.end();) {
                const QList<int> &liste = punkte[*it];
                const int wert = liste.size() > stelle ? liste[stelle] : 0;
                if (wert < *maximum) {
                    log(ctx, ort, 2,
                        QStringLiteral("Removing candidate Mitglied ") + QString::number(*it) +
                            QStringLiteral(" as ") + QString::number(wert) + QStringLiteral(" < ") +
                            QString::number(*maximum) + QStringLiteral(" maximal points."));
                    it = kandidaten.erase(it);
                } else {
                    ++it;
                }
            }
        }
        for (const qlonglong mitglied : std::as_const(kandidaten)) {
            reihenfolge += bilderJeMitglied.value(mitglied);
            log(ctx, ort, 2, QStringLiteral("Erasing Mitglied ") + QString::number(mitglied) +
                                 QStringLiteral(" from data structures."));
            mitglieder.removeOne(mitglied);
            punkte.remove(mitglied);
        }
    }
    return reihenfolge;
}

QList<qlonglong> reihenfolge(DatabaseContext &ctx, qlonglong wettbewerbId, qlonglong sparteId, bool jugend)
{
    DataSet daten;
    const QString bilder = QStringLiteral("sparte = ") + id(ctx, sparteId);
    const QString teilnahmen = QStringLiteral("SELECT wettbewerbsTeilnahme FROM Bild WHERE ") + bilder;
    DataExporter::addStoredRowsWhere(ctx, daten, QStringLiteral("Wettbewerb"),
                                     (QStringLiteral("id = ") + id(ctx, wettbewerbId)).toStdString());
    DataExporter::addStoredRowsWhere(ctx, daten, QStringLiteral("Bild"), bilder.toStdString());
    DataExporter::addStoredRowsWhere(ctx, daten, QStringLiteral("WettbewerbsTeilnahme"),
                                     (QStringLiteral("id IN (") + teilnahmen + QLatin1Char(')')).toStdString());
    DataExporter::addStoredRowsWhere(
        ctx, daten, QStringLiteral("Mitglied"),
        (QStringLiteral("id IN (SELECT mitglied FROM WettbewerbsTeilnahme WHERE id IN (") + teilnahmen +
         QStringLiteral("))"))
            .toStdString());
    const auto werte = [](const DataTuple &tupel) {
        QMap<QString, QVariant> map;
        for (auto it = tupel.data().cbegin(); it != tupel.data().cend(); ++it)
            map.insert(it.key(), it->kind == DataTuple::Datum::ForeignKey ? QVariant(it->foreignKey) : it->value);
        return map;
    };
    const auto &wettbewerbe = daten.tuples(QStringLiteral("Wettbewerb"));
    const Wettbewerb wettbewerb(wettbewerbe.empty() ? QMap<QString, QVariant>() : werte(*wettbewerbe.front()));
    QSet<qlonglong> passend;
    for (const auto &tupel : daten.tuples(QStringLiteral("Mitglied")))
        if (Jugendregel::istJugend(ctx, Mitglied(werte(*tupel)), wettbewerb) == jugend)
            passend.insert(tupel->databaseId());
    QHash<qlonglong, qlonglong> mitgliedJeTeilnahme;
    for (const auto &tupel : daten.tuples(QStringLiteral("WettbewerbsTeilnahme"))) {
        const DataTuple::Datum *mitglied = tupel->datum(QStringLiteral("mitglied"));
        if (mitglied)
            mitgliedJeTeilnahme.insert(tupel->databaseId(), mitglied->foreignKey);
    }
    QList<Bild> auswahl;
    for (const auto &tupel : daten.tuples(QStringLiteral("Bild"))) {
        const DataTuple::Datum *teilnahme = tupel->datum(QStringLiteral("wettbewerbsTeilnahme"));
        if (!teilnahme || !passend.contains(mitgliedJeTeilnahme.value(teilnahme->foreignKey, -1)))
            continue;
        const DataTuple::Datum *bewertung = tupel->datum(QStringLiteral("bewertung"));
        auswahl.append({tupel->databaseId(), mitgliedJeTeilnahme.value(teilnahme->foreignKey),
                        bewertung && bewertung->value.isValid() ? std::optional<int>(bewertung->value.toInt())
                                                                 : std::nullopt});
    }
    return ordne(ctx, auswahl);
}

} // namespace EinzelWertungen

std::unique_ptr<ExportCallStrategy> alleDaten()
{
    return std::make_unique<TabellenExport>(QStringLiteral("AlleDatenExportCallStrategy"), [](DatabaseContext &ctx) {
        QStringList entitaeten;
        for (const EntityDescription *entity : ctx.dataModel().entities())
            if (!entity->isAbstract())
                entitaeten << entity->codeName();
        return alle(entitaeten);
    });
}

std::unique_ptr<ExportCallStrategy> fachlicheDaten()
{
    return std::make_unique<TabellenExport>(QStringLiteral("FachlicheDatenExportCallStrategy"),
                                            [](DatabaseContext &) { return alle(kFachlich); });
}

std::unique_ptr<ExportCallStrategy> technischeDaten()
{
    return std::make_unique<TabellenExport>(QStringLiteral("TechnischeDatenExportCallStrategy"),
                                            [](DatabaseContext &) { return alle(kTechnisch); });
}

std::unique_ptr<ExportCallStrategy> datenberechtigungen()
{
    return std::make_unique<TabellenExport>(
        QStringLiteral("DatenberechtigungenExportCallStrategy"),
        [](DatabaseContext &) { return alle({QStringLiteral("VereinsDatenBerechtigung")}); });
}

std::unique_ptr<ExportCallStrategy> funktionstraeger()
{
    return std::make_unique<ListExportCallStrategy>(ListExportCallStrategy::Funktionstraeger,
                                                    ListExportCallStrategy::Ids([](DatabaseContext &ctx) {
                                                        return DataExporter::storedIds(
                                                            ctx, QStringLiteral("Funktionstraeger"),
                                                            QStringLiteral("1 = 1"),
                                                            QStringLiteral("id"),
                                                            QStringLiteral("(SELECT v.name FROM Verein v "
                                                                           "WHERE v.id = Funktionstraeger.verein), id"));
                                                    }));
}

std::unique_ptr<ExportCallStrategy> adressdaten(QList<qlonglong> mitgliedIds)
{
    return std::make_unique<ListExportCallStrategy>(ListExportCallStrategy::Adressdaten, std::move(mitgliedIds));
}

std::unique_ptr<ExportCallStrategy> verein(DatabaseContext &ctx, qlonglong vereinId, VereinsUmfang umfang)
{
    const bool hierarchie = umfang == VereinsUmfang::Hierarchie || umfang == VereinsUmfang::HierarchieMitglieder;
    const bool nurMitglieder = umfang == VereinsUmfang::Mitglieder || umfang == VereinsUmfang::HierarchieMitglieder;
    return std::make_unique<VereinsExport>(hierarchie ? vereinsBaum(ctx, {vereinId}, Richtung::Abwaerts) : QList<qlonglong>{vereinId},
                                           nurMitglieder);
}

std::unique_ptr<ExportCallStrategy> wettbewerbAlleine(qlonglong wettbewerbId)
{
    return std::make_unique<TabellenExport>(
        QStringLiteral("WettbewerbAlleineExportCallStrategy"),
        [wettbewerbId](DatabaseContext &ctx) { return wettbewerbsTabellen(ctx, wettbewerbId); });
}

std::unique_ptr<ExportCallStrategy> wettbewerbMitMitgliedern(qlonglong wettbewerbId)
{
    const QString ort = QStringLiteral("WettbewerbMitMitgliedernExportCallStrategy");
    return std::make_unique<TabellenExport>(
        ort, [wettbewerbId](DatabaseContext &ctx) { return wettbewerbsTabellenMitMitgliedern(ctx, wettbewerbId); },
        [ort](DatabaseContext &ctx, DataSet &daten) {
            log(ctx, ort, 6, QStringLiteral("Filtere persönliche Mitgliedsdaten vor Export aus"));
            leere(daten, {QStringLiteral("Mitglied"), QStringLiteral("ExternerJuror")}, persoenlicheAttribute());
        });
}

std::unique_ptr<ExportCallStrategy> bildNummern(qlonglong durchgangId)
{
    return std::make_unique<ListExportCallStrategy>(
        ListExportCallStrategy::BildNummern, ListExportCallStrategy::Ids([durchgangId](DatabaseContext &ctx) {
            return DataExporter::storedIds(ctx, QStringLiteral("Wertung"),
                                           QStringLiteral("durchgang = ") + id(ctx, durchgangId),
                                           QStringLiteral("id"), QStringLiteral("positionImDurchgang, id"));
        }));
}

std::unique_ptr<ExportCallStrategy> einzelWertungen(qlonglong wettbewerbId, qlonglong sparteId, bool jugend)
{
    return std::make_unique<EinzelWertungenExport>(wettbewerbId, sparteId, jugend);
}

std::unique_ptr<CompositeExportCallStrategy> ergebnisse(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                                        QDate datum)
{
    const QString d = datum.toString(QStringLiteral("yyyyMMdd"));
    const qlonglong w = wettbewerb.getId();
    auto composite = std::make_unique<CompositeExportCallStrategy>();
    composite->add(d + QStringLiteral("_Adressen"),
                   adressdaten(DataExporter::storedIds(
                       ctx, QStringLiteral("Mitglied"),
                       QStringLiteral("id IN (SELECT mitglied FROM WettbewerbsTeilnahme WHERE wettbewerb = ") +
                           id(ctx, w) + QLatin1Char(')'),
                       QStringLiteral("id"), QStringLiteral("nachname, vorname, id"))));
    struct Liste
    {
        const char *kuerzel;
        Rangliste art;
        ListExportCallStrategy::Art exportArt;
        int wertungIdRow;
    };
    static const Liste listen[] = {
        {"T", Rangliste::Teilnehmer, ListExportCallStrategy::TeilnehmerWertung,
         TeilnehmerWertungsListeJoinModel::wertungIdRow},
        {"TK", Rangliste::TeilnehmerKombination, ListExportCallStrategy::TeilnehmerKombinationsWertung,
         TeilnehmerKombinationsWertungsListeJoinModel::wertungIdRow},
        {"V", Rangliste::Vereine, ListExportCallStrategy::VereinsWertung, VereinsWertungsListeJoinModel::wertungIdRow},
        {"VK", Rangliste::VereinsKombination, ListExportCallStrategy::VereinsKombinationsWertung,
         VereinsKombinationsWertungsListeJoinModel::wertungIdRow},
    };
    for (const bool jugend : {false, true}) {
        const qlonglong code = ctx.codeManager().idOf(QStringLiteral("Jugend"),
                                                      jugend ? QStringLiteral("Ja") : QStringLiteral("Nein"));
        for (const Liste &liste : listen) {
            QList<qlonglong> ids;
            for (const auto &zeile : Ranglisten::lese(ctx, wettbewerb, liste.art, code))
                ids.append(zeile->rawValueAt(liste.wertungIdRow).toLongLong());
            composite->add(d + (jugend ? QStringLiteral("_J_") : QStringLiteral("_E_")) +
                               QString::fromLatin1(liste.kuerzel),
                           std::make_unique<ListExportCallStrategy>(liste.exportArt, ids));
        }
    }
    StatistikHelper::berechneStatistik(ctx, wettbewerb);
    composite->add(QStringLiteral("statistik"),
                   std::make_unique<ListExportCallStrategy>(
                       ListExportCallStrategy::StatistikData,
                       DataExporter::storedIds(ctx, QStringLiteral("StatistikData"),
                                               QStringLiteral("topLevel = 1 AND wettbewerb = ") + id(ctx, w))));
    DataSet sparten;
    DataExporter::addStoredRowsWhere(ctx, sparten, QStringLiteral("Sparte"),
                                     (QStringLiteral("wettbewerb = ") + id(ctx, w)).toStdString());
    for (const auto &sparte : sparten.tuples(QStringLiteral("Sparte")))
        for (const bool jugend : {false, true}) {
            const DataTuple::Datum *name = sparte->datum(QStringLiteral("name"));
            composite->add((jugend ? QStringLiteral("J_") : QStringLiteral("E_")) + d + QLatin1Char('_') +
                               dateiTeil(name ? name->value.toString() : QString()),
                           einzelWertungen(w, sparte->databaseId(), jugend));
        }
    return composite;
}

} // namespace ExportStrategien
