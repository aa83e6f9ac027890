#include "BildBearbeitenDialog.h"

#include "BildAnzeigeWidget.h"
#include "BildDatei.h"
#include "BildService.h"
#include "BilderCache.h"
#include "DatabaseContext.h"
#include "FileDialogs.h"
#include "Formular.h"
#include "Meldungen.h"
#include "MitgliederSucheDialog.h"
#include "PersistenceException.h"
#include "SparteAuswahlDialog.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
#include "entities/Bild.h"
#include "entities/BildDaten.h"
#include "entities/Mitglied.h"
#include "entities/Sparte.h"
#include "entities/Wettbewerb.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("BildBearbeitenDialog");
const QString kFilter = QStringLiteral("JPG-Dateien (*.jpg)");

void leere(Record &record)
{
    for (int row = 0; row < record.attributeCount(); ++row)
        record.setValueAt(row, QVariant());
}

QPushButton *knopf(const QString &text, const char *name, QWidget *parent)
{
    auto *k = new QPushButton(text, parent);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    return k;
}

} // namespace

BildBearbeitenDialog::BildBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                           const Wettbewerb &wettbewerb, const Bild *bild,
                                           BilderCache *cache, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus), m_wettbewerb(wettbewerb), m_cache(cache),
      m_bild(bild ? static_cast<Bild *>(bild->clone()) : new Bild),
      m_daten(std::make_unique<BildDaten>())
{
    if (bild) {
        try {
            BilderCache eigener;
            if (auto daten = (cache ? cache : &eigener)->bildDaten(ctx, *bild))
                m_daten = std::move(daten);
        } catch (const PersistenceException &fehler) {
            Meldungen::fehler(ctx, parent, kOrt, fehler);
        }
    } else {
        m_bild->setGueltig(true);
    }
    const DialogModus dialogModus =
        DialogModus::aus(modus, tr("Bild hinzufuegen"), tr("Bild bearbeiten"), tr("Bild ansehen"),
                         QString(), QString());
    DialogModi::oeffne(ctx, *this, kOrt, dialogModus,
                       m_daten->hasNummer()
                           ? QStringLiteral(" fuer das Bild mit der Nummer ") + m_daten->getNummer()
                           : QStringLiteral(" fuer das Bild mit der Nummer (ohne Bildnummer"));
    const bool editierbar = modus != Modus::ANSEHEN;

    m_bildFormular = std::make_unique<Formular>(ctx, *m_bild, editierbar);
    m_datenFormular = std::make_unique<Formular>(ctx, *m_daten, editierbar);
    m_einreicher = Formular::anzeige();
    m_sparte = Formular::anzeige();
    m_dateiname = Formular::anzeige();
    auto *waehleEinreicherKnopf = knopf(tr("&Einreicher auswaehlen"), "einreicher", this);
    auto *waehleSparteKnopf = knopf(tr("S&parte auswaehlen"), "sparte", this);
    auto *nummerProWettbewerb = m_datenFormular->text(BildDaten::nummerProWettbewerbRow);
    nummerProWettbewerb->setObjectName(QStringLiteral("nummerProWettbewerb"));
    auto *nummer = m_datenFormular->text(BildDaten::nummerRow);
    nummer->setObjectName(QStringLiteral("nummer"));
    auto *titel = m_bildFormular->text(Bild::titelRow);
    titel->setObjectName(QStringLiteral("titel"));
    auto *grid = new QGridLayout;
    Formular::zeile(grid, tr("Einreicher"), m_einreicher, waehleEinreicherKnopf);
    Formular::zeile(grid, tr("Sparte"), m_sparte, waehleSparteKnopf);
    Formular::zeile(grid, tr("Titel"), titel);
    Formular::zeile(grid, tr("Themenbereich"), m_bildFormular->text(Bild::themenbereichRow));
    Formular::zeile(grid, tr("Bildnummer"), nummer);
    Formular::zeile(grid, tr("Wettbewerbslokale Nummer"), nummerProWettbewerb);
    Formular::zeile(grid, tr("Dateiname"), m_dateiname);

    m_anzeige = new BildAnzeigeWidget;
    m_anzeige->setMinimumSize(360, 270);
    auto *gegen = knopf(tr("Rotieren gege&n\n den Uhrzeigersinn"), "rotiereGegen", this);
    auto *im = knopf(tr("Rotieren i&m\n Uhrzeigersinn"), "rotiereIm", this);
    auto *waehlen = knopf(tr("&Bild\n waehlen"), "bildWaehlen", this);
    auto *entfernen = knopf(tr("Bild\n ent&fernen"), "bildEntfernen", this);
    auto *exportieren = knopf(tr("Bild Speichern"), "bildExportieren", this);
    auto *bildKnoepfe = new QVBoxLayout;
    for (QPushButton *k : {gegen, im, waehlen, entfernen, exportieren})
        bildKnoepfe->addWidget(k);
    bildKnoepfe->addStretch();
    for (QPushButton *k : {waehleEinreicherKnopf, waehleSparteKnopf, gegen, im, waehlen, entfernen})
        k->setEnabled(editierbar);

    auto *speichernSchliessen = knopf(tr("&Speichern\n und Schliessen"), "speichern", this);
    auto *speichernWeiter = knopf(tr("Speichern\n &ohne Schliessen"), "speichernOhneSchliessen", this);
    auto *schliessen = knopf(tr("S&chliessen"), "schliessen", this);
    speichernSchliessen->setEnabled(editierbar);
    speichernWeiter->setEnabled(editierbar);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    for (QPushButton *k : {speichernSchliessen, speichernWeiter, schliessen})
        unten->addWidget(k);

    connect(waehleEinreicherKnopf, &QPushButton::clicked, this, &BildBearbeitenDialog::waehleEinreicher);
    connect(waehleSparteKnopf, &QPushButton::clicked, this, &BildBearbeitenDialog::waehleSparte);
    connect(gegen, &QPushButton::clicked, this, &BildBearbeitenDialog::rotiereBildGegenUhrzeigersinn);
    connect(im, &QPushButton::clicked, this, &BildBearbeitenDialog::rotiereBildImUhrzeigersinn);
    connect(waehlen, &QPushButton::clicked, this, &BildBearbeitenDialog::waehleBild);
    connect(entfernen, &QPushButton::clicked, this, &BildBearbeitenDialog::entferneBild);
    connect(exportieren, &QPushButton::clicked, this, &BildBearbeitenDialog::bildExportieren);
    connect(speichernSchliessen, &QPushButton::clicked, this, &BildBearbeitenDialog::schliessenMitSpeichern);
    connect(speichernWeiter, &QPushButton::clicked, this, &BildBearbeitenDialog::speichernOhneSchliessen);
    connect(schliessen, &QPushButton::clicked, this, &BildBearbeitenDialog::schliessenOhneSpeichern);

    auto *mitte = new QHBoxLayout;
    mitte->addWidget(m_anzeige, 1);
    mitte->addLayout(bildKnoepfe);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(mitte, 1);
    layout->addLayout(unten);
    resize(760, 640);

    m_bildFormular->lade();
    m_datenFormular->lade();
    zeigeEinreicherUndSparte();
    zeigeBild();
    if (modus == Modus::NEU)
        aktualisiereBildNummer();
}

