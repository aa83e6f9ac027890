#include "DataImporter.h"

#include "DataExporter.h"

#include "AnwendungsFehler.h"
#include "BatchController.h"
#include "CodeManager.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "EntityController.h"
#include "ImportException.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "entities/Persistent.h"

#include <mysql++/mysql++.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>

namespace {

const QString kKategorie = QStringLiteral("ImportExport");
const QString kOrt = QStringLiteral("DataImporter");
const QString kDateTime = QStringLiteral("dd.MM.yyyy hh:mm:ss");
const QChar kTrenner(0x1f);
const QString kNull = QStringLiteral("\x1e");

// Thrown when the caller does not want the import to go on.
struct Abgebrochen
{};

[[noreturn]] void fehler(const QString &titel, const QString &text, int zeile = -1)
{
    throw ImportException(kOrt, titel, text, zeile);
}

int metaTypeOf(const AttributeDescription &attribute)
{
    return attribute.entity()->classInfo().slotAt(attribute.row()).metaType;
}

bool isBlob(const AttributeDescription &attribute)
{
    return attribute.dbType() == QLatin1String("longblob");
}

// A cell of a BLOB column names a plain file in the directory of the import file; null when
// it names anything else (another directory, a link, a missing or unreadable file).
std::optional<QString> blobDatei(const QDir &verzeichnis, const QString &zelle)
{
    const QString name = CSVDataExporter::replaceUmlauts(zelle);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return std::nullopt;
    const QString pfad = verzeichnis.filePath(name);
    const QFileInfo info(pfad);
    if (info.isSymLink() || !info.isFile() || !info.isReadable())
        return std::nullopt;
    return pfad;
}

// A date written "d.M.yyyy" or "yyyy-M-d" (leading zeros optional); invalid otherwise.
QDate leseDatum(const QString &text)
{
    const bool deutsch = text.contains(QLatin1Char('.'));
    const auto teile = QStringView(text).split(deutsch ? QLatin1Char('.') : QLatin1Char('-'));
    if (teile.size() != 3)
        return {};
    int zahlen[3];
    for (int i = 0; i < 3; ++i) {
        const bool jahr = i == (deutsch ? 2 : 0);
        const QStringView teil = teile[i];
        if (teil.isEmpty() || teil.size() > (jahr ? 4 : 2) || (jahr && teil.size() != 4))
            return {};
        for (const QChar c : teil)
            if (!c.isDigit() || c.unicode() > '9')
                return {};
        zahlen[i] = teil.toInt();
    }
    return deutsch ? QDate(zahlen[2], zahlen[1], zahlen[0])
                   : QDate(zahlen[0], zahlen[1], zahlen[2]);
}

// A value as the text that identifies it exactly.
QString exakt(const QVariant &wert)
{
    if (!wert.isValid())
        return kNull;
    switch (wert.typeId()) {
    case QMetaType::QDate:
        return QLatin1Char('v') + wert.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return QLatin1Char('v') + wert.toDateTime().toString(Qt::ISODate);
    case QMetaType::Bool:
        return wert.toBool() ? QStringLiteral("v1") : QStringLiteral("v0");
    case QMetaType::Double:
        return QLatin1Char('v') + QString::number(wert.toDouble(), 'g', 17);
    default:
        return QLatin1Char('v') + wert.toString();
    }
}

// Appends a number as four characters of 16 bits.
void haengeBinaerAn(QString &ziel, quint64 zahl)
{
    for (int i = 0; i < 4; ++i, zahl >>= 16)
        ziel += QChar(char16_t(zahl & 0xffff));
}

// Appends what `exakt` gives, without a text of its own for plain texts.
void haengeExaktAn(QString &ziel, const QVariant &wert)
{
    if (wert.typeId() == QMetaType::QString) {
        ziel += QLatin1Char('v');
        ziel += *static_cast<const QString *>(wert.constData());
    } else {
        ziel += exakt(wert);
    }
}

// A value as the database compares it with the columns' collation: texts without regard
// to case, accents and trailing blanks.
QString gefaltet(const QVariant &wert);

// Appends what `gefaltet` gives; plain ASCII texts without a text of their own.
void haengeGefaltetAn(QString &ziel, const QVariant &wert)
{
    if (wert.typeId() != QMetaType::QString) {
        ziel += exakt(wert);
        return;
    }
    const QString &text = *static_cast<const QString *>(wert.constData());
    if (!std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        ziel += gefaltet(wert);
        return;
    }
    qsizetype ende = text.size();
    while (ende > 0 && text.at(ende - 1) == QLatin1Char(' '))
        --ende;
    ziel += QLatin1Char('v');
    for (qsizetype i = 0; i < ende; ++i) {
        const char16_t c = text.at(i).unicode();
        ziel += QChar(c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c);
    }
}

QString gefaltet(const QVariant &wert)
{
    if (!wert.isValid() || wert.typeId() != QMetaType::QString)
        return exakt(wert);
    QString text = wert.toString();
    const bool ascii =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii)
        text = text.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0xdf))
            result += QStringLiteral("ss");
        else
            result += c;
    }
    while (result.endsWith(QLatin1Char(' ')))
        result.chop(1);
    return QLatin1Char('v') + result.toCaseFolded();
}

// Some fields of a row for a message; passwords are left out.
QString felder(const DataTuple &tupel, int hoechstens = 10)
{
    QStringList teile;
    const auto &daten = tupel.data();
    for (auto it = daten.cbegin(); it != daten.cend() && teile.size() < hoechstens; ++it)
        if (it->kind == DataTuple::Datum::Value && it->value.isValid() &&
            !it.key().endsWith(QLatin1String("password")))
            teile << it.key() + QLatin1Char('=') + it->value.toString();
    return teile.join(QStringLiteral(", "));
}

} // namespace

// One run of an import: the data set of the file, the resolution of its references and
// the mapping to stored rows, and the writing.
class DataImporter::Lauf
{
public:
    Lauf(DataImporter &importer, const QString &fileName)
        : m_importer(importer), m_ctx(importer.m_ctx),
          m_verzeichnis(QFileInfo(fileName).absoluteDir())
    {}

    DataSet daten;

    void vorverarbeiten();
    void schreiben(ImportResult &ergebnis);

private:
    // Where a reference leads: nowhere (all its columns empty), to a row of the import, to a
    // stored row, or not found.
    struct Ziel
    {
        enum Art
        {
            Keins,
            Tupel,
            Id,
            Offen
        } art = Offen;
        DataTuple *tupel = nullptr;
        qlonglong id = -1;
    };
    // The rows of one entity (of the import or stored) by the values of some attributes.
    struct Index
    {
        QList<const AttributeDescription *> attribute; // sorted by name
        QHash<QString, QList<DataTuple *>> tupel;
        QHash<QString, QList<qlonglong>> ids;
        bool inArbeit = false;
        bool fertig = false;
    };
    // The index of `entity` by the attributes in `indizes` (sorted by name; empty when new).
    static Index &indexEintrag(std::map<QString, Index> &indizes, const EntityDescription &entity,
                               QList<const AttributeDescription *> attribute);

