#include "DemoFederation.h"

#include "BenutzerHelper.h"
#include "BildDatei.h"
#include "BildService.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "DemoBilder.h"
#include "DemoNamen.h"
#include "DurchgangService.h"
#include "ErgebnisHelper.h"
#include "JurorService.h"
#include "MitgliedService.h"
#include "MitgliedsnummernManager.h"
#include "Random.h"
#include "SparteService.h"
#include "StatistikHelper.h"
#include "TeilnehmerService.h"
#include "Transaction.h"
#include "VereinService.h"
#include "VereinsNummernManager.h"
#include "WertungsAblauf.h"
#include "WertungsHelper.h"
#include "WettbewerbService.h"
#include "WettbewerbsStatus.h"
#include "controllers/DurchgangController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "controllers/VereinsDatenBerechtigungController.h"
#include "entities/Benutzer.h"
#include "entities/Bild.h"
#include "entities/BildDaten.h"
#include "entities/Durchgang.h"
#include "entities/ExternerJuror.h"
#include "entities/FotographischerTitel.h"
#include "entities/Funktionstraeger.h"
#include "entities/Jurierung.h"
#include "entities/Mitglied.h"
#include "entities/Sparte.h"
#include "entities/Verein.h"
#include "entities/Wettbewerb.h"

#include <QDate>
#include <QHash>

#include <mysql++/mysql++.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace {

struct Umfang
{
    int landesverbaende;
    int vereineJeLandesverband;
    int mitglieder;
    int externeJuroren;
    int teilnehmer; // per competition with images
    int vereinsBenutzer;
};
constexpr Umfang kKlein{3, 3, 200, 6, 24, 2};
constexpr Umfang kGross{8, 12, 5000, 20, 150, 8};

const QString kDatum = QStringLiteral("dd.MM.yyyy");

// A refusal of a service means that the demo's own data is wrong.
void verlange(const std::optional<Meldung> &meldung, const QString &was)
{
    if (meldung)
        throw std::runtime_error((QStringLiteral("Demo federation, ") + was + QStringLiteral(": ") +
                                  meldung->titel + QStringLiteral(" - ") + meldung->text)
                                     .simplified()
                                     .toStdString());
}

struct MitgliedInfo
{
    qlonglong id;
    qlonglong verein;
    bool jugend;
};

// The categories of every competition: name, abbreviation, durchgangsModus, in combination,
// and how many images adults and youth enter (at most; 0 none).
struct SparteDaten
{
    const char *name, *abkuerzung, *modus;
    bool kombination;
    int erwachsene, jugend;
};
const SparteDaten kSparten[] = {
    {"Natur", "NAT", "ERWACHSENE_UND_JUGEND", true, 4, 3},
    {"Porträt", "POR", "NUR_ERWACHSENE", true, 4, 0},
    {"Jugendfoto", "JUG", "NUR_JUGEND", false, 0, 4},
    {"Offenes Thema", "OFF", "JUGEND_ALS_ERWACHSENE", true, 3, 2},
};

// The competitions, one per state: name, number, date, host (0 the federation, n the n-th
// state association), the share of the participants entering images (percent).
struct WettbewerbsDaten
{
    const char *name, *nummer, *datum;
    int gastgeber;
    WettbewerbsStatus::Stufe ziel;
    int bilderAnteil;
};
const WettbewerbsDaten kWettbewerbe[] = {
    {"Verbandsmeisterschaft 2025", "2025-01", "15.11.2025", 0,
     WettbewerbsStatus::WertungAbgeschlossen, 100},
    {"Staatsmeisterschaft 2026", "2026-01", "21.11.2026", 0, WettbewerbsStatus::WertungLaeuft, 100},
    {"Herbstpokal 2026", "2026-02", "05.12.2026", 2, WettbewerbsStatus::AnnahmeschlussVerstrichen,
     100},
    {"Landesfotoschau 2027", "2027-01", "20.02.2027", 1, WettbewerbsStatus::Bilderannahme, 50},
    {"Frühjahrswettbewerb 2027", "2027-02", "24.04.2027", 0, WettbewerbsStatus::Angelegt, 0},
};

class Aufbau
{
public:
    Aufbau(DatabaseContext &ctx, quint32 seed, DemoFederation::Groesse groesse,
           const DemoFederation::Fortschritt &fortschritt)
        : m_ctx(ctx), m_zufall(std::make_shared<SeededRandom>(seed)),
          m_umfang(groesse == DemoFederation::Groesse::Gross ? kGross : kKlein),
          m_fortschritt(fortschritt)
    {
        m_ctx.setRandom(m_zufall);
    }

    DemoFederation::Zahlen baue()
    {
        legeVereineAn();
        legeMitgliederAn();
        legeFunktionstraegerAn();
        legeExterneJurorenAn();
        legeBenutzerAn();
        for (const WettbewerbsDaten &daten : kWettbewerbe)
            legeWettbewerbAn(daten);
        return m_zahlen;
    }

private:
    // ---- helpers ----

