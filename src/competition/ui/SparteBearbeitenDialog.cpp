#include "SparteBearbeitenDialog.h"

#include "DatabaseContext.h"
#include "Formular.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "SparteService.h"
#include "entities/Sparte.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("SparteBearbeitenDialog");
}

SparteBearbeitenDialog::SparteBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                               const Wettbewerb &wettbewerb, const Sparte *sparte,
                                               QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus)
{
    DialogModus dialogModus =
        DialogModus::aus(modus, tr("Neue Sparte anlegen"), tr("Sparte bearbeiten"),
                         tr("Informationen zur Sparte"), tr("Neue &Sparte anlegen"),
                         tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kOrt, dialogModus);
    setModal(true);
    if (sparte)
        m_sparte.reset(static_cast<Sparte *>(sparte->clone()));
    else
        m_sparte = SparteService::neueSparte(ctx, wettbewerb);

    m_formular = std::make_unique<Formular>(ctx, *m_sparte, dialogModus.editierbar);
    Formular &f = *m_formular;
    auto *grid = new QGridLayout;
    const auto feld = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    Formular::zeile(grid, tr("Name"), feld(f.text(Sparte::nameRow, true), "name"));
    Formular::zeile(grid, tr("Abkuerzung"), feld(f.text(Sparte::abkuerzungRow), "abkuerzung"));
    Formular::zeile(grid, tr("Durchgaenge anlegen fuer"),
                    feld(f.code(Sparte::durchgangsModusRow, QStringLiteral("DurchgangsModus"),
                                modus == Modus::NEU),
                         "durchgangsModus"));
    Formular::zeile(grid, tr("In Kombination verwendet"),
                    feld(f.haken(Sparte::inKombinationVerwendetRow), "inKombinationVerwendet"));
    f.lade();

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus);
    if (knoepfe.speichern)
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &SparteBearbeitenDialog::schliessenUndSpeichern);
    for (QPushButton *k : {knoepfe.abbrechen, knoepfe.schliessen})
        if (k)
            connect(k, &QPushButton::clicked, this,
                    &SparteBearbeitenDialog::schliessenOhneSpeichern);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(knoepfe.zeile);
    resize(480, 220);
}

SparteBearbeitenDialog::~SparteBearbeitenDialog() = default;

void SparteBearbeitenDialog::schliessenUndSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenUndSpeichern"));
    m_formular->uebernimm();
    const bool neu = !m_sparte->hasId();
    try {
        if (const auto meldung = SparteService::pruefe(m_ctx, *m_sparte)) {
            Meldungen::zeige(this, *meldung);
            return;
        }
        SparteService::speichere(m_ctx, *m_sparte);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    if (neu)
        emit sparteAngelegt(m_sparte.get());
    else
        emit sparteGeaendert(m_sparte.get());
    accept();
}

void SparteBearbeitenDialog::schliessenOhneSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenOhneSpeichern"));
    reject();
}