BildBearbeitenDialog::~BildBearbeitenDialog() = default;

void BildBearbeitenDialog::aufruf(const QString &was)
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von ") + was);
}

void BildBearbeitenDialog::zeigeBild()
{
    m_dateiname->setText(m_daten->hasDateiname() ? m_daten->getDateiname() : QString());
    m_anzeige->zeige(m_daten->hasDaten() ? m_daten->getDaten() : QByteArray(),
                     m_bild->hasAnzahlRotierSchritte() ? m_bild->getAnzahlRotierSchritte() : 0);
}

void BildBearbeitenDialog::zeigeEinreicherUndSparte()
{
    QString einreicher, sparte;
    try {
        if (m_bild->hasWettbewerbsTeilnahme()) {
            const auto teilnahme = WettbewerbsTeilnahmeController().readById(
                m_ctx, m_bild->getWettbewerbsTeilnahme(), true);
            const auto mitglied = teilnahme && teilnahme->hasMitglied()
                                      ? MitgliedController().readById(m_ctx, teilnahme->getMitglied(), true)
                                      : nullptr;
            if (mitglied)
                einreicher = (vornameVon(*mitglied) + QLatin1Char(' ') + nachnameVon(*mitglied)).trimmed();
        }
        if (m_bild->hasSparte()) {
            if (const auto s = SparteController().readById(m_ctx, m_bild->getSparte(), true))
                sparte = s->hasName() ? s->getName() : QString();
        }
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    m_einreicher->setText(einreicher);
    m_sparte->setText(sparte);
}

bool BildBearbeitenDialog::ladeBild(const QString &pfad)
{
    BildDatei datei;
    if (const auto fehler = BildDateiPruefung::lies(m_ctx, m_wettbewerb, pfad, datei)) {
        Meldungen::zeige(this, *fehler);
        return false;
    }
    m_bild->setAnzahlRotierSchritte(0);
    m_daten->setDaten(datei.daten);
    m_daten->setDateiname(datei.dateiname);
    zeigeBild();
    return true;
}

void BildBearbeitenDialog::waehleBild()
{
    aufruf(QStringLiteral("Bild waehlen"));
    const QString pfad = FileDialogs::current().openFileName(
        this, tr("Bilddatei auswaehlen"), m_ctx.pictureDirectory().absolutePath(), kFilter);
    if (!pfad.isEmpty())
        ladeBild(pfad);
}

void BildBearbeitenDialog::entferneBild()
{
    aufruf(QStringLiteral("Bild entfernen"));
    m_daten->setValueAt(BildDaten::datenRow, QVariant());
    m_daten->setValueAt(BildDaten::dateinameRow, QVariant());
    zeigeBild();
}

void BildBearbeitenDialog::bildExportieren()
{
    aufruf(QStringLiteral("Bild exportieren"));
    const QString pfad = FileDialogs::current().saveFileName(
        this, tr("Datei auswaehlen, in die das Bild gespeichert werden soll"),
        m_ctx.pictureDirectory().absolutePath(), kFilter);
    if (pfad.isEmpty() || !m_daten->hasDaten())
        return;
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(m_daten->getDaten()) != m_daten->getDaten().size())
        Meldungen::zeige(this, Meldung{tr("Fehler beim Schreiben der Datei"),
                                       tr("Das Bild konnte nicht in die Datei %1 geschrieben werden.")
                                           .arg(QDir::toNativeSeparators(pfad)),
                                       QString()});
}

