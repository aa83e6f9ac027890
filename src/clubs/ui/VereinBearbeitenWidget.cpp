#include "VereinBearbeitenWidget.h"

#include "CodeValueComboBox.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "Delegates.h"
#include "FieldFactory.h"
#include "PersistenceException.h"
#include "VereinsNummernManager.h"
#include "VereinsSucheDialog.h"
#include "controllers/VereinController.h"

#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <iostream>

namespace {

const QString kOrt = QStringLiteral("VereinBearbeitenWidget");

// The text attributes that the form edits; an empty field leaves them null.
const int kTextZeilen[] = {Verein::vereinsNummerLokalRow, Verein::nameRow,  Verein::strasseRow,
                           Verein::plzRow,                Verein::ortRow,   Verein::emailRow,
                           Verein::homepageRow};

} // namespace

int VereinBearbeitenWidget::feldLaenge(DatabaseContext &ctx, const QString &entity,
                                       const QString &attribut)
{
    const EntityDescription *beschreibung = ctx.dataModel().entity(entity);
    const AttributeDescription *spalte = beschreibung ? beschreibung->attribute(attribut) : nullptr;
    return spalte && spalte->maxLength() > 0 ? spalte->maxLength()
                                             : FieldFactory::kNoMaximumLength;
}

VereinBearbeitenWidget::VereinBearbeitenWidget(DatabaseContext &ctx, Verein &verein,
                                               bool editierbar, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_verein(verein), m_editierbar(editierbar)
{
    const auto zeile = [&](const char *attribut, bool pflicht, const char *name) {
        QLineEdit *feld = FieldFactory::createLineEdit(
            editierbar, feldLaenge(ctx, QStringLiteral("Verein"), QString::fromLatin1(attribut)),
            pflicht, this);
        feld->setObjectName(QString::fromLatin1(name));
        return feld;
    };
    m_eigeneNummer = zeile("vereinsNummerLokal", true, "eigeneVereinsnummer");
    // Derived, never typed: it shows the whole number, also one too long to be stored.
    m_gesamteNummer = FieldFactory::createLineEdit(false, FieldFactory::kNoMaximumLength, false,
                                                   this);
    m_gesamteNummer->setObjectName(QStringLiteral("gesamteVereinsnummer"));
    m_name = zeile("name", true, "vereinsname");
    m_inaktiv = new QCheckBox(this);
    m_inaktiv->setObjectName(QStringLiteral("inaktiv"));
    m_inaktiv->setEnabled(editierbar);
    m_dachverband = FieldFactory::createLineEdit(false, FieldFactory::kNoMaximumLength, false, this);
    m_dachverband->setObjectName(QStringLiteral("uebergeordneterVerein"));
    m_dachverbandWaehlen = new QPushButton(tr("A&uswaehlen"), this);
    m_dachverbandWaehlen->setAutoDefault(false);
    m_dachverbandWaehlen->setEnabled(editierbar);
    connect(m_dachverbandWaehlen, &QPushButton::clicked, this,
            &VereinBearbeitenWidget::waehleDachverbandAus);
    m_strasse = zeile("strasse", false, "strasse");
    m_plz = zeile("plz", false, "plz");
    m_ort = zeile("ort", false, "ort");
    m_staat = new CodeValueComboBox(ctx, QStringLiteral("Staat"), QString(), this);
    m_staat->setObjectName(QStringLiteral("staat"));
    m_staat->setEnabled(editierbar);
    FieldFactory::colourComboBox(m_staat, editierbar);
    m_email = zeile("email", false, "email");
    m_homepage = zeile("homepage", false, "homepage");

    auto *vereinGruppe = new QGroupBox(tr("Verein"), this);
    auto *vereinLayout = new QGridLayout(vereinGruppe);
    vereinLayout->addWidget(FieldFactory::createLabel(tr("Eigene Vereinsnummer")), 0, 0);
    vereinLayout->addWidget(m_eigeneNummer, 0, 1, 1, 2);
    vereinLayout->addWidget(FieldFactory::createLabel(tr("Gesamte Vereinsnummer")), 1, 0);
    vereinLayout->addWidget(m_gesamteNummer, 1, 1, 1, 2);
    vereinLayout->addWidget(FieldFactory::createLabel(tr("Vereinsname")), 2, 0);
    vereinLayout->addWidget(m_name, 2, 1, 1, 2);
    vereinLayout->addWidget(FieldFactory::createLabel(tr("Inaktiv")), 3, 0);
    vereinLayout->addWidget(m_inaktiv, 3, 1, 1, 2);
    vereinLayout->addWidget(FieldFactory::createLabel(tr("Uebergeordneter Verein")), 4, 0);
    vereinLayout->addWidget(m_dachverband, 4, 1);
    vereinLayout->addWidget(m_dachverbandWaehlen, 4, 2);
    vereinLayout->setColumnStretch(1, 1);

    auto *adresse = new QGroupBox(tr("Adresse und Erreichbarkeit"), this);
    auto *adresseLayout = new QGridLayout(adresse);
    int r = 0;
    for (const auto &[label, feld] : std::initializer_list<std::pair<QString, QWidget *>>{
             {tr("Strasse"), m_strasse},
             {tr("PLZ"), m_plz},
             {tr("Ort"), m_ort},
             {tr("Staat"), m_staat},
             {tr("E-Mail"), m_email},
             {tr("Homepage"), m_homepage}}) {
        adresseLayout->addWidget(FieldFactory::createLabel(label), r, 0);
        adresseLayout->addWidget(feld, r++, 1);
    }
    adresseLayout->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(vereinGruppe);
    layout->addWidget(adresse);
    layout->addStretch();

    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setOrientation(Qt::Vertical);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_mapper->setItemDelegate(new MapperDelegate(m_mapper));
    m_mapper->setModel(&m_verein);
    m_mapper->addMapping(m_eigeneNummer, Verein::vereinsNummerLokalRow);
    m_mapper->addMapping(m_name, Verein::nameRow);
    m_mapper->addMapping(m_inaktiv, Verein::inaktivRow);
    m_mapper->addMapping(m_strasse, Verein::strasseRow);
    m_mapper->addMapping(m_plz, Verein::plzRow);
    m_mapper->addMapping(m_ort, Verein::ortRow);
    m_mapper->addMapping(m_email, Verein::emailRow);
    m_mapper->addMapping(m_homepage, Verein::homepageRow);
    m_mapper->toFirst();
    m_staat->setValue(m_verein.hasStaat() ? QVariant(m_verein.getStaat()) : QVariant());
    zeigeGesamteNummer();
    connect(&m_verein, &Verein::vereinsNummerKomplettChanged, this,
            &VereinBearbeitenWidget::zeigeGesamteNummer);

    connect(m_eigeneNummer, &QLineEdit::textEdited, this,
            &VereinBearbeitenWidget::eigeneNummerGeaendert);
    zeigeDachverband();
}

VereinBearbeitenWidget::~VereinBearbeitenWidget() = default;

void VereinBearbeitenWidget::uebernehmeFelder()
{
    if (!m_editierbar)
        return;
    m_mapper->submit();
    for (const int row : kTextZeilen) {
        if (m_verein.isSetAt(row) && m_verein.rawValueAt(row).toString().isEmpty())
            m_verein.setValueAt(row, QVariant());
    }
    const QVariant staat = m_staat->value();
    if (staat.isValid())
        m_verein.setStaat(staat.toLongLong());
    else
        m_verein.setStaatNull();
}

QString VereinBearbeitenWidget::dachverbandText() const
{
    return m_dachverband->text();
}

void VereinBearbeitenWidget::zeigeGesamteNummer()
{
    m_gesamteNummer->setText(m_verein.hasVereinsNummerKomplett()
                                 ? m_verein.getVereinsNummerKomplett()
                                 : QString());
}

void VereinBearbeitenWidget::eigeneNummerGeaendert(const QString &text)
{
    {
        // The field keeps its cursor: the club does not tell the form about this change.
        const QSignalBlocker stumm(&m_verein);
        if (text.isEmpty())
            m_verein.setVereinsNummerLokalNull();
        else
            m_verein.setVereinsNummerLokal(text);
    }
    berechneGesamteNummer();
}

void VereinBearbeitenWidget::berechneGesamteNummer()
{
    try {
        VereinsNummernManager::berechneVereinsNummerKomplett(m_ctx, m_verein);
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, fehler);
    }
}

