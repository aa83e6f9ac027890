#include "VollbildWertungsDialog.h"

#include "DatabaseContext.h"
#include "EinzelwertungBearbeitenDialog.h"
#include "KeyboardManager.h"
#include "Meldungen.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "WertungsAblauf.h"
#include "entities/Bild.h"
#include "entities/Durchgang.h"
#include "entities/JuriertBei.h"
#include "entities/Wertung.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iostream>

namespace {

const QString kOrt = QStringLiteral("VollbildWertungsDialog");

void informiere(QWidget *parent, const Meldung &meldung)
{
    MessageBoxes::current().information(parent, meldung.titel, meldung.text);
}

} // namespace

VollbildWertungsDialog::VollbildWertungsDialog(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                               Durchgang &durchgang, KeyboardManager *tastaturen,
                                               std::vector<std::unique_ptr<JuriertBei>> juroren,
                                               QWidget *parent)
    : AbstractVollbildDialog(ctx, parent), m_tastaturen(tastaturen),
      m_ablauf(std::make_unique<WertungsAblauf>(ctx, wettbewerb, durchgang, std::move(juroren)))
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne VollbildWertungsDialog"));
    m_titel = new QLabel;
    m_titel->setObjectName(QStringLiteral("titel"));
    m_titel->setWordWrap(true);
    QFont gross = m_titel->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.5);
    gross.setBold(true);
    m_titel->setFont(gross);
    m_nummer = new QLabel;
    m_nummer->setObjectName(QStringLiteral("nummer"));
    m_nummer->setFont(gross);

    m_liste = new QTableWidget(0, 3);
    m_liste->setObjectName(QStringLiteral("einzelwertungen"));
    m_liste->setHorizontalHeaderLabels({tr("Vorname"), tr("Nachname"), tr("Bewertung")});
    m_liste->verticalHeader()->hide();
    m_liste->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setFocusPolicy(Qt::NoFocus);
    connect(m_liste, &QTableWidget::cellDoubleClicked, this,
            &VollbildWertungsDialog::bewertungManuellSetzen);

    const auto neuerKnopf = [this](const QString &text, const char *name, auto slot) {
        QPushButton *k = knopf(text, name);
        connect(k, &QPushButton::clicked, this, slot);
        return k;
    };
    QVBoxLayout *layout = kontrollLayout();
    layout->addWidget(m_titel);
    layout->addWidget(m_nummer);
    layout->addWidget(m_liste, 1);
    layout->addWidget(neuerKnopf(tr("Schaltflaeche weitgehend \n &verbergen"), "verbergen",
                                 &VollbildWertungsDialog::kontrollWidgetVerbergen));
    layout->addWidget(neuerKnopf(tr("Schaltflaeche immer \n &zeigen"), "zeigen",
                                 &VollbildWertungsDialog::kontrollWidgetZeigen));
    layout->addWidget(neuerKnopf(tr("&Bewertung eingeben"), "manuell",
                                 &VollbildWertungsDialog::bewertungManuellSetzen));
    layout->addWidget(neuerKnopf(tr("Zurueck \n (zum vorherigen Bild)"), "zurueck",
                                 &VollbildWertungsDialog::zurueck));
    layout->addWidget(neuerKnopf(tr("Wertung bestaetigen \n (zum &naechsten Bild)"),
                                 "bestaetigen", &VollbildWertungsDialog::bewertungBestaetigen));
    layout->addWidget(neuerKnopf(tr("Jurierung unterbre&chen"), "unterbrechen",
                                 &VollbildWertungsDialog::jurierungUnterbrechen));
}

VollbildWertungsDialog::~VollbildWertungsDialog() = default;

void VollbildWertungsDialog::log(int level, const QString &text)
{
    m_ctx.log(QStringLiteral("Wertung"), kOrt, level, text);
}

template <typename Schritt>
bool VollbildWertungsDialog::schreibe(Schritt &&schritt)
{
    try {
        schritt();
        return true;
    } catch (const PersistenceException &fehler) {
        if (!m_zeigtFehler) {
            // Key presses keep arriving while the box is open: their failures are not shown
            // again (and not counted as stored either).
            m_zeigtFehler = true;
            Meldungen::fehler(m_ctx, this, kOrt, fehler);
            m_zeigtFehler = false;
        }
        return false;
    }
}

