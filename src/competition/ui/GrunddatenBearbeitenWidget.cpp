#include "GrunddatenBearbeitenWidget.h"

#include "DatabaseContext.h"
#include "Formular.h"
#include "Meldungen.h"
#include "Mitgliedersuche.h"
#include "PersistenceException.h"
#include "VereinBearbeitenDialog.h"
#include "VereinsSucheDialog.h"
#include "WettbewerbService.h"
#include "WettbewerbsStatus.h"
#include "controllers/VereinController.h"
#include "entities/Jurierung.h"
#include "entities/Wettbewerb.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("GrunddatenBearbeitenWidget");

QPushButton *knopf(const QString &text, const char *name, bool aktiv)
{
    auto *k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    k->setEnabled(aktiv);
    return k;
}
} // namespace

GrunddatenBearbeitenWidget::GrunddatenBearbeitenWidget(DatabaseContext &ctx,
                                                       Wettbewerb &wettbewerb,
                                                       Jurierung &jurierung, Modus modus,
                                                       QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb), m_jurierung(jurierung)
{
    const bool editierbar = modus != Modus::ANSEHEN;
    // An unset date text shows the stored date.
    if (!wettbewerb.hasDatumInput() && wettbewerb.hasDatum())
        wettbewerb.setDatumInput(wettbewerb.getDatum().toString(QStringLiteral("dd.MM.yyyy")));
    if (!wettbewerb.hasJugendAbInput() && wettbewerb.hasJugendAb())
        wettbewerb.setJugendAbInput(wettbewerb.getJugendAb().toString(QStringLiteral("dd.MM.yyyy")));

    m_formular = std::make_unique<Formular>(ctx, wettbewerb, editierbar);
    m_juryFormular = std::make_unique<Formular>(ctx, jurierung, editierbar);
    Formular &f = *m_formular;

    m_ausrichter = Formular::anzeige();
    m_ausrichter->setObjectName(QStringLiteral("ausrichter"));
    m_berechtigt = Formular::anzeige();
    m_berechtigt->setObjectName(QStringLiteral("berechtigt"));
    auto *ausrichterAnsehen = knopf(tr("&Ansehen"), "ausrichterAnsehen", true);
    auto *ausrichterWaehlen = knopf(tr("&Verein waehlen"), "ausrichterWaehlen", editierbar);
    auto *berechtigtAnsehen = knopf(tr("&Ansehen"), "berechtigtAnsehen", true);
    auto *berechtigtWaehlen = knopf(tr("&Verein waehlen"), "berechtigtWaehlen", editierbar);
    connect(ausrichterAnsehen, &QPushButton::clicked, this,
            &GrunddatenBearbeitenWidget::seheAusrichterAn);
    connect(ausrichterWaehlen, &QPushButton::clicked, this,
            &GrunddatenBearbeitenWidget::waehleAusrichter);
    connect(berechtigtAnsehen, &QPushButton::clicked, this,
            &GrunddatenBearbeitenWidget::seheBerechtigtenVereinAn);
    connect(berechtigtWaehlen, &QPushButton::clicked, this,
            &GrunddatenBearbeitenWidget::waehleBerechtigtenVerein);

    auto *daten = new QGroupBox(tr("Wettbewerbsdaten"));
    auto *datenGrid = new QGridLayout(daten);
    const auto vereinZeile = [&](QLineEdit *feld, QPushButton *a, QPushButton *w) {
        auto *zeile = new QWidget;
        auto *l = new QHBoxLayout(zeile);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(feld, 1);
        l->addWidget(a);
        l->addWidget(w);
        return zeile;
    };
    Formular::zeile(datenGrid, tr("Ausrichter"),
                    vereinZeile(m_ausrichter, ausrichterAnsehen, ausrichterWaehlen));
    Formular::zeile(datenGrid, tr("Berechtigt"),
                    vereinZeile(m_berechtigt, berechtigtAnsehen, berechtigtWaehlen));
    const auto feld = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    Formular::zeile(datenGrid, tr("Name"), feld(f.text(Wettbewerb::nameRow, true), "name"));
    Formular::zeile(datenGrid, tr("Nummer"), feld(f.text(Wettbewerb::nummerRow, true), "nummer"));
    Formular::zeile(datenGrid, tr("in folgendem Ort"), feld(f.text(Wettbewerb::ortRow), "ort"));
    Formular::zeile(datenGrid, tr("Datum"), feld(f.text(Wettbewerb::datumInputRow), "datum"));
    Formular::zeile(datenGrid, tr("Status"),
                    feld(Formular::anzeige(WettbewerbsStatus::text(ctx, wettbewerb)), "status"));

    auto *festlegungen = new QGroupBox(tr("Festlegungen"));
    auto *fGrid = new QGridLayout(festlegungen);
    const bool neu = modus == Modus::NEU;
    Formular &j = *m_juryFormular;
    Formular::zeile(fGrid, tr("Jurierungsmodus"),
                    feld(j.code(Jurierung::jurierungsModusRow, QStringLiteral("JurierungsModus"),
                                neu),
                         "jurierungsModus"));
    Formular::zeile(fGrid, tr("Anzahl Durchgaenge"),
                    feld(j.code(Jurierung::anzahlDurchgaengeRow,
                                QStringLiteral("DurchgangsAnzahl"), neu),
                         "anzahlDurchgaenge"));
    Formular::zeile(fGrid, tr("Anzahl Bilder fuer Wertung"),
                    feld(f.ganzzahl(Wettbewerb::anzahlBilderFuerWertungRow, true),
                         "anzahlBilderFuerWertung"));
    Formular::zeile(fGrid, tr("Anzahl Sparten fuer Kombination"),
                    feld(f.ganzzahl(Wettbewerb::anzahlSpartenFuerKombinationRow, true),
                         "anzahlSpartenFuerKombination"));
    Formular::zeile(fGrid, tr("Anzahl Teilnehmer fuer Vereinswertung"),
                    feld(f.ganzzahl(Wettbewerb::anzahlTeilnehmerFuerVereinsWRow, true),
                         "anzahlTeilnehmerFuerVereinsW"));
    Formular::zeile(fGrid, tr("Nur vollständige Kombinationen"),
                    feld(f.haken(Wettbewerb::nurVollstaendigeKombinationRow),
                         "nurVollstaendigeKombination"));
    const auto mitEinheit = [](QWidget *w, const QString &einheit) {
        auto *zeile = new QWidget;
        auto *l = new QHBoxLayout(zeile);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(w, 1);
        l->addWidget(new QLabel(einheit));
        return zeile;
    };
    Formular::zeile(fGrid, tr("Gewollt auszustellen sind"),
                    mitEinheit(feld(f.ganzzahl(Wettbewerb::anzahlAuszustellendeBilderRow),
                                    "anzahlAuszustellendeBilder"),
                               tr("Bilder")));
    Formular::zeile(fGrid, tr("Gewuenschte Annahmen"),
                    mitEinheit(feld(f.ganzzahl(Wettbewerb::anteilAnnahmenGewuenschtRow),
                                    "anteilAnnahmenGewuenscht"),
                               tr("Prozent")));
    Formular::zeile(fGrid, tr("Abrundung auf ganze Punkte"),
                    feld(f.code(Wettbewerb::abrundungPunkteBeiAnnahmenRow,
                                QStringLiteral("AbrundungPunkteBeiAnnahmen")),
                         "abrundungPunkteBeiAnnahmen"));
    Formular::zeile(fGrid, tr("Maximales Format"),
                    mitEinheit(feld(f.text(Wettbewerb::maxBildGroesseRow), "maxBildGroesse"),
                               tr("Zum Beispiel 1024x768")));
    Formular::zeile(fGrid, tr("Maximale Dateigroesse"),
                    mitEinheit(feld(f.text(Wettbewerb::maxDateigroesseStringRow),
                                    "maxDateigroesseString"),
                               tr("Zum Beispiel 800KB oder 2MB")));
    Formular::zeile(fGrid, tr("Fruehestmoegliches Jugend-Geburtsdatum"),
                    feld(f.text(Wettbewerb::jugendAbInputRow), "jugendAb"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(daten);
    layout->addWidget(festlegungen);
    layout->addStretch();
    m_formular->lade();
    m_juryFormular->lade();
    zeigeVereine();
}

GrunddatenBearbeitenWidget::~GrunddatenBearbeitenWidget() = default;

void GrunddatenBearbeitenWidget::zeigeVereine()
{
    for (const auto &[row, feld] : {std::pair<int, QLineEdit *>{Wettbewerb::vereinRow, m_ausrichter},
                                    {Wettbewerb::berechtigterVereinRow, m_berechtigt}}) {
        feld->clear();
        if (!m_wettbewerb.isSetAt(row))
            continue;
        try {
            if (auto verein = VereinController().readById(m_ctx, m_wettbewerb.rawValueAt(row).toLongLong()))
                feld->setText(vereinsAnzeige(*verein));
        } catch (const PersistenceException &) {
            feld->setText(tr("(nicht lesbar)"));
        }
    }
}

void GrunddatenBearbeitenWidget::seheVereinAn(int row)
{
    if (!m_wettbewerb.isSetAt(row))
        return;
    try {
        auto verein = VereinController().readById(m_ctx, m_wettbewerb.rawValueAt(row).toLongLong());
        if (!verein)
            return;
        VereinBearbeitenDialog dialog(m_ctx, Modus::ANSEHEN, verein.get(), this);
        dialog.exec();
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
}

void GrunddatenBearbeitenWidget::waehleVerein(int row)
{
    VereinsSucheDialog dialog(m_ctx, false, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (auto verein = dialog.gewaehlterVerein()) {
        m_wettbewerb.setValueAt(row, verein->getId());
        zeigeVereine();
    }
}

void GrunddatenBearbeitenWidget::seheAusrichterAn() { seheVereinAn(Wettbewerb::vereinRow); }
void GrunddatenBearbeitenWidget::waehleAusrichter() { waehleVerein(Wettbewerb::vereinRow); }
void GrunddatenBearbeitenWidget::seheBerechtigtenVereinAn()
{
    seheVereinAn(Wettbewerb::berechtigterVereinRow);
}
void GrunddatenBearbeitenWidget::waehleBerechtigtenVerein()
{
    waehleVerein(Wettbewerb::berechtigterVereinRow);
}

bool GrunddatenBearbeitenWidget::speichere()
{
    m_formular->uebernimm();
    m_juryFormular->uebernimm();
    try {
        if (const auto meldung = WettbewerbService::pruefeGrunddaten(m_ctx, m_wettbewerb,
                                                                     m_jurierung)) {
            Meldungen::zeige(this, *meldung);
            return false;
        }
        WettbewerbService::speichereGrunddaten(m_ctx, m_wettbewerb, m_jurierung);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return false;
    }
    return true;
}