    void konvertiereBasistypen();
    void pruefeBlobs();
    void pruefePfadeUndStrategien();
    void loeseVerweiseAuf();
    void bildeAufDatenbankAb();
    void erkenneDuplikate();

    const ControllerDef &controllerDef(const EntityDescription &entity);
    bool nachInhalt(const EntityDescription &entity) const;
    // The attributes that match rows of `entity` with stored rows and with each other.
    const QList<const AttributeDescription *> &schluessel(const EntityDescription &entity);
    std::vector<DataTuple *> zuImportieren(const QString &entity) const;
    qint64 anzahl() const;
    Ziel verweisVon(DataTuple &tupel, const QString &attribut);
    Ziel loese(DataTuple &tupel, const ForeignKeyNode &knoten);
    // The path keys of the node's entries ("verein.name").
    const QStringList &pfadeVon(const ForeignKeyNode &knoten);
    QString identitaet(const Ziel &ziel) const;
    Index &importIndex(const EntityDescription &entity,
                       QList<const AttributeDescription *> attribute);
    Index &datenbankIndex(const EntityDescription &entity,
                          QList<const AttributeDescription *> attribute);
    // The stored row a row of the import overwrites; -1 when it is new.
    qlonglong datenbankId(DataTuple &tupel);
    QStringList schreibreihenfolge() const;
    void fuelle(DataTuple &tupel, const EntityDescription &entity, Persistent &objekt,
                std::vector<std::pair<int, const DataTuple *>> &offen);

    DataImporter &m_importer;
    DatabaseContext &m_ctx;
    QDir m_verzeichnis;
    std::map<QString, std::pair<std::string, ControllerDef>> m_defs;
    // Per row (by its number) the targets of its references found so far.
    std::vector<std::vector<std::pair<QString, Ziel>>> m_verweise;
    QHash<const ForeignKeyNode *, QStringList> m_pfade;
    std::vector<qlonglong> m_ids; // per row (by its number) the stored row it overwrites
    std::unordered_map<const EntityDescription *, Index *> m_schluesselIndex;
    std::map<QString, Index> m_importIndizes;
    std::map<QString, Index> m_datenbankIndizes;
    QHash<const ForeignKeyNode *, Index *> m_importIndexJeKnoten;
    QHash<const ForeignKeyNode *, Index *> m_datenbankIndexJeKnoten;
    QHash<QString, Ziel> m_ziele; // per node and the values given for it
    std::map<QString, QList<const AttributeDescription *>> m_schluessel;
    QHash<QString, int> m_vergeben; // stored rows of equal content already matched, per content
};

DataImporter::DataImporter(DatabaseContext &ctx) : m_ctx(ctx) {}

DataImporter::~DataImporter() = default;

void DataImporter::status(const QString &text)
{
    m_ctx.log(kKategorie, QStringLiteral("DataImporter"), 6, text);
    if (m_status)
        m_status(text);
}

void DataImporter::phase(const QString &name, qint64 gesamt)
{
    m_stand = ImportFortschritt{name, 0, gesamt};
    m_aufrufe = 0;
    melde();
}

void DataImporter::zeileErledigt(qint64 zeilen)
{
    m_stand.erledigt += zeilen;
    if ((++m_aufrufe & 255) == 0)
        melde();
}

void DataImporter::melde()
{
    if (m_fortschritt)
        m_fortschritt(m_stand);
    if (m_fortsetzen && !m_fortsetzen())
        throw Abgebrochen();
}

const ControllerDef &DataImporter::Lauf::controllerDef(const EntityDescription &entity)
{
    auto it = m_defs.find(entity.codeName());
    if (it == m_defs.end()) {
        const int index = int(m_ctx.dataModel().entities().indexOf(&entity));
        const bool logToDatabase = entity.codeName() != QLatin1String("EventLog") &&
                                   entity.codeName() != QLatin1String("QueryLog");
        it = m_defs
                 .emplace(entity.codeName(),
                          std::make_pair(
                              (entity.codeName() + QStringLiteral("Controller")).toStdString(),
                              ControllerDef{nullptr, index, logToDatabase}))
                 .first;
        it->second.second.name = it->second.first.c_str();
    }
    return it->second.second;
}

bool DataImporter::Lauf::nachInhalt(const EntityDescription &entity) const
{
    return m_importer.m_strategien.strategie(entity.codeName()).nachInhalt();
}

const QList<const AttributeDescription *> &
DataImporter::Lauf::schluessel(const EntityDescription &entity)
{
    auto it = m_schluessel.find(entity.codeName());
    if (it != m_schluessel.end())
        return it->second;
    QList<const AttributeDescription *> attribute = entity.impExpKey();
    if (nachInhalt(entity)) {
        attribute.clear();
        for (const ColumnInfo &spalte : entity.columns()) {
            const QString &name = spalte.attribute->codeName();
            if (!spalte.attribute->isPrimaryKey() && !name.endsWith(QLatin1String("_tist")) &&
                !isBlob(*spalte.attribute))
                attribute << spalte.attribute;
        }
        // The time a row was written belongs to its content.
        if (const AttributeDescription *zeit = entity.attribute(QStringLiteral("execution_tist")))
            attribute << zeit;
    }
    return m_schluessel.emplace(entity.codeName(), attribute).first->second;
}

std::vector<DataTuple *> DataImporter::Lauf::zuImportieren(const QString &entity) const
{
    std::vector<DataTuple *> result;
    if (!daten.schema(entity))
        return result;
    for (const auto &tupel : daten.tuples(entity))
        result.push_back(tupel.get());
    return result;
}

qint64 DataImporter::Lauf::anzahl() const
{
    qint64 result = 0;
    for (const QString &name : daten.entityNames())
        if (daten.schema(name))
            result += qint64(daten.tuples(name).size());
    return result;
}

void DataImporter::Lauf::vorverarbeiten()
{
    // The types are converted and the rows checked by their strategies: two steps per row.
    m_importer.phase(QStringLiteral("Pruefen"), 2 * anzahl());
    konvertiereBasistypen();
    m_importer.status(
        QStringLiteral("Pruefung auf korrekte Syntax der Basistypen erfolgreich abgeschlossen."));
    pruefeBlobs();
    m_importer.status(
        QStringLiteral("Alle aus der Eingabedatei referenzierten Dateien sind vorhanden."));
    pruefePfadeUndStrategien();
    m_importer.status(QStringLiteral("Pruefungen und Konvertierungen erfolgreich abgeschlossen"));
    loeseVerweiseAuf();
    m_importer.status(QStringLiteral("Fremdschluesselbeziehungen erfolgreich aufgeloest"));
    bildeAufDatenbankAb();
    m_importer.status(
        QStringLiteral("Zuordnung zu Tupeln auf der Datenbank erfolgreich hergestellt"));
    erkenneDuplikate();
    m_importer.status(QStringLiteral("Duplikaterkennung erfolgreich abgeschlossen"));
}