    void melde(const QString &text)
    {
        if (m_fortschritt)
            m_fortschritt(text);
    }
    qlonglong code(const char *typ, const char *name)
    {
        return m_ctx.codeManager().idOf(QString::fromLatin1(typ), QString::fromLatin1(name));
    }
    int bis(int n) { return int(m_zufall->bounded(quint32(n))); }
    double zahl() { return m_zufall->bounded(1u << 24) / double(1u << 24); }
    bool prozent(int p) { return bis(100) < p; }
    QDate tagZwischen(const QDate &von, const QDate &bisDatum)
    {
        return von.addDays(bis(int(von.daysTo(bisDatum)) + 1));
    }

    // ---- clubs ----

    qlonglong legeVereinAn(const QString &eigeneNummer, const Verein *dach, const QString &name,
                           const DemoNamen::Ort &ort)
    {
        auto verein = std::make_unique<Verein>();
        verein->setVereinsNummerLokal(eigeneNummer);
        if (dach)
            verein->setDachverband(dach->getId());
        VereinsNummernManager::berechneVereinsNummerKomplett(m_ctx, *verein);
        verein->setName(name);
        verein->setStrasse(DemoNamen::strasse(*m_zufall));
        verein->setPlz(ort.plz);
        verein->setOrt(ort.name);
        verein->setStaat(code("Staat", "AT"));
        verein->setEmail(QStringLiteral("info@") + DemoNamen::ascii(name) +
                         QStringLiteral(".example"));
        verlange(VereinService::pruefe(m_ctx, *verein), QStringLiteral("club ") + name);
        VereinService::speichere(m_ctx, *verein, {}, {}, false);
        m_vereine.push_back(std::move(verein));
        ++m_zahlen.vereine;
        return m_vereine.back()->getId();
    }

    void legeVereineAn()
    {
        const DemoNamen::Ort sitz = DemoNamen::ort(*m_zufall);
        legeVereinAn(QStringLiteral("1"), nullptr, QStringLiteral("Photographischer Verband"),
                     sitz);
        const Verein *verband = m_vereine.front().get();
        for (int l = 0; l < m_umfang.landesverbaende; ++l) {
            const QString region = DemoNamen::region(l);
            legeVereinAn(QString::number(l + 1), verband, QStringLiteral("Landesverband ") + region,
                         DemoNamen::ort(*m_zufall));
            m_landesverbaende.push_back(m_vereine.back()->getId());
            const Verein *landesverband = m_vereine.back().get();
            for (int v = 0; v < m_umfang.vereineJeLandesverband; ++v) {
                const DemoNamen::Ort ort = DemoNamen::ort(*m_zufall);
                legeVereinAn(QStringLiteral("%1").arg(v + 1, 2, 10, QLatin1Char('0')),
                             landesverband, DemoNamen::vereinsname(*m_zufall, ort.name), ort);
                m_klubs.push_back(m_vereine.back()->getId());
            }
        }
        melde(QStringLiteral("Clubs: %1 in three levels").arg(m_zahlen.vereine));
    }

    // ---- members ----

    // Where each member goes: first a few of every kind for the officials of every club,
    // then at random.
    std::vector<std::pair<qlonglong, const char *>> mitgliedsPlaetze()
    {
        std::vector<std::pair<qlonglong, const char *>> plaetze;
        for (int i = 0; i < 4; ++i)
            plaetze.emplace_back(m_vereine.front()->getId(), "Dachverband");
        for (qlonglong lv : m_landesverbaende)
            for (int i = 0; i < 4; ++i)
                plaetze.emplace_back(lv, "Landesverband");
        for (qlonglong klub : m_klubs)
            for (int i = 0; i < 4; ++i)
                plaetze.emplace_back(klub, "Club");
        while (int(plaetze.size()) < m_umfang.mitglieder) {
            const int art = bis(100);
            if (art < 3)
                plaetze.emplace_back(m_vereine.front()->getId(), "Dachverband");
            else if (art < 12)
                plaetze.emplace_back(m_landesverbaende[size_t(bis(int(m_landesverbaende.size())))],
                                     "Landesverband");
            else if (art < 18)
                plaetze.emplace_back(m_klubs[size_t(bis(int(m_klubs.size())))], "Nichtmitglied");
            else
                plaetze.emplace_back(m_klubs[size_t(bis(int(m_klubs.size())))], "Club");
        }
        return plaetze;
    }

    std::vector<std::unique_ptr<FotographischerTitel>> titel(const QDate &geburt)
    {
        struct TitelDaten
        {
            const char *art, *name;
        };
        static const TitelDaten kTitel[] = {{"VERBAND", "Fotograf des Verbandes"},
                                            {"VERBAND", "Meister des Verbandes"},
                                            {"FIAP", "AFIAP"},
                                            {"FIAP", "EFIAP"},
                                            {"FIAP", "MFIAP"},
                                            {"PSA", "PPSA"},
                                            {"PSA", "EPSA"},
                                            {"SONSTIGER", "Ehrenzeichen in Silber"},
                                            {"SONSTIGER", "Ehrenzeichen in Gold"}};
        std::vector<std::unique_ptr<FotographischerTitel>> liste;
        const int anzahl = prozent(15) ? 1 + bis(3) : 0;
        int erster = bis(int(std::size(kTitel)));
        QDate datum = geburt.addYears(25 + bis(10));
        for (int i = 0; i < anzahl && erster + i < int(std::size(kTitel)); ++i) {
            const TitelDaten &daten = kTitel[erster + i];
            auto neu = std::make_unique<FotographischerTitel>();
            neu->setTitel(QString::fromUtf8(daten.name));
            neu->setArt(code("TitelArt", daten.art));
            datum = std::min(datum.addYears(1 + bis(5)), QDate(2025, 12, 31));
            neu->setDatum(datum);
            liste.push_back(std::move(neu));
        }
        if (!liste.empty())
            liste.back()->setHoechsterTitel(true);
        return liste;
    }

