#include "Mitgliederverwaltung.h"

#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "MessageBoxes.h"
#include "MitgliedBearbeitenDialog.h"
#include "MitgliedService.h"
#include "Mitgliederliste.h"
#include "Mitgliedersuche.h"
#include "PersistenceException.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kLocation = QStringLiteral("Mitgliederverwaltung");

Mitgliederverwaltung::AdressExport &registrierterAdressExport()
{
    static Mitgliederverwaltung::AdressExport registriert;
    return registriert;
}

QString name(const Mitglied &mitglied, bool vorname)
{
    if (vorname)
        return mitglied.hasVorname() ? mitglied.getVorname() : QString();
    return mitglied.hasNachname() ? mitglied.getNachname() : QString();
}

} // namespace

Mitgliederverwaltung::Mitgliederverwaltung(DatabaseContext &ctx, const Verein *aktiverVerein,
                                           QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Mitgliederverwaltung"));
    ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Oeffne Mitgliederverwaltung"));

    auto *suchGruppe = new QGroupBox(tr("Mitglieder&suche"));
    m_suche = new Mitgliedersuche(ctx, aktiverVerein);
    (new QVBoxLayout(suchGruppe))->addWidget(m_suche);

    auto *ergebnis = new QGroupBox(
        tr("Moeglicherweise durch Neu, Bearbeiten oder Loeschen veraendertes Suchergebnis"));
    m_liste = new Mitgliederliste(ctx);
    m_anzahl = new QLabel;
    m_anzahl->setObjectName(QStringLiteral("anzahl"));
    auto *ergebnisLayout = new QVBoxLayout(ergebnis);
    ergebnisLayout->addWidget(m_liste, 1);
    ergebnisLayout->addWidget(m_anzahl);

    const auto knopf = [](const QString &text, const char *objektName) {
        auto *button = new QPushButton(text);
        button->setObjectName(QLatin1String(objektName));
        button->setAutoDefault(false);
        return button;
    };
    auto *neu = knopf(tr("&Neu"), "neu");
    auto *ansehen = knopf(tr("&Ansehen"), "ansehen");
    auto *bearbeiten = knopf(tr("&Bearbeiten"), "bearbeiten");
    m_adressdaten = knopf(tr("Adress&daten speichern"), "adressdaten");
    auto *loeschen = knopf(tr("&Loeschen"), "loeschen");
    auto *schliessen = knopf(tr("S&chliessen"), "schliessen");

    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *button : {neu, ansehen, bearbeiten, m_adressdaten, loeschen})
        knoepfe->addWidget(button);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(suchGruppe);
    layout->addWidget(ergebnis, 1);
    layout->addLayout(knoepfe);
    resize(900, 650);

    connect(m_suche, &Mitgliedersuche::sucheAngefordert, this,
            &Mitgliederverwaltung::sucheMitglieder);
    connect(neu, &QPushButton::clicked, this, &Mitgliederverwaltung::legeMitgliedAn);
    connect(ansehen, &QPushButton::clicked, this, &Mitgliederverwaltung::seheMitgliedAn);
    connect(bearbeiten, &QPushButton::clicked, this, &Mitgliederverwaltung::bearbeiteMitglied);
    connect(loeschen, &QPushButton::clicked, this, &Mitgliederverwaltung::loescheMitglied);
    connect(m_adressdaten, &QPushButton::clicked, this,
            &Mitgliederverwaltung::speichereAdressdaten);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    connect(m_liste, &Mitgliederliste::zeileDoppelgeklickt, this,
            &Mitgliederverwaltung::bearbeiteMitglied);
    m_adressdaten->setEnabled(false); // until a search lists members
}

Mitgliederverwaltung::~Mitgliederverwaltung() = default;

void Mitgliederverwaltung::setzeAdressExport(AdressExport adressExport)
{
    registrierterAdressExport() = std::move(adressExport);
}

QString Mitgliederverwaltung::anzahlText() const
{
    return m_anzahl->text();
}

void Mitgliederverwaltung::zeigeAnzahl()
{
    m_anzahl->setText(tr("%1 Mitglieder gefunden").arg(m_liste->rowCount()));
    m_adressdaten->setEnabled(registrierterAdressExport() && m_liste->rowCount() > 0);
}

void Mitgliederverwaltung::sucheMitglieder()
{
    std::vector<std::unique_ptr<Mitglied>> gefunden;
    try {
        gefunden = m_suche->suche();
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
        return;
    }
    m_liste->replaceRows(std::move(gefunden));
    m_liste->selectRow(0);
    zeigeAnzahl();
    emit statusMessage(anzahlText());
}

