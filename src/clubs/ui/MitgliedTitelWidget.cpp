#include "MitgliedTitelWidget.h"

#include "CodeValueConverters.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "ListWidget.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "TitelBearbeitenDialog.h"
#include "controllers/FotographischerTitelController.h"
#include "entities/FotographischerTitel.h"
#include "entities/Mitglied.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kLocation = QStringLiteral("MitgliedTitelWidget");

class TitelListe : public ListWidget
{
public:
    explicit TitelListe(DatabaseContext &ctx) : ListWidget(ctx) { initialise(); }

protected:
    void createTableView() override
    {
        std::map<int, ColumnDescription> spalten;
        spalten.emplace(FotographischerTitel::titelRow,
                        ColumnDescription(QStringLiteral("Titel"), 200));
        spalten.emplace(FotographischerTitel::artRow,
                        ColumnDescription(QStringLiteral("TitelArt"), 130, SortAsText,
                                          std::make_unique<CodeValueKurzTextVariantConverter>(
                                              context(), QStringLiteral("TitelArt"))));
        spalten.emplace(FotographischerTitel::datumRow,
                        ColumnDescription(QStringLiteral("Verleihungsdatum"), 110, SortAsText,
                                          std::make_unique<DateConverter>()));
        spalten.emplace(FotographischerTitel::hoechsterTitelRow,
                        ColumnDescription(QStringLiteral("Höchster"), 70, SortAsText,
                                          std::make_unique<BoolConverter>()));
        auto *view = new QTableView;
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->horizontalHeader()->setStretchLastSection(true);
        setTableView(view,
                     new CompositeTableModel(
                         {FotographischerTitel::titelRow, FotographischerTitel::artRow,
                          FotographischerTitel::datumRow, FotographischerTitel::hoechsterTitelRow},
                         std::move(spalten)));
    }
};

bool istHoechster(const FotographischerTitel &titel)
{
    return titel.hasHoechsterTitel() && titel.getHoechsterTitel();
}

} // namespace

MitgliedTitelWidget::MitgliedTitelWidget(DatabaseContext &ctx, Modus modus,
                                         const Mitglied &mitglied, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_modus(modus), m_mitglied(mitglied)
{
    m_liste = new TitelListe(ctx);
    m_liste->setObjectName(QStringLiteral("titelListe"));
    const bool editierbar = modus != Modus::ANSEHEN;
    m_hinzufuegen = new QPushButton(tr("&Hinzufuegen"));
    m_hinzufuegen->setObjectName(QStringLiteral("hinzufuegen"));
    m_hinzufuegen->setEnabled(editierbar);
    m_bearbeiten = new QPushButton(editierbar ? tr("&Bearbeiten") : tr("&Ansehen"));
    m_bearbeiten->setObjectName(QStringLiteral("bearbeiten"));
    m_loeschen = new QPushButton(tr("&Loeschen"));
    m_loeschen->setObjectName(QStringLiteral("loeschen"));
    m_loeschen->setEnabled(editierbar);
    for (QPushButton *knopf : {m_hinzufuegen, m_bearbeiten, m_loeschen})
        knopf->setAutoDefault(false);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_hinzufuegen);
    knoepfe->addWidget(m_bearbeiten);
    knoepfe->addWidget(m_loeschen);
    knoepfe->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);

    connect(m_hinzufuegen, &QPushButton::clicked, this, &MitgliedTitelWidget::fuegeTitelHinzu);
    connect(m_bearbeiten, &QPushButton::clicked, this, &MitgliedTitelWidget::bearbeiteTitel);
    connect(m_loeschen, &QPushButton::clicked, this, &MitgliedTitelWidget::loescheTitel);
    connect(m_liste->tableView(), &QTableView::doubleClicked, this,
            &MitgliedTitelWidget::bearbeiteTitel);

    if (!mitglied.hasId())
        return;
    std::vector<std::unique_ptr<FotographischerTitel>> gespeichert;
    try {
        gespeichert = FotographischerTitelController().readByMitglied(ctx, mitglied);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(ctx, this, kLocation, e);
    }
    for (auto &titel : gespeichert) {
        if (titel->hasDatum())
            titel->setDatumInput(titel->getDatum().toString(QStringLiteral("dd.MM.yyyy")));
        titel->setHoechsterTitel(mitglied.hasHoechsterTitel() && titel->hasId() &&
                                 titel->getId() == mitglied.getHoechsterTitel());
    }
    m_liste->replaceRows(std::move(gespeichert));
}

MitgliedTitelWidget::~MitgliedTitelWidget() = default;

FotographischerTitel *MitgliedTitelWidget::titelAt(int row) const
{
    return m_liste->model()->rowObjectAs<FotographischerTitel>(row);
}

