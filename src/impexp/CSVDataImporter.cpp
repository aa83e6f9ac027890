#include "DataImporter.h"

#include "AnwendungsFehler.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "EntityController.h"
#include "ImportException.h"
#include "PersistenceException.h"
#include "entities/Persistent.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <functional>

namespace {

const QString kKategorie = QStringLiteral("ImportExport");
const QString kOrt = QStringLiteral("CSVDataImporter");
const QString kDateTime = QStringLiteral("dd.MM.yyyy hh:mm:ss");
const QString kSchluss = QStringLiteral(
    " \n\nFalls die Importdatei von Hand erstellt wurde, korrigieren Sie bitte Schema- oder "
    "Datenzeile.  Falls sie automatisch erzeugt wurde, kontaktieren Sie bitte den Administrator.");

[[noreturn]] void fehler(const QString &titel, const QString &text, int zeile = -1)
{
    throw ImportException(kOrt, titel, text, zeile);
}

struct Zeile
{
    int nummer;
    QStringList tokens;
};

} // namespace

QStringList CSVDataImporter::tokens(const QString &text, int zeile)
{
    const auto unmaskiert = [](const QString &s, int i) {
        return s.at(i) == QLatin1Char('"') && (i == 0 || s.at(i - 1) != QLatin1Char('\\'));
    };
    QStringList result;
    result.reserve(text.count(QLatin1Char(';')) + 1);
    QString aktuell;
    bool innen = false;
    for (const QString &stueck : text.split(QLatin1Char(';'))) {
        aktuell = innen ? aktuell + QLatin1Char(';') + stueck : stueck;
        int anzahl = 0;
        for (int i = 0; i < stueck.size(); ++i)
            anzahl += unmaskiert(stueck, i) ? 1 : 0;
        if (anzahl % 2)
            innen = !innen;
        if (innen)
            continue;
        // Trimmed, the enclosing quotes dropped, an escaped quote read as the quote itself.
        const QString roh = aktuell.trimmed();
        QString token;
        token.reserve(roh.size());
        for (int i = 0; i < roh.size(); ++i) {
            if (unmaskiert(roh, i))
                continue;
            if (roh.at(i) == QLatin1Char('\\') && i + 1 < roh.size() &&
                roh.at(i + 1) == QLatin1Char('"'))
                continue;
            token += roh.at(i);
        }
        result << token;
    }
    if (innen)
        fehler(QStringLiteral("Fehlerhafte Anfuehrungszeichen in Zeile %1").arg(zeile),
               QStringLiteral("Beim Einlesen der Zeile %1 der CSV-Datei: Es ist eine ungerade Zahl "
                              "an Anfuehrungszeichen vorhanden.Alles innerhalb eines Paares von "
                              "Anfuehrungszeichen wird als ein Wort angesehen, daher ist diese "
                              "Zeile fehlerhaft.")
                   .arg(zeile),
               zeile);
    return result;
}