void VollbildWertungsDialog::setup()
{
    schreibe([this] { m_ablauf->setzeNaechsteOffeneWertung(); });
    zeigeAktuellesBild();
    if (m_tastaturen)
        connect(m_tastaturen, &KeyboardManager::numericKeyPressed, this,
                &VollbildWertungsDialog::numericKeyPressed, Qt::UniqueConnection);
}

void VollbildWertungsDialog::zeigeAktuellesBild()
{
    const Bild *bild = m_ablauf->aktuellesBild();
    if (!bild) {
        m_titel->clear();
        m_nummer->clear();
        zeigeWertungen();
        zeigeKeinBild();
        return;
    }
    m_titel->setText(bildTitel(*bild));
    m_nummer->setText(tr("Bildnummer: %1").arg(m_ablauf->bildnummer()));
    zeigeWertungen();
    std::vector<BildVorlader::Wunsch> naechste;
    for (const Bild *folgendes : m_ablauf->naechsteBilder(std::max(vorausAnzahl(), 1)))
        naechste.push_back(wunsch(*folgendes));
    std::vector<BildVorlader::Wunsch> vorige;
    if (const Bild *voriges = m_ablauf->bildAnPosition(m_ablauf->position() - 1))
        vorige.push_back(wunsch(*voriges));
    zeigeBild(wunsch(*bild), naechste, vorige);
    passeKontrollWidgetAn();
}

void VollbildWertungsDialog::zeigeWertungen()
{
    const int markiert = m_liste->currentRow();
    const auto wertungen = m_ablauf->einzelWertungen();
    m_liste->setRowCount(int(wertungen.size()));
    for (int i = 0; i < int(wertungen.size()); ++i) {
        const auto &w = wertungen[size_t(i)];
        const QStringList spalten{w.vorname, w.nachname,
                                  w.bewertung ? QString::number(*w.bewertung) : QString()};
        for (int spalte = 0; spalte < 3; ++spalte) {
            QTableWidgetItem *feld = m_liste->item(i, spalte);
            if (!feld) {
                feld = new QTableWidgetItem;
                m_liste->setItem(i, spalte, feld);
            }
            feld->setText(spalten[spalte]);
        }
    }
    if (markiert >= int(wertungen.size()))
        m_liste->clearSelection();
}

void VollbildWertungsDialog::passeKontrollWidgetAn()
{
    if (!m_verbergen)
        zeigeKontrollWidget();
    else if (m_ablauf->alleGewertet())
        zeigeKontrollWidget();
    else
        verbergeKontrollWidget();
}

void VollbildWertungsDialog::kontrollWidgetVerbergen()
{
    m_verbergen = true;
    passeKontrollWidgetAn();
}

void VollbildWertungsDialog::kontrollWidgetZeigen()
{
    m_verbergen = false;
    passeKontrollWidgetAn();
}

void VollbildWertungsDialog::numericKeyPressed(qlonglong device, int number)
{
    bool gespeichert = false;
    schreibe([&] { gespeichert = m_ablauf->tastendruck(device, number); });
    if (gespeichert)
        reagiereAufEinzelwertung();
    else
        zeigeWertungen(); // a failed store shows the value the database still holds
}

void VollbildWertungsDialog::reagiereAufEinzelwertung()
{
    bool alle = false;
    schreibe([&] { alle = m_ablauf->reagiere(); });
    zeigeWertungen();
    if (m_verbergen) {
        if (alle)
            zeigeKontrollWidget();
        else
            verbergeKontrollWidget();
    }
}

void VollbildWertungsDialog::bewertungBestaetigen()
{
    auto ergebnis = WertungsAblauf::Bestaetigung::Unvollstaendig;
    if (!schreibe([&] { ergebnis = m_ablauf->bestaetige(); })) {
        zeigeWertungen();
        return;
    }
    switch (ergebnis) {
    case WertungsAblauf::Bestaetigung::Unvollstaendig:
        informiere(this, WertungsAblauf::unvollstaendigMeldung());
        return;
    case WertungsAblauf::Bestaetigung::Weiter:
        zeigeAktuellesBild();
        return;
    case WertungsAblauf::Bestaetigung::Abgeschlossen:
        zeigeAktuellesBild();
        informiere(this, WertungsAblauf::abgeschlossenMeldung());
        accept();
        return;
    }
}