void DataImporter::Lauf::konvertiereBasistypen()
{
    for (const QString &name : daten.entityNames()) {
        const ImpExpSchema *schema = daten.schema(name);
        if (!schema)
            continue;
        // Per column: its path key and the attribute at its end.
        std::vector<std::pair<QString, const AttributeDescription *>> spalten;
        for (const QStringList &pfad : schema->allPaths()) {
            const EntityDescription *tabelle = &schema->entity();
            const AttributeDescription *attribut = nullptr;
            for (const QString &glied : pfad) {
                attribut = tabelle->attribute(glied);
                if (attribut->referencedEntity())
                    tabelle = attribut->referencedEntity();
            }
            spalten.emplace_back(pfad.join(QLatin1Char('.')), attribut);
        }
        for (DataTuple *tupel : zuImportieren(name)) {
            m_importer.zeileErledigt();
            for (const auto &spalte : spalten) {
                const QString &schluessel = spalte.first;
                const AttributeDescription *attribut = spalte.second;
                const DataTuple::Datum *datum = tupel->datum(schluessel);
                const QString text = datum ? datum->value.toString() : QString();
                if (text.isEmpty()) {
                    tupel->setValue(schluessel, QVariant());
                    continue;
                }
                if (isBlob(*attribut))
                    continue;
                const auto falsch = [&](const char *titel, const char *art) {
                    fehler(QString::fromLatin1(titel),
                           QStringLiteral("Der Wert %3 in der Spalte %1 der Tabelle %2 ist %4.")
                               .arg(schluessel, name, text, QString::fromLatin1(art)),
                           tupel->line());
                };
                QVariant wert;
                bool ok = true;
                switch (metaTypeOf(*attribut)) {
                case QMetaType::QDate: {
                    const QDate tag = leseDatum(text);
                    if (!tag.isValid())
                        falsch("Datum falsch angegeben",
                               "kein gueltiges Datum.  Ein Datum wird in der Form T.M.JJJJ oder "
                               "JJJJ-M-T angegeben");
                    wert = tag;
                    break;
                }
                case QMetaType::QDateTime: {
                    const QDateTime zeit = QDateTime::fromString(text, kDateTime);
                    if (!zeit.isValid())
                        falsch("Zeitstempel falsch angegeben",
                               "kein gueltiger Zeitstempel.  Zeitstempel haben das Format "
                               "dd.MM.yyyy hh:mm:ss");
                    wert = zeit;
                    break;
                }
                case QMetaType::Int:
                    wert = text.toInt(&ok);
                    break;
                case QMetaType::LongLong:
                    wert = text.toLongLong(&ok);
                    break;
                case QMetaType::Double:
                    wert = QLocale::c().toDouble(text, &ok);
                    break;
                case QMetaType::Bool:
                    if (text != QLatin1String("true") && text != QLatin1String("false"))
                        falsch("Wahrheitswert falsch angegeben",
                               "kein gueltiger Wahrheitswert.  Erlaubt sind nur true und false");
                    wert = text == QLatin1String("true");
                    break;
                default:
                    continue; // texts stay as they were read
                }
                if (!ok)
                    falsch("Zahl falsch angegeben", "keine gueltige Zahl");
                tupel->setValue(schluessel, wert);
            }
        }
    }
}

void DataImporter::Lauf::pruefeBlobs()
{
    for (const QString &name : daten.entityNames()) {
        const ImpExpSchema *schema = daten.schema(name);
        if (!schema)
            continue;
        for (const AttributeDescription *attribut : schema->plainAttributes()) {
            if (!isBlob(*attribut))
                continue;
            for (DataTuple *tupel : zuImportieren(name)) {
                m_importer.zeileErledigt(0);
                const DataTuple::Datum *datum = tupel->datum(attribut->codeName());
                const QString zelle = datum ? datum->value.toString() : QString();
                if (!zelle.isEmpty() && !blobDatei(m_verzeichnis, zelle))
                    fehler(QStringLiteral("Kann Datei nicht oeffnen"),
                           QStringLiteral("Binaerdaten werden nicht aus der Importdatei selbst, "
                                          "sondern aus separaten Dateien importiert.  In der "
                                          "Importdatei befinden sich nur Verweise auf die zu "
                                          "importierenden separaten Binaerdateien. \n\nDie "
                                          "Binaerdatei %1 ist entweder nicht vorhanden, oder "
                                          "konnte nicht geoeffnet werden.")
                               .arg(zelle),
                           tupel->line());
            }
        }
    }
}

void DataImporter::Lauf::pruefePfadeUndStrategien()
{
    for (const QString &name : daten.entityNames()) {
        const ImpExpSchema *schema = daten.schema(name);
        if (!schema)
            continue;
        QSet<QString> erlaubt;
        for (const QStringList &pfad : ImpExpSchema::construct(m_ctx, schema->entity())->allPaths())
            erlaubt.insert(pfad.join(QLatin1Char('.')));
        for (const QStringList &pfad : schema->allPaths()) {
            const QString text = pfad.join(QLatin1Char('.'));
            if (!erlaubt.contains(text))
                fehler(QStringLiteral("Unbekannter Pfad gefunden"),
                       QStringLiteral("In der Importdatei ist ein Pfad %1 fuer Datensaetze der "
                                      "Tabelle %2 angegeben.  Dieser ist laut Datenmodell nicht "
                                      "erlaubt. Bitte beheben Sie den Fehler, oder kontaktieren "
                                      "Sie den Administrator.")
                           .arg(text, name),
                       m_importer.m_schemaZeilen.value(name, -1));
        }
        const ImportStrategy &strategie = m_importer.m_strategien.strategie(name);
        for (DataTuple *tupel : zuImportieren(name)) {
            m_importer.zeileErledigt();
            strategie.pruefe(m_ctx, *tupel);
        }
    }
}

QString DataImporter::Lauf::identitaet(const Ziel &ziel) const
{
    switch (ziel.art) {
    case Ziel::Tupel:
        return QLatin1Char('t') + QString::number(ziel.tupel->number());
    case Ziel::Id:
        return QLatin1Char('d') + QString::number(ziel.id);
    default:
        return kNull;
    }
}

const QStringList &DataImporter::Lauf::pfadeVon(const ForeignKeyNode &knoten)
{
    auto it = m_pfade.find(&knoten);
    if (it == m_pfade.end()) {
        QStringList pfade;
        for (const ForeignKeyNode::Entry &eintrag : knoten.entries())
            pfade << knoten.pathKey() + QLatin1Char('.') + eintrag.attribute->codeName();
        it = m_pfade.insert(&knoten, pfade);
    }
    return *it;
}

