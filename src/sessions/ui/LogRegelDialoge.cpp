#include "LogRegelDialoge.h"

#include "CodeValueComboBox.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FieldFactory.h"
#include "LogRegeln.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "TrefferListe.h"
#include "Trefferbereich.h"
#include "Treffersuche.h"
#include "controllers/EventLogCategoryController.h"
#include "entities/EventLogCategory.h"
#include "entities/EventLogSettings.h"
#include "entities/QueryLogSettings.h"
#include "joins/EventLogSettingsListeJoinController.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Zeile = EventLogSettingsListeJoinModel;

DialogModus regelModus(Modus modus)
{
    return DialogModus::aus(modus, QObject::tr("Neue Einstellungen anlegen"),
                            QObject::tr("Einstellungen bearbeiten"),
                            QObject::tr("Informationen zur Einstellung"),
                            QObject::tr("Neue Einstellungen &speichern"),
                            QObject::tr("Aenderungen &speichern"));
}

// Lays out the fields of an edit dialog and its buttons; the store button calls `speichern`.
template <typename D>
void baueRegeldialog(D *dialog, const DialogModus &modus,
                     std::initializer_list<std::pair<QString, QWidget *>> felder,
                     void (D::*speichern)())
{
    auto *grid = new QGridLayout;
    for (const auto &[label, feld] : felder) {
        const int r = grid->rowCount();
        if (!label.isEmpty())
            grid->addWidget(FieldFactory::createLabel(label), r, 0);
        grid->addWidget(feld, r, 1);
    }
    grid->setColumnStretch(1, 1);
    const DialogKnoepfe k = DialogModi::knoepfe(*dialog, modus);
    if (k.speichern)
        QObject::connect(k.speichern, &QPushButton::clicked, dialog, speichern);
    for (QPushButton *b : {k.abbrechen, k.schliessen})
        if (b)
            QObject::connect(b, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(k.zeile);
}

QCheckBox *haken(const QString &text, bool wert, bool editierbar)
{
    auto *box = new QCheckBox(text);
    box->setChecked(wert);
    box->setEnabled(editierbar);
    return box;
}

QString textOderLeer(const QLineEdit *edit)
{
    return edit->text().trimmed();
}

} // namespace

Regelwidget::Regelwidget(DatabaseContext &ctx, const QString &name, TrefferListe *liste,
                         std::function<Trefferquelle()> quelle, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_name(name), m_liste(liste), m_quelle(std::move(quelle))
{
    auto *zeile = new QHBoxLayout;
    zeile->addStretch();
    connect(neuerKnopf(tr("Hi&nzufuegen"), "hinzufuegen", zeile), &QPushButton::clicked, this,
            &Regelwidget::fuegeHinzu);
    connect(neuerKnopf(tr("&Bearbeiten"), "bearbeiten", zeile), &QPushButton::clicked, this,
            &Regelwidget::bearbeite);
    connect(neuerKnopf(tr("&Loeschen"), "loeschen", zeile), &QPushButton::clicked, this,
            &Regelwidget::loesche);
    connect(liste, &TrefferListe::zeileDoppelgeklickt, this, &Regelwidget::bearbeite);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(liste, 1);
    layout->addLayout(zeile);
}

void Regelwidget::lade()
{
    try {
        m_liste->treffer()->setzeSuche(std::make_unique<Treffersuche>(m_ctx, m_quelle(), QStringList()));
        m_liste->treffer()->ladeAlles();
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, m_name, fehler);
    }
}

void Regelwidget::fuegeHinzu()
{
    m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Hinzufuegen"));
    if (oeffne(Modus::NEU, nullptr))
        lade();
}

void Regelwidget::bearbeite()
{
    const Record *zeile = m_liste->markiertFuer(m_name, QStringLiteral("Bearbeiten"));
    if (!zeile)
        return;
    if (oeffne(Modus::BEARBEITEN, zeile))
        lade();
}

void Regelwidget::loesche()
{
    const Record *zeile = m_liste->markiertFuer(m_name, QStringLiteral("Loeschen"));
    if (!zeile)
        return;
    try {
        loescheZeile(*zeile);
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, m_name, fehler);
        return;
    }
    lade();
}

