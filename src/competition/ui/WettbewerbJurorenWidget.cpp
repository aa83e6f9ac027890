#include "WettbewerbJurorenWidget.h"

#include "DatabaseContext.h"
#include "JuriertBeiBearbeitenDialog.h"
#include "JurorBearbeitenDialog.h"
#include "JurorHinzufuegenDialog.h"
#include "JurorService.h"
#include "JurorenListen.h"
#include "KeyboardManager.h"
#include "Meldungen.h"
#include "MitgliedBearbeitenDialog.h"
#include "PersistenceException.h"
#include "TastaturZuordnungsDialog.h"
#include "WettbewerbsStatus.h"
#include "controllers/ExternerJurorController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/MitgliedController.h"
#include "entities/ExternerJuror.h"
#include "entities/JuriertBei.h"
#include "entities/Mitglied.h"
#include "joins/JuriertBeiPersonJoinModel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("WettbewerbJurorenWidget");
using JP = JuriertBeiPersonJoinModel;
} // namespace

WettbewerbJurorenWidget::WettbewerbJurorenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                                 bool editierbar, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb), m_editierbar(editierbar)
{
    m_liste = new JurorenListe(ctx);
    const auto knopf = [](const QString &text, const char *name) {
        auto *k = new QPushButton(text);
        k->setObjectName(QString::fromLatin1(name));
        k->setAutoDefault(false);
        return k;
    };
    m_ansehen = knopf(tr("&Ansehen"), "ansehen");
    m_neuExtern = knopf(tr("Externen Juror \n a&nlegen \n und hinzufuegen"), "neuExtern");
    m_hinzufuegen = knopf(tr("&Vorhandenen \n externen Juror \n bzw. vorhandenes \n Mitglied "
                             "hinzufuegen"),
                          "hinzufuegen");
    m_toggle = knopf(tr("Alle Sparten?"), "alleSparten");
    m_sparten = knopf(tr("Sparten &zuordnen"), "sparten");
    m_tastatur = knopf(tr("Tastatur z&uordnen"), "tastatur");
    m_bearbeiten = knopf(tr("&Bearbeiten"), "bearbeiten");
    m_entfernen = knopf(tr("&Entfernen"), "entfernen");
    connect(m_ansehen, &QPushButton::clicked, this, &WettbewerbJurorenWidget::oeffneAnsehenDialog);
    connect(m_neuExtern, &QPushButton::clicked, this,
            &WettbewerbJurorenWidget::oeffneNeuenExternenJurorDialog);
    connect(m_hinzufuegen, &QPushButton::clicked, this,
            &WettbewerbJurorenWidget::oeffneJurorHinzufuegenDialog);
    connect(m_toggle, &QPushButton::clicked, this, &WettbewerbJurorenWidget::toggleAlleSparten);
    connect(m_sparten, &QPushButton::clicked, this,
            &WettbewerbJurorenWidget::oeffneSpartenZuordnenDialog);
    connect(m_tastatur, &QPushButton::clicked, this, &WettbewerbJurorenWidget::ordneTastaturZu);
    connect(m_bearbeiten, &QPushButton::clicked, this,
            &WettbewerbJurorenWidget::oeffneBearbeitenDialog);
    connect(m_entfernen, &QPushButton::clicked, this, &WettbewerbJurorenWidget::entferneJuror);
    connect(m_liste, &JurorenListe::zeileDoppelgeklickt, this,
            &WettbewerbJurorenWidget::oeffneAnsehenDialog);

    auto *knoepfe = new QGridLayout;
    const QList<QPushButton *> alle{m_ansehen, m_neuExtern,  m_hinzufuegen, m_toggle,
                                    m_sparten, m_tastatur,   m_bearbeiten,  m_entfernen};
    for (int i = 0; i < alle.size(); ++i)
        knoepfe->addWidget(alle[i], i / 4, i % 4);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);
    aktualisiereListe();
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WettbewerbJurorenWidget::aktualisiere);
}

WettbewerbJurorenWidget::~WettbewerbJurorenWidget() = default;