    void legeMitgliedAn(qlonglong verein, const char *art)
    {
        Mitglied mitglied;
        mitglied.setVerein(verein);
        mitglied.setMitgliedsArt(code("Mitgliedsart", art));
        mitglied.setMitgliedsNummerImVerein(
            MitgliedsnummernManager::neueMitgliedsnummer(m_ctx, mitglied));
        MitgliedsnummernManager::berechneNummern(m_ctx, mitglied);
        const bool weiblich = prozent(50);
        mitglied.setAnrede(weiblich ? QStringLiteral("Frau") : QStringLiteral("Herr"));
        mitglied.setVorname(DemoNamen::vorname(*m_zufall, weiblich));
        mitglied.setNachname(DemoNamen::nachname(*m_zufall));
        const bool jugend = qstrcmp(art, "Club") == 0 && prozent(15);
        const QDate geburt = jugend ? tagZwischen(QDate(2008, 1, 1), QDate(2014, 12, 31))
                                    : tagZwischen(QDate(1940, 1, 1), QDate(2002, 12, 31));
        mitglied.setDatumGeburtInput(geburt.toString(kDatum));
        mitglied.setJugend(code("Jugend", jugend ? "Ja" : "Nein"));
        mitglied.setDatumEintrittInput(
            tagZwischen(std::max(geburt.addYears(10), QDate(1975, 1, 1)), QDate(2025, 6, 30))
                .toString(kDatum));
        mitglied.setBeitragBezahltBisInput(prozent(90) ? QStringLiteral("31.12.2026")
                                                       : QStringLiteral("31.12.2025"));
        const DemoNamen::Ort ort = DemoNamen::ort(*m_zufall);
        mitglied.setStrasse(DemoNamen::strasse(*m_zufall));
        mitglied.setPlz(ort.plz);
        mitglied.setOrt(ort.name);
        mitglied.setStaat(code("Staat", "AT"));
        if (prozent(70))
            mitglied.setEmail(DemoNamen::ascii(mitglied.getVorname()) + QLatin1Char('.') +
                              DemoNamen::ascii(mitglied.getNachname()) +
                              QStringLiteral("@mail.example"));
        if (prozent(50))
            mitglied.setTelefon(
                QStringLiteral("+43-%1-%2").arg(ort.vorwahl).arg(100000 + bis(900000)));
        verlange(MitgliedService::pruefe(m_ctx, mitglied),
                 QStringLiteral("member ") + mitglied.getMitgliedsNummerKomplett());
        auto titelListe = titel(geburt);
        std::vector<FotographischerTitel *> zeiger;
        for (auto &einTitel : titelListe)
            zeiger.push_back(einTitel.get());
        MitgliedService::speichere(m_ctx, mitglied, zeiger, {});
        m_mitglieder.push_back({mitglied.getId(), verein, jugend});
        m_mitgliederJeVerein[verein].push_back(mitglied.getId());
        ++m_zahlen.mitglieder;
    }

    void legeMitgliederAn()
    {
        const auto plaetze = mitgliedsPlaetze();
        const int schritt = std::max(50, m_umfang.mitglieder / 10);
        for (size_t anfang = 0; anfang < plaetze.size(); anfang += size_t(schritt)) {
            Transaction transaktion(m_ctx);
            for (size_t i = anfang; i < std::min(plaetze.size(), anfang + size_t(schritt)); ++i)
                legeMitgliedAn(plaetze[i].first, plaetze[i].second);
            transaktion.commit();
            melde(QStringLiteral("Members: %1 of %2").arg(m_zahlen.mitglieder).arg(plaetze.size()));
        }
    }

    // ---- officials ----