void VereinBearbeitenWidget::zeigeDachverband()
{
    if (!m_verein.hasDachverband()) {
        m_dachverband->clear();
        return;
    }
    const qlonglong id = m_verein.getDachverband();
    std::vector<std::unique_ptr<Verein>> gefunden;
    try {
        VereinNachIdSearchModel suche;
        suche.setId(id);
        // Leaves out a parent the user may not read.
        gefunden = VereinController().search(m_ctx, suche);
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, fehler);
    }
    if (gefunden.size() != 1) {
        std::cerr << "Fehler: Bei der Suche nach dem Dachverband mit der id " << id
                  << ": Es wurde nicht wie erwartet "
                  << "genau einer gefunden, sondern " << gefunden.size() << std::endl;
        m_dachverband->setText(tr("Fehler beim Bestimmen - eventuell fehlende Berechtigungen?"));
        return;
    }
    const Verein &dachverband = *gefunden.front();
    if (!dachverband.hasName() || dachverband.getName().isEmpty())
        m_dachverband->setText(tr("Dachverband ist unbenannt"));
    else
        m_dachverband->setText(dachverband.getName());
}

bool VereinBearbeitenWidget::liegtUnterDemVerein(const Verein &kandidat)
{
    if (!m_verein.hasId())
        return false; // a club not yet stored has no sub-clubs
    const qlonglong eigene = m_verein.getId();
    if (kandidat.hasId() && kandidat.getId() == eigene)
        return true;
    // Upwards from the candidate, over every club, also those the user may not read; a
    // cycle already stored ends the walk.
    QSet<qlonglong> gesehen;
    std::unique_ptr<Verein> aktuell(kandidat.clone());
    while (aktuell && aktuell->hasDachverband()) {
        const qlonglong oben = aktuell->getDachverband();
        if (oben == eigene)
            return true;
        if (gesehen.contains(oben))
            return false;
        gesehen.insert(oben);
        aktuell = VereinController().readById(m_ctx, oben, true);
    }
    return false;
}

