#include "Suchfelder.h"

#include "DatabaseContext.h"
#include "DateText.h"
#include "SqlWriter.h"

#include <QCoreApplication>

namespace {

const char *const kKeineZahl = QT_TRANSLATE_NOOP(
    "Suchfelder", "Bitte geben Sie eine gueltige Zahl ein, oder lassen Sie das Feld leer.");

// The labels of the forms live in the context "Suchfelder".
#define FELD(text) QT_TRANSLATE_NOOP("Suchfelder", text)

QString tr(const char *text)
{
    return QCoreApplication::translate("Suchfelder", text);
}

QString textVon(const QVariant &wert)
{
    return wert.toString().trimmed();
}

bool istZeit(Suchfeld::Art art)
{
    return art == Suchfeld::VonZeit || art == Suchfeld::BisZeit;
}

bool istZahl(Suchfeld::Art art)
{
    return art == Suchfeld::VonZahl || art == Suchfeld::BisZahl || art == Suchfeld::GleichZahl;
}

} // namespace

const Suchmaske &eventLogSuchmaske()
{
    static const Suchmaske maske = {
        {FELD("Benutzer"), "benutzer", Suchfeld::Enthaelt, "session.benutzername", nullptr},
        {FELD("Rechner"), "rechner", Suchfeld::Enthaelt, "session.hostname", nullptr},
        {FELD("Session"), "session", Suchfeld::Session, "eventLog.session", nullptr},
        {FELD("Zeitstempel >="), "zeitVon", Suchfeld::VonZeit, "eventLog.execution_tist",
         "Von-Zeitstempel"},
        {FELD("und <="), "zeitBis", Suchfeld::BisZeit, "eventLog.execution_tist",
         "Bis-Zeitstempel", false, true},
        {FELD("Kategorie"), "kategorie", Suchfeld::Kategorie, "eventLog.category", nullptr},
        {FELD("Log-Level >="), "levelVon", Suchfeld::VonZahl, "eventLog.level",
         "Von-Level ist keine Zahl", true},
        {FELD("und <="), "levelBis", Suchfeld::BisZahl, "eventLog.level",
         "Bis-Level ist keine Zahl", true, true},
        {FELD("Standort"), "standort", Suchfeld::Enthaelt, "eventLog.location", nullptr},
        {FELD("ID >="), "idVon", Suchfeld::VonZahl, "eventLog.id", "Von-Id ist keine Zahl", true},
        {FELD("und <="), "idBis", Suchfeld::BisZahl, "eventLog.id", "Bis-Id ist keine Zahl", true,
         true},
        {FELD("Text"), "text", Suchfeld::Enthaelt, "eventLog.text", nullptr},
    };
    return maske;
}

const Suchmaske &queryLogSuchmaske()
{
    static const Suchmaske maske = {
        {FELD("Benutzer"), "benutzer", Suchfeld::Enthaelt, "session.benutzername", nullptr},
        {FELD("Rechner"), "rechner", Suchfeld::Enthaelt, "session.hostname", nullptr},
        {FELD("Session"), "session", Suchfeld::Session, "queryLog.session", nullptr},
        {FELD("Zeitstempel >="), "zeitVon", Suchfeld::VonZeit, "queryLog.execution_tist",
         "Von-Zeitstempel"},
        {FELD("und <="), "zeitBis", Suchfeld::BisZeit, "queryLog.execution_tist",
         "Bis-Zeitstempel", false, true},
        {FELD("Betroffene Tabellen"), "tabellen", Suchfeld::Enthaelt, "queryLog.entities", nullptr},
        {FELD("Anzahl Datensaetze >="), "anzahlVon", Suchfeld::VonZahl, "queryLog.numberOfRows",
         "Anzahl Datensaetze Von ist keine Zahl"},
        {FELD("und <="), "anzahlBis", Suchfeld::BisZahl, "queryLog.numberOfRows",
         "Anzahl Datensaetze Bis ist keine Zahl", false, true},
        {FELD("Infos"), "infos", Suchfeld::Enthaelt, "queryLog.info", nullptr},
        {FELD("ID >="), "idVon", Suchfeld::VonZahl, "queryLog.id", "Von-Id ist keine Zahl"},
        {FELD("und <="), "idBis", Suchfeld::BisZahl, "queryLog.id", "Bis-Id ist keine Zahl", false,
         true},
        {FELD("Abfrage"), "abfrage", Suchfeld::Enthaelt, "queryLog.query", nullptr},
        {FELD("Standort im Code"), "standort", Suchfeld::Enthaelt, "queryLog.location", nullptr},
        {FELD("Abfrageart"), "abfrageart", Suchfeld::Abfrageart, "queryLog.queryType", nullptr},
    };
    return maske;
}