    void legeFunktionstraegerAn()
    {
        static const char *const kFunktionen[] = {"OBMANN", "OBMANN_STV", "KASSIER",
                                                  "SCHRIFTFUEHRER"};
        static const char *const kTexte[] = {"Obmann", "Obmann-Stellvertreter", "Kassier",
                                             "Schriftführer"};
        Transaction transaktion(m_ctx);
        for (const auto &gespeichert : m_vereine) {
            auto verein = VereinController().readById(m_ctx, gespeichert->getId());
            const auto &mitglieder = m_mitgliederJeVerein.value(verein->getId());
            std::vector<std::unique_ptr<Funktionstraeger>> neue;
            for (size_t i = 0; i < std::size(kFunktionen) && i < mitglieder.size(); ++i) {
                auto funktion = std::make_unique<Funktionstraeger>();
                funktion->setFunktionsCode(code("Funktionstraeger", kFunktionen[i]));
                funktion->setFunktion(QString::fromUtf8(kTexte[i]));
                funktion->setMitglied(mitglieder[i]);
                neue.push_back(std::move(funktion));
            }
            if (mitglieder.size() > 4 && prozent(50)) {
                auto ehre = std::make_unique<Funktionstraeger>();
                ehre->setFunktionsCode(code("Funktionstraeger", "EHRENMITGLIED"));
                ehre->setMitglied(mitglieder[4 + size_t(bis(int(mitglieder.size()) - 4))]);
                neue.push_back(std::move(ehre));
            }
            std::vector<Funktionstraeger *> zeiger;
            for (auto &funktion : neue)
                zeiger.push_back(funktion.get());
            VereinService::speichere(m_ctx, *verein, zeiger, {}, false);
        }
        transaktion.commit();
        melde(QStringLiteral("Officials of every club"));
    }

    // ---- external jurors ----

    void legeExterneJurorenAn()
    {
        for (int i = 0; i < m_umfang.externeJuroren; ++i) {
            auto juror = JurorService::neuerExternerJuror(m_ctx);
            const bool weiblich = prozent(50);
            juror->setAnrede(weiblich ? QStringLiteral("Frau") : QStringLiteral("Herr"));
            juror->setVorname(DemoNamen::vorname(*m_zufall, weiblich));
            juror->setNachname(DemoNamen::nachname(*m_zufall));
            const DemoNamen::Ort ort = DemoNamen::ort(*m_zufall);
            juror->setOrt(ort.name);
            juror->setPlz(ort.plz);
            juror->setEmail(DemoNamen::ascii(juror->getNachname()) +
                            QStringLiteral("@jury.example"));
            juror->setDatumGeburtInput(
                tagZwischen(QDate(1950, 1, 1), QDate(1990, 12, 31)).toString(kDatum));
            verlange(JurorService::pruefeExternenJuror(m_ctx, *juror),
                     QStringLiteral("external juror"));
            JurorService::speichereExternenJuror(m_ctx, *juror);
            m_externeJuroren.push_back(std::move(juror));
            ++m_zahlen.externeJuroren;
        }
        melde(QStringLiteral("External jurors: %1").arg(m_zahlen.externeJuroren));
    }

    // ---- users and their data permissions ----

    // A user linked to the first member of the club; its password is the one a reset gives
    // (the member's birth date), so that nobody needs to be told one.
    void legeBenutzerAn(const QString &name, qlonglong verein, const char *ausdehnung,
                        const std::vector<std::pair<const char *, const char *>> &rechte,
                        bool web = false)
    {
        BenutzerHelper helper(m_ctx);
        Benutzer benutzer;
        benutzer.setBenutzername(name);
        benutzer.setGuiBenutzer(!web);
        benutzer.setWebBenutzer(web);
        benutzer.setMitglied(m_mitgliederJeVerein.value(verein).front());
        const QString passwort = helper.rueckgesetztesPasswort(benutzer);
        verlange(helper.pruefe(benutzer, passwort, passwort, BenutzerHelper::Speichern::Neu),
                 QStringLiteral("user ") + name);
        helper.speichere(benutzer, BenutzerHelper::Speichern::Neu);
        for (const auto &[objektTyp, art] : rechte) {
            VereinsDatenBerechtigung recht;
            recht.setBenutzer(benutzer.getId());
            recht.setVerein(verein);
            recht.setAusdehnung(code("VereinsDatenBerechtigungsAusdehnung", ausdehnung));
            recht.setObjektTyp(code("DatenBerechtigungsObjektTyp", objektTyp));
            recht.setArt(code("DatenBerechtigungsArt", art));
            VereinsDatenBerechtigungController().insertOrUpdate(m_ctx, recht);
        }
        ++m_zahlen.benutzer;
    }

    void legeBenutzerAn()
    {
        const std::vector<std::pair<const char *, const char *>> alles{
            {"Mitglied", "LESEN_UND_SCHREIBEN"},
            {"Verein", "LESEN_UND_SCHREIBEN"},
            {"Wettbewerb", "LESEN_UND_SCHREIBEN"}};
        legeBenutzerAn(QStringLiteral("verband"), m_vereine.front()->getId(), "DACHVERBAND", alles);
        for (size_t l = 0; l < m_landesverbaende.size(); ++l)
            legeBenutzerAn(QStringLiteral("lv%1").arg(l + 1), m_landesverbaende[l], "LANDESVERBAND",
                           alles);
        for (int k = 0; k < m_umfang.vereinsBenutzer && k < int(m_klubs.size()); ++k) {
            const qlonglong klub =
                m_klubs[size_t(k) * m_klubs.size() / size_t(m_umfang.vereinsBenutzer)];
            legeBenutzerAn(QStringLiteral("klub%1").arg(k + 1), klub, "VEREIN",
                           {{"Mitglied", "LESEN_UND_SCHREIBEN"},
                            {"Verein", "LESEN"},
                            {"Wettbewerb", "LESEN"}});
        }
        legeBenutzerAn(QStringLiteral("galerie"), m_vereine.front()->getId(), "DACHVERBAND",
                       {{"Wettbewerb", "LESEN"}}, true);
        m_ctx.reloadPermissions();
        melde(QStringLiteral("Users with data permissions: %1").arg(m_zahlen.benutzer));
    }

