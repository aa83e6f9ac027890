#include "MitgliedBearbeitenDialog.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "MessageBoxes.h"
#include "MitgliedBearbeitenWidget.h"
#include "MitgliedService.h"
#include "MitgliedTitelWidget.h"
#include "MitgliedWebWidget.h"
#include "PersistenceException.h"
#include "entities/Benutzer.h"
#include "entities/Mitglied.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <iostream>

namespace {

const QString kLocation = QStringLiteral("MitgliedBearbeitenDialog");

} // namespace

void zeigeMeldung(DatabaseContext &ctx, QWidget *parent, const QString &location,
                  const Meldung &meldung)
{
    ctx.log(QStringLiteral("Fehlermeldung"), location, 7,
            meldung.log.isEmpty() ? meldung.titel : meldung.log);
    MessageBoxes::current().critical(parent, meldung.titel, meldung.text);
}

MitgliedBearbeitenDialog::MitgliedBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                                   const Mitglied *mitglied, int row,
                                                   QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus), m_row(row),
      m_mitglied(mitglied ? mitglied->clone() : new Mitglied)
{
    if (m_modus == Modus::BEARBEITEN && m_mitglied->hasId() &&
        !ctx.mayWrite(*ctx.dataModel().entity(QStringLiteral("Mitglied")), *m_mitglied))
        m_modus = Modus::ANSEHEN;
    const DialogModus dialogModus =
        DialogModus::aus(m_modus, tr("Mitglied anlegen"), tr("Mitglied bearbeiten"),
                         tr("Mitglied ansehen"), tr("Mitglied &speichern"),
                         tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kLocation, dialogModus);

    m_daten = new MitgliedBearbeitenWidget(ctx, m_modus, *m_mitglied);
    m_titel = new MitgliedTitelWidget(ctx, m_modus, *m_mitglied);
    m_daten->zeigeHoechstenTitel(m_titel->hoechsterTitel());
    connect(m_titel, &MitgliedTitelWidget::hoechsterTitelGeaendert, m_daten,
            &MitgliedBearbeitenWidget::zeigeHoechstenTitel);

    auto *reiter = new QTabWidget;
    reiter->setObjectName(QStringLiteral("reiter"));
    reiter->addTab(m_daten, tr("&Mitgliedsdaten"));
    reiter->addTab(m_titel, tr("&Titel"));
    if (ctx.benutzer() && ctx.benutzer()->hasBenutzername() &&
        ctx.benutzer()->getBenutzername() == QLatin1String("root"))
        reiter->addTab(new MitgliedWebWidget(ctx, *m_mitglied, dialogModus.editierbar),
                       tr("&Web-Benutzer"));

    // Return in a field of the member's data presses no button.
    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus, false);
    for (QPushButton *schliessen : {knoepfe.speichern, knoepfe.schliessen})
        if (schliessen)
            connect(schliessen, &QPushButton::clicked, this,
                    &MitgliedBearbeitenDialog::schreibenUndSchliessen);
    if (knoepfe.abbrechen)
        connect(knoepfe.abbrechen, &QPushButton::clicked, this, &MitgliedBearbeitenDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(reiter, 1);
    layout->addLayout(knoepfe.zeile);
}

MitgliedBearbeitenDialog::~MitgliedBearbeitenDialog() = default;

void MitgliedBearbeitenDialog::schreibenUndSchliessen()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Schreiben und Schliessen"));
    if (m_modus == Modus::ANSEHEN) {
        QDialog::reject();
        return;
    }
    m_daten->uebernehmeFelder();
    if (const std::optional<Meldung> meldung = MitgliedService::pruefe(m_ctx, *m_mitglied)) {
        zeigeMeldung(m_ctx, this, kLocation, *meldung);
        return;
    }
    // On a failure the database and the objects are as they were, so the user can correct
    // and store again.
    try {
        MitgliedService::speichere(m_ctx, *m_mitglied, m_titel->geaenderteTitel(),
                                   m_titel->entfernteTitel());
    } catch (const NoSuchPrivilegeException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
        return;
    } catch (const PersistenceException &e) {
        std::cerr << "Datenbankfehler: " << e.longText().toLocal8Bit().constData() << std::endl;
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
        return;
    }
    if (m_modus == Modus::NEU)
        emit neuesMitgliedHinzugefuegt(*m_mitglied);
    else
        emit mitgliedWurdeBearbeitet(*m_mitglied, m_row);
    QDialog::accept();
}

void MitgliedBearbeitenDialog::reject()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Abbrechen"));
    if (m_modus != Modus::ANSEHEN &&
        !MessageBoxes::current().question(
            this, tr("Wirklich abbrechen?"),
            tr("Wollen Sie wirklich abbrechen?\n\nBitte beachten Sie, dass dadurch insbesondere "
               "alle im Reiter Titel getaetigten Aenderungen verloren gehen."),
            false))
        return;
    QDialog::reject();
}
