#include "WettbewerbGrunddatenWidget.h"

#include "DatabaseContext.h"
#include "Formular.h"
#include "GrunddatenBearbeitenDialog.h"
#include "Meldungen.h"
#include "Mitgliedersuche.h"
#include "PersistenceException.h"
#include "WettbewerbService.h"
#include "WettbewerbsStatus.h"
#include "controllers/VereinController.h"
#include "entities/Wettbewerb.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <iostream>

namespace {
const QString kOrt = QStringLiteral("WettbewerbGrunddatenWidget");
}

void kopiereWerte(const Record &von, Record &nach)
{
    for (int row = 0; row < von.classInfo().rowCount(); ++row)
        nach.setValueAt(row, von.rawValueAt(row));
}

WettbewerbGrunddatenWidget::WettbewerbGrunddatenWidget(DatabaseContext &ctx,
                                                       Wettbewerb &wettbewerb, bool editierbar,
                                                       QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb), m_editierbar(editierbar),
      m_formular(std::make_unique<Formular>(ctx, wettbewerb, false))
{
    Formular &f = *m_formular;
    auto *gruppe = new QGroupBox(tr("Wettbewerbsdaten"));
    auto *grid = new QGridLayout(gruppe);
    m_ausrichter = Formular::anzeige();
    Formular::zeile(grid, tr("Ausrichter"), m_ausrichter);
    Formular::zeile(grid, tr("Name"), f.text(Wettbewerb::nameRow));
    Formular::zeile(grid, tr("Nummer"), f.text(Wettbewerb::nummerRow));
    Formular::zeile(grid, tr("in folgendem Ort"), f.text(Wettbewerb::ortRow));
    Formular::zeile(grid, tr("Datum"), f.text(Wettbewerb::datumRow));
    Formular::zeile(grid, tr("Anzahl Bilder fuer Wertung"),
                    f.ganzzahl(Wettbewerb::anzahlBilderFuerWertungRow));
    Formular::zeile(grid, tr("Anzahl Sparten fuer Kombination"),
                    f.ganzzahl(Wettbewerb::anzahlSpartenFuerKombinationRow));
    Formular::zeile(grid, tr("Anzahl Teilnehmer fuer Vereinswertung"),
                    f.ganzzahl(Wettbewerb::anzahlTeilnehmerFuerVereinsWRow));
    Formular::zeile(grid, tr("Maximales Format"), f.text(Wettbewerb::maxBildGroesseRow));
    Formular::zeile(grid, tr("Maximale Dateigroesse"),
                    f.text(Wettbewerb::maxDateigroesseStringRow));
    Formular::zeile(grid, tr("Fruehestmoegliches Jugend-Geburtsdatum"),
                    f.text(Wettbewerb::jugendAbRow));
    m_status = Formular::anzeige();
    m_status->setObjectName(QStringLiteral("status"));
    Formular::zeile(grid, tr("Status"), m_status);

    m_bearbeiten = new QPushButton(tr("Grunddaten &Bearbeiten"));
    m_bearbeiten->setObjectName(QStringLiteral("grunddatenBearbeiten"));
    m_zurueck = new QPushButton;
    m_zurueck->setObjectName(QStringLiteral("zurueck"));
    m_weiter = new QPushButton;
    m_weiter->setObjectName(QStringLiteral("weiter"));
    for (QPushButton *k : {m_bearbeiten, m_zurueck, m_weiter})
        k->setAutoDefault(false);
    connect(m_bearbeiten, &QPushButton::clicked, this,
            &WettbewerbGrunddatenWidget::oeffneGrunddatenBearbeitenDialog);
    connect(m_zurueck, &QPushButton::clicked, this,
            &WettbewerbGrunddatenWidget::geheZumVorherigenStatus);
    connect(m_weiter, &QPushButton::clicked, this,
            &WettbewerbGrunddatenWidget::geheZumNaechstenStatus);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_bearbeiten);
    knoepfe->addStretch();
    knoepfe->addWidget(m_zurueck);
    knoepfe->addWidget(m_weiter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gruppe);
    layout->addStretch();
    layout->addLayout(knoepfe);
    aktualisiere();
}

WettbewerbGrunddatenWidget::~WettbewerbGrunddatenWidget() = default;

void WettbewerbGrunddatenWidget::aktualisiere()
{
    m_formular->lade();
    m_ausrichter->clear();
    if (m_wettbewerb.hasVerein()) {
        try {
            if (auto verein = VereinController().readById(m_ctx, m_wettbewerb.getVerein()))
                m_ausrichter->setText(vereinsAnzeige(*verein));
        } catch (const PersistenceException &) {
        }
    }
    m_status->setText(WettbewerbsStatus::text(m_ctx, m_wettbewerb));
    const WettbewerbsStatus::Knoepfe k = WettbewerbsStatus::knoepfe(
        WettbewerbsStatus::stufe(m_ctx, m_wettbewerb), m_editierbar, true);
    m_zurueck->setText(k.zurueck);
    m_zurueck->setEnabled(k.zurueckAktiv);
    m_weiter->setText(k.weiter);
    m_weiter->setEnabled(k.weiterAktiv);
    m_bearbeiten->setEnabled(k.grunddatenBearbeitenAktiv);
}

void WettbewerbGrunddatenWidget::oeffneGrunddatenBearbeitenDialog()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von oeffneGrunddatenBearbeitenDialog"));
    const bool bearbeiten = WettbewerbsStatus::erlaubt(
        WettbewerbsStatus::stufe(m_ctx, m_wettbewerb),
        WettbewerbsStatus::Operation::GrunddatenBearbeiten, m_editierbar);
    try {
        GrunddatenBearbeitenDialog dialog(m_ctx, bearbeiten ? Modus::BEARBEITEN : Modus::ANSEHEN,
                                          m_wettbewerb, this);
        connect(&dialog, &GrunddatenBearbeitenDialog::grunddatenGespeichert, this,
                [this](Wettbewerb *gespeichert) {
                    kopiereWerte(*gespeichert, m_wettbewerb);
                    aktualisiere();
                    emit grunddatenGeaendert();
                });
        dialog.exec();
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
}

void WettbewerbGrunddatenWidget::geheZumVorherigenStatus()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von geheZumVorherigenStatus"));
    try {
        if (!WettbewerbService::geheZurueck(m_ctx, m_wettbewerb))
            return;
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        aktualisiere();
        return;
    }
    emit statusWechselZurueck();
    aktualisiere();
}

void WettbewerbGrunddatenWidget::geheZumNaechstenStatus()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von geheZumNaechstenStatus"));
    try {
        if (!WettbewerbService::geheWeiter(m_ctx, m_wettbewerb))
            return;
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        aktualisiere();
        return;
    }
    std::cout << "emitting statusWechselWeiter" << std::endl;
    emit statusWechselWeiter();
    aktualisiere();
}
