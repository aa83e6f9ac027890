#include "MitgliedWebWidget.h"

#include "BenutzerHelper.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FieldFactory.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "controllers/BenutzerController.h"
#include "entities/Benutzer.h"
#include "entities/Mitglied.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("MitgliedWebWidget");
}

MitgliedWebWidget::MitgliedWebWidget(DatabaseContext &ctx, const Mitglied &mitglied, bool editierbar,
                                     QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_mitglied(mitglied), m_editierbar(editierbar)
{
    const QString regel = mitglied.hasDatumGeburt() ? tr("Passwort gleich Geburtsdatum")
                                                    : tr("Passwort gleich Mitgliedsnr.");
    m_status = FieldFactory::createLineEdit(false);
    m_status->setObjectName(QStringLiteral("status"));
    m_anlegen = new QPushButton(
        tr("Web-Benutzer a&nlegen\n(Benutzername gleich Mitgliedsnr. und\n%1)").arg(regel));
    m_anlegen->setObjectName(QStringLiteral("anlegen"));
    m_zuruecksetzen = new QPushButton(tr("Passwort \n &zuruecksetzen \n(%1)").arg(regel));
    m_zuruecksetzen->setObjectName(QStringLiteral("zuruecksetzen"));
    connect(m_anlegen, &QPushButton::clicked, this, &MitgliedWebWidget::legeAn);
    connect(m_zuruecksetzen, &QPushButton::clicked, this, &MitgliedWebWidget::setzeZurueck);

    auto *form = new QFormLayout;
    form->addRow(FieldFactory::createLabel(tr("Status Web-Benutzer")), m_status);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_anlegen);
    knoepfe->addWidget(m_zuruecksetzen);
    knoepfe->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(knoepfe);
    layout->addStretch();
    aktualisiere();
}

MitgliedWebWidget::~MitgliedWebWidget() = default;

QString MitgliedWebWidget::benutzername() const
{
    return m_mitglied.hasMitgliedsNummerSchluessel() ? m_mitglied.getMitgliedsNummerSchluessel()
                                                     : QString();
}

QString MitgliedWebWidget::passwort() const
{
    return m_mitglied.hasDatumGeburt() ? m_mitglied.getDatumGeburt().toString(QStringLiteral("yyyyMMdd"))
                                       : benutzername();
}

void MitgliedWebWidget::aktualisiere()
{
    m_benutzer.reset();
    const QString name = benutzername();
    if (!name.isEmpty() && m_mitglied.hasId()) {
        try {
            for (auto &benutzer : BenutzerController().readByMitglied(m_ctx, m_mitglied)) {
                if (benutzer->hasBenutzername() && benutzer->getBenutzername() == name) {
                    m_benutzer = std::move(benutzer);
                    break;
                }
            }
        } catch (const PersistenceException &e) {
            DatabaseErrorDialog::show(m_ctx, this, kOrt, e);
        }
    }
    m_status->setText(m_benutzer ? tr("Benutzer mit Benutzername %1 vorhanden.").arg(name)
                                 : tr("Kein Benutzer %1 vorhanden.").arg(name));
    m_anlegen->setEnabled(m_editierbar && !m_benutzer);
    m_zuruecksetzen->setEnabled(m_editierbar && m_benutzer);
}

void MitgliedWebWidget::legeAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Web-Benutzer anlegen"));
    if (m_benutzer || benutzername().isEmpty() || !m_mitglied.hasId())
        return;
    Benutzer benutzer;
    benutzer.setBenutzername(benutzername());
    benutzer.setPassword(passwort());
    benutzer.setGuiBenutzer(false);
    benutzer.setWebBenutzer(true);
    benutzer.setMitglied(m_mitglied.getId());
    try {
        // The row keeps its initial password.
        BenutzerHelper(m_ctx).speichere(benutzer, BenutzerHelper::Speichern::Neu, true);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, e);
    }
    aktualisiere();
}

void MitgliedWebWidget::setzeZurueck()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Passwort zuruecksetzen"));
    if (!m_benutzer)
        return;
    m_benutzer->setPassword(passwort());
    try {
        BenutzerHelper(m_ctx).speichere(*m_benutzer, BenutzerHelper::Speichern::NurPasswort);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, e);
        return;
    }
    MessageBoxes::current().information(this, tr("Passwort zurueckgesetzt"),
                                        tr("Das Passwort wurde erfolgreich zurueckgesetzt."));
}
