#include "VereinBearbeitenDialog.h"

#include "CodeManager.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "VereinBearbeitenWidget.h"
#include "VereinFunktionstraegerWidget.h"
#include "VereinService.h"
#include "entities/Funktionstraeger.h"
#include "entities/Verein.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("VereinBearbeitenDialog");

QString nummerVon(const Verein &verein)
{
    return verein.hasVereinsNummerKomplett() ? verein.getVereinsNummerKomplett() : QString();
}

QString nameVon(const Verein &verein)
{
    return verein.hasName() ? verein.getName() : QString();
}

// A check or rule that failed: logged under "Fehlermeldung", shown in a critical box.
void zeige(DatabaseContext &ctx, QWidget *parent, const Meldung &meldung)
{
    ctx.log(QStringLiteral("Fehlermeldung"), kOrt, 7, meldung.log);
    MessageBoxes::current().critical(parent, meldung.titel, meldung.text);
}

} // namespace

VereinBearbeitenDialog::VereinBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                               const Verein *verein, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus)
{
    const DialogModus dialogModus =
        DialogModus::aus(modus, tr("Verein anlegen"), tr("Verein bearbeiten"),
                         tr("Verein ansehen"), tr("Verein &speichern"),
                         tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kOrt, dialogModus);
    if (verein) {
        m_verein.reset(verein->clone());
    } else {
        m_verein = std::make_unique<Verein>();
        const qlonglong staat = ctx.codeManager().idOf(QStringLiteral("Staat"), QStringLiteral("AT"));
        if (staat >= 0)
            m_verein->setStaat(staat);
    }
    m_nummerBeimOeffnen = nummerVon(*m_verein);

    m_editierbar = dialogModus.editierbar;
    if (modus == Modus::BEARBEITEN) {
        const EntityDescription *beschreibung = ctx.dataModel().entity(QStringLiteral("Verein"));
        if (beschreibung && !ctx.mayWrite(*beschreibung, *m_verein)) {
            m_editierbar = false;
            log(QStringLiteral("Keine Schreibberechtigung fuer den Verein, daher sind alle "
                               "Felder schreibgeschuetzt"));
        }
    }
    setModal(true);

    m_reiter = new QTabWidget(this);
    m_vereinsdaten = new VereinBearbeitenWidget(ctx, *m_verein, m_editierbar);
    m_funktionstraeger = new VereinFunktionstraegerWidget(ctx, *m_verein, m_editierbar);
    m_reiter->addTab(m_vereinsdaten, tr("&Vereinsdaten"));
    m_reiter->addTab(m_funktionstraeger, tr("&Funktionstraeger"));

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus);
    if (knoepfe.speichern) {
        // Without write permission the fields are read-only and storing stays greyed.
        knoepfe.speichern->setEnabled(m_editierbar);
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &VereinBearbeitenDialog::schliessenUndSpeichern);
    }
    for (QPushButton *abbrechen : {knoepfe.abbrechen, knoepfe.schliessen})
        if (abbrechen)
            connect(abbrechen, &QPushButton::clicked, this, &VereinBearbeitenDialog::abbrechen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_reiter, 1);
    layout->addLayout(knoepfe.zeile);
    resize(620, 520);
}

VereinBearbeitenDialog::~VereinBearbeitenDialog() = default;

void VereinBearbeitenDialog::log(const QString &text)
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, text);
}

void VereinBearbeitenDialog::schliessenUndSpeichern()
{
    if (!m_editierbar)
        return;
    m_vereinsdaten->uebernehmeFelder();
    log(QStringLiteral("Aufruf von Schliessen und Speichern"));
    try {
        if (const std::optional<Meldung> meldung = VereinService::pruefe(m_ctx, *m_verein)) {
            zeige(m_ctx, this, *meldung);
            return;
        }
        log(QStringLiteral("==> Pruefung erfolgreich, schonInDB = ") +
            (m_verein->hasId() ? QStringLiteral("1") : QStringLiteral("0")));

        const std::vector<std::unique_ptr<Funktionstraeger>> geaendert =
            m_funktionstraeger->geaenderteFunktionstraeger();
        std::vector<Funktionstraeger *> geaendertZeiger;
        for (const auto &funktionstraeger : geaendert)
            geaendertZeiger.push_back(funktionstraeger.get());
        std::vector<const Funktionstraeger *> entferntZeiger;
        for (const auto &funktionstraeger : m_funktionstraeger->entfernteFunktionstraeger())
            entferntZeiger.push_back(funktionstraeger.get());
        // The clubs below need new numbers only when a stored club's number changed.
        const bool nummerGeaendert =
            m_verein->hasId() && nummerVon(*m_verein) != m_nummerBeimOeffnen;

        VereinService::speichere(m_ctx, *m_verein, geaendertZeiger, entferntZeiger,
                                 nummerGeaendert);
    } catch (const NoSuchPrivilegeException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, fehler);
        return;
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, fehler);
        return;
    }
    emit vereinWurdeGespeichert(m_verein.get());
    QDialog::accept();
}

void VereinBearbeitenDialog::abbrechen()
{
    log(m_modus == Modus::ANSEHEN ? QStringLiteral("Aufruf von Schliessen")
                                  : QStringLiteral("Aufruf von Abbrechen"));
    reject();
}

void VereinBearbeitenDialog::reject()
{
    // Nothing to lose where nothing can be changed.
    if (m_editierbar &&
        !MessageBoxes::current().question(
            this, tr("Wirklich abbrechen?"),
            tr("Wollen Sie wirklich abbrechen?\n\nBitte beachten Sie, dass dadurch insbesondere "
               "alle im Reiter Funktionstraeger getaetigten Aenderungen  verloren gehen.")))
        return;
    QDialog::reject();
}

bool VereinBearbeitenDialog::loescheVerein(DatabaseContext &ctx, const Verein &verein,
                                           QWidget *parent)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Loesche Verein"));
    if (!verein.hasId())
        return false; // never stored, nothing to delete
    const QString nummer = nummerVon(verein);
    const QString name = nameVon(verein);
    if (!MessageBoxes::current().question(
            parent, tr("Verein wirklich loeschen?"),
            tr("Wollen Sie den Verein mit der Nummer %1 und dem Namen %2 wirklich loeschen? "
               "\n\nFalls Sie mit Ja antworten, wird er unwiderbringlich geloescht.")
                .arg(nummer, name)))
        return false;
    try {
        if (const std::optional<Meldung> verbot = VereinService::loeschVerbot(ctx, verein)) {
            zeige(ctx, parent, *verbot);
            return false;
        }
        VereinService::loesche(ctx, verein);
    } catch (const NoSuchPrivilegeException &fehler) {
        DatabaseErrorDialog::show(ctx, parent, kOrt, fehler);
        return false;
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(ctx, parent, kOrt, fehler);
        return false;
    }
    MessageBoxes::current().information(
        parent, tr("Verein erfolgreich geloescht."),
        tr("Der Verein mit der Nummer %1 und dem Namen %2 wurde erfolgreich geloescht.")
            .arg(nummer, name));
    return true;
}