namespace {

// The tokens of a line; lines without double quotes are only split and trimmed.
QStringList zerlege(QStringView text, int zeile)
{
    if (text.contains(QLatin1Char('"')))
        return CSVDataImporter::tokens(text.toString(), zeile);
    QStringList result;
    result.reserve(text.count(QLatin1Char(';')) + 1);
    for (const QStringView stueck : text.split(QLatin1Char(';')))
        result.append(stueck.trimmed().toString());
    return result;
}

// The lines of a file with their numbers, decoded as UTF-8, without byte-order mark and
// without blank lines. `gelesen` learns the number of lines once the file is read, `jeZeile`
// is called for each line split into tokens.
QList<Zeile> leseZeilen(const QString &fileName,
                        const std::function<void(qint64)> &gelesen = {},
                        const std::function<void()> &jeZeile = {})
{
    QFile datei(fileName);
    if (!datei.open(QIODevice::ReadOnly))
        fehler(QStringLiteral("Datei nicht lesbar"),
               QStringLiteral("Kann die Datei %1 nicht oeffnen.").arg(fileName));
    QString inhalt = QString::fromUtf8(datei.readAll());
    QStringView rest(inhalt);
    if (rest.startsWith(QChar(0xfeff)))
        rest = rest.mid(1);
    const qsizetype anzahl = rest.count(QLatin1Char('\n')) + 1;
    if (gelesen)
        gelesen(anzahl);
    QList<Zeile> zeilen;
    zeilen.reserve(anzahl);
    int nummer = 0;
    while (nummer < anzahl) {
        ++nummer;
        const qsizetype ende = rest.indexOf(QLatin1Char('\n'));
        QStringView text = ende < 0 ? rest : rest.first(ende);
        rest = ende < 0 ? QStringView() : rest.mid(ende + 1);
        if (jeZeile)
            jeZeile();
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        if (text.trimmed().isEmpty())
            continue;
        zeilen.append({nummer, zerlege(text, nummer)});
    }
    return zeilen;
}

bool istMetaZeile(const QString &art)
{
    return art == DataSet::kDatenmodellVersion || art == DataSet::kGeneratorVersion ||
           art == DataSet::kGeschriebenAm;
}

} // namespace

CSVDataImporter::MetaInformation CSVDataImporter::leseMetaInformationen(const QString &fileName)
{
    QMap<QString, QList<Zeile>> meta;
    for (const Zeile &zeile : leseZeilen(fileName))
        if (istMetaZeile(zeile.tokens.first()))
            meta[zeile.tokens.first()].append(zeile);
    MetaInformation info;
    for (const QString &art :
         {DataSet::kDatenmodellVersion, DataSet::kGeneratorVersion, DataSet::kGeschriebenAm}) {
        const QList<Zeile> zeilen = meta.value(art);
        if (zeilen.isEmpty())
            fehler(QStringLiteral("Fehlende Zeile"),
                   QStringLiteral("Es muss in der CSV-Datei genau eine Zeile geben, die mit dem "
                                  "Schluesselwort %1 beginnt.  Diese fehlt.")
                       .arg(art));
        if (zeilen.size() > 1)
            fehler(
                QStringLiteral("Doppelte Zeile"),
                QStringLiteral("Es darf in der CSV-Datei nur genau eine Zeile geben, die mit dem "
                               "Schluesselwort %1 beginnt.")
                    .arg(art),
                zeilen[1].nummer);
        const Zeile &zeile = zeilen.front();
        if (zeile.tokens.size() != 2)
            fehler(QStringLiteral("Falsche Zeilenlaenge"),
                   QStringLiteral("Die Zeile, die mit dem Schluesselwort %1 beginnt muss inklusive "
                                  "des Schluesselworts genau zwei Datenworte haben.  Sie hat aber "
                                  "%2 Datenworte.")
                       .arg(art)
                       .arg(zeile.tokens.size()),
                   zeile.nummer);
        const QString &wert = zeile.tokens[1];
        if (art == DataSet::kDatenmodellVersion) {
            info.datenmodellVersion = wert;
        } else if (art == DataSet::kGeneratorVersion) {
            info.generatorVersion = wert;
        } else {
            info.geschriebenAm = QDateTime::fromString(wert, kDateTime);
            if (!info.geschriebenAm.isValid())
                fehler(QStringLiteral("Ungueltiger Zeitstempel"),
                       QStringLiteral("Der Zeitstempel %1 ist nicht gueltig.  Zeitstempel in "
                                      "csv-Dateien muessen das Format dd.MM.yyyy hh:mm:ss haben.")
                           .arg(wert),
                       zeile.nummer);
        }
    }
    return info;
}

