#include "BenutzerBearbeitenDialog.h"

#include "BenutzerHelper.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FieldFactory.h"
#include "MessageBoxes.h"
#include "MitgliederSucheDialog.h"
#include "Modus.h"
#include "PersistenceException.h"
#include "controllers/MitgliedController.h"
#include "entities/Benutzer.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("BenutzerBearbeitenDialog");

DialogModus dialogModus(BenutzerBearbeitenDialog::Modus modus)
{
    using M = BenutzerBearbeitenDialog::Modus;
    const QString speichern = BenutzerBearbeitenDialog::tr("Aenderungen &speichern");
    switch (modus) {
    case M::NEU:
        return {QStringLiteral("NEU"), BenutzerBearbeitenDialog::tr("Neuen Benutzer anlegen"), true,
                BenutzerBearbeitenDialog::tr("Neuen Benutzer &speichern")};
    case M::ANSEHEN:
        return {QStringLiteral("ANSEHEN"), BenutzerBearbeitenDialog::tr("Informationen zum Benutzer"),
                false, QString()};
    case M::BEARBEITEN_PASSWORT:
        return {QStringLiteral("BEARBEITEN_PASSWORT"), BenutzerBearbeitenDialog::tr("Passwort Aendern"),
                true, speichern};
    case M::BEARBEITEN:
        break;
    }
    return {QStringLiteral("BEARBEITEN"), BenutzerBearbeitenDialog::tr("Benutzer bearbeiten"), true,
            speichern};
}

QLineEdit *feld(const char *name, bool editierbar, bool passwort = false)
{
    QLineEdit *edit = FieldFactory::createLineEdit(editierbar);
    edit->setObjectName(QString::fromLatin1(name));
    if (passwort)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

BenutzerBearbeitenDialog::BenutzerBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                                   const Benutzer *benutzer, int row,
                                                   QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus), m_row(row),
      m_benutzer(benutzer ? benutzer->clone() : new Benutzer)
{
    const DialogModus art = dialogModus(modus);
    DialogModi::oeffne(ctx, *this, kOrt, art);
    const bool alles = modus == Modus::NEU || modus == Modus::BEARBEITEN;
    const bool passwort = art.editierbar;

    m_name = feld("benutzername", alles);
    m_name->setText(m_benutzer->hasBenutzername() ? m_benutzer->getBenutzername() : QString());
    m_passwort = feld("passwort", passwort, true);
    m_wiederholung = feld("wiederholung", passwort, true);
    m_gui = new QCheckBox;
    m_gui->setObjectName(QStringLiteral("guiBenutzer"));
    m_gui->setChecked(m_benutzer->hasGuiBenutzer() && m_benutzer->getGuiBenutzer());
    m_gui->setEnabled(alles);
    m_web = new QCheckBox;
    m_web->setObjectName(QStringLiteral("webBenutzer"));
    m_web->setChecked(m_benutzer->hasWebBenutzer() && m_benutzer->getWebBenutzer());
    m_web->setEnabled(alles);

    auto *form = new QFormLayout;
    form->addRow(FieldFactory::createLabel(tr("Benutzername")), m_name);
    form->addRow(FieldFactory::createLabel(tr("Passwort")), m_passwort);
    form->addRow(FieldFactory::createLabel(tr("Passwort (Wiederholung)")), m_wiederholung);
    form->addRow(FieldFactory::createLabel(tr("Anmeldeberechtigt für GUI")), m_gui);
    form->addRow(FieldFactory::createLabel(tr("Anmeldeberechtigt für Web")), m_web);

    m_nummer = feld("mitgliedsNummer", false);
    m_vorname = feld("vorname", false);
    m_nachname = feld("nachname", false);
    auto *mitglied = new QGroupBox(tr("Mitglied"));
    auto *mitgliedForm = new QFormLayout(mitglied);
    mitgliedForm->addRow(FieldFactory::createLabel(tr("Mitgliedsnummer")), m_nummer);
    mitgliedForm->addRow(FieldFactory::createLabel(tr("Vorname")), m_vorname);
    mitgliedForm->addRow(FieldFactory::createLabel(tr("Nachname")), m_nachname);
    auto *waehlen = new QPushButton(tr("&Mitglied waehlen"));
    auto *entfernen = new QPushButton(tr("Mitglied &entfernen"));
    waehlen->setEnabled(alles);
    entfernen->setEnabled(alles);
    connect(waehlen, &QPushButton::clicked, this, &BenutzerBearbeitenDialog::waehleMitglied);
    connect(entfernen, &QPushButton::clicked, this, &BenutzerBearbeitenDialog::entferneMitglied);
    auto *mitgliedKnoepfe = new QHBoxLayout;
    mitgliedKnoepfe->addWidget(waehlen);
    mitgliedKnoepfe->addWidget(entfernen);
    mitgliedForm->addRow(mitgliedKnoepfe);
    zeigeMitglied();

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, art);
    if (knoepfe.speichern)
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &BenutzerBearbeitenDialog::schliessenUndSpeichern);
    if (knoepfe.schliessen)
        connect(knoepfe.schliessen, &QPushButton::clicked, this, &QDialog::accept);
    if (knoepfe.abbrechen)
        connect(knoepfe.abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(mitglied);
    layout->addLayout(knoepfe.zeile);
}