const Suchmaske &sessionSuchmaske()
{
    static const Suchmaske maske = {
        {FELD("Benutzer"), "benutzer", Suchfeld::Enthaelt, "s.benutzername", nullptr},
        {FELD("Start ab"), "startVon", Suchfeld::VonZeit, "s.start_tist", "Start-Ab-Zeitstempel"},
        {FELD("bis"), "startBis", Suchfeld::BisZeit, "s.start_tist", "Start-Bis-Zeitstempel",
         false, true},
        {FELD("Ende ab"), "endeVon", Suchfeld::VonZeit, "s.end_tist", "End-Ab-Zeitstempel"},
        {FELD("bis"), "endeBis", Suchfeld::BisZeit, "s.end_tist", "End-Bis-Zeitstempel", false,
         true},
        {FELD("ID >="), "idVon", Suchfeld::VonZahl, "s.id", "Von-Id ist keine Zahl"},
        {FELD("und <="), "idBis", Suchfeld::BisZahl, "s.id", "Bis-Id ist keine Zahl", false, true},
        {FELD("Betriebssystem"), "betriebssystem", Suchfeld::Enthaelt, "s.ostype", nullptr},
        {FELD("der Version"), "version", Suchfeld::Enthaelt, "s.osversion", nullptr},
        {FELD("Meldung"), "meldung", Suchfeld::Enthaelt, "s.retMessage", nullptr},
        {FELD("Programmversion"), "programmversion", Suchfeld::Enthaelt, "s.programVersion",
         nullptr},
        {FELD("Datenmodellversion"), "datenmodellversion", Suchfeld::Enthaelt,
         "s.dataModelVersion", nullptr},
        {FELD("Generatorversion"), "generatorversion", Suchfeld::Enthaelt, "s.dmgenVersion",
         nullptr},
        {FELD("Rechner"), "rechner", Suchfeld::Enthaelt, "s.hostname", nullptr},
        {FELD("Verbindung zu"), "verbindung", Suchfeld::Enthaelt, "s.connectionURL", nullptr},
        {FELD("Rückgabecode"), "rueckgabecode", Suchfeld::GleichZahl, "s.retCode",
         "Rückgabecode ist keine Zahl"},
    };
    return maske;
}

QString zeitstempelHinweis()
{
    return tr("Zeitstempel koennen als Datum dd.MM.yyyy, als Datum mit minutengenauer Zeit "
              "dd.MM.yyyy hh.mm, oder mit sekundengenauer Zeit dd.MM.yyyy hh.mm.ss eingegeben "
              "werden.  Fuehrende Nullen beim Datum duerfen weggelassen werden, statt dem Punkt "
              "bei der Zeit darf auch ein Doppelpunkt geschrieben werden.");
}

std::optional<Meldung> pruefeSuchwerte(DatabaseContext &ctx, const QString &ort,
                                       const Suchmaske &maske, const Suchwerte &werte)
{
    for (size_t i = 0; i < maske.size() && i < werte.size(); ++i) {
        const Suchfeld &feld = maske[i];
        const QString text = textVon(werte[i]);
        if (text.isEmpty())
            continue;
        Meldung meldung;
        if (istZeit(feld.art) && !parseTimeStamp(text).isValid()) {
            const QString name = QString::fromUtf8(feld.fehler);
            meldung.log = tr("%1 nicht korrekt angegeben.").arg(name);
            meldung.titel = tr("%1 nicht korrekt eingegeben").arg(name);
            meldung.text = tr("Der als %1 angegebene Text %2 ist kein korrekter Zeitstempel. \n\n")
                               .arg(name, werte[i].toString()) +
                           zeitstempelHinweis();
        } else if (istZahl(feld.art)) {
            bool zahl = false;
            text.toLongLong(&zahl);
            if (zahl)
                continue;
            meldung.titel = tr(feld.fehler);
            meldung.text = tr(kKeineZahl);
            meldung.log = meldung.titel + (feld.logMitPunkt ? QStringLiteral(".") : QString());
        } else {
            continue;
        }
        ctx.log(QStringLiteral("Fehlermeldung"), ort, 7, meldung.log);
        return meldung;
    }
    return std::nullopt;
}

QStringList suchbedingungen(const SqlWriter &writer, const Suchmaske &maske,
                            const Suchwerte &werte)
{
    QStringList bedingungen;
    for (size_t i = 0; i < maske.size() && i < werte.size(); ++i) {
        const Suchfeld &feld = maske[i];
        const QString spalte = QString::fromLatin1(feld.spalte);
        const QString text = textVon(werte[i]);
        switch (feld.art) {
        case Suchfeld::Enthaelt:
            if (!text.isEmpty())
                bedingungen << spalte + QStringLiteral(" LIKE ") +
                                   writer.likePattern(text, QStringLiteral("%"),
                                                      QStringLiteral("%"));
            break;
        case Suchfeld::VonZeit:
        case Suchfeld::BisZeit: {
            if (text.isEmpty())
                break;
            QDateTime zeit = parseTimeStamp(text);
            // A bare date as the upper bound takes in the whole day.
            if (feld.art == Suchfeld::BisZeit && !text.contains(QLatin1Char(' ')))
                zeit = zeit.addSecs(24 * 3600 - 1);
            bedingungen << spalte + (feld.art == Suchfeld::VonZeit ? QStringLiteral(" >= ")
                                                                   : QStringLiteral(" <= ")) +
                               writer.literal(zeit, QMetaType::QDateTime);
            break;
        }
        case Suchfeld::VonZahl:
        case Suchfeld::BisZahl:
        case Suchfeld::GleichZahl: {
            if (text.isEmpty())
                break;
            const QString op = feld.art == Suchfeld::VonZahl   ? QStringLiteral(" >= ")
                               : feld.art == Suchfeld::BisZahl ? QStringLiteral(" <= ")
                                                               : QStringLiteral(" = ");
            bedingungen << spalte + op + QString::number(text.toLongLong());
            break;
        }
        case Suchfeld::Session:
        case Suchfeld::Kategorie:
        case Suchfeld::Abfrageart:
            if (werte[i].isValid())
                bedingungen << spalte + QStringLiteral(" = ") +
                                   QString::number(werte[i].toLongLong());
            break;
        }
    }
    return bedingungen;
}