DataImporter::Lauf::Ziel DataImporter::Lauf::verweisVon(DataTuple &tupel, const QString &attribut)
{
    if (tupel.isFinished()) {
        // Its references are resolved and stored in the row.
        Ziel ziel;
        ziel.art = Ziel::Keins;
        if (const DataTuple::Datum *datum = tupel.datum(attribut)) {
            if (datum->kind == DataTuple::Datum::Tuple) {
                ziel.art = Ziel::Tupel;
                // The rows belong to the data set, which this run may change.
                ziel.tupel = const_cast<DataTuple *>(datum->tuple);
            } else if (datum->kind == DataTuple::Datum::ForeignKey) {
                ziel.art = Ziel::Id;
                ziel.id = datum->foreignKey;
            }
        }
        return ziel;
    }
    const size_t nummer = size_t(std::max(tupel.number(), 0));
    if (nummer >= m_verweise.size())
        m_verweise.resize(std::max(nummer + 1, m_verweise.size() * 2));
    for (const auto &[name, ziel] : m_verweise[nummer])
        if (name == attribut)
            return ziel;
    Ziel ziel;
    ziel.art = Ziel::Keins;
    const ImpExpSchema *schema = daten.schema(tupel.entityName());
    const ForeignKeyGraph *graph = schema ? schema->graph(attribut) : nullptr;
    if (const ForeignKeyNode *knoten = graph ? graph->root().edgeTarget(attribut) : nullptr)
        ziel = loese(tupel, *knoten);
    m_verweise[nummer].emplace_back(attribut, ziel);
    return ziel;
}

DataImporter::Lauf::Ziel DataImporter::Lauf::loese(DataTuple &tupel, const ForeignKeyNode &knoten)
{
    // The values given for the node and the targets of its inner references, in the order
    // of its entries; rows naming the same values lead to the same target, so a target once
    // found is remembered under the node and these values.
    const std::vector<ForeignKeyNode::Entry> &eintraege = knoten.entries();
    const QStringList pfade = pfadeVon(knoten); // a copy: inner nodes may add to the cache
    QVarLengthArray<QVariant, 8> werte(qsizetype(eintraege.size()));
    QVarLengthArray<Ziel, 8> innere(qsizetype(eintraege.size()));
    QString gedaechtnis;
    gedaechtnis.reserve(64);
    haengeBinaerAn(gedaechtnis, quintptr(&knoten));
    bool leer = true;
    for (size_t i = 0; i < eintraege.size(); ++i) {
        if (eintraege[i].target) {
            innere[i] = loese(tupel, *eintraege[i].target);
            if (innere[i].art == Ziel::Offen)
                return innere[i];
            leer = leer && innere[i].art == Ziel::Keins;
            gedaechtnis += QChar(u'0' + innere[i].art);
            haengeBinaerAn(gedaechtnis, innere[i].art == Ziel::Tupel ? quint64(innere[i].tupel->number())
                                                                     : quint64(innere[i].id));
        } else {
            const DataTuple::Datum *datum = tupel.datum(pfade[int(i)]);
            if (datum)
                werte[i] = datum->value;
            leer = leer && !werte[i].isValid();
            const qsizetype anfang = gedaechtnis.size();
            gedaechtnis += QLatin1String("\0\0", 2);
            haengeExaktAn(gedaechtnis, werte[i]);
            const quint32 laenge = quint32(gedaechtnis.size() - anfang);
            gedaechtnis[anfang] = QChar(char16_t(laenge & 0xffff));
            gedaechtnis[anfang + 1] = QChar(char16_t(laenge >> 16));
        }
    }
    Ziel ziel;
    if (leer) {
        ziel.art = Ziel::Keins;
        return ziel;
    }
    const auto bekannt = m_ziele.constFind(gedaechtnis);
    if (bekannt != m_ziele.cend())
        return *bekannt;

    const EntityDescription &entity = knoten.entity();
    Index *&imIndex = m_importIndexJeKnoten[&knoten];
    if (!imIndex) {
        QList<const AttributeDescription *> attribute;
        for (const ForeignKeyNode::Entry &eintrag : eintraege)
            attribute.append(eintrag.attribute);
        imIndex = &importIndex(entity, attribute);
    }
    // The position of an attribute among the entries.
    const auto stelle = [&](const AttributeDescription *attribut) {
        for (size_t i = 0; i < eintraege.size(); ++i)
            if (eintraege[i].attribute == attribut)
                return i;
        return size_t(0);
    };
    QStringList exakteTeile;
    for (const AttributeDescription *attribut : imIndex->attribute) {
        const size_t i = stelle(attribut);
        exakteTeile << (attribut->isForeignKey() ? identitaet(innere[i]) : exakt(werte[i]));
    }
    const QString exakterSchluessel = exakteTeile.join(kTrenner);
    const QList<DataTuple *> imImport = imIndex->tupel.value(exakterSchluessel);
    QList<qlonglong> gespeichert;
    if (imImport.size() != 1) {
        QStringList gefalteteTeile;
        bool inDatenbankMoeglich = true;
        for (const AttributeDescription *attribut : imIndex->attribute) {
            const size_t i = stelle(attribut);
            if (!attribut->isForeignKey()) {
                gefalteteTeile << gefaltet(werte[i]);
            } else if (innere[i].art == Ziel::Tupel) {
                const qlonglong id = datenbankId(*innere[i].tupel);
                inDatenbankMoeglich = inDatenbankMoeglich && id >= 0;
                gefalteteTeile << QLatin1Char('d') + QString::number(id);
            } else {
                gefalteteTeile << identitaet(innere[i]);
            }
        }
        Index *&dbIndex = m_datenbankIndexJeKnoten[&knoten];
        if (!dbIndex)
            dbIndex = &datenbankIndex(entity, imIndex->attribute);
        if (inDatenbankMoeglich)
            gespeichert = dbIndex->ids.value(gefalteteTeile.join(kTrenner));
    }
    if (imImport.size() > 1 || (imImport.isEmpty() && gespeichert.size() > 1))
        fehler(QStringLiteral("Verweis nicht eindeutig aufloesbar."),
               QStringLiteral("Der Verweis %1 ist fuer einen Datensatz der Tabelle %4 nicht "
                              "eindeutig aufloesbar. Es gibt %2 Treffer auf der Datenbank und %3 "
                              "Treffer in den gerade importierten Daten. \n\nIst der "
                              "Import/Export-Schluessel der entsprechenden Tabelle wirklich in "
                              "allen Faellen eindeutig?  Enthalten die Import-Daten eventuell "
                              "Duplikat-Datensaetze (z.B. mehrere gleiche Zeilen)? \n\nBitte "
                              "pruefen Sie ihre Import-Daten oder kontaktieren Sie Ihren "
                              "Administrator. \n\nDer Inhalt einiger Felder des Datensatzes: \n %5")
                   .arg(knoten.pathKey())
                   .arg(gespeichert.size())
                   .arg(imImport.size())
                   .arg(tupel.entityName(), felder(tupel)),
               tupel.line());
    if (imImport.size() == 1) {
        ziel.art = Ziel::Tupel;
        ziel.tupel = imImport.front();
    } else if (gespeichert.size() == 1) {
        ziel.art = Ziel::Id;
        ziel.id = gespeichert.front();
    }
    m_ziele.insert(gedaechtnis, ziel);
    return ziel;
}