    // ---- competitions ----

    struct Lauf
    {
        std::unique_ptr<Wettbewerb> wettbewerb;
        std::vector<std::unique_ptr<Sparte>> sparten; // as kSparten
        QHash<qlonglong, qlonglong> tastatur;         // juror seat -> keypad
    };

    void weiter(Wettbewerb &wettbewerb, WettbewerbsStatus::Stufe bisStufe)
    {
        while (WettbewerbsStatus::stufe(m_ctx, wettbewerb) < bisStufe)
            if (!WettbewerbService::geheWeiter(m_ctx, wettbewerb))
                throw std::runtime_error("Demo federation: a competition does not move on.");
    }

    // The master data as the tab "Grunddaten" takes them.
    void setzeGrunddaten(Wettbewerb &wettbewerb, Jurierung &jurierung, const QString &datum)
    {
        wettbewerb.setDatumInput(datum);
        wettbewerb.setOrt(DemoNamen::ort(*m_zufall).name);
        wettbewerb.setAnzahlBilderFuerWertung(3);
        wettbewerb.setAnzahlSpartenFuerKombination(2);
        wettbewerb.setAnzahlTeilnehmerFuerVereinsW(3);
        wettbewerb.setNurVollstaendigeKombination(false);
        wettbewerb.setAnzahlAuszustellendeBilder(40);
        wettbewerb.setAbrundungPunkteBeiAnnahmen(code("AbrundungPunkteBeiAnnahmen", "NEIN"));
        wettbewerb.setMaxBildGroesse(QStringLiteral("1920x1080"));
        wettbewerb.setMaxDateigroesseString(QStringLiteral("2MB"));
        wettbewerb.setJugendAbInput(QStringLiteral("01.01.2007"));
        verlange(WettbewerbService::pruefeGrunddaten(m_ctx, wettbewerb, jurierung),
                 wettbewerb.getName());
        WettbewerbService::speichereGrunddaten(m_ctx, wettbewerb, jurierung);
    }

    // The categories of kSparten with their rounds; the portraits are scored club by club.
    void legeSpartenAn(Lauf &lauf)
    {
        Wettbewerb &wettbewerb = *lauf.wettbewerb;
        for (const SparteDaten &s : kSparten) {
            auto sparte = SparteService::neueSparte(m_ctx, wettbewerb);
            sparte->setName(QString::fromUtf8(s.name));
            sparte->setAbkuerzung(QString::fromLatin1(s.abkuerzung));
            sparte->setDurchgangsModus(code("DurchgangsModus", s.modus));
            sparte->setInKombinationVerwendet(s.kombination);
            verlange(SparteService::pruefe(m_ctx, *sparte), wettbewerb.getName());
            SparteService::speichere(m_ctx, *sparte);
            lauf.sparten.push_back(std::move(sparte));
        }
        for (auto &runde : runden(wettbewerb)) {
            if (runde->getSparte() == lauf.sparten[1]->getId() &&
                runde->getArt() == code("DurchgangsArt", "ERSTER_DURCHGANG")) {
                runde->setSortierModus(code("SpartenSortierModus", "VEREIN_MITGLIED"));
                verlange(DurchgangService::pruefe(m_ctx, *runde), wettbewerb.getName());
                DurchgangService::speichere(m_ctx, *runde);
            }
        }
    }

    void legeWettbewerbAn(const WettbewerbsDaten &daten)
    {
        const qlonglong gastgeber =
            daten.gastgeber == 0
                ? m_vereine.front()->getId()
                : m_landesverbaende[size_t(daten.gastgeber - 1) % m_landesverbaende.size()];
        Lauf lauf;
        lauf.wettbewerb = WettbewerbService::neuerWettbewerb(m_ctx, gastgeber);
        Wettbewerb &wettbewerb = *lauf.wettbewerb;
        const QString name = QString::fromUtf8(daten.name);
        auto jurierung = WettbewerbService::neueJurierung(m_ctx);
        wettbewerb.setName(name);
        wettbewerb.setNummer(QString::fromLatin1(daten.nummer));
        jurierung->setAnzahlDurchgaenge(code("DurchgangsAnzahl", "ZWEI"));
        verlange(WettbewerbService::pruefeAnlage(m_ctx, wettbewerb, *jurierung), name);
        WettbewerbService::legeAn(m_ctx, wettbewerb, *jurierung);
        ++m_zahlen.wettbewerbe;

        setzeGrunddaten(wettbewerb, *jurierung, QString::fromLatin1(daten.datum));
        legeSpartenAn(lauf);
        melde(QStringLiteral("Competition %1 \"%2\"").arg(wettbewerb.getNummer(), name));
        if (daten.ziel == WettbewerbsStatus::Angelegt)
            return;

        const std::vector<qlonglong> juroren = setzeJuryEin(lauf);
        const auto teilnehmer = waehleTeilnehmer(juroren);
        for (const MitgliedInfo *info : teilnehmer)
            verlange(TeilnehmerService::fuegeHinzu(m_ctx, wettbewerb, *mitglied(info->id)), name);
        weiter(wettbewerb, WettbewerbsStatus::Bilderannahme);
        reicheBilderEin(lauf, teilnehmer, daten.bilderAnteil);
        weiter(wettbewerb, std::min(daten.ziel, WettbewerbsStatus::WertungLaeuft));
        if (daten.ziel < WettbewerbsStatus::WertungLaeuft)
            return;

        bewerteWettbewerb(lauf, daten.ziel == WettbewerbsStatus::WertungAbgeschlossen);
        if (daten.ziel == WettbewerbsStatus::WertungAbgeschlossen) {
            weiter(wettbewerb, WettbewerbsStatus::WertungAbgeschlossen);
            const auto ergebnis =
                ErgebnisHelper::berechneUndUeberschreibeErgebnisse(m_ctx, wettbewerb);
            const int knoten = StatistikHelper::berechneStatistik(m_ctx, wettbewerb);
            melde(QStringLiteral("Results of %1: %2 images accepted of %3, statistics of %4 nodes")
                      .arg(wettbewerb.getNummer())
                      .arg(ergebnis.angenommen)
                      .arg(ergebnis.bewertet)
                      .arg(knoten));
        }
    }

