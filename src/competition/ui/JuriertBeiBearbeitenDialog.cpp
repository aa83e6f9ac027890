#include "JuriertBeiBearbeitenDialog.h"

#include "DatabaseContext.h"
#include "JurorService.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "SparteAuswahlDialog.h"
#include "SparteBearbeitenDialog.h"
#include "SpartenListe.h"
#include "controllers/SparteController.h"
#include "controllers/SpartenJurierungController.h"
#include "entities/JuriertBei.h"
#include "entities/Sparte.h"
#include "entities/SpartenJurierung.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kOrt = QStringLiteral("JuriertBeiSparteWidget");
const QString kDialogOrt = QStringLiteral("JuriertBeiBearbeitenDialog");
} // namespace

JuriertBeiSpartenWidget::JuriertBeiSpartenWidget(DatabaseContext &ctx,
                                                 const Wettbewerb &wettbewerb, JuriertBei &juror,
                                                 bool editierbar, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb), m_juror(juror),
      m_editierbar(editierbar)
{
    m_liste = new SpartenListe(ctx);
    m_hinzufuegen = new QPushButton(tr("Hi&nzufuegen"));
    m_ansehen = new QPushButton(tr("&Ansehen"));
    m_loeschen = new QPushButton(tr("&Loeschen"));
    connect(m_hinzufuegen, &QPushButton::clicked, this, &JuriertBeiSpartenWidget::fuegeHinzu);
    connect(m_ansehen, &QPushButton::clicked, this, &JuriertBeiSpartenWidget::seheAn);
    connect(m_loeschen, &QPushButton::clicked, this, &JuriertBeiSpartenWidget::loesche);
    auto *knoepfe = new QVBoxLayout;
    for (QPushButton *k : {m_hinzufuegen, m_ansehen, m_loeschen}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);
    lade();
}

JuriertBeiSpartenWidget::~JuriertBeiSpartenWidget() = default;

void JuriertBeiSpartenWidget::lade()
{
    std::vector<std::unique_ptr<Sparte>> sparten;
    try {
        m_zuordnungen = SpartenJurierungController().readByJuriertBei(m_ctx, m_juror);
        std::sort(m_zuordnungen.begin(), m_zuordnungen.end(),
                  [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
        for (const auto &zuordnung : m_zuordnungen)
            if (auto sparte = SparteController().readById(m_ctx, zuordnung->getSparte()))
                sparten.push_back(std::move(sparte));
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    m_liste->replaceRows(std::move(sparten));
    aktualisiere();
}

void JuriertBeiSpartenWidget::aktualisiere()
{
    const bool aendern = m_editierbar && !(m_juror.hasAlleSparten() && m_juror.getAlleSparten());
    const bool markiert = m_liste->markierteSparte() != nullptr;
    m_liste->setEnabled(!(m_juror.hasAlleSparten() && m_juror.getAlleSparten()));
    m_hinzufuegen->setEnabled(aendern);
    m_ansehen->setEnabled(markiert);
    m_loeschen->setEnabled(aendern && markiert);
}

bool JuriertBeiSpartenWidget::ordneZu(const Sparte &sparte)
{
    try {
        if (const auto meldung = JurorService::ordneSparteZu(m_ctx, m_juror, sparte)) {
            Meldungen::zeige(this, *meldung);
            return false;
        }
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return false;
    }
    lade();
    emit spartenGeaendert();
    return true;
}

void JuriertBeiSpartenWidget::fuegeHinzu()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Hinzufuegen"));
    SparteAuswahlDialog dialog(m_ctx, m_wettbewerb, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto sparte = dialog.gewaehlteSparte())
        ordneZu(*sparte);
}

void JuriertBeiSpartenWidget::seheAn()
{
    if (const Sparte *sparte = m_liste->markierteSparte()) {
        SparteBearbeitenDialog dialog(m_ctx, Modus::ANSEHEN, m_wettbewerb, sparte, this);
        dialog.exec();
    }
}

void JuriertBeiSpartenWidget::loesche()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Loeschen"));
    const int zeile = m_liste->selectedRow();
    if (zeile < 0 || zeile >= int(m_zuordnungen.size()))
        return;
    try {
        JurorService::entferneZuordnung(m_ctx, m_juror, *m_zuordnungen[size_t(zeile)]);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    lade();
    emit spartenGeaendert();
}

JuriertBeiBearbeitenDialog::JuriertBeiBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                                       const Wettbewerb &wettbewerb,
                                                       JuriertBei &juror, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_juror(juror)
{
    const bool editierbar = modus == Modus::BEARBEITEN;
    const DialogModus dialogModus{modusName(modus),
                                  editierbar ? tr("Juroren-Zuordnung Bearbeiten")
                                             : tr("Juroren-Zuordnung Ansehen"),
                                  editierbar, QString()};
    DialogModi::oeffne(ctx, *this, kDialogOrt, dialogModus);
    setModal(true);
    m_alle = new QCheckBox(tr("Wertet in allen Sparten"));
    m_alle->setObjectName(QStringLiteral("alleSparten"));
    m_alle->setChecked(juror.hasAlleSparten() && juror.getAlleSparten());
    m_alle->setEnabled(editierbar);
    connect(m_alle, &QCheckBox::toggled, this, &JuriertBeiBearbeitenDialog::toggleAlleSparten);
    m_sparten = new JuriertBeiSpartenWidget(ctx, wettbewerb, juror, editierbar);
    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus);
    if (knoepfe.schliessen)
        connect(knoepfe.schliessen, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_alle);
    layout->addWidget(m_sparten, 1);
    layout->addLayout(knoepfe.zeile);
    resize(560, 400);
}

void JuriertBeiBearbeitenDialog::toggleAlleSparten()
{
    m_ctx.log(QStringLiteral("Dialog"), kDialogOrt, 7, QStringLiteral("Aufruf von toggleAlleSparten"));
    try {
        JurorService::toggleAlleSparten(m_ctx, m_juror);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kDialogOrt, fehler);
    }
    const QSignalBlocker sperre(m_alle);
    m_alle->setChecked(m_juror.hasAlleSparten() && m_juror.getAlleSparten());
    m_sparten->aktualisiere();
    emit alleSpartenChanged(&m_juror);
}