void WettbewerbJurorenWidget::setzeKeyboardManager(KeyboardManager *tastaturen)
{
    m_tastaturen = tastaturen;
    aktualisiere();
}

bool WettbewerbJurorenWidget::darfAendern() const
{
    return WettbewerbsStatus::erlaubt(WettbewerbsStatus::stufe(m_ctx, m_wettbewerb),
                                      WettbewerbsStatus::Operation::JurorenAendern, m_editierbar);
}

void WettbewerbJurorenWidget::aktualisiere()
{
    const bool aendern = darfAendern();
    const JP *zeile = m_liste->markierteZeile();
    m_ansehen->setEnabled(zeile);
    m_neuExtern->setEnabled(aendern);
    m_hinzufuegen->setEnabled(aendern);
    m_bearbeiten->setEnabled(aendern && zeile);
    m_entfernen->setEnabled(aendern && zeile);
    m_tastatur->setEnabled(zeile && m_tastaturen);
    if (!zeile) {
        m_toggle->setText(tr("Alle Sparten?"));
        m_toggle->setEnabled(false);
        m_sparten->setText(tr("Sparten &zuordnen"));
        m_sparten->setEnabled(false);
        return;
    }
    const bool alleSparten = zeile->isSetAt(JP::juriertBeiAlleSpartenRow) &&
                             zeile->getJuriertBeiAlleSparten();
    m_toggle->setText(alleSparten ? tr("Spartenzuordnung \n ermoeg&lichen")
                                  : tr("Automatisch a&llen \n Sparten zuordnen"));
    m_toggle->setEnabled(aendern);
    m_sparten->setText(aendern ? tr("Sparten &zuordnen") : tr("Sparten&zuordnung \n ansehen"));
    m_sparten->setEnabled(!alleSparten);
}

void WettbewerbJurorenWidget::aktualisiereListe()
{
    const JP *zeile = m_liste->markierteZeile();
    zeigeListe(zeile ? zeile->getJuriertBeiId() : -1);
}

void WettbewerbJurorenWidget::zeigeListe(qlonglong markieren)
{
    try {
        m_liste->lade(m_wettbewerb);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    const int zeile = m_liste->zeileVon(markieren);
    m_liste->selectRow(zeile >= 0 ? zeile : 0);
    aktualisiere();
}

std::unique_ptr<JuriertBei> WettbewerbJurorenWidget::markierterJuror()
{
    const JP *zeile = m_liste->markierteZeile();
    if (!zeile)
        return nullptr;
    try {
        return JuriertBeiController().readById(m_ctx, zeile->getJuriertBeiId());
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return nullptr;
    }
}

void WettbewerbJurorenWidget::legeJuriertBeiAn(Mitglied *mitglied)
{
    if (mitglied)
        fuegeHinzu([&] { return JurorService::fuegeHinzu(m_ctx, m_wettbewerb, *mitglied); });
}

void WettbewerbJurorenWidget::legeJuriertBeiAn(ExternerJuror *juror)
{
    if (juror)
        fuegeHinzu([&] { return JurorService::fuegeHinzu(m_ctx, m_wettbewerb, *juror); });
}

// Adds a seat through the service: its refusal or a database failure is shown, else the list
// shows the new seat.
void WettbewerbJurorenWidget::fuegeHinzu(const std::function<std::optional<Meldung>()> &hinzufuegen)
{
    try {
        if (const auto meldung = hinzufuegen()) {
            Meldungen::zeige(this, *meldung);
            return;
        }
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    aktualisiereListe();
}

// The member or external juror of a seat, in his own dialog.
void WettbewerbJurorenWidget::oeffnePerson(const JP &zeile, Modus modus)
{
    try {
        if (zeile.isSetAt(JP::juriertBeiMitgliedRow)) {
            if (auto mitglied = MitgliedController().readById(m_ctx, zeile.getJuriertBeiMitglied())) {
                MitgliedBearbeitenDialog dialog(m_ctx, modus, mitglied.get(), -1, this);
                dialog.exec();
            }
        } else if (zeile.isSetAt(JP::juriertBeiExternerJurorRow)) {
            if (auto juror = ExternerJurorController().readById(m_ctx,
                                                                zeile.getJuriertBeiExternerJuror())) {
                JurorBearbeitenDialog dialog(m_ctx, modus, juror.get(), this);
                dialog.exec();
            }
        }
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
}

void WettbewerbJurorenWidget::oeffneAnsehenDialog()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von oeffneAnsehenDialog"));
    const JP *zeile = m_liste->markierteZeile();
    if (!zeile)
        return;
    oeffnePerson(*zeile, Modus::ANSEHEN);
}

void WettbewerbJurorenWidget::oeffneNeuenExternenJurorDialog()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von oeffneNeuenExternenJurorDialog"));
    if (!darfAendern())
        return;
    JurorBearbeitenDialog dialog(m_ctx, Modus::NEU, nullptr, this);
    connect(&dialog, &JurorBearbeitenDialog::jurorAngelegt, this,
            qOverload<ExternerJuror *>(&WettbewerbJurorenWidget::legeJuriertBeiAn));
    dialog.exec();
}

void WettbewerbJurorenWidget::oeffneJurorHinzufuegenDialog()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von oeffneJurorHinzufuegenDialog"));
    if (!darfAendern())
        return;
    JurorHinzufuegenDialog dialog(m_ctx, this);
    connect(&dialog, &JurorHinzufuegenDialog::mitgliedAusgewaehlt, this,
            qOverload<Mitglied *>(&WettbewerbJurorenWidget::legeJuriertBeiAn));
    connect(&dialog, &JurorHinzufuegenDialog::externerJurorAusgewaehlt, this,
            qOverload<ExternerJuror *>(&WettbewerbJurorenWidget::legeJuriertBeiAn));
    dialog.exec();
}