DataImporter::Lauf::Index &
DataImporter::Lauf::indexEintrag(std::map<QString, Index> &indizes, const EntityDescription &entity,
                                 QList<const AttributeDescription *> attribute)
{
    std::sort(attribute.begin(), attribute.end(),
              [](const AttributeDescription *a, const AttributeDescription *b) {
                  return a->codeName() < b->codeName();
              });
    QString signatur = entity.codeName();
    for (const AttributeDescription *attribut : attribute)
        signatur += kTrenner + attribut->codeName();
    Index &index = indizes[signatur];
    index.attribute = attribute;
    return index;
}

DataImporter::Lauf::Index &
DataImporter::Lauf::importIndex(const EntityDescription &entity,
                                QList<const AttributeDescription *> attribute)
{
    Index &index = indexEintrag(m_importIndizes, entity, attribute);
    if (index.fertig)
        return index;
    if (index.inArbeit)
        fehler(
            QStringLiteral("Interner Fehler"),
            QStringLiteral("Der Import/Export-Schluessel der Tabelle %1 verweist auf sich selbst.")
                .arg(entity.codeName()));
    index.inArbeit = true;
    for (DataTuple *kandidat : zuImportieren(entity.codeName())) {
        QStringList teile;
        bool bekannt = true;
        for (const AttributeDescription *attribut : index.attribute) {
            if (attribut->isForeignKey()) {
                const Ziel ziel = verweisVon(*kandidat, attribut->codeName());
                bekannt = bekannt && ziel.art != Ziel::Offen;
                teile << identitaet(ziel);
            } else {
                const DataTuple::Datum *datum = kandidat->datum(attribut->codeName());
                teile << exakt(datum && datum->kind == DataTuple::Datum::Value ? datum->value
                                                                               : QVariant());
            }
        }
        if (bekannt)
            index.tupel[teile.join(kTrenner)].append(kandidat);
    }
    index.fertig = true;
    return index;
}

DataImporter::Lauf::Index &
DataImporter::Lauf::datenbankIndex(const EntityDescription &entity,
                                   QList<const AttributeDescription *> attribute)
{
    Index &index = indexEintrag(m_datenbankIndizes, entity, attribute);
    if (index.fertig)
        return index;
    QSet<QString> spalten{QStringLiteral("id")};
    for (const AttributeDescription *attribut : index.attribute)
        spalten.insert(attribut->codeName());
    const auto zeilen =
        EntityController(m_ctx, controllerDef(entity)).select({}, true, spalten, true, false);
    for (const auto &zeile : zeilen) {
        QStringList teile;
        for (const AttributeDescription *attribut : index.attribute) {
            const QVariant &wert = zeile->rawValueAt(attribut->row());
            if (attribut->isForeignKey())
                teile << (wert.isValid() ? QLatin1Char('d') + QString::number(wert.toLongLong())
                                         : kNull);
            else
                teile << gefaltet(wert);
        }
        index.ids[teile.join(kTrenner)].append(zeile->getId());
    }
    index.fertig = true;
    return index;
}

void DataImporter::Lauf::loeseVerweiseAuf()
{
    m_importer.status(QStringLiteral("Beginne mit Fremdschluesselaufloesung..."));
    const int gesamt = int(anzahl());
    m_importer.phase(QStringLiteral("Verweise"), gesamt);
    int verarbeitet = 0;
    for (const QString &name : daten.entityNames()) {
        const ImpExpSchema *schema = daten.schema(name);
        if (!schema)
            continue;
        QStringList verweise;
        for (const QString &attribut : schema->attributeOrder())
            if (schema->hasGraph(attribut))
                verweise << attribut;
        for (DataTuple *tupel : zuImportieren(name)) {
            for (const QString &attribut : verweise) {
                const Ziel ziel = verweisVon(*tupel, attribut);
                switch (ziel.art) {
                case Ziel::Offen: {
                    QStringList inhalt;
                    const QString praefix = attribut + QLatin1Char('.');
                    for (auto it = tupel->data().cbegin(); it != tupel->data().cend(); ++it)
                        if (it.key().startsWith(praefix))
                            inhalt << it.key() + QLatin1Char('=') + it->value.toString();
                    const AttributeDescription *beschreibung = schema->entity().attribute(attribut);
                    fehler(
                        QStringLiteral("Verweis nicht aufloesbar"),
                        QStringLiteral("Zeile %1: Der Verweis %2 auf die Tabelle %3 konnte nicht "
                                       "aufgeloest werden.  In der Importdatei steht folgendes: %4")
                            .arg(tupel->line())
                            .arg(attribut, beschreibung->referencedEntityName(),
                                 inhalt.join(QStringLiteral(", "))),
                        tupel->line());
                }
                case Ziel::Tupel:
                    tupel->setTuple(attribut, *ziel.tupel);
                    break;
                case Ziel::Id:
                    tupel->setForeignKey(attribut, ziel.id);
                    break;
                case Ziel::Keins:
                    tupel->setValue(attribut, QVariant());
                    break;
                }
            }
            tupel->setFinished(true);
            // The row holds its targets now.
            if (const size_t nummer = size_t(std::max(tupel->number(), 0));
                nummer < m_verweise.size())
                std::vector<std::pair<QString, Ziel>>().swap(m_verweise[nummer]);
            m_importer.zeileErledigt();
            if (++verarbeitet % 1000 == 0)
                m_importer.status(
                    QStringLiteral("Loese Fremdschluesselbeziehungen auf: Durchlauf %1,  "
                                   "%2 von %3 Datensaetzen des Durchlaufs verarbeitet")
                        .arg(1)
                        .arg(verarbeitet)
                        .arg(gesamt));
        }
    }
    m_importer.status(
        QStringLiteral("Loese Fremdschluesselbeziehungen auf: Durchlauf %1,  %2 von %3 "
                       "Datensaetzen des Durchlaufs verarbeitet")
            .arg(1)
            .arg(verarbeitet)
            .arg(gesamt));
    m_importer.status(QStringLiteral("Loese Fremdschluesselbeziehungen auf: Durchlauf %1, noch %2 "
                                     "Datensaetze offen")
                          .arg(1)
                          .arg(0));
}