bool VereinBearbeitenWidget::setzeDachverband(const Verein *dachverband)
{
    if (dachverband) {
        if (!dachverband->hasId())
            return false;
        bool zyklus = false;
        try {
            zyklus = liegtUnterDemVerein(*dachverband);
        } catch (const PersistenceException &fehler) {
            DatabaseErrorDialog::show(m_ctx, this, kOrt, fehler);
            return false;
        }
        if (zyklus) {
            showError(m_ctx, this, kOrt, tr("Uebergeordneter Verein nicht moeglich"),
                      tr("Ein Verein kann weder sich selbst noch einem seiner untergeordneten "
                         "Vereine untergeordnet werden.\n\nBitte waehlen Sie einen anderen "
                         "Verein aus."));
            return false;
        }
        m_verein.setDachverband(dachverband->getId());
    } else {
        m_verein.setDachverbandNull();
    }
    berechneGesamteNummer();
    zeigeDachverband();
    return true;
}

void VereinBearbeitenWidget::waehleDachverbandAus()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Waehle Dachverband aus"));
    VereinsSucheDialog suche(m_ctx, true, this);
    if (suche.exec() != QDialog::Accepted)
        return;
    if (suche.keinVereinGewaehlt()) {
        setzeDachverband(nullptr);
        return;
    }
    if (const std::unique_ptr<Verein> gewaehlt = suche.gewaehlterVerein())
        setzeDachverband(gewaehlt.get());
}