EventLogSettingsWidget::EventLogSettingsWidget(DatabaseContext &ctx, QWidget *parent)
    : Regelwidget(ctx, QStringLiteral("EventLogSettingsWidget"),
                  new TrefferListe(ctx,
                                   {{Zeile::categoryNameRow, tr("Kategorie"), 120},
                                    {Zeile::settingsLocationRow, tr("Code-Standort"), 180},
                                    {Zeile::settingsLevelOperandRow, tr("Level-Operand"), 90},
                                    {Zeile::settingsLevelRow, tr("Level"), 60},
                                    {Zeile::settingsToStdOutRow, tr("Konsolenausgabe"), 110,
                                     Spalte::JaNein},
                                    {Zeile::settingsToDBRow, tr("Datenbankausgabe"), 110,
                                     Spalte::JaNein}}),
                  [] {
                      return Trefferquelle::ausJoin(EventLogSettingsListeJoinController::joinDef(),
                                                    Zeile::staticClassInfo(), 1);
                  },
                  parent)
{
    lade();
}

bool EventLogSettingsWidget::oeffne(Modus modus, const Record *zeile)
{
    const auto regel =
        zeile ? EventLogSettingsListeJoinController::toSettings(static_cast<const Zeile &>(*zeile))
              : nullptr;
    EventLogEditDialog dialog(m_ctx, modus, regel.get(), this);
    return dialog.exec() == QDialog::Accepted;
}

void EventLogSettingsWidget::loescheZeile(const Record &zeile)
{
    LogRegeln::loesche(m_ctx,
                       *EventLogSettingsListeJoinController::toSettings(static_cast<const Zeile &>(zeile)));
}

QueryLogSettingsWidget::QueryLogSettingsWidget(DatabaseContext &ctx, QWidget *parent)
    : Regelwidget(ctx, QStringLiteral("QueryLogSettingsWidget"),
                  new TrefferListe(ctx,
                                   {{QueryLogSettings::queryTypeRow, tr("Art der Abfrage"), 140,
                                     Spalte::Abfrageart},
                                    {QueryLogSettings::entityRow, tr("Betroffene Entitaet"), 200},
                                    {QueryLogSettings::toStdOutRow, tr("Konsolenausgabe"), 110,
                                     Spalte::JaNein},
                                    {QueryLogSettings::toDBRow, tr("Datenbank-Ausgabe"), 110,
                                     Spalte::JaNein}}),
                  [&ctx] {
                      return Trefferquelle::ausEntity(ctx, QStringLiteral("QueryLogSettings"),
                                                      QueryLogSettings::staticClassInfo(),
                                                      QStringLiteral("r"));
                  },
                  parent)
{
    lade();
}

bool QueryLogSettingsWidget::oeffne(Modus modus, const Record *zeile)
{
    QueryLogEditDialog dialog(m_ctx, modus, static_cast<const QueryLogSettings *>(zeile), this);
    return dialog.exec() == QDialog::Accepted;
}

void QueryLogSettingsWidget::loescheZeile(const Record &zeile)
{
    LogRegeln::loesche(m_ctx, static_cast<const QueryLogSettings &>(zeile));
}

LogSettingsAdminDialog::LogSettingsAdminDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ereignisse(new EventLogSettingsWidget(ctx)),
      m_zugriffe(new QueryLogSettingsWidget(ctx))
{
    baueLogDialog(ctx, *this, QStringLiteral("LogSettingsAdminDialog"), tr("Log-Einstellungen"),
                  m_ereignisse, m_zugriffe);
    resize(820, 520);
}