qlonglong DataImporter::Lauf::datenbankId(DataTuple &tupel)
{
    constexpr qlonglong kUnbekannt = -2;
    const size_t nummer = size_t(std::max(tupel.number(), 0));
    if (nummer >= m_ids.size())
        m_ids.resize(std::max(nummer + 1, m_ids.size() * 2), kUnbekannt);
    if (m_ids[nummer] != kUnbekannt)
        return m_ids[nummer];
    const EntityDescription &entity = daten.schema(tupel.entityName())->entity();
    const QList<const AttributeDescription *> &attribute = schluessel(entity);
    if (attribute.isEmpty())
        fehler(QStringLiteral("Kein Import/Export-Schluessel vorhanden"),
               QStringLiteral("Fuer die Tabelle %1 ist kein Import/Export-Schluessel vorhanden.  "
                              "\n\nDies ist hoechstwahrscheinlich ein Fehler im Datenmodell.  "
                              "Bitte kontaktieren Sie den Administrator.")
                   .arg(entity.codeName()),
               tupel.line());
    qlonglong id = -1;
    // The parts of the key in the order of `attribute`.
    QVarLengthArray<QString, 8> teile(attribute.size());
    bool moeglich = true;
    for (qsizetype i = 0; i < attribute.size(); ++i) {
        const AttributeDescription *attribut = attribute[i];
        if (attribut->isForeignKey()) {
            const Ziel ziel = verweisVon(tupel, attribut->codeName());
            if (ziel.art == Ziel::Tupel) {
                const qlonglong zielId = datenbankId(*ziel.tupel);
                moeglich = moeglich && zielId >= 0;
                teile[i] = QLatin1Char('d') + QString::number(zielId);
            } else {
                moeglich = moeglich && ziel.art != Ziel::Offen;
                teile[i] = identitaet(ziel);
            }
        } else {
            const DataTuple::Datum *datum = tupel.datum(attribut->codeName());
            haengeGefaltetAn(teile[i], datum && datum->kind == DataTuple::Datum::Value
                                           ? datum->value
                                           : QVariant());
        }
    }
    if (moeglich) {
        Index *&schluesselIndex = m_schluesselIndex[&entity];
        if (!schluesselIndex)
            schluesselIndex = &datenbankIndex(entity, attribute);
        Index &index = *schluesselIndex;
        QString inhalt;
        for (qsizetype k = 0; k < index.attribute.size(); ++k) {
            if (k)
                inhalt += kTrenner;
            inhalt += teile[attribute.indexOf(index.attribute[k])];
        }
        const QList<qlonglong> treffer = index.ids.value(inhalt);
        if (nachInhalt(entity)) {
            // Equal rows in the order of the file and of their ids.
            int &vergeben = m_vergeben[entity.codeName() + kTrenner + inhalt];
            id = vergeben < treffer.size() ? treffer[vergeben] : -1;
            ++vergeben;
            m_ids[nummer] = id;
            return id;
        }
        if (treffer.size() > 1) {
            QStringList liste;
            for (int i = 0; i < treffer.size() && i < 10; ++i)
                liste << QString::number(treffer[i]);
            fehler(QStringLiteral("Datensatz nicht eindeutig"),
                   QStringLiteral("Es gibt mehrere Datensaetze auf der Datenbank, die in Bezug auf "
                                  "den Importschluessel gleich sind.  Im einzelnen sind die "
                                  "Datensaetze mit den IDs %1 in der Tabelle %2 problematisch "
                                  "(maximal 10 werden ausgegeben). Daher ist keine Entscheidung "
                                  "moeglich, welcher dieser Datensaetze ueberschrieben werden "
                                  "muss.\n\nEs koennte sich hierbei um eine Dateninkonsistenz "
                                  "handeln.  Bitte kontaktieren Sie den Administrator.")
                       .arg(liste.join(QStringLiteral(", ")), entity.codeName()),
                   tupel.line());
        }
        if (treffer.size() == 1)
            id = treffer.front();
    }
    m_ids[nummer] = id;
    return id;
}

void DataImporter::Lauf::bildeAufDatenbankAb()
{
    const QString ort = QStringLiteral("DataImporter");
    const bool protokoll = m_ctx.logs(kKategorie, ort, 3);
    m_importer.phase(QStringLiteral("Abbilden"), anzahl());
    int gezaehlt = 0;
    for (const QString &name : daten.entityNames()) {
        for (DataTuple *tupel : zuImportieren(name)) {
            m_importer.zeileErledigt();
            const qlonglong id = datenbankId(*tupel);
            tupel->setDatabaseId(id);
            if (protokoll)
                m_ctx.log(kKategorie, ort, 3,
                          id >= 0
                              ? QStringLiteral("Genau ein passendes Tupel auf der Datenbank "
                                               "gefunden, id") +
                                    QString::number(id) + QStringLiteral(", ueberschreibe es.")
                              : QStringLiteral("Kein passendes Tupel auf der Datenbank gefunden, "
                                               "daher wird es neu eingefuegt."));
            ++gezaehlt;
        }
    }
    m_importer.status(
        QStringLiteral("Abbildung auf Datenbank bei %1 Datensaetzen hergestellt").arg(gezaehlt));
}

void DataImporter::Lauf::erkenneDuplikate()
{
    m_importer.phase(QStringLiteral("Duplikate"), anzahl());
    int gezaehlt = 0;
    for (const QString &name : daten.entityNames()) {
        const ImpExpSchema *schema = daten.schema(name);
        if (!schema)
            continue;
        const EntityDescription &entity = schema->entity();
        const bool wiederholbar = nachInhalt(entity);
        QHash<QString, const DataTuple *> gesehen;
        QHash<qlonglong, const DataTuple *> gespeichert;
        for (DataTuple *tupel : zuImportieren(name)) {
            ++gezaehlt;
            m_importer.zeileErledigt();
            if (wiederholbar)
                continue;
            QString schluessel;
            for (const AttributeDescription *attribut : entity.impExpKey()) {
                if (!schluessel.isEmpty())
                    schluessel += kTrenner;
                const DataTuple::Datum *datum = tupel->datum(attribut->codeName());
                if (!datum) {
                    schluessel += kNull;
                } else if (datum->kind == DataTuple::Datum::Tuple) {
                    schluessel += QLatin1Char('t');
                    haengeBinaerAn(schluessel, quint64(datum->tuple->number()));
                } else if (datum->kind == DataTuple::Datum::ForeignKey) {
                    schluessel += QLatin1Char('d');
                    haengeBinaerAn(schluessel, quint64(datum->foreignKey));
                } else {
                    haengeExaktAn(schluessel, datum->value);
                }
            }
            const bool doppelt =
                gesehen.contains(schluessel) ||
                (tupel->databaseId() >= 0 && gespeichert.contains(tupel->databaseId()));
            if (doppelt)
                fehler(
                    QStringLiteral("Datensatz nicht eindeutig"),
                    QStringLiteral("Es gibt mehrere Datensaetze in dem Importdaten, die in Bezug "
                                   "auf den Importschluessel gleich sind.  Einer davon gehoert "
                                   "zur Tabelle %1 und hat den folgenden Inhalt: \n\n%2\nDaher "
                                   "ist keine Entscheidung moeglich, welcher dieser Datensaetze "
                                   "gelten soll.")
                        .arg(name, felder(*tupel, 1000)),
                    tupel->line());
            gesehen.insert(schluessel, tupel);
            if (tupel->databaseId() >= 0)
                gespeichert.insert(tupel->databaseId(), tupel);
        }
    }
    m_importer.status(
        QStringLiteral("Duplikaterkennung auf %1 Datensaetzen durchgefuehrt").arg(gezaehlt));
}

