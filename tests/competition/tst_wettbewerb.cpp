#include "PersistenceException.h"
#include "TestRegistry.h"
#include "WettbewerbService.h"
#include "WettbewerbsStatus.h"
#include "competitionfixture.h"

using namespace CompetitionFixture;
using Op = WettbewerbsStatus::Operation;

class WettbewerbTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanup() { m_ctx.reset(); }

    void stateTable_data()
    {
        QTest::addColumn<QString>("status"); // value name; "-" none; "?" another code value
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("enabled"); // back, forward, master data
        // G master data, T participants, S categories, J jurors, N/E/L new/edit/delete image,
        // D round settings, W scoring, R final results
        QTest::addColumn<QString>("allowed");
        zeilen({{"ANGELEGT", "ANGELEGT", "Kein vorheriger Status", "Bildera&nnahme starten", "-FG",
                 "GTS"},
                {"BILDERANNAHME", "BILDERANNAHME", "&Zurueck zum Status Angelegt",
                 "Bildera&nnahme beenden", "BF-", "TJNEL"},
                {"ANNAHMESCHLUSS_VERSTRICHEN", "ANNAHMESCHLUSS_VERSTRICHEN",
                 "&Zurueck zur Bilderannahme", "Mit der Wertung begi&nnen", "BF-", "JNELD"},
                {"WERTUNG_LAEUFT", "WERTUNG_LAEUFT", "&Zurueck vor die Wertung",
                 "Die Wertung bee&nden", "BF-", "NEW"},
                {"WERTUNG_ABGESCHLOSSEN", "WERTUNG_ABGESCHLOSSEN", "&Zurueck zur Wertung",
                 "Kein nachfolgender Status", "B--", "R"},
                {"no state", "-", "Kein Status vorhanden", "Kein Status vorhanden", "---", ""},
                {"other value", "?", "Kein Text vorhanden", "Kein Text vorhanden", "---", ""}});
    }

    // Buttons and rules follow the state stored with the competition.
    void stateTable()
    {
        QFETCH(QString, status);
        QFETCH(QString, back);
        QFETCH(QString, forward);
        QFETCH(QString, enabled);
        QFETCH(QString, allowed);
        auto daten = legeWettbewerbAn(*m_ctx);
        Wettbewerb &wettbewerb = *daten.wettbewerb;
        if (status == QLatin1String("-"))
            wettbewerb.setStatusNull();
        else if (status == QLatin1String("?"))
            wettbewerb.setStatus(code(*m_ctx, "DurchgangsStatus", "ANGELEGT"));
        else
            wettbewerb.setStatus(code(*m_ctx, "WettbewerbsStatus", status.toLatin1().constData()));
        WettbewerbController().insertOrUpdate(*m_ctx, wettbewerb);
        const auto stufe = WettbewerbsStatus::stufe(
            *m_ctx, *WettbewerbController().readById(*m_ctx, wettbewerb.getId()));

        const auto knoepfe = WettbewerbsStatus::knoepfe(stufe, true, true);
        QCOMPARE(knoepfe.zurueck, back);
        QCOMPARE(knoepfe.weiter, forward);
        QCOMPARE(QString(QLatin1Char(knoepfe.zurueckAktiv ? 'B' : '-')) +
                     QLatin1Char(knoepfe.weiterAktiv ? 'F' : '-') +
                     QLatin1Char(knoepfe.grunddatenBearbeitenAktiv ? 'G' : '-'),
                 enabled);
        const auto ohne = WettbewerbsStatus::knoepfe(stufe, true, false);
        QCOMPARE(ohne.zurueck + ohne.weiter, QString(back + forward).remove(QLatin1Char('&')));
        const auto gesperrt = WettbewerbsStatus::knoepfe(stufe, false, true);
        QVERIFY(!gesperrt.zurueckAktiv && !gesperrt.weiterAktiv &&
                !gesperrt.grunddatenBearbeitenAktiv);

        const Op operationen[] = {Op::GrunddatenBearbeiten,
                                  Op::TeilnehmerAendern,
                                  Op::SpartenAendern,
                                  Op::JurorenAendern,
                                  Op::BildNeu,
                                  Op::BildBearbeiten,
                                  Op::BildLoeschen,
                                  Op::DurchgangBearbeiten,
                                  Op::Wertung,
                                  Op::EndErgebnisse};
        QString erlaubt;
        QString frage;
        for (int i = 0; i < 10; ++i) {
            const QChar zeichen = QLatin1Char("GTSJNELDWR"[i]);
            if (WettbewerbsStatus::erlaubt(stufe, operationen[i]))
                erlaubt += zeichen;
            QVERIFY(!WettbewerbsStatus::erlaubt(stufe, operationen[i], false));
            if (WettbewerbsStatus::annahmeschlussFrage(stufe, operationen[i]))
                frage += zeichen;
        }
        QCOMPARE(erlaubt, allowed);
        // The closing-date question precedes every allowed image operation after the date.
        const bool spaet = stufe == WettbewerbsStatus::AnnahmeschlussVerstrichen ||
                           stufe == WettbewerbsStatus::WertungLaeuft;
        QCOMPARE(frage, spaet ? QString(allowed).remove(QRegularExpression("[^NEL]")) : QString());
    }

    void movingThroughTheStates()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        Wettbewerb &wettbewerb = *daten.wettbewerb;
        const auto gespeichert = [&](const char *spalte) {
            return QString::fromStdString(TestDatabase::scalar(
                std::string("SELECT c.name FROM Wettbewerb w JOIN CodeValue c ON c.id = w.") +
                spalte + " WHERE w.id = " + std::to_string(wettbewerb.getId())));
        };
        QVERIFY(!WettbewerbService::geheZurueck(*m_ctx, wettbewerb));
        const QStringList folge = {"BILDERANNAHME", "ANNAHMESCHLUSS_VERSTRICHEN", "WERTUNG_LAEUFT",
                                   "WERTUNG_ABGESCHLOSSEN"};
        for (const QString &status : folge) {
            QVERIFY(WettbewerbService::geheWeiter(*m_ctx, wettbewerb));
            QCOMPARE(gespeichert("status"), status);
            QCOMPARE(gespeichert("maximalStatus"), status);
        }
        QVERIFY(!WettbewerbService::geheWeiter(*m_ctx, wettbewerb));

        // Back and forward again: the furthest state stays.
        QVERIFY(WettbewerbService::geheZurueck(*m_ctx, wettbewerb));
        QCOMPARE(gespeichert("status"), QStringLiteral("WERTUNG_LAEUFT"));
        QCOMPARE(gespeichert("maximalStatus"), QStringLiteral("WERTUNG_ABGESCHLOSSEN"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(WettbewerbService::geheZurueck(*m_ctx, wettbewerb));
        QCOMPARE(gespeichert("status"), QStringLiteral("ANGELEGT"));
        QVERIFY(WettbewerbService::geheWeiter(*m_ctx, wettbewerb));
        QCOMPARE(gespeichert("status"), QStringLiteral("BILDERANNAHME"));
        QCOMPARE(gespeichert("maximalStatus"), QStringLiteral("WERTUNG_ABGESCHLOSSEN"));
    }

    // Regression: a failed update left the raised maximalStatus in memory, and the next save
    // wrote it.
    void failedStateChangeRestoresStatusAndMaximum()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        Wettbewerb &wettbewerb = *daten.wettbewerb;
        QVERIFY(WettbewerbService::geheWeiter(*m_ctx, wettbewerb));
        const qlonglong annahme = code(*m_ctx, "WettbewerbsStatus", "BILDERANNAHME");
        stoere("Wettbewerb", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 WettbewerbService::geheWeiter(*m_ctx, wettbewerb));
        QCOMPARE(wettbewerb.getStatus(), annahme);
        QCOMPARE(wettbewerb.getMaximalStatus(), annahme);
        QCOMPARE(anzahl("Wettbewerb", "status = " + std::to_string(annahme) +
                                          " AND maximalStatus = " + std::to_string(annahme)),
                 1);
    }

    void creationChecksInOrder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        zeilen({{"no name", "name", "Kein Wettbewerbsname angegeben.",
                 "Bitte geben Sie einen Wettbewerbsnamen ein."},
                {"no number", "nummer", "Keine Wettbewerbsnummer angegeben.",
                 "Bitte geben Sie eine Wettbewerbsnummer ein."},
                {"no jury mode", "modus", "Kein Jurierungsmodus angegeben",
                 "Bitte geben Sie einen Jurierungsmodus an."},
                {"no rounds", "anzahl", "Keine Anzahl Durchgaenge angegeben",
                 "Bitte geben Sie die Anzahl der Durchgaenge an"},
                {"number taken", "vergeben", "Wettbewerbsnummer schon vergeben",
                 "Es gibt schon einen Wettbewerb mit dieser Nummer.  Bitte waehlen Sie eine "
                 "andere."},
                {"all right", "", "", ""}});
    }

    // Each row breaks one field; the fields before it are right, the ones after it wrong too.
    void creationChecksInOrder()
    {
        QFETCH(QString, change);
        QFETCH(QString, title);
        QFETCH(QString, text);
        legeWettbewerbAn(*m_ctx, QStringLiteral("W1"));
        logInDatenbank(*m_ctx);
        auto wettbewerb = WettbewerbService::neuerWettbewerb(*m_ctx, 1);
        auto jurierung = WettbewerbService::neueJurierung(*m_ctx);
        const QStringList felder = {"name", "nummer", "modus", "anzahl", "vergeben"};
        const int kaputt = change.isEmpty() ? felder.size() : felder.indexOf(change);
        if (kaputt > 0)
            wettbewerb->setName(QStringLiteral("Neu"));
        if (kaputt > 1)
            wettbewerb->setNummer(kaputt == 4 ? QStringLiteral("W1") : QStringLiteral("W2"));
        if (kaputt <= 2)
            jurierung->setJurierungsModusNull();
        if (kaputt > 3)
            jurierung->setAnzahlDurchgaenge(code(*m_ctx, "DurchgangsAnzahl", "ZWEI"));

        const auto meldung = WettbewerbService::pruefeAnlage(*m_ctx, *wettbewerb, *jurierung);
        if (title.isEmpty()) {
            QVERIFY(!meldung);
            QVERIFY(geloggt(*m_ctx, "WettbewerbAnlegenDialog").isEmpty());
            return;
        }
        QVERIFY(meldung);
        QCOMPARE(meldung->titel, title);
        QCOMPARE(meldung->text, text);
        QCOMPARE(geloggt(*m_ctx, "WettbewerbAnlegenDialog"), QStringList{title});
    }

    void creationStoresCompetitionAndJury()
    {
        auto wettbewerb = WettbewerbService::neuerWettbewerb(*m_ctx, 1);
        auto jurierung = WettbewerbService::neueJurierung(*m_ctx);
        jurierung->setAnzahlDurchgaenge(code(*m_ctx, "DurchgangsAnzahl", "ZWEI"));
        QCOMPARE(WettbewerbService::anlageFrage(*m_ctx, *jurierung).text,
                 QStringLiteral("Wollen Sie den Wettbewerb mit folgenden Einstellungen anlegen? "
                                "\n\nJurierungsmodus: Normal \nAnzahl Durchgaenge: Zwei "
                                "Durchgänge \n\nBitte beachten Sie, dass spaeter weder der "
                                "Jurierungsmodus noch die Anzahl der Durchgaenge noch geaendert "
                                "werden kann."));
        WettbewerbService::legeAn(*m_ctx, *wettbewerb, *jurierung);
        QCOMPARE(WettbewerbService::jurierung(*m_ctx, *wettbewerb)->getWettbewerb(),
                 wettbewerb->getId());
    }

    // Regression: a failure between the two inserts left a competition without jury.
    void creationIsOneTransaction()
    {
        stoere("Jurierung", "INSERT");
        auto wettbewerb = WettbewerbService::neuerWettbewerb(*m_ctx, 1);
        auto jurierung = WettbewerbService::neueJurierung(*m_ctx);
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 WettbewerbService::legeAn(*m_ctx, *wettbewerb, *jurierung));
        QCOMPARE(anzahl("Wettbewerb"), 0);
        QVERIFY(!wettbewerb->hasId());
        QVERIFY(!jurierung->hasWettbewerb());
    }

    void exactlyOneJury()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        TestDatabase::run("INSERT INTO Jurierung (wettbewerb) VALUES (" +
                          std::to_string(daten.wettbewerb->getId()) + ")");
        for (int runde = 0; runde < 2; ++runde) {
            try {
                WettbewerbService::jurierung(*m_ctx, *daten.wettbewerb);
                QFAIL("no exception");
            } catch (const PersistenceException &fehler) {
                QCOMPARE(fehler.shortText(), QStringLiteral("Interner Fehler"));
                QCOMPARE(fehler.longText(),
                         QStringLiteral("Zum Wettbewerb muss es genau eine Jurierung geben."));
            }
            TestDatabase::run("DELETE FROM Jurierung");
        }
    }

    void masterDataChecksInOrder_data()
    {
        QTest::addColumn<QString>("field"); // the first field that is wrong
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("log"); // empty: the title
        zeilen(
            {{"1 name", "name", "", "Kein Name angegeben", ""},
             {"2 date", "datumInput", "31.02.2026", "Datum nicht korrekt angegeben",
              "Datum nicht korrekt eingegeben"},
             {"3 number", "nummer", "  ", "Keine Nummer angegeben", ""},
             {"4 number taken", "nummer", "ALT", "Wettbewerbsnummer schon vergeben", ""},
             {"5 jury mode", "jurierungsModus", "", "Kein Jurierungsmodus angegeben", ""},
             {"6 images", "anzahlBilderFuerWertung", "",
              "Anzahl Bilder fuer Wertung nicht angegeben.", ""},
             {"7 rounds", "anzahlDurchgaenge", "", "Keine Anzahl Durchgaenge angegeben", ""},
             {"8 categories", "anzahlSpartenFuerKombination", "",
              "Anzahl Sparten fuer Kombination nicht angegeben.", ""},
             {"9 participants", "anzahlTeilnehmerFuerVereinsW", "",
              "Anzahl Teilnehmer fuer Vereinswertung nicht angegeben.", ""},
             {"10 format", "maxBildGroesse", "1024*768", "Maximale Formatgroesse falsch angegeben",
              "Maximale Formatgroesse falsch angegeben, fehlerhafter String ist 1024*768"},
             {"11 file size", "maxDateigroesseString", "10000kb",
              "Maximale Dateigroesse falsch angegeben",
              "Maximale Dateigroesse falsch angegeben, fehlerhafter String ist 10000kb"},
             {"12 youth date", "jugendAbInput", "1.13.2000", "Datum nicht korrekt angegeben",
              "Jugend Ab nicht korrekt eingegeben"},
             {"all right", "", "", "", ""}});
    }

    // Each row breaks one field and every field checked after it.
    void masterDataChecksInOrder()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, title);
        QFETCH(QString, log);
        legeWettbewerbAn(*m_ctx, QStringLiteral("ALT"));
        auto daten = legeWettbewerbAn(*m_ctx, QStringLiteral("NEU"));
        Wettbewerb &w = *daten.wettbewerb;
        Jurierung &j = *daten.jurierung;
        struct Feld
        {
            const char *name;
            QVariant richtig;
            QVariant falsch;
        };
        const QString kein = QStringLiteral("falsch");
        const Feld felder[] = {{"name", "Landesfotoschau", {}},
                               {"datumInput", "14.3.2026", kein},
                               {"nummer", "NEU", " "},
                               {"jurierungsModus", code(*m_ctx, "JurierungsModus", "NORMAL"), {}},
                               {"anzahlBilderFuerWertung", 4, {}},
                               {"anzahlDurchgaenge", code(*m_ctx, "DurchgangsAnzahl", "ZWEI"), {}},
                               {"anzahlSpartenFuerKombination", 2, {}},
                               {"anzahlTeilnehmerFuerVereinsW", 3, {}},
                               {"maxBildGroesse", "1920x1080", kein},
                               {"maxDateigroesseString", "2MB", kein},
                               {"jugendAbInput", "01.01.2006", kein}};
        bool danach = false;
        for (const Feld &feld : felder) {
            const bool kaputt = field == QLatin1String(feld.name);
            Record &ziel = j.classInfo().rowOf(feld.name) >= 0 ? static_cast<Record &>(j)
                                                               : static_cast<Record &>(w);
            ziel.setValueAt(ziel.classInfo().rowOf(feld.name),
                            kaputt   ? (value.isEmpty() ? QVariant() : QVariant(value))
                            : danach ? feld.falsch
                                     : feld.richtig);
            danach = danach || kaputt;
        }
        logInDatenbank(*m_ctx);
        const auto meldung = WettbewerbService::pruefeGrunddaten(*m_ctx, w, j);
        if (title.isEmpty()) {
            QVERIFY(!meldung);
            QCOMPARE(w.getDatum(), QDate(2026, 3, 14));
            QCOMPARE(w.getJugendAb(), QDate(2006, 1, 1));
            QCOMPARE(w.getMaxBildBreite(), 1920);
            QCOMPARE(w.getMaxBildHoehe(), 1080);
            QCOMPARE(w.getMaxDateigroesse(), 2048000);
            QCOMPARE(geloggt(*m_ctx, "GrunddatenBearbeitenWidget"),
                     QStringList{"==> Pruefung erfolgreich"});
            return;
        }
        QVERIFY(meldung);
        QCOMPARE(meldung->titel, title);
        const char *ort = value == QLatin1String("ALT") ? "GrunddatenBearbeitenDialog"
                                                        : "GrunddatenBearbeitenWidget";
        QCOMPARE(geloggt(*m_ctx, ort), QStringList{log.isEmpty() ? title : log});
        if (field == "datumInput")
            QCOMPARE(meldung->text,
                     QStringLiteral("Der als Datum angegebene Text 31.02.2026 ist kein korrektes "
                                    "Datum. \n\nDatumsangaben muessen in der Form dd.mm.yyyy "
                                    "getaetigt werden."));
        if (field == "name")
            QCOMPARE(meldung->text,
                     QStringLiteral("Bitte geben Sie einen Namen fuer den Wettbewerb an.  \n\nIhre "
                                    "Aenderungen konnten daher leider NICHT gespeichert werden."));
    }

    void ownNumberAndEmptyLimits()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        Wettbewerb &w = *daten.wettbewerb;
        w.setDatum(QDate(2026, 5, 1)); // stored dates stand for untouched texts
        w.setJugendAb(QDate(2008, 1, 1));
        w.setAnzahlBilderFuerWertung(4);
        w.setAnzahlSpartenFuerKombination(2);
        w.setAnzahlTeilnehmerFuerVereinsW(3);
        w.setMaxBildBreite(800);
        w.setMaxDateigroesse(1024);
        QVERIFY(!WettbewerbService::pruefeGrunddaten(*m_ctx, w, *daten.jurierung));
        QVERIFY(!w.hasMaxBildBreite());
        QVERIFY(!w.hasMaxDateigroesse());
        QCOMPARE(w.getDatum(), QDate(2026, 5, 1));
    }

    // A failing second write keeps the stored master data.
    void masterDataSavedWithTheJury()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        daten.wettbewerb->setName(QStringLiteral("Umbenannt"));
        stoere("Jurierung", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(
            PersistenceException,
            WettbewerbService::speichereGrunddaten(*m_ctx, *daten.wettbewerb, *daten.jurierung));
        QCOMPARE(TestDatabase::scalar("SELECT name FROM Wettbewerb"),
                 std::string("Landesfotoschau"));
        QCOMPARE(daten.wettbewerb->getName(), QStringLiteral("Umbenannt"));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(WettbewerbTest)

// The parsers of the maximum format and file size, without a database.
class GroessenTest : public QObject
{
    Q_OBJECT
private slots:
    void sizeParsers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed"); // "width height", or bytes; empty: refused
        zeilen({{"format", "1024x768", "1024 768"},
                {"one digit each", "1x2", "1 2"},
                {"five digits", "10240x768", ""},
                {"capital X", "1024X768", ""},
                {"trailing text", "1024x768px", ""},
                {"2MB", "2MB", "2048000"},
                {"750 kb", "750 kb", "768000"},
                {"case ignored", "1mB", "1024000"},
                {"five digits kb", "10000kb", ""},
                {"two blanks", "750  kb", ""},
                {"no unit", "750", ""},
                {"largest for the column", "2097MB", "2147328000"},
                {"too large for the column", "2098MB", ""}});
    }

    void sizeParsers()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        QString ergebnis;
        if (text.contains(QLatin1Char('x'), Qt::CaseInsensitive)) {
            if (const auto groesse = WettbewerbService::parseBildGroesse(text))
                ergebnis = QStringLiteral("%1 %2").arg(groesse->width()).arg(groesse->height());
        } else if (const auto bytes = WettbewerbService::parseDateigroesse(text)) {
            ergebnis = QString::number(*bytes);
        }
        QCOMPARE(ergebnis, parsed);
    }
};

KALVOR_REGISTER_TEST(GroessenTest)
#include "tst_wettbewerb.moc"
