#include "DurchgangBearbeitenDialog.h"

#include "DatabaseContext.h"
#include "DurchgangService.h"
#include "Formular.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "controllers/SparteController.h"
#include "entities/Durchgang.h"
#include "entities/Sparte.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("DurchgangBearbeitenDialog");
}

DurchgangBearbeitenDialog::DurchgangBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                                     const Durchgang &durchgang, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_durchgang(static_cast<Durchgang *>(durchgang.clone()))
{
    const DialogModus dialogModus = DialogModus::aus(
        modus, QString(), tr("Einstellungen zum Durchgang bearbeiten"),
        tr("Einstellungen zum Durchgang ansehen"), QString(), tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kOrt, dialogModus);
    setModal(true);

    QString sparte;
    if (m_durchgang->hasSparte()) {
        try {
            if (auto s = SparteController().readById(ctx, m_durchgang->getSparte()))
                sparte = s->hasName() ? s->getName() : QString();
        } catch (const PersistenceException &) {
        }
    }
    m_formular = std::make_unique<Formular>(ctx, *m_durchgang, dialogModus.editierbar);
    Formular &f = *m_formular;
    const auto feld = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto *grid = new QGridLayout;
    Formular::zeile(grid, tr("Sparte"), feld(Formular::anzeige(sparte), "sparte"));
    Formular::zeile(grid, tr("Jugend"),
                    feld(f.code(Durchgang::jugendRow, QStringLiteral("Jugend"), false), "jugend"));
    Formular::zeile(grid, tr("DurchgangsArt"),
                    feld(f.code(Durchgang::artRow, QStringLiteral("DurchgangsArt"), false), "art"));
    Formular::zeile(grid, tr("Status"),
                    feld(f.code(Durchgang::statusRow, QStringLiteral("DurchgangsStatus"), false),
                         "status"));
    Formular::zeile(grid, tr("Von Prozent der Rangliste"),
                    feld(f.dezimal(Durchgang::minRangRow), "minRang"));
    Formular::zeile(grid, tr("Bis Prozent der Rangliste"),
                    feld(f.dezimal(Durchgang::maxRangRow), "maxRang"));
    Formular::zeile(grid, tr("Minimal erlaubte Bewertung"),
                    feld(f.ganzzahl(Durchgang::minBewertungRow), "minBewertung"));
    Formular::zeile(grid, tr("Maximal erlaubte Bewertung"),
                    feld(f.ganzzahl(Durchgang::maxBewertungRow), "maxBewertung"));
    Formular::zeile(grid, tr("Sortierung"),
                    feld(f.code(Durchgang::sortierModusRow, QStringLiteral("SpartenSortierModus")),
                         "sortierModus"));
    f.lade();

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus, false);
    if (knoepfe.speichern)
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &DurchgangBearbeitenDialog::schliessenUndSpeichern);
    for (QPushButton *k : {knoepfe.abbrechen, knoepfe.schliessen})
        if (k)
            connect(k, &QPushButton::clicked, this,
                    &DurchgangBearbeitenDialog::schliessenOhneSpeichern);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(knoepfe.zeile);
    resize(500, 380);
}

DurchgangBearbeitenDialog::~DurchgangBearbeitenDialog() = default;

void DurchgangBearbeitenDialog::schliessenUndSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenUndSpeichern"));
    m_formular->uebernimm();
    try {
        if (const auto meldung = DurchgangService::pruefe(m_ctx, *m_durchgang)) {
            Meldungen::zeige(this, *meldung);
            return;
        }
        DurchgangService::speichere(m_ctx, *m_durchgang);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    emit durchgangGeaendert(m_durchgang.get());
    accept();
}

void DurchgangBearbeitenDialog::schliessenOhneSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenOhneSpeichern"));
    reject();
}