QStringList DataImporter::Lauf::schreibreihenfolge() const
{
    // Referenced entities before the entities that refer to them, where the references
    // allow it; the rest is fixed by the update of the references afterwards.
    QStringList reihenfolge;
    QSet<QString> besucht;
    const QStringList namen = daten.entityNames();
    std::function<void(const QString &)> besuche = [&](const QString &name) {
        if (besucht.contains(name))
            return;
        besucht.insert(name);
        if (const ImpExpSchema *schema = daten.schema(name)) {
            for (const AttributeDescription *attribut : schema->entity().foreignKeyAttributes())
                if (namen.contains(attribut->referencedEntityName()))
                    besuche(attribut->referencedEntityName());
            reihenfolge << name;
        }
    };
    for (const QString &name : namen)
        besuche(name);
    return reihenfolge;
}

void DataImporter::Lauf::fuelle(DataTuple &tupel, const EntityDescription &entity,
                                Persistent &objekt,
                                std::vector<std::pair<int, const DataTuple *>> &offen)
{
    const auto &daten = tupel.data();
    for (auto it = daten.cbegin(); it != daten.cend(); ++it) {
        if (it.key().contains(QLatin1Char('.')))
            continue;
        const AttributeDescription *attribut = entity.attribute(it.key());
        if (!attribut || attribut->isPrimaryKey() || it.key() == QLatin1String("create_tist") ||
            it.key() == QLatin1String("mut_tist"))
            continue;
        const int row = attribut->row();
        // Stored without signals: nobody watches these objects.
        const auto setze = [&](const QVariant &wert) {
            objekt.loadValueAt(row, convertToMetaType(wert, metaTypeOf(*attribut)));
        };
        switch (it->kind) {
        case DataTuple::Datum::Tuple:
            if (it->tuple->databaseId() >= 0)
                setze(it->tuple->databaseId());
            else
                offen.emplace_back(row, it->tuple);
            break;
        case DataTuple::Datum::ForeignKey:
            setze(it->foreignKey);
            break;
        case DataTuple::Datum::Value:
            if (isBlob(*attribut) && it->value.isValid()) {
                const auto pfad = blobDatei(m_verzeichnis, it->value.toString());
                QFile datei(pfad ? *pfad : QString());
                if (!pfad || !datei.open(QIODevice::ReadOnly))
                    fehler(QStringLiteral("Fehler beim Lesen der Datei"),
                           QStringLiteral("Die Datei %1 konnte nicht gelesen werden.")
                               .arg(it->value.toString()),
                           tupel.line());
                const QByteArray bytes = datei.readAll();
                if (datei.error() != QFileDevice::NoError)
                    fehler(QStringLiteral("Fehler beim Lesen der Datei"),
                           QStringLiteral("Die Datei %1 konnte nicht gelesen werden.")
                               .arg(it->value.toString()),
                           tupel.line());
                setze(bytes);
            } else {
                setze(it->value);
            }
            break;
        }
    }
}

void DataImporter::Lauf::schreiben(ImportResult &ergebnis)
{
    struct Geschrieben
    {
        std::unique_ptr<Persistent> objekt;
        const ControllerDef *def;
        std::vector<std::pair<int, const DataTuple *>> offen;
    };
    std::vector<Geschrieben> alle;
    bool codes = false;
    int geschrieben = 0;
    const SqlWriter sql(m_ctx.connection());
    m_importer.phase(QStringLiteral("Schreiben"), anzahl());
    for (const QString &name : schreibreihenfolge()) {
        const std::vector<DataTuple *> tupel = zuImportieren(name);
        if (tupel.empty())
            continue;
        const EntityDescription &entity = daten.schema(name)->entity();
        const ControllerDef &def = controllerDef(entity);
        if (entity.columns().empty() || !entity.attribute(QStringLiteral("id")))
            fehler(QStringLiteral("Kein Primaerschluessel definiert"),
                   QStringLiteral("Es ist kein Primaerschluessel vorhanden. Bitte kontaktieren Sie "
                                  "den Administrator."),
                   tupel.front()->line());
        codes = codes || name == QLatin1String("CodeType") || name == QLatin1String("CodeValue");

        bool blobs = false;
        for (const ColumnInfo &spalte : entity.columns())
            blobs = blobs || isBlob(*spalte.attribute);
        EntityController einzeln(m_ctx, def);
        BatchController zusammen(m_ctx, def);
        // In pieces of 1000 rows: the stored rows they overwrite read with one statement,
        // the new rows inserted with one, and only the objects kept whose references are set
        // afterwards.
        for (size_t anfang = 0; anfang < tupel.size(); anfang += 1000) {
            const auto ende = tupel.begin() + qsizetype(std::min(anfang + 1000, tupel.size()));
            const std::vector<DataTuple *> stueck(tupel.begin() + qsizetype(anfang), ende);
            QHash<qlonglong, size_t> vorhanden;
            std::vector<std::unique_ptr<Persistent>> gelesen;
            SqlStatement bedingung;
            std::string &text = bedingung.text();
            text = "WHERE " + entity.alias() + ".id IN (";
            bool ueberschreibt = false;
            for (const DataTuple *t : stueck) {
                if (t->databaseId() < 0)
                    continue;
                text += ueberschreibt ? "," : "";
                sql.appendLiteral(text, QVariant(t->databaseId()), QMetaType::LongLong);
                ueberschreibt = true;
            }
            text += ')';
            if (ueberschreibt)
                for (auto &objekt : zusammen.selectWhere(bedingung)) {
                    vorhanden.insert(objekt->getId(), gelesen.size());
                    gelesen.push_back(std::move(objekt));
                }

            const size_t ersteDesStuecks = alle.size();
            std::vector<Persistent *> neu, ueberschriebene;
            for (DataTuple *t : stueck) {
                m_importer.zeileErledigt();
                Geschrieben eintrag{nullptr, &def, {}};
                const auto alt = vorhanden.constFind(t->databaseId());
                if (alt != vorhanden.cend())
                    eintrag.objekt = std::move(gelesen[*alt]);
                else if (t->databaseId() >= 0)
                    fehler(QStringLiteral("Fehlende Berechtigungen"),
                           QStringLiteral("Der Datensatz mit der ID %1 der Tabelle %2 kann nicht "
                                          "gelesen und daher nicht ueberschrieben werden.")
                               .arg(t->databaseId())
                               .arg(name),
                           t->line());
                const bool ueberschreiben = eintrag.objekt != nullptr;
                if (!ueberschreiben)
                    eintrag.objekt.reset(static_cast<Persistent *>(entity.classInfo().create()));
                fuelle(*t, entity, *eintrag.objekt, eintrag.offen);
                // Rows with picture bytes one by one, the others together.
                if (blobs) {
                    einzeln.insertOrUpdate(*eintrag.objekt);
                    t->setDatabaseId(eintrag.objekt->getId());
                } else {
                    (ueberschreiben ? ueberschriebene : neu).push_back(eintrag.objekt.get());
                }
                ++(ueberschreiben ? ergebnis.ueberschriebenJeEntitaet[name]
                                  : ergebnis.eingefuegtJeEntitaet[name]);
                ++(ueberschreiben ? ergebnis.ueberschrieben : ergebnis.eingefuegt);
                alle.push_back(std::move(eintrag));
            }
            zusammen.updateAll(ueberschriebene);
            zusammen.insertAll(neu);
            // The rows inserted together got their ids in the order of the rows.
            size_t n = 0;
            for (DataTuple *t : stueck)
                if (t->databaseId() < 0)
                    t->setDatabaseId(neu.at(n++)->getId());
            alle.erase(std::remove_if(alle.begin() + qsizetype(ersteDesStuecks), alle.end(),
                                      [](const Geschrieben &g) { return g.offen.empty(); }),
                       alle.end());
        }
        geschrieben += int(tupel.size());
        m_importer.status(QStringLiteral("%1 Datensaetze geschrieben").arg(geschrieben));
    }
    if (codes)
        m_ctx.codeManager().loadCodes(m_ctx);

    int angepasst = 0;
    m_importer.phase(QStringLiteral("Nachbearbeiten"), qint64(alle.size()));
    // Written again together per entity; rows with picture bytes one by one.
    std::map<const ControllerDef *, std::vector<Persistent *>> wieder;
    for (Geschrieben &eintrag : alle) {
        m_importer.zeileErledigt();
        for (const auto &[row, ziel] : eintrag.offen)
            eintrag.objekt->setValueAt(row, ziel->databaseId());
        const EntityDescription &entity =
            *m_ctx.dataModel().entities().at(eintrag.def->entityIndex);
        if (std::any_of(entity.columns().begin(), entity.columns().end(),
                        [](const ColumnInfo &spalte) { return isBlob(*spalte.attribute); }))
            EntityController(m_ctx, *eintrag.def).insertOrUpdate(*eintrag.objekt);
        else
            wieder[eintrag.def].push_back(eintrag.objekt.get());
        ++angepasst;
    }
    for (const auto &[def, objekte] : wieder)
        BatchController(m_ctx, *def).updateAll(objekte);
    m_importer.status(
        QStringLiteral("Passe Fremdschluessel an: %1 Datensaetze bearbeitet").arg(angepasst));

    m_importer.status(QStringLiteral("Daten geschrieben, beginne mit Nachbearbeitungen"));
    m_importer.melde();
    for (const QString &name : daten.entityNames()) {
        const std::vector<DataTuple *> tupel = zuImportieren(name);
        if (!tupel.empty())
            m_importer.m_strategien.strategie(name).nachDemSchreiben(
                m_ctx, std::vector<const DataTuple *>(tupel.begin(), tupel.end()));
    }
}