void VollbildWertungsDialog::zurueck()
{
    bool zurueckGegangen = false;
    if (!schreibe([&] { zurueckGegangen = m_ablauf->zurueck(); }))
        return;
    if (!zurueckGegangen) {
        informiere(this, WertungsAblauf::keinVorherigesBildMeldung());
        return;
    }
    zeigeAktuellesBild();
}

void VollbildWertungsDialog::bewertungManuellSetzen()
{
    if (!m_ablauf->aktuellesBild() || m_liste->rowCount() == 0)
        return;
    // Without a marked row the first juror without a score (or the first juror) is asked.
    int zeile = m_liste->currentRow();
    if (zeile >= 0 && m_liste->item(zeile, 0) && m_liste->item(zeile, 0)->isSelected()) {
        log(7, QStringLiteral("==> Eine Zeile markiert."));
    } else {
        zeile = 0;
        const auto wertungen = m_ablauf->einzelWertungen();
        for (int i = 0; i < int(wertungen.size()); ++i) {
            if (!wertungen[size_t(i)].bewertung) {
                zeile = i;
                break;
            }
        }
    }
    // One juror after the other until the last row or a cancel.
    while (zeile >= 0 && zeile < m_liste->rowCount()) {
        m_liste->selectRow(zeile);
        const auto wertungen = m_ablauf->einzelWertungen();
        if (zeile >= int(wertungen.size()))
            return;
        const auto &einzel = wertungen[size_t(zeile)];
        EinzelwertungBearbeitenDialog::Angaben angaben;
        angaben.juror = einzel.vorname + QLatin1Char(' ') + einzel.nachname;
        angaben.bild = (m_ablauf->bildnummer() + QStringLiteral("  ") +
                        bildTitel(*m_ablauf->aktuellesBild()))
                           .trimmed();
        angaben.bewertung = einzel.bewertung;
        angaben.pruefung = [this](const std::optional<int> &wert) {
            return m_ablauf->pruefeManuell(wert);
        };
        EinzelwertungBearbeitenDialog dialog(m_ctx,
                                             einzel.bewertung ? Modus::BEARBEITEN : Modus::NEU,
                                             angaben, this);
        if (dialog.exec() != QDialog::Accepted || !dialog.bewertung())
            return;
        bool gespeichert = false;
        schreibe([&] { gespeichert = m_ablauf->setzeManuell(einzel.juror, *dialog.bewertung()); });
        if (!gespeichert) {
            zeigeWertungen();
            return;
        }
        reagiereAufEinzelwertung();
        ++zeile;
    }
}

void VollbildWertungsDialog::jurierungUnterbrechen()
{
    const Meldung frage = WertungsAblauf::unterbrechenFrage();
    if (MessageBoxes::current().question(this, frage.titel, frage.text))
        accept();
}

void VollbildWertungsDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_N:
        bewertungBestaetigen();
        return;
    case Qt::Key_Return: {
        const Wertung *wertung = m_ablauf->aktuelleWertung();
        if (!wertung || wertung->hasBewertung())
            bewertungBestaetigen();
        else
            bewertungManuellSetzen();
        return;
    }
    case Qt::Key_B:
        bewertungManuellSetzen();
        return;
    case Qt::Key_U:
        jurierungUnterbrechen();
        return;
    case Qt::Key_V:
        kontrollWidgetVerbergen();
        return;
    case Qt::Key_Z:
        kontrollWidgetZeigen();
        return;
    case Qt::Key_Escape:
        zeigeKontrollWidget();
        return;
    case Qt::Key_0:
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
    case Qt::Key_6:
    case Qt::Key_7:
    case Qt::Key_8:
    case Qt::Key_9:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Clear:
    case Qt::Key_Insert:
        std::cerr << "Ignoring key " << event->key() << std::endl;
        return;
    default:
        AbstractVollbildDialog::keyPressEvent(event);
    }
}