void WettbewerbJurorenWidget::toggleAlleSparten()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von toggleAlleSparten"));
    if (!darfAendern())
        return;
    auto juror = markierterJuror();
    if (!juror)
        return;
    try {
        JurorService::toggleAlleSparten(m_ctx, *juror);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    zeigeListe(juror->getId());
}

void WettbewerbJurorenWidget::oeffneSpartenZuordnenDialog()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von oeffneSpartenZuordnenDialog"));
    auto juror = markierterJuror();
    if (!juror)
        return;
    JuriertBeiBearbeitenDialog dialog(m_ctx, darfAendern() ? Modus::BEARBEITEN : Modus::ANSEHEN,
                                      m_wettbewerb, *juror, this);
    dialog.exec();
    zeigeListe(juror->getId());
}

void WettbewerbJurorenWidget::ordneTastaturZu()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Ordne Tastatur Zu"));
    const JP *zeile = m_liste->markierteZeile();
    if (!zeile || !m_tastaturen)
        return;
    const qlonglong juror = zeile->getJuriertBeiId();
    TastaturZuordnungsDialog dialog(m_ctx, *m_tastaturen,
                                    zeile->rawValueAt(JP::personVornameRow).toString(),
                                    zeile->rawValueAt(JP::personNachnameRow).toString(), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.geraet())
        return;
    m_tastaturen->assign(juror, *dialog.geraet());
    zeigeListe(juror);
}

void WettbewerbJurorenWidget::oeffneBearbeitenDialog()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von oeffneBearbeitenDialog"));
    const JP *zeile = m_liste->markierteZeile();
    if (!zeile || !darfAendern())
        return;
    const qlonglong markiert = zeile->getJuriertBeiId();
    oeffnePerson(*zeile, Modus::BEARBEITEN);
    zeigeListe(markiert);
}

void WettbewerbJurorenWidget::entferneJuror()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Juror Entfernen"));
    if (!darfAendern())
        return;
    auto juror = markierterJuror();
    if (!juror)
        return;
    try {
        if (const auto verbot = JurorService::entfernVerbot(m_ctx, *juror)) {
            Meldungen::zeige(this, *verbot);
            return;
        }
        if (!Meldungen::frage(this, JurorService::entfernFrage(m_ctx, *juror)))
            return;
        JurorService::entferne(m_ctx, *juror);
        if (m_tastaturen) // his keypad belongs to nobody now
            m_tastaturen->unassign(juror->getId());
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    zeigeListe(-1);
}
