#include "MitgliedBearbeitenWidget.h"

#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "Delegates.h"
#include "FieldFactory.h"
#include "MitgliedBearbeitenDialog.h"
#include "Mitgliedersuche.h"
#include "MitgliedsnummernManager.h"
#include "PersistenceException.h"
#include "VereinsSucheDialog.h"
#include "controllers/VereinController.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"

#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kLocation = QStringLiteral("MitgliedBearbeitenWidget");
const QString kDatumsFormat = QStringLiteral("dd.MM.yyyy");

// Fills the text twin of a date that the member already has.
void fuelleDatumstext(Mitglied &mitglied, int datumRow, int textRow)
{
    if (mitglied.isSetAt(datumRow) && !mitglied.isSetAt(textRow))
        mitglied.setValueAt(textRow,
                            mitglied.rawValueAt(datumRow).toDate().toString(kDatumsFormat));
}

QHBoxLayout *mitKnopf(QWidget *feld, QPushButton *knopf)
{
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(feld, 1);
    zeile->addWidget(knopf);
    return zeile;
}

} // namespace

MitgliedBearbeitenWidget::MitgliedBearbeitenWidget(DatabaseContext &ctx, Modus modus,
                                                   Mitglied &mitglied, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_modus(modus), m_mitglied(mitglied),
      m_mapper(new QDataWidgetMapper(this))
{
    const bool editierbar = modus != Modus::ANSEHEN;
    fuelleDatumstext(mitglied, Mitglied::datumGeburtRow, Mitglied::datumGeburtInputRow);
    fuelleDatumstext(mitglied, Mitglied::datumEintrittRow, Mitglied::datumEintrittInputRow);
    fuelleDatumstext(mitglied, Mitglied::datumAustrittRow, Mitglied::datumAustrittInputRow);
    fuelleDatumstext(mitglied, Mitglied::beitragBezahltBisRow, Mitglied::beitragBezahltBisInputRow);
    if (modus == Modus::NEU && !mitglied.hasJugend()) {
        const qlonglong nein =
            ctx.codeManager().idOf(QStringLiteral("Jugend"), QStringLiteral("Nein"));
        if (nein >= 0)
            mitglied.setJugend(nein);
    }

    m_mapper->setOrientation(Qt::Vertical);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_mapper->setItemDelegate(new MapperDelegate(m_mapper));
    m_mapper->setModel(&mitglied);

    // Group "Mitglied".
    m_verein = FieldFactory::createLineEdit(false);
    m_verein->setObjectName(QStringLiteral("verein"));
    auto *vereinWaehlen = new QPushButton(tr("&Verein waehlen"));
    vereinWaehlen->setObjectName(QStringLiteral("vereinWaehlen"));
    m_nummerKomplett = FieldFactory::createLineEdit(false);
    m_nummerKomplett->setObjectName(QStringLiteral("mitgliedsNummerKomplett"));
    m_nummerImVerein =
        textFeld("mitgliedsNummerImVerein", Mitglied::mitgliedsNummerImVereinRow, editierbar, true);
    auto *nummerVorschlagen = new QPushButton(tr("&Nummer vorschlagen"));
    nummerVorschlagen->setObjectName(QStringLiteral("nummerVorschlagen"));
    m_hoechsterTitel = FieldFactory::createLineEdit(false);
    m_hoechsterTitel->setObjectName(QStringLiteral("hoechsterTitel"));
    auto *mitgliedsArt = auswahlFeld("mitgliedsArt", QStringLiteral("Mitgliedsart"),
                                     Mitglied::mitgliedsArtRow, editierbar);
    auto *jugend = auswahlFeld("jugend", QStringLiteral("Jugend"), Mitglied::jugendRow, editierbar);

    auto *mitgliedGruppe = new QGroupBox(tr("Mitglied"));
    auto *g1 = new QGridLayout(mitgliedGruppe);
    int zeile = 0;
    g1->addWidget(FieldFactory::createLabel(tr("Verein")), zeile, 0);
    g1->addLayout(mitKnopf(m_verein, vereinWaehlen), zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Gesamte Mitgliedsnummer")), zeile, 0);
    g1->addWidget(m_nummerKomplett, zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Vereinsinterne Nummer")), zeile, 0);
    g1->addLayout(mitKnopf(m_nummerImVerein, nummerVorschlagen), zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Anrede")), zeile, 0);
    g1->addWidget(textFeld("anrede", Mitglied::anredeRow, editierbar), zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Vorname")), zeile, 0);
    g1->addWidget(textFeld("vorname", Mitglied::vornameRow, editierbar), zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Nachname")), zeile, 0);
    g1->addWidget(textFeld("nachname", Mitglied::nachnameRow, editierbar), zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Mitgliedsart")), zeile, 0);
    g1->addWidget(mitgliedsArt, zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Fotographische Titel")), zeile, 0);
    g1->addWidget(m_hoechsterTitel, zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Jugend")), zeile, 0);
    g1->addWidget(jugend, zeile++, 1);
    g1->addWidget(FieldFactory::createLabel(tr("Geburtsdatum")), zeile, 0);
    g1->addWidget(datumsFeld("datumGeburtInput", Mitglied::datumGeburtInputRow, editierbar),
                  zeile++, 1);

    // Group "Mitgliedschaft".
    auto *aktuellesJahr = new QPushButton(tr("Aktuelles &Jahr eintragen"));
    aktuellesJahr->setObjectName(QStringLiteral("aktuellesJahr"));
    auto *mitgliedschaft = new QGroupBox(tr("Mitgliedschaft"));
    auto *g2 = new QGridLayout(mitgliedschaft);
    g2->addWidget(FieldFactory::createLabel(tr("Datum Eintritt")), 0, 0);
    g2->addWidget(datumsFeld("datumEintrittInput", Mitglied::datumEintrittInputRow, editierbar), 0,
                  1);
    g2->addWidget(FieldFactory::createLabel(tr("Datum Austritt")), 1, 0);
    g2->addWidget(datumsFeld("datumAustrittInput", Mitglied::datumAustrittInputRow, editierbar), 1,
                  1);
    g2->addWidget(FieldFactory::createLabel(tr("Beitrag bezahlt bis")), 2, 0);
    g2->addLayout(mitKnopf(datumsFeld("beitragBezahltBisInput", Mitglied::beitragBezahltBisInputRow,
                                      editierbar),
                           aktuellesJahr),
                  2, 1);

    // Group "Adresse und Erreichbarkeit".
    auto *adresse = new QGroupBox(tr("Adresse und Erreichbarkeit"));
    auto *g3 = new QGridLayout(adresse);
    g3->addWidget(FieldFactory::createLabel(tr("Strasse und Hausnummer")), 0, 0);
    g3->addWidget(textFeld("strasse", Mitglied::strasseRow, editierbar), 0, 1, 1, 3);
    g3->addWidget(FieldFactory::createLabel(tr("PLZ")), 1, 0);
    g3->addWidget(textFeld("plz", Mitglied::plzRow, editierbar), 1, 1);
    g3->addWidget(FieldFactory::createLabel(tr("Ort")), 1, 2);
    g3->addWidget(textFeld("ort", Mitglied::ortRow, editierbar), 1, 3);
    g3->addWidget(FieldFactory::createLabel(tr("Staat")), 2, 0);
    g3->addWidget(auswahlFeld("staat", QStringLiteral("Staat"), Mitglied::staatRow, editierbar), 2,
                  1, 1, 3);
    g3->addWidget(FieldFactory::createLabel(tr("E-Mail")), 3, 0);
    g3->addWidget(textFeld("email", Mitglied::emailRow, editierbar), 3, 1, 1, 3);
    g3->addWidget(FieldFactory::createLabel(tr("Homepage")), 4, 0);
    g3->addWidget(textFeld("homepage", Mitglied::homepageRow, editierbar), 4, 1, 1, 3);
    g3->addWidget(FieldFactory::createLabel(tr("Telefon")), 5, 0);
    g3->addWidget(textFeld("telefon", Mitglied::telefonRow, editierbar), 5, 1);
    g3->addWidget(FieldFactory::createLabel(tr("Mobil")), 5, 2);
    g3->addWidget(textFeld("mobil", Mitglied::mobilRow, editierbar), 5, 3);
    g3->addWidget(FieldFactory::createLabel(tr("Skype")), 6, 0);
    g3->addWidget(textFeld("skype", Mitglied::skypeRow, editierbar), 6, 1, 1, 3);
    g3->setColumnStretch(1, 1);
    g3->setColumnStretch(3, 1);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(mitgliedschaft);
    rechts->addWidget(adresse);
    rechts->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    auto *links = new QVBoxLayout;
    links->addWidget(mitgliedGruppe);
    links->addStretch(1);
    layout->addLayout(links, 1);
    layout->addLayout(rechts, 1);

    m_mapper->toFirst();
    m_letzteEingaben = nummernEingaben();
    zeigeVerein();
    m_nummerKomplett->setText(
        mitglied.hasMitgliedsNummerKomplett() ? mitglied.getMitgliedsNummerKomplett() : QString());

    for (QPushButton *knopf : {vereinWaehlen, nummerVorschlagen, aktuellesJahr}) {
        knopf->setEnabled(editierbar);
        knopf->setAutoDefault(false);
    }
    connect(vereinWaehlen, &QPushButton::clicked, this, &MitgliedBearbeitenWidget::waehleVerein);
    connect(nummerVorschlagen, &QPushButton::clicked, this,
            &MitgliedBearbeitenWidget::schlageNummerVor);
    connect(aktuellesJahr, &QPushButton::clicked, this,
            &MitgliedBearbeitenWidget::trageAktuellesJahrEin);
    connect(&mitglied, &Mitglied::mitgliedsNummerKomplettChanged, this, [this] {
        m_nummerKomplett->setText(m_mitglied.hasMitgliedsNummerKomplett()
                                      ? m_mitglied.getMitgliedsNummerKomplett()
                                      : QString());
    });
    if (!editierbar)
        return;

    // The numbers follow their inputs: the club, the member type and the internal number
    // (taken over when its editing ends).
    connect(&mitglied, &Mitglied::vereinChanged, this, &MitgliedBearbeitenWidget::berechneNummern);
    connect(&mitglied, &Mitglied::mitgliedsArtChanged, this,
            &MitgliedBearbeitenWidget::berechneNummern);
    connect(&mitglied, &Mitglied::mitgliedsNummerImVereinChanged, this,
            &MitgliedBearbeitenWidget::berechneNummern);
    connect(m_nummerImVerein, &QLineEdit::editingFinished, this, [this] {
        const QString text = m_nummerImVerein->text().trimmed();
        const QVariant wert = text.isEmpty() ? QVariant() : QVariant(text);
        if (wert != m_mitglied.getValue(Mitglied::mitgliedsNummerImVereinRow))
            m_mitglied.setValueAt(Mitglied::mitgliedsNummerImVereinRow, wert);
    });
    connect(mitgliedsArt, &QComboBox::currentIndexChanged, this, [this, mitgliedsArt] {
        if (mitgliedsArt->value() != m_mitglied.getValue(Mitglied::mitgliedsArtRow))
            m_mitglied.setValueAt(Mitglied::mitgliedsArtRow, mitgliedsArt->value());
    });
}

MitgliedBearbeitenWidget::~MitgliedBearbeitenWidget() = default;

QLineEdit *MitgliedBearbeitenWidget::textFeld(const char *attribut, int row, bool editierbar,
                                              bool pflicht)
{
    const AttributeDescription *spalte =
        m_ctx.dataModel().entity(QStringLiteral("Mitglied"))->attribute(QLatin1String(attribut));
    const int laenge =
        spalte && spalte->maxLength() > 0 ? spalte->maxLength() : FieldFactory::kNoMaximumLength;
    QLineEdit *feld = FieldFactory::createLineEdit(editierbar, laenge, pflicht);
    feld->setObjectName(QLatin1String(attribut));
    m_mapper->addMapping(feld, row);
    return feld;
}

QLineEdit *MitgliedBearbeitenWidget::datumsFeld(const char *name, int row, bool editierbar)
{
    // The text twins of the dates have no column; the text is checked when the member is
    // stored, so the field takes whatever is typed.
    QLineEdit *feld = FieldFactory::createLineEdit(editierbar);
    feld->setObjectName(QLatin1String(name));
    if (editierbar)
        feld->setPlaceholderText(QStringLiteral("dd.mm.yyyy"));
    m_mapper->addMapping(feld, row);
    return feld;
}

CodeValueComboBox *MitgliedBearbeitenWidget::auswahlFeld(const char *name, const QString &codeTyp,
                                                         int row, bool editierbar)
{
    auto *feld = new CodeValueComboBox(m_ctx, codeTyp);
    feld->setObjectName(QLatin1String(name));
    feld->setEnabled(editierbar);
    FieldFactory::colourComboBox(feld, editierbar);
    m_mapper->addMapping(feld, row);
    return feld;
}

void MitgliedBearbeitenWidget::uebernehmeFelder()
{
    if (m_modus == Modus::ANSEHEN)
        return;
    m_mapper->submit();
    // Empty texts are no value; the texts of the dates stay, so that an emptied date field
    // clears its date when the member is checked.
    for (int row = 0; row < m_mitglied.attributeCount(); ++row) {
        const QVariant &wert = m_mitglied.rawValueAt(row);
        if (wert.typeId() == QMetaType::QString && wert.toString().trimmed().isEmpty() &&
            !QByteArray(m_mitglied.classInfo().slotAt(row).name).endsWith("Input"))
            m_mitglied.setValueAt(row, QVariant());
    }
    // The internal number is part of the numbers: no stray blanks.
    if (m_mitglied.hasMitgliedsNummerImVerein()) {
        const QString nummer = m_mitglied.getMitgliedsNummerImVerein();
        if (nummer != nummer.trimmed())
            m_mitglied.setMitgliedsNummerImVerein(nummer.trimmed());
    }
}

QVariantList MitgliedBearbeitenWidget::nummernEingaben() const
{
    // An empty internal number is no number: taking over an untouched field changes nothing.
    const QString nummer = m_mitglied.hasMitgliedsNummerImVerein()
                               ? m_mitglied.getMitgliedsNummerImVerein().trimmed()
                               : QString();
    return {m_mitglied.getValue(Mitglied::vereinRow),
            m_mitglied.getValue(Mitglied::mitgliedsArtRow),
            nummer.isEmpty() ? QVariant() : QVariant(nummer)};
}

void MitgliedBearbeitenWidget::berechneNummern()
{
    // Only a real change of an input renumbers: taking over unchanged fields leaves the
    // numbers of a stored member alone even when its club has been renumbered since.
    const QVariantList eingaben = nummernEingaben();
    if (m_berechnet || eingaben == m_letzteEingaben)
        return;
    m_berechnet = true;
    m_letzteEingaben = eingaben;
    try {
        MitgliedsnummernManager::berechneNummern(m_ctx, m_mitglied);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
    }
    m_berechnet = false;
}

void MitgliedBearbeitenWidget::setzeVerein(const Verein *verein)
{
    if (verein && verein->hasId())
        m_mitglied.setVerein(verein->getId());
    else
        m_mitglied.setVereinNull();
    m_verein->setText(verein ? vereinsAnzeige(*verein) : QString());
}

void MitgliedBearbeitenWidget::zeigeVerein()
{
    if (!m_mitglied.hasVerein()) {
        m_verein->clear();
        return;
    }
    std::vector<std::unique_ptr<Verein>> vereine;
    try {
        vereine = VereinController().select(
            m_ctx, {{QStringLiteral("id"), QVariant(m_mitglied.getVerein())}});
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
    }
    if (vereine.size() == 1)
        m_verein->setText(vereinsAnzeige(*vereine.front()));
    else
        m_verein->setText(QStringLiteral(
            "Fehler: Vereinsreferenz im Mitglied nicht auflösbar oder nicht eindeutig."));
}

QString MitgliedBearbeitenWidget::vereinsText() const
{
    return m_verein->text();
}

QString MitgliedBearbeitenWidget::hoechsterTitelText() const
{
    return m_hoechsterTitel->text();
}

void MitgliedBearbeitenWidget::zeigeHoechstenTitel(const QString &titel)
{
    m_hoechsterTitel->setText(titel);
}

void MitgliedBearbeitenWidget::waehleVerein()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Verein waehlen"));
    if (m_modus == Modus::ANSEHEN)
        return;
    VereinsSucheDialog dialog(m_ctx, false, this);
    if (dialog.exec() != QDialog::Accepted || dialog.keinVereinGewaehlt())
        return;
    const std::unique_ptr<Verein> verein = dialog.gewaehlterVerein();
    if (verein)
        setzeVerein(verein.get());
}

void MitgliedBearbeitenWidget::schlageNummerVor()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Schlage Mitgliedsnummer vor"));
    if (m_modus == Modus::ANSEHEN)
        return;
    uebernehmeFelder();
    if (!m_mitglied.hasMitgliedsArt()) {
        const QString titel = QStringLiteral("Noch keine Mitgliedsart ausgewaehlt");
        zeigeMeldung(m_ctx, this, kLocation,
                     Meldung{titel,
                             QStringLiteral("Bitte waehlen Sie zunaechst eine "
                                            "Mitgliedsart aus."),
                             titel + QLatin1Char('.')});
        return;
    }
    if (!m_mitglied.hasVerein()) {
        const QString titel = QStringLiteral("Noch kein Verein ausgewaehlt");
        zeigeMeldung(m_ctx, this, kLocation,
                     Meldung{titel, QStringLiteral("Bitte waehlen Sie zunaechst einen Verein aus."),
                             titel + QLatin1Char('.')});
        return;
    }
    try {
        const QString nummer = MitgliedsnummernManager::neueMitgliedsnummer(m_ctx, m_mitglied);
        m_mitglied.setMitgliedsNummerImVerein(nummer);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kLocation, e);
    }
}

void MitgliedBearbeitenWidget::trageAktuellesJahrEin()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Trage Beitrag bis aktuelles Jahr ein"));
    if (m_modus == Modus::ANSEHEN)
        return;
    const QDate jahresende(m_ctx.now().date().year(), 12, 31);
    m_mitglied.setBeitragBezahltBisInput(jahresende.toString(kDatumsFormat));
}