void BildBearbeitenDialog::rotiereBildImUhrzeigersinn()
{
    BildService::rotiere(*m_bild, 1);
    zeigeBild();
}

void BildBearbeitenDialog::rotiereBildGegenUhrzeigersinn()
{
    BildService::rotiere(*m_bild, -1);
    zeigeBild();
}

void BildBearbeitenDialog::setzeEinreicher(const Mitglied &mitglied)
{
    if (const auto fehler = BildService::waehleEinreicher(m_ctx, m_wettbewerb, mitglied, *m_bild)) {
        Meldungen::zeige(this, *fehler);
        return;
    }
    // The image number proposed: the member number, "-" and the competition-local number.
    m_datenFormular->uebernimm();
    if ((!m_daten->hasNummer() || m_daten->getNummer().isEmpty()) &&
        mitglied.hasMitgliedsNummerKomplett() && m_daten->hasNummerProWettbewerb()) {
        m_daten->setNummer(mitglied.getMitgliedsNummerKomplett() + QLatin1Char('-') +
                           m_daten->getNummerProWettbewerb());
        m_datenFormular->lade();
    }
    zeigeEinreicherUndSparte();
}

void BildBearbeitenDialog::setzeSparte(const Sparte *sparte)
{
    if (sparte)
        m_bild->setSparte(sparte->getId());
    else
        m_bild->setValueAt(Bild::sparteRow, QVariant());
    zeigeEinreicherUndSparte();
}

void BildBearbeitenDialog::waehleEinreicher()
{
    aufruf(QStringLiteral("Einreicher auswaehlen"));
    MitgliederSucheDialog dialog(m_ctx, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto mitglied = dialog.gewaehltesMitglied())
        setzeEinreicher(*mitglied);
}

void BildBearbeitenDialog::waehleSparte()
{
    aufruf(QStringLiteral("Sparte auswaehlen"));
    SparteAuswahlDialog dialog(m_ctx, m_wettbewerb, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto sparte = dialog.gewaehlteSparte();
    setzeSparte(sparte.get());
}

void BildBearbeitenDialog::aktualisiereBildNummer()
{
    m_datenFormular->uebernimm();
    if (m_daten->hasNummerProWettbewerb() && !m_daten->getNummerProWettbewerb().isEmpty())
        return;
    try {
        m_daten->setNummerProWettbewerb(BildService::neueNummerProWettbewerb(m_ctx, m_wettbewerb));
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    m_datenFormular->lade();
    emit nummerProWettbewerbChanged(m_daten.get());
}

bool BildBearbeitenDialog::speichere()
{
    m_bildFormular->uebernimm();
    m_datenFormular->uebernimm();
    try {
        if (const auto fehler = BildService::speichere(m_ctx, m_wettbewerb, *m_bild, *m_daten,
                                                       m_modus == Modus::NEU, m_cache)) {
            Meldungen::zeige(this, *fehler);
            return false;
        }
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return false;
    }
    m_gespeichert.append(m_bild->getId());
    emit bildGespeichert(m_bild->getId());
    return true;
}

void BildBearbeitenDialog::schliessenMitSpeichern()
{
    aufruf(QStringLiteral("Speichern und Schliessen"));
    if (speichere())
        accept();
}

void BildBearbeitenDialog::speichernOhneSchliessen()
{
    aufruf(QStringLiteral("Speichern ohne Schliessen"));
    if (!speichere())
        return;
    if (m_modus != Modus::NEU) {
        m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
                  QStringLiteral("Kein Aufruf von Leere Felder fuers naechste Bild da nicht im "
                                 "Modus NEU"));
        return;
    }
    aufruf(QStringLiteral("Leere Felder fuers naechste Bild"));
    leere(*m_bild);
    leere(*m_daten);
    m_bild->setGueltig(true);
    m_bildFormular->lade();
    m_datenFormular->lade();
    zeigeEinreicherUndSparte();
    zeigeBild();
    aktualisiereBildNummer();
}

void BildBearbeitenDialog::schliessenOhneSpeichern()
{
    aufruf(QStringLiteral("Schliessen ohne Speichern"));
    reject();
}