EventLogEditDialog::EventLogEditDialog(DatabaseContext &ctx, Modus modus,
                                       const EventLogSettings *regel, QWidget *parent)
    : QDialog(parent), m_ctx(ctx),
      m_regel(regel ? regel->clone() : std::make_unique<EventLogSettings>().release())
{
    const DialogModus dm = regelModus(modus);
    DialogModi::oeffne(ctx, *this, QStringLiteral("EventLogEditDialog"), dm);
    const bool edit = dm.editierbar;
    m_kategorie = FieldFactory::createLineEdit(false);
    m_kategorie->setObjectName(QStringLiteral("kategorie"));
    if (m_regel->hasCategory()) {
        try {
            const auto kategorie = EventLogCategoryController().readById(ctx, m_regel->getCategory());
            if (kategorie && kategorie->hasName())
                m_kategorie->setText(kategorie->getName());
        } catch (const PersistenceException &) {
        }
    }
    m_standort = FieldFactory::createLineEdit(edit, 255);
    m_standort->setObjectName(QStringLiteral("standort"));
    m_standort->setText(m_regel->hasLocation() ? m_regel->getLocation() : QString());
    m_operand = FieldFactory::createLineEdit(edit, 10);
    m_operand->setObjectName(QStringLiteral("operand"));
    m_operand->setText(m_regel->hasLevelOperand() ? m_regel->getLevelOperand() : QString());
    m_level = FieldFactory::createLineEdit(edit);
    m_level->setObjectName(QStringLiteral("level"));
    m_level->setText(m_regel->hasLevel() ? QString::number(m_regel->getLevel()) : QString());
    m_konsole = haken(tr("Ausgabe auf Konsole"), m_regel->hasToStdOut() && m_regel->getToStdOut(), edit);
    m_konsole->setObjectName(QStringLiteral("konsole"));
    m_datenbank = haken(tr("Ausgabe in EventLog-Tabelle"), m_regel->hasToDB() && m_regel->getToDB(), edit);
    m_datenbank->setObjectName(QStringLiteral("datenbank"));
    auto *kategorieZeile = new QWidget;
    auto *kz = new QHBoxLayout(kategorieZeile);
    kz->setContentsMargins(0, 0, 0, 0);
    kz->addWidget(m_kategorie, 1);
    QPushButton *waehlen = neuerKnopf(tr("&Kategorie waehlen"), "kategorieWaehlen", kz);
    waehlen->setEnabled(edit);
    connect(waehlen, &QPushButton::clicked, this, &EventLogEditDialog::waehleKategorie);
    baueRegeldialog(this, dm,
                    {{tr("Kategorie"), kategorieZeile},
                     {tr("Code-Standort"), m_standort},
                     {tr("Level-Operand"), m_operand},
                     {tr("Level"), m_level},
                     {QString(), m_konsole},
                     {QString(), m_datenbank}},
                    &EventLogEditDialog::speichere);
}

EventLogEditDialog::~EventLogEditDialog() = default;

void EventLogEditDialog::waehleKategorie()
{
    m_ctx.log(QStringLiteral("Dialog"), QStringLiteral("EventLogEditDialog"), 7,
              QStringLiteral("Aufruf von Kategorie waehlen"));
    EventLogCategoryChooseDialog dialog(m_ctx, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const EventLogCategory *kategorie = dialog.gewaehlteKategorie();
    if (kategorie && kategorie->hasId())
        m_regel->setCategory(kategorie->getId());
    else
        m_regel->setCategoryNull();
    m_kategorie->setText(kategorie && kategorie->hasName() ? kategorie->getName() : QString());
}

void EventLogEditDialog::speichere()
{
    m_ctx.log(QStringLiteral("Dialog"), QStringLiteral("EventLogEditDialog"), 7,
              QStringLiteral("Aufruf von Speichern"));
    const QString standort = textOderLeer(m_standort);
    if (standort.isEmpty())
        m_regel->setLocationNull();
    else
        m_regel->setLocation(m_standort->text());
    m_regel->setLevelOperand(m_operand->text());
    m_regel->setLevelInput(m_level->text());
    m_regel->setToStdOut(m_konsole->isChecked());
    m_regel->setToDB(m_datenbank->isChecked());
    try {
        if (const auto meldung = LogRegeln::speichere(m_ctx, *m_regel)) {
            MessageBoxes::current().critical(this, meldung->titel, meldung->text);
            return;
        }
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, QStringLiteral("EventLogEditDialog"), fehler);
        return;
    }
    accept();
}