std::vector<FotographischerTitel *> MitgliedTitelWidget::titel() const
{
    std::vector<FotographischerTitel *> alle;
    for (int row = 0; row < m_liste->rowCount(); ++row)
        alle.push_back(titelAt(row));
    return alle;
}

std::vector<FotographischerTitel *> MitgliedTitelWidget::geaenderteTitel() const
{
    std::vector<FotographischerTitel *> geaendert;
    for (FotographischerTitel *titel : titel()) {
        if (m_geaendert.contains(titel) || istHoechster(*titel))
            geaendert.push_back(titel);
    }
    return geaendert;
}

std::vector<const FotographischerTitel *> MitgliedTitelWidget::entfernteTitel() const
{
    std::vector<const FotographischerTitel *> entfernt;
    for (const auto &titel : m_entfernt)
        entfernt.push_back(titel.get());
    return entfernt;
}

QString MitgliedTitelWidget::hoechsterTitel() const
{
    for (const FotographischerTitel *titel : titel()) {
        if (istHoechster(*titel))
            return titel->hasTitel() ? titel->getTitel() : QString();
    }
    return QString();
}

void MitgliedTitelWidget::fuegeTitelHinzu()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Titel hinzufuegen"));
    if (m_modus == Modus::ANSEHEN)
        return;
    auto *dialog = new TitelBearbeitenDialog(m_ctx, Modus::NEU, nullptr, -1, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TitelBearbeitenDialog::neuerTitelHinzugefuegt, this,
            &MitgliedTitelWidget::uebernehmeNeuenTitel);
    dialog->open();
}

void MitgliedTitelWidget::bearbeiteTitel()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Titel bearbeiten"));
    const int row = m_liste->selectedRow();
    const FotographischerTitel *titel = titelAt(row);
    if (!titel)
        return;
    const Modus modus = m_modus == Modus::ANSEHEN ? Modus::ANSEHEN : Modus::BEARBEITEN;
    auto *dialog = new TitelBearbeitenDialog(m_ctx, modus, titel, row, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TitelBearbeitenDialog::titelWurdeBearbeitet, this,
            &MitgliedTitelWidget::uebernehmeGeaendertenTitel);
    dialog->open();
}

void MitgliedTitelWidget::loescheTitel()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Titel loeschen"));
    if (m_modus == Modus::ANSEHEN)
        return;
    const int row = m_liste->selectedRow();
    const FotographischerTitel *titel = titelAt(row);
    if (!titel)
        return;
    const QString frage =
        tr("Wollen Sie den fotographischen Titel %1 des Mitglieds %2 %3 wirklich loeschen?")
            .arg(titel->hasTitel() ? titel->getTitel() : QString(),
                 m_mitglied.hasVorname() ? m_mitglied.getVorname() : QString(),
                 m_mitglied.hasNachname() ? m_mitglied.getNachname() : QString());
    if (!MessageBoxes::current().question(this, tr("Titel wirklich loeschen?"), frage, false))
        return;
    const bool warHoechster = istHoechster(*titel);
    m_geaendert.remove(titel);
    std::unique_ptr<Record> entfernt = m_liste->model()->takeRow(row);
    auto *entfernterTitel = static_cast<FotographischerTitel *>(entfernt.get());
    if (entfernterTitel->hasId()) {
        entfernt.release();
        m_entfernt.emplace_back(entfernterTitel);
    }
    if (warHoechster)
        emit hoechsterTitelGeaendert(QString());
}

void MitgliedTitelWidget::entferneAndereMarkierungen(const FotographischerTitel *markiert)
{
    if (!istHoechster(*markiert))
        return;
    for (FotographischerTitel *titel : titel()) {
        if (titel != markiert && istHoechster(*titel))
            titel->setHoechsterTitel(false);
    }
}

void MitgliedTitelWidget::uebernehmeNeuenTitel(const FotographischerTitel &titel)
{
    FotographischerTitel *neu = titel.clone();
    m_liste->model()->appendRow(std::unique_ptr<Record>(neu));
    m_geaendert.insert(neu);
    entferneAndereMarkierungen(neu);
    m_liste->selectRow(m_liste->model()->positionOf(neu));
    emit hoechsterTitelGeaendert(hoechsterTitel());
}

void MitgliedTitelWidget::uebernehmeGeaendertenTitel(const FotographischerTitel &titel, int row)
{
    FotographischerTitel *vorhanden = titelAt(row);
    if (!vorhanden)
        return;
    vorhanden->copyFrom(titel);
    m_geaendert.insert(vorhanden);
    entferneAndereMarkierungen(vorhanden);
    emit hoechsterTitelGeaendert(hoechsterTitel());
}