BenutzerBearbeitenDialog::~BenutzerBearbeitenDialog() = default;

void BenutzerBearbeitenDialog::zeigeMitglied()
{
    std::unique_ptr<Mitglied> mitglied;
    if (m_benutzer->hasMitglied())
        mitglied = MitgliedController().readById(m_ctx, m_benutzer->getMitglied());
    const auto text = [&mitglied](bool (Mitglied::*has)() const, QString (Mitglied::*get)() const) {
        return mitglied && ((*mitglied).*has)() ? ((*mitglied).*get)() : QString();
    };
    m_nummer->setText(text(&Mitglied::hasMitgliedsNummerKomplett, &Mitglied::getMitgliedsNummerKomplett));
    m_vorname->setText(text(&Mitglied::hasVorname, &Mitglied::getVorname));
    m_nachname->setText(text(&Mitglied::hasNachname, &Mitglied::getNachname));
}

void BenutzerBearbeitenDialog::waehleMitglied()
{
    MitgliederSucheDialog suche(m_ctx, this);
    if (suche.exec() != QDialog::Accepted)
        return;
    if (const std::unique_ptr<Mitglied> mitglied = suche.gewaehltesMitglied()) {
        m_benutzer->setMitglied(mitglied->getId());
        zeigeMitglied();
    }
}

void BenutzerBearbeitenDialog::entferneMitglied()
{
    m_benutzer->setMitgliedNull();
    zeigeMitglied();
}

void BenutzerBearbeitenDialog::schliessenUndSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Schliessen und Speichern"));
    const bool neu = m_modus == Modus::NEU;
    if (m_name->text().isEmpty())
        m_benutzer->setBenutzernameNull();
    else
        m_benutzer->setBenutzername(m_name->text());
    m_benutzer->setGuiBenutzer(m_gui->isChecked());
    m_benutzer->setWebBenutzer(m_web->isChecked());
    const auto art = neu ? BenutzerHelper::Speichern::Neu
                     : m_modus == Modus::BEARBEITEN_PASSWORT ? BenutzerHelper::Speichern::NurPasswort
                                                             : BenutzerHelper::Speichern::Bearbeiten;
    BenutzerHelper helper(m_ctx);
    try {
        if (const auto meldung =
                helper.pruefe(*m_benutzer, m_passwort->text(), m_wiederholung->text(), art)) {
            MessageBoxes::current().critical(this, meldung->titel, meldung->text);
            m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("==> Pruefung fehlgeschlagen."));
            m_benutzer->setPasswordNull();
            return;
        }
        m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("==> Pruefung erfolgreich"));
        helper.speichere(*m_benutzer, art);
    } catch (const PersistenceException &e) {
        m_benutzer->setPasswordNull();
        DatabaseErrorDialog::show(m_ctx, this, kOrt, e);
        return;
    }
    const QString name = m_benutzer->getBenutzername();
    if (neu) {
        m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
                  QStringLiteral("Sende Signal neuerBenutzerHinzugefuegt fuer Benutzer ") + name);
        emit neuerBenutzerHinzugefuegt(*m_benutzer);
    } else {
        m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
                  QStringLiteral("Sende Signal benutzerWurdeBearbeitet fuer Benutzer ") + name +
                      QStringLiteral(" und Zeile ") + QString::number(m_row));
        emit benutzerWurdeBearbeitet(*m_benutzer, m_row);
    }
    accept();
}