QueryLogEditDialog::QueryLogEditDialog(DatabaseContext &ctx, Modus modus,
                                       const QueryLogSettings *regel, QWidget *parent)
    : QDialog(parent), m_ctx(ctx),
      m_regel(regel ? regel->clone() : std::make_unique<QueryLogSettings>().release())
{
    const DialogModus dm = regelModus(modus);
    DialogModi::oeffne(ctx, *this, QStringLiteral("QueryLogEditDialog"), dm);
    const bool edit = dm.editierbar;
    m_art = new CodeValueComboBox(ctx, QStringLiteral("QueryType"));
    m_art->setObjectName(QStringLiteral("art"));
    m_art->setValue(m_regel->hasQueryType() ? QVariant(m_regel->getQueryType()) : QVariant());
    m_art->setEnabled(edit);
    FieldFactory::colourComboBox(m_art, edit);
    m_entitaet = FieldFactory::createLineEdit(edit, 255);
    m_entitaet->setObjectName(QStringLiteral("entitaet"));
    m_entitaet->setText(m_regel->hasEntity() ? m_regel->getEntity() : QString());
    m_konsole = haken(tr("Ausgabe auf Konsole"), m_regel->hasToStdOut() && m_regel->getToStdOut(), edit);
    m_konsole->setObjectName(QStringLiteral("konsole"));
    m_datenbank = haken(tr("Ausgabe in QueryLog-Tabelle"), m_regel->hasToDB() && m_regel->getToDB(), edit);
    m_datenbank->setObjectName(QStringLiteral("datenbank"));
    baueRegeldialog(this, dm,
                    {{tr("Art der Abfrage"), m_art},
                     {tr("Betroffene Entitaet"), m_entitaet},
                     {QString(), m_konsole},
                     {QString(), m_datenbank}},
                    &QueryLogEditDialog::speichere);
}

QueryLogEditDialog::~QueryLogEditDialog() = default;

void QueryLogEditDialog::speichere()
{
    m_ctx.log(QStringLiteral("Dialog"), QStringLiteral("QueryLogEditDialog"), 7,
              QStringLiteral("Aufruf von Speichern"));
    const QVariant art = m_art->value();
    if (art.isValid())
        m_regel->setQueryType(art.toLongLong());
    else
        m_regel->setQueryTypeNull();
    if (textOderLeer(m_entitaet).isEmpty())
        m_regel->setEntityNull();
    else
        m_regel->setEntity(m_entitaet->text());
    m_regel->setToStdOut(m_konsole->isChecked());
    m_regel->setToDB(m_datenbank->isChecked());
    try {
        LogRegeln::speichere(m_ctx, *m_regel);
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, QStringLiteral("QueryLogEditDialog"), fehler);
        return;
    }
    accept();
}

EventLogCategoryChooseDialog::EventLogCategoryChooseDialog(DatabaseContext &ctx, QWidget *parent)
    : Auswahldialog(ctx, QStringLiteral("EventLogCategoryChooseDialog"), parent)
{
    setWindowTitle(tr("Choose a category"));
    m_liste = new TrefferListe(ctx, {{EventLogCategory::nameRow, tr("Name"), 200}});
    baue(m_liste, m_liste, tr("Kategorie &waehlen"), tr("&Keine Kategorie waehlen"));
    try {
        m_liste->treffer()->setzeSuche(std::make_unique<Treffersuche>(
            ctx,
            Trefferquelle::ausEntity(ctx, QStringLiteral("EventLogCategory"),
                                     EventLogCategory::staticClassInfo(), QStringLiteral("k")),
            QStringList()));
        m_liste->treffer()->ladeAlles();
        m_liste->sortByAttribute(EventLogCategory::nameRow, Qt::AscendingOrder);
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(ctx, this, m_name, fehler);
    }
    resize(360, 480);
}

const EventLogCategory *EventLogCategoryChooseDialog::gewaehlteKategorie() const
{
    return static_cast<const EventLogCategory *>(gewaehlt());
}