ImportResult DataImporter::importiere(const QString &fileName)
{
    QElapsedTimer uhr;
    uhr.start();
    ImportResult ergebnis;
    bool codesGeaendert = false;
    const auto codesNeuLaden = [&] {
        if (!codesGeaendert)
            return;
        try {
            m_ctx.codeManager().loadCodes(m_ctx);
        } catch (...) {
        }
    };
    const QString ort = QStringLiteral("DataImporter");
    try {
        Lauf lauf(*this, fileName);
        m_ignoriert = 0;
        m_schemaZeilen.clear();
        lies(fileName, lauf.daten);
        for (const QString &name : lauf.daten.entityNames())
            ergebnis.gelesen += int(lauf.daten.tuples(name).size());
        ergebnis.gelesen += m_ignoriert;
        ergebnis.ignoriert = m_ignoriert;
        lauf.vorverarbeiten();
        Transaction transaktion(m_ctx);
        codesGeaendert = !lauf.daten.tuples(QStringLiteral("CodeType")).empty() ||
                         !lauf.daten.tuples(QStringLiteral("CodeValue")).empty();
        lauf.schreiben(ergebnis);
        melde();
        transaktion.commit();
        codesGeaendert = false;
        status(QStringLiteral("Import erfolgreich beendet"));
    } catch (const Abgebrochen &) {
        // The transaction, if one was open, has been rolled back by now.
        m_ctx.log(kKategorie, ort, 7, QStringLiteral("Import vor dem Abschluss abgebrochen"));
        codesNeuLaden();
        ergebnis = ImportResult();
        ergebnis.abgebrochen = true;
    } catch (const ImportException &) {
        codesNeuLaden();
        throw;
    } catch (const AnwendungsFehler &f) {
        codesNeuLaden();
        throw ImportException(f, -1);
    } catch (const PersistenceException &f) {
        codesNeuLaden();
        throw ImportException(ort, f.shortText(), f.longText());
    } catch (const NoSuchPrivilegeException &f) {
        codesNeuLaden();
        throw ImportException(ort, f.shortText(), f.longText());
    } catch (const mysqlpp::Exception &f) {
        codesNeuLaden();
        const PersistenceException p =
            PersistenceException::databaseError(QString::fromUtf8(f.what()));
        throw ImportException(ort, p.shortText(), p.longText());
    } catch (const std::exception &f) {
        codesNeuLaden();
        throw ImportException(ort, QStringLiteral("Interner Fehler"), QString::fromUtf8(f.what()));
    }
    codesNeuLaden();
    ergebnis.dauerMs = uhr.elapsed();
    return ergebnis;
}

namespace {

bool hatGeschrieben(const ImportResult &ergebnis, std::initializer_list<const char *> entitaeten)
{
    for (const char *name : entitaeten) {
        const QString entitaet = QString::fromLatin1(name);
        if (ergebnis.eingefuegtJeEntitaet.value(entitaet) > 0 ||
            ergebnis.ueberschriebenJeEntitaet.value(entitaet) > 0)
            return true;
    }
    return false;
}

} // namespace

void aktualisiereNachImport(DatabaseContext &ctx, const ImportResult &ergebnis)
{
    if (hatGeschrieben(ergebnis, {"CodeType", "CodeValue"}))
        ctx.codeManager().loadCodes(ctx);
    if (hatGeschrieben(ergebnis, {"EventLogCategory", "EventLogSettings", "QueryLogSettings"}))
        ctx.reloadConfiguration();
    if (hatGeschrieben(ergebnis, {"GlobaleEinstellung", "Benutzer", "VereinsDatenBerechtigung"})) {
        ctx.loadPermissionMode();
        ctx.reloadPermissions();
    }
}
