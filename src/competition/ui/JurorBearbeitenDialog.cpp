#include "JurorBearbeitenDialog.h"

#include "DatabaseContext.h"
#include "Formular.h"
#include "JurorService.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "entities/ExternerJuror.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("JurorBearbeitenDialog");
}

JurorBearbeitenDialog::JurorBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                             const ExternerJuror *juror, QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    const DialogModus dialogModus = DialogModus::aus(
        modus, tr("Neuen externen Juror anlegen"), tr("Externen Juror bearbeiten"),
        tr("Informationen zum externen Juror"), tr("Neuen Juror &speichern"),
        tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kOrt, dialogModus);
    setModal(true);
    if (juror)
        m_juror.reset(static_cast<ExternerJuror *>(juror->clone()));
    else
        m_juror = JurorService::neuerExternerJuror(ctx);
    if (!m_juror->hasDatumGeburtInput() && m_juror->hasDatumGeburt())
        m_juror->setDatumGeburtInput(m_juror->getDatumGeburt().toString(QStringLiteral("dd.MM.yyyy")));

    m_formular = std::make_unique<Formular>(ctx, *m_juror, dialogModus.editierbar);
    Formular &f = *m_formular;
    const auto feld = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto *person = new QGroupBox(tr("Personendaten"));
    auto *pGrid = new QGridLayout(person);
    Formular::zeile(pGrid, tr("Anrede"), feld(f.text(Person::anredeRow), "anrede"));
    Formular::zeile(pGrid, tr("Titel"), feld(f.text(Person::titelRow), "titel"));
    Formular::zeile(pGrid, tr("Vorname"), feld(f.text(Person::vornameRow, true), "vorname"));
    Formular::zeile(pGrid, tr("Nachname"), feld(f.text(Person::nachnameRow, true), "nachname"));
    Formular::zeile(pGrid, tr("Geburtsdatum"),
                    feld(f.text(Person::datumGeburtInputRow), "datumGeburt"));
    auto *nummer = new QGroupBox(tr("Nummer"));
    auto *nGrid = new QGridLayout(nummer);
    Formular::zeile(nGrid, tr("Nummer"), feld(f.text(ExternerJuror::nummerRow, true), "nummer"));
    auto *adresse = new QGroupBox(tr("Adresse und Erreichbarkeit"));
    auto *aGrid = new QGridLayout(adresse);
    Formular::zeile(aGrid, tr("Strasse"), feld(f.text(Person::strasseRow), "strasse"));
    Formular::zeile(aGrid, tr("PLZ"), feld(f.text(Person::plzRow), "plz"));
    Formular::zeile(aGrid, tr("Ort"), feld(f.text(Person::ortRow), "ort"));
    Formular::zeile(aGrid, tr("Staat"),
                    feld(f.code(Person::staatRow, QStringLiteral("Staat")), "staat"));
    Formular::zeile(aGrid, tr("E-Mail"), feld(f.text(Person::emailRow), "email"));
    Formular::zeile(aGrid, tr("Telefon"), feld(f.text(Person::telefonRow), "telefon"));
    Formular::zeile(aGrid, tr("Mobil"), feld(f.text(Person::mobilRow), "mobil"));
    Formular::zeile(aGrid, tr("Homepage"), feld(f.text(Person::homepageRow), "homepage"));
    Formular::zeile(aGrid, tr("Skype"), feld(f.text(Person::skypeRow), "skype"));
    f.lade();

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus, false);
    if (knoepfe.speichern)
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &JurorBearbeitenDialog::schliessenUndSpeichern);
    for (QPushButton *k : {knoepfe.abbrechen, knoepfe.schliessen})
        if (k)
            connect(k, &QPushButton::clicked, this, &JurorBearbeitenDialog::schliessenOhneSpeichern);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(person);
    layout->addWidget(nummer);
    layout->addWidget(adresse);
    layout->addStretch();
    layout->addLayout(knoepfe.zeile);
    resize(520, 640);
}

JurorBearbeitenDialog::~JurorBearbeitenDialog() = default;

void JurorBearbeitenDialog::schliessenUndSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenUndSpeichern"));
    m_formular->uebernimm();
    const bool neu = !m_juror->hasId();
    try {
        if (const auto meldung = JurorService::pruefeExternenJuror(m_ctx, *m_juror)) {
            Meldungen::zeige(this, *meldung);
            return;
        }
        JurorService::speichereExternenJuror(m_ctx, *m_juror);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    accept();
    if (neu)
        emit jurorAngelegt(m_juror.get());
    else
        emit jurorGeaendert(m_juror.get());
}

void JurorBearbeitenDialog::schliessenOhneSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenOhneSpeichern"));
    reject();
}