    std::unique_ptr<Mitglied> mitglied(qlonglong id)
    {
        return MitgliedController().readById(m_ctx, id);
    }

    // Two external jurors and a member judging all categories, a third external juror one;
    // each gets a keypad. Returns the member jurors.
    std::vector<qlonglong> setzeJuryEin(Lauf &lauf)
    {
        Wettbewerb &wettbewerb = *lauf.wettbewerb;
        const size_t erster = size_t(bis(int(m_externeJuroren.size())));
        for (size_t i = 0; i < 2; ++i)
            verlange(
                JurorService::fuegeHinzu(m_ctx, wettbewerb,
                                         *m_externeJuroren[(erster + i) % m_externeJuroren.size()]),
                QStringLiteral("jury"));
        const qlonglong mitgliedsJuror = m_mitglieder[size_t(bis(int(m_mitglieder.size())))].id;
        verlange(JurorService::fuegeHinzu(m_ctx, wettbewerb, *mitglied(mitgliedsJuror)),
                 QStringLiteral("jury"));
        // A third external juror judges the young photographers' category only.
        const ExternerJuror &jugendJuror =
            *m_externeJuroren[(erster + 2) % m_externeJuroren.size()];
        verlange(JurorService::fuegeHinzu(m_ctx, wettbewerb, jugendJuror), QStringLiteral("jury"));
        auto einzelSitz =
            std::move(JuriertBeiController()
                          .select(m_ctx, {{QStringLiteral("wettbewerb"), wettbewerb.getId()},
                                          {QStringLiteral("externerJuror"), jugendJuror.getId()}})
                          .front());
        JurorService::toggleAlleSparten(m_ctx, *einzelSitz);
        verlange(JurorService::ordneSparteZu(m_ctx, *einzelSitz, *lauf.sparten[2]),
                 QStringLiteral("jury"));
        qlonglong tastatur = 100;
        for (const auto &sitz : JuriertBeiController().select(
                 m_ctx, {{QStringLiteral("wettbewerb"), wettbewerb.getId()}})) {
            m_ctx.assignKeyboard(sitz->getId(), ++tastatur);
            lauf.tastatur.insert(sitz->getId(), tastatur);
        }
        return {mitgliedsJuror};
    }

    // The participants: at least four young ones, the others at random; no juror.
    std::vector<const MitgliedInfo *> waehleTeilnehmer(const std::vector<qlonglong> &juroren)
    {
        std::vector<const MitgliedInfo *> kandidaten;
        for (const MitgliedInfo &info : m_mitglieder)
            if (std::find(juroren.begin(), juroren.end(), info.id) == juroren.end())
                kandidaten.push_back(&info);
        // A partial shuffle by the seed's numbers; the young ones first.
        for (size_t i = 0; i + 1 < kandidaten.size(); ++i)
            std::swap(kandidaten[i], kandidaten[i + size_t(bis(int(kandidaten.size() - i)))]);
        std::stable_partition(kandidaten.begin(), kandidaten.end(),
                              [](const MitgliedInfo *info) { return info->jugend; });
        const auto jugend = size_t(std::count_if(kandidaten.begin(), kandidaten.end(),
                                                 [](const MitgliedInfo *i) { return i->jugend; }));
        const size_t anzahl = std::min(kandidaten.size(), size_t(m_umfang.teilnehmer));
        const size_t jung = std::min(jugend, std::max<size_t>(4, anzahl / 6));
        std::vector<const MitgliedInfo *> gewaehlt(kandidaten.begin(),
                                                   kandidaten.begin() + long(jung));
        gewaehlt.insert(gewaehlt.end(), kandidaten.begin() + long(jugend),
                        kandidaten.begin() +
                            long(std::min(kandidaten.size(), jugend + anzahl - jung)));
        return gewaehlt;
    }