void CSVDataImporter::pruefeDatenmodellVersion(DatabaseContext &ctx, const MetaInformation &meta)
{
    const EntityDescription *info = ctx.dataModel().entity(QStringLiteral("DataModelInfo"));
    const int index = int(ctx.dataModel().entities().indexOf(info));
    const ControllerDef def{"DataModelInfoController", index, true};
    size_t zeilen = 0;
    try {
        zeilen = EntityController(ctx, def).select({}, false, {}, true, false).size();
    } catch (const PersistenceException &) {
        zeilen = 0;
    }
    if (zeilen != 1)
        fehler(QStringLiteral("Datenmodell-Information fehlerhaft"),
               QStringLiteral("Die Datenmodell-Informationen (Version etc.) konnten nicht sauber "
                              "geladen werden. \n\nBitte kontaktieren Sie den Administrator."));
    if (meta.datenmodellVersion.isEmpty())
        fehler(
            QStringLiteral("Keine Datenmodellversion angegeben"),
            QStringLiteral("Es wurde keine Datenmodellversion in der Importdatei angegeben. Diese "
                           "kann in einer Zeile der Format \"DatenmodellVersion;version\" "
                           "angegeben werden, wobei statt \"version\" die Datenmodellversion "
                           "angegeben wird."));
    if (meta.datenmodellVersion != ctx.dataModel().version())
        fehler(QStringLiteral("Abweichende Datenmodellversion erkannt"),
               QStringLiteral("Die Datenmodellversion des Programms ist %1, die in der Importdatei "
                              "aber %2.")
                   .arg(ctx.dataModel().version(), meta.datenmodellVersion));
}

