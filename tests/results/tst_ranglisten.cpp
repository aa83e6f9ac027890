#include "Ranglisten.h"
#include "TestRegistry.h"
#include "joins/TeilnehmerWertungsListeJoinModel.h"

#include <QtTest>

// The ranking lists: stable sorts by their columns in turn, the last primary, running ranks.
class RanglistenTest : public QObject
{
    Q_OBJECT
private slots:
    // Equal points get ranks n and n+1, ordered by category, then last name, then first name.
    void gleichePunkte()
    {
        struct Zeile
        {
            const char *vorname, *nachname, *sparte;
            int punkte;
        };
        const Zeile eingabe[] = {{"Zoe", "Adler", "Natur", 20},   {"Anna", "Berger", "Natur", 25},
                                 {"Bernd", "Adler", "Natur", 20}, {"Carl", "Adler", "Akt", 20},
                                 {"Anna", "Adler", "Natur", 20},  {"Emil", "Zorn", "Akt", 30}};
        std::vector<std::unique_ptr<Record>> zeilen;
        for (const Zeile &z : eingabe) {
            auto zeile = std::make_unique<TeilnehmerWertungsListeJoinModel>();
            zeile->setMitgliedVorname(QString::fromUtf8(z.vorname));
            zeile->setMitgliedNachname(QString::fromUtf8(z.nachname));
            zeile->setSparteName(QString::fromUtf8(z.sparte));
            zeile->setWertungPunkte(z.punkte);
            zeilen.push_back(std::move(zeile));
        }
        Ranglisten::sortiereUndNummeriere(Rangliste::Teilnehmer, zeilen);
        QStringList gezeigt;
        for (const auto &zeile : zeilen) {
            QStringList zellen;
            for (int spalte : {0, 2, 4, 5, 6})
                zellen << Ranglisten::zelle(Rangliste::Teilnehmer, *zeile, spalte);
            gezeigt << zellen.join(QLatin1Char(' '));
        }
        QCOMPARE(gezeigt, QStringList({"1 Akt Emil Zorn 30", "2 Natur Anna Berger 25",
                                       "3 Akt Carl Adler 20", "4 Natur Anna Adler 20",
                                       "5 Natur Bernd Adler 20", "6 Natur Zoe Adler 20"}));
    }
};

KALVOR_REGISTER_TEST(RanglistenTest)

#include "tst_ranglisten.moc"