    void reicheBilderEin(Lauf &lauf, const std::vector<const MitgliedInfo *> &teilnehmer,
                         int anteil)
    {
        Wettbewerb &wettbewerb = *lauf.wettbewerb;
        const int vorher = m_zahlen.bilder;
        Transaction transaktion(m_ctx);
        for (size_t t = 0; t < teilnehmer.size(); ++t) {
            if (int(t * 100) >= int(teilnehmer.size()) * anteil)
                break;
            const auto einreicher = mitglied(teilnehmer[t]->id);
            bool eingereicht = false;
            for (size_t s = 0; s < std::size(kSparten); ++s) {
                const int hoechstens =
                    teilnehmer[t]->jugend ? kSparten[s].jugend : kSparten[s].erwachsene;
                int anzahl = hoechstens ? bis(hoechstens + 1) : 0;
                // Everybody enters something; the young always in their own categories.
                if (hoechstens && !anzahl && (teilnehmer[t]->jugend || !eingereicht))
                    anzahl = 1;
                for (int i = 0; i < anzahl; ++i)
                    reicheEin(wettbewerb, *einreicher, *lauf.sparten[s]);
                eingereicht = eingereicht || anzahl > 0;
            }
            if ((t + 1) % 50 == 0 && t + 1 < teilnehmer.size())
                melde(QStringLiteral("Images of %1: %2")
                          .arg(wettbewerb.getNummer())
                          .arg(m_zahlen.bilder - vorher));
        }
        transaktion.commit();
        melde(QStringLiteral("Images of %1: %2")
                  .arg(wettbewerb.getNummer())
                  .arg(m_zahlen.bilder - vorher));
    }

    void reicheEin(const Wettbewerb &wettbewerb, const Mitglied &einreicher, const Sparte &sparte)
    {
        Bild bild;
        BildDaten daten;
        verlange(BildService::waehleEinreicher(m_ctx, wettbewerb, einreicher, bild),
                 QStringLiteral("image"));
        bild.setSparte(sparte.getId());
        bild.setTitel(DemoNamen::bildtitel(*m_zufall));
        bild.setGueltig(true);
        bild.setAnzahlRotierSchritte(0);
        daten.setNummerProWettbewerb(BildService::neueNummerProWettbewerb(m_ctx, wettbewerb));
        // Unique over all pictures: the member's number, the competition's, the local one.
        daten.setNummer(einreicher.getMitgliedsNummerKomplett() + QLatin1Char('-') +
                        wettbewerb.getNummer() + QLatin1Char('-') + daten.getNummerProWettbewerb());
        const QByteArray jpeg = m_bilder.zeichne(*m_zufall, prozent(25), prozent(20));
        if (!BildDateiPruefung::jpegGroesse(jpeg))
            throw std::runtime_error("Demo federation: a drawn picture does not decode.");
        daten.setDaten(jpeg);
        daten.setDateiname(daten.getNummer() + QStringLiteral(".jpg"));
        verlange(BildService::speichere(m_ctx, wettbewerb, bild, daten, true),
                 QStringLiteral("image"));
        // How good the jurors find it, 0 to 1.
        m_qualitaet.insert(bild.getId(), (zahl() + zahl() + zahl()) / 3.0);
        ++m_zahlen.bilder;
    }

    // ---- scoring ----

    std::vector<std::unique_ptr<Durchgang>> runden(const Wettbewerb &wettbewerb)
    {
        const auto jurierung = WettbewerbService::jurierung(m_ctx, wettbewerb);
        auto liste = DurchgangController().select(
            m_ctx, {{QStringLiteral("jurierung"), jurierung->getId()}});
        std::sort(liste.begin(), liste.end(), [](const auto &a, const auto &b) {
            return std::make_pair(a->getPositionInDerJurierung(), a->getId()) <
                   std::make_pair(b->getPositionInDerJurierung(), b->getId());
        });
        return liste;
    }

    // "Reihenfolge generieren" as the scoring page does it; false when the round scores no
    // image.
    bool generiere(Wettbewerb &wettbewerb, Durchgang &runde)
    {
        verlange(WertungsHelper::pruefeReihenfolgeGenerieren(m_ctx, runde),
                 QStringLiteral("order"));
        verlange(WertungsHelper::pruefeSortierung(m_ctx, runde), QStringLiteral("order"));
        WertungsHelper::reihenfolgeGenerieren(m_ctx, wettbewerb, runde);
        return WertungsAblauf(m_ctx, wettbewerb, runde, {}).anzahl() > 0;
    }