void CSVDataImporter::lies(const QString &fileName, DataSet &daten)
{
    // Each line is counted when split into tokens and again when it became a row.
    qint64 zeilenDerDatei = 0;
    const QList<Zeile> zeilen = leseZeilen(
        fileName,
        [this, &zeilenDerDatei](qint64 anzahl) {
            zeilenDerDatei = anzahl;
            status(QStringLiteral("Import begonnen"));
            status(QStringLiteral("Beginne mit dem Lesen der Daten"));
            phase(QStringLiteral("Lesen"), 2 * anzahl);
        },
        [this] { zeileErledigt(); });
    QList<const Zeile *> schemaZeilen, datenZeilen;
    for (const Zeile &zeile : zeilen) {
        const QString &art = zeile.tokens.first();
        if (istMetaZeile(art))
            continue;
        if (art != DataSet::kSchema && art != DataSet::kDaten)
            fehler(
                QStringLiteral("Zeile %1 der CSV-Datei ist weder Schema- noch Datenzeile")
                    .arg(zeile.nummer),
                QStringLiteral("Das erste Wort jeder Zeile der CSV-Datei muss die Art der in der "
                               "Zeile gespeicherten Information angeben. Erlaubt sind Schema, "
                               "Daten, DatenmodellVersion, GeneratorVersion und GeschriebenAm. "
                               "Das erste Wort von Zeile %1 ist aber keines dieser "
                               "Schluesselwoerter!")
                    .arg(zeile.nummer),
                zeile.nummer);
        if (zeile.tokens.size() < 2) {
            const QString text =
                QStringLiteral("Zeile %1 der CSV-Datei ist zu kurz").arg(zeile.nummer);
            fehler(text, text, zeile.nummer);
        }
        (art == DataSet::kSchema ? schemaZeilen : datenZeilen).append(&zeile);
    }
    m_ctx.log(kKategorie, kOrt, 6,
              QStringLiteral("%1 Datensaetze gelesen").arg(datenZeilen.size()));

    status(QStringLiteral("Beginne mit dem Vorverarbeiten der Daten"));
    QMap<QString, int> schemata; // entity -> line
    QMap<QString, int> breite;   // entity -> tokens of its schema line
    for (const Zeile *zeile : schemaZeilen) {
        const QString &name = zeile->tokens[1];
        if (schemata.contains(name))
            fehler(
                QStringLiteral("CSV-Datei enthaelt mehrfache Schemainformation zur Entitaet %1")
                    .arg(name),
                QStringLiteral("Die Schemainformation zur Entitaet %1 ist mehrfach vorhanden, u.a. "
                               "in Zeile %2.  Sie darf nur genau einmal vorkommen.")
                    .arg(name)
                    .arg(zeile->nummer),
                zeile->nummer);
        schemata.insert(name, zeile->nummer);
        breite.insert(name, int(zeile->tokens.size()));
        QList<QStringList> pfade;
        for (int i = 2; i < zeile->tokens.size(); ++i) {
            if (zeile->tokens[i].isEmpty())
                fehler(QStringLiteral("Leeres Datenwort in Schemabeschreibung"),
                       QStringLiteral("Die Schemabeschreibung zur Tabelle %1 enthaelt an Position "
                                      "%2 ein leeres Datenwort.  Dies ist nicht erlaubt.")
                           .arg(name)
                           .arg(i + 1),
                       zeile->nummer);
            pfade.append(zeile->tokens[i].split(QLatin1Char('.')));
        }
        if (strategien().strategie(name).ignoriert())
            continue;
        const EntityDescription *entity = m_ctx.dataModel().entity(name);
        if (entity && entity->isAbstract())
            fehler(
                QStringLiteral("Import in abstrakte Entitaet nicht moeglich."),
                QStringLiteral("Die in den zu importierenden Daten angegebene Tabelle %1 existiert "
                               "nicht im Datenmodell.  Wohl aber existiert eine abstrakte Entitaet "
                               "gleichen Namens.  Diese dient aber nur der programminternen "
                               "Organisation und hat keine Entsprechung auf der Datenbank.")
                    .arg(name),
                zeile->nummer);
        try {
            daten.setSchema(name, ImpExpSchema::constructFromAttributePaths(m_ctx, name, pfade));
        } catch (const AnwendungsFehler &f) {
            throw ImportException(f, zeile->nummer);
        }
    }
    m_schemaZeilen = schemata;
    QHash<QString, const Zeile *> schemaZeile;
    for (const Zeile *zeile : schemaZeilen)
        schemaZeile.insert(zeile->tokens[1], zeile);
    zeileErledigt(zeilenDerDatei - datenZeilen.size());
    for (const Zeile *zeile : datenZeilen) {
        zeileErledigt();
        const QString &name = zeile->tokens[1];
        if (strategien().strategie(name).ignoriert()) {
            m_ctx.log(kKategorie, QStringLiteral("IgnoreImportStrategy"), 4,
                      QStringLiteral("Ignoring tuple of type ") + name);
            ++m_ignoriert;
            continue;
        }
        if (!schemata.contains(name))
            fehler(QStringLiteral("Fehlende Schemainformation"),
                   QStringLiteral("Zur Tabelle %1 ist keine Schemainformation vorhanden. Bitte "
                                  "ergaenzen Sie eine Schema-Zeile fuer diese Tabelle.")
                       .arg(name),
                   zeile->nummer);
        const int soll = breite.value(name);
        const int ist = int(zeile->tokens.size());
        if (ist < soll)
            fehler(
                QStringLiteral("Datenzeile zu kurz"),
                QStringLiteral("Die Datenzeile %1 zur Tabelle %2 ist zu kurz.  Sie muss "
                               "Datenworte zu allen Eintraegen in der dazugehoerigen Schemazeile "
                               "enthalten.  Die Schemazeile enthaelt %3 Datenworte, die "
                               "Datenzeile aber %4 Datenworte.")
                        .arg(zeile->nummer)
                        .arg(name)
                        .arg(soll)
                        .arg(ist) +
                    kSchluss,
                zeile->nummer);
        if (ist > soll)
            fehler(
                QStringLiteral("Datenwort ohne Entsprechung im Schema"),
                QStringLiteral("In der Datenzeile %1 zur Tabelle %2 steht an Position %3 ein "
                               "Datenwort, das keine Entsprechung in der Schemazeile zur Tabelle "
                               "%2 hat.")
                        .arg(zeile->nummer)
                        .arg(name)
                        .arg(soll + 1) +
                    kSchluss,
                zeile->nummer);
        const Zeile *schema = schemaZeile.value(name);
        DataTuple &tupel = daten.addTuple(name, zeile->nummer);
        for (int i = 2; i < soll; ++i)
            tupel.setValue(schema->tokens[i], zeile->tokens[i]);
    }
}