void Mitgliederverwaltung::oeffneMitglied(Modus modus)
{
    const int row = modus == Modus::NEU ? -1 : m_liste->selectedRow();
    std::unique_ptr<Mitglied> vorgabe;
    const Mitglied *mitglied = nullptr;
    if (modus == Modus::NEU) {
        vorgabe = std::make_unique<Mitglied>();
        if (const Verein *verein = m_suche->verein(); verein && verein->hasId())
            vorgabe->setVerein(verein->getId());
        mitglied = vorgabe.get();
    } else {
        mitglied = m_liste->mitgliedAt(row);
        if (!mitglied)
            return;
    }
    auto *dialog = new MitgliedBearbeitenDialog(m_ctx, modus, mitglied, row, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &MitgliedBearbeitenDialog::neuesMitgliedHinzugefuegt, this,
            &Mitgliederverwaltung::fuegeMitgliedHinzu);
    connect(dialog, &MitgliedBearbeitenDialog::mitgliedWurdeBearbeitet, this,
            &Mitgliederverwaltung::aktualisiereMitglied);
    dialog->open();
}

void Mitgliederverwaltung::legeMitgliedAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Neu"));
    oeffneMitglied(Modus::NEU);
}

void Mitgliederverwaltung::seheMitgliedAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Ansehen"));
    oeffneMitglied(Modus::ANSEHEN);
}

void Mitgliederverwaltung::bearbeiteMitglied()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Bearbeiten"));
    oeffneMitglied(Modus::BEARBEITEN);
}

void Mitgliederverwaltung::fuegeMitgliedHinzu(const Mitglied &mitglied)
{
    Mitglied *neu = mitglied.clone();
    m_liste->model()->appendRow(std::unique_ptr<Record>(neu));
    m_liste->selectRow(m_liste->model()->positionOf(neu));
    zeigeAnzahl();
}

void Mitgliederverwaltung::aktualisiereMitglied(const Mitglied &mitglied, int row)
{
    // The row the dialog was opened for, unless the list changed meanwhile.
    if (mitglied.hasId()) {
        const Mitglied *inZeile = m_liste->mitgliedAt(row);
        if (!inZeile || !inZeile->hasId() || inZeile->getId() != mitglied.getId())
            row = m_liste->zeileVon(mitglied.getId());
    }
    if (Mitglied *vorhanden = m_liste->mitgliedAt(row))
        vorhanden->copyFrom(mitglied);
}

void Mitgliederverwaltung::loescheMitglied()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Mitglied Loeschen"));
    const int row = m_liste->selectedRow();
    const Mitglied *mitglied = m_liste->mitgliedAt(row);
    if (!mitglied)
        return;
    try {
        if (const std::optional<Meldung> verbot = MitgliedService::loeschVerbot(m_ctx, *mitglied)) {
            zeigeMeldung(m_ctx, this, kLocation, *verbot);
            return;
        }
        const QString frage =
            tr("Wollen Sie das Mitglied mit dem Namen %1 %2 wirklich loeschen? \n\nWenn Sie mit "
               "Ja antworten, werden das Mitglied und seine fotographischen Titel geloescht.")
                .arg(name(*mitglied, true), name(*mitglied, false));
        if (!MessageBoxes::current().question(this, tr("Mitglied wirklich loeschen?"), frage,
                                              false))
            return;
        MitgliedService::loesche(m_ctx, *mitglied);
    } catch (const NoSuchPrivilegeException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
        return;
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
        return;
    }
    const QString meldung =
        tr("Mitglied %1 %2 geloescht").arg(name(*mitglied, true), name(*mitglied, false));
    m_liste->removeRow(row);
    m_liste->selectRow(row);
    zeigeAnzahl();
    emit statusMessage(meldung);
}

void Mitgliederverwaltung::speichereAdressdaten()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Adressdaten speichern"));
    QList<qlonglong> mitglieder;
    for (int row = 0; row < m_liste->rowCount(); ++row)
        if (const Mitglied *mitglied = m_liste->mitgliedAt(row); mitglied && mitglied->hasId())
            mitglieder << mitglied->getId();
    if (!registrierterAdressExport() || !registrierterAdressExport()(this, m_ctx, mitglieder))
        return;
    MessageBoxes::current().information(this, tr("Daten erfolgreich gespeichert"),
                                        tr("Die Adressdaten wurden erfolgreich gespeichert."));
}