    // "Wertung beginnen", then the jurors press their keys for `bilder` images (all when
    // negative) and the chair confirms each.
    void bewerte(Lauf &lauf, Durchgang &runde, int bilder = -1)
    {
        Wettbewerb &wettbewerb = *lauf.wettbewerb;
        verlange(WertungsHelper::pruefeWertungBeginnen(m_ctx, runde), QStringLiteral("scoring"));
        verlange(WertungsHelper::pruefeReferenz(m_ctx, runde), QStringLiteral("scoring"));
        Transaction transaktion(m_ctx);
        WertungsHelper::starte(m_ctx, wettbewerb, runde);
        WertungsAblauf ablauf(m_ctx, wettbewerb, runde, WertungsHelper::juroren(m_ctx, runde));
        ablauf.setzeNaechsteOffeneWertung();
        for (int n = 0; ablauf.aktuellesBild() && (bilder < 0 || n < bilder); ++n) {
            const double qualitaet = m_qualitaet.value(ablauf.aktuellesBild()->getId(), 0.5);
            const int von = ablauf.minBewertung(), bisWert = ablauf.maxBewertung();
            for (const auto &juror : ablauf.juroren()) {
                const double wert = von + (bisWert - von) * qualitaet + (zahl() - 0.5) * 2.5;
                const int taste = std::clamp(int(std::lround(wert)), von, bisWert);
                if (!ablauf.tastendruck(lauf.tastatur.value(juror->getId()), taste))
                    throw std::runtime_error("Demo federation: a key press was not taken.");
                ++m_zahlen.tastendruecke;
            }
            ablauf.reagiere();
            if (ablauf.bestaetige() == WertungsAblauf::Bestaetigung::Unvollstaendig)
                throw std::runtime_error("Demo federation: an image was not scored completely.");
        }
        transaktion.commit();
    }

    void bewerteWettbewerb(Lauf &lauf, bool ganz)
    {
        Wettbewerb &wettbewerb = *lauf.wettbewerb;
        const qlonglong ersteArt = code("DurchgangsArt", "ERSTER_DURCHGANG");
        for (auto &runde : runden(wettbewerb))
            if (runde->getArt() == ersteArt && generiere(wettbewerb, *runde))
                bewerte(lauf, *runde);
        melde(QStringLiteral("Scored the first rounds of %1").arg(wettbewerb.getNummer()));
        Durchgang *laengste = nullptr;
        int zeilen = 0;
        auto zweite = runden(wettbewerb);
        for (auto &runde : zweite) {
            if (runde->getArt() == ersteArt || !generiere(wettbewerb, *runde))
                continue;
            if (ganz) {
                bewerte(lauf, *runde);
            } else {
                const int anzahl = WertungsAblauf(m_ctx, wettbewerb, *runde, {}).anzahl();
                if (anzahl > zeilen) {
                    laengste = runde.get();
                    zeilen = anzahl;
                }
            }
        }
        // The evening ends in the middle of the longest second round.
        if (laengste)
            bewerte(lauf, *laengste, zeilen / 2);
        melde(
            QStringLiteral("Scored the second rounds of %1%2")
                .arg(wettbewerb.getNummer(), ganz ? QString() : QStringLiteral(" (one halfway)")));
    }

    DatabaseContext &m_ctx;
    std::shared_ptr<SeededRandom> m_zufall;
    const Umfang m_umfang;
    const DemoFederation::Fortschritt &m_fortschritt;
    DemoBilder m_bilder;
    DemoFederation::Zahlen m_zahlen;

    std::vector<std::unique_ptr<Verein>> m_vereine; // the federation first
    std::vector<qlonglong> m_landesverbaende;
    std::vector<qlonglong> m_klubs;
    std::vector<MitgliedInfo> m_mitglieder;
    QHash<qlonglong, std::vector<qlonglong>> m_mitgliederJeVerein;
    std::vector<std::unique_ptr<ExternerJuror>> m_externeJuroren;
    QHash<qlonglong, double> m_qualitaet; // image -> how good
};

} // namespace

std::optional<QString> DemoFederation::vorhandeneDaten(DatabaseContext &ctx)
{
    mysqlpp::Query query = ctx.connection().query(
        "SELECT (SELECT COUNT(*) FROM Verein), (SELECT COUNT(*) FROM Mitglied), "
        "(SELECT COUNT(*) FROM Wettbewerb), "
        "(SELECT COUNT(*) FROM Benutzer WHERE benutzername <> 'root')");
    const mysqlpp::StoreQueryResult ergebnis = query.store();
    if (!ergebnis || ergebnis.num_rows() != 1)
        throw std::runtime_error("The database cannot be read: " + std::string(query.error()));
    const long vereine = ergebnis[0][0], mitglieder = ergebnis[0][1], wettbewerbe = ergebnis[0][2],
               benutzer = ergebnis[0][3];
    if (vereine + mitglieder + wettbewerbe + benutzer == 0)
        return std::nullopt;
    return QStringLiteral("The database holds data already (%1 clubs, %2 members, %3 competitions, "
                          "%4 users besides root); the demo federation goes only into an empty "
                          "database.")
        .arg(vereine)
        .arg(mitglieder)
        .arg(wettbewerbe)
        .arg(benutzer);
}

DemoFederation::Zahlen DemoFederation::fuelle(DatabaseContext &ctx, quint32 seed, Groesse groesse,
                                              const Fortschritt &fortschritt)
{
    if (const auto daten = vorhandeneDaten(ctx))
        throw std::runtime_error(daten->toStdString());
    return Aufbau(ctx, seed, groesse, fortschritt).baue();
}
