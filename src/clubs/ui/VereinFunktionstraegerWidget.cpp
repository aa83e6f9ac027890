#include "VereinFunktionstraegerWidget.h"

#include "CodeValueConverters.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FunktionstraegerBearbeitenDialog.h"
#include "ListWidget.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "entities/Verein.h"
#include "joins/FunktionstraegerJoinController.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("VereinFunktionstraegerWidget");

// The officials of a club, one row per official joined with its member.
class FunktionstraegerListe : public ListWidget
{
public:
    explicit FunktionstraegerListe(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
    {
        initialise();
        tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
        tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tableView()->horizontalHeader()->setStretchLastSection(true);
    }

protected:
    void createTableView() override
    {
        using Row = FunktionstraegerJoinModel;
        std::map<int, ColumnDescription> columns;
        columns.emplace(Row::funktionstraegerFunktionsCodeRow,
                        ColumnDescription(VereinFunktionstraegerWidget::tr("Funktion"), 120,
                                          SortAsText,
                                          std::make_unique<CodeValueKurzTextVariantConverter>(
                                              context(), QStringLiteral("Funktionstraeger"))));
        columns.emplace(Row::funktionstraegerFunktionRow,
                        ColumnDescription(VereinFunktionstraegerWidget::tr("Funktion (Freitext)"),
                                          170));
        columns.emplace(Row::mitgliedVornameRow,
                        ColumnDescription(VereinFunktionstraegerWidget::tr("Vorname"), 110));
        columns.emplace(Row::mitgliedNachnameRow,
                        ColumnDescription(VereinFunktionstraegerWidget::tr("Nachname"), 110));
        setTableView(new QTableView,
                     new CompositeTableModel({Row::funktionstraegerFunktionsCodeRow,
                                              Row::funktionstraegerFunktionRow,
                                              Row::mitgliedVornameRow, Row::mitgliedNachnameRow},
                                             std::move(columns)));
    }
};

} // namespace

VereinFunktionstraegerWidget::VereinFunktionstraegerWidget(DatabaseContext &ctx,
                                                           const Verein &verein, bool editierbar,
                                                           QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_verein(verein), m_editierbar(editierbar)
{
    m_liste = new FunktionstraegerListe(ctx, this);
    m_liste->setObjectName(QStringLiteral("funktionstraegerListe"));
    m_hinzufuegen = new QPushButton(tr("Hi&nzufuegen"), this);
    m_bearbeiten = new QPushButton(tr("&Bearbeiten"), this);
    m_loeschen = new QPushButton(tr("&Loeschen"), this);
    for (QPushButton *knopf : {m_hinzufuegen, m_bearbeiten, m_loeschen})
        knopf->setAutoDefault(false);
    connect(m_hinzufuegen, &QPushButton::clicked, this,
            &VereinFunktionstraegerWidget::fuegeFunktionstraegerHinzu);
    connect(m_bearbeiten, &QPushButton::clicked, this,
            &VereinFunktionstraegerWidget::bearbeiteFunktionstraeger);
    connect(m_loeschen, &QPushButton::clicked, this,
            &VereinFunktionstraegerWidget::loescheFunktionstraeger);
    connect(m_liste->tableView(), &QTableView::doubleClicked, this,
            &VereinFunktionstraegerWidget::bearbeiteFunktionstraeger);
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &VereinFunktionstraegerWidget::aktualisiereKnoepfe);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_hinzufuegen);
    knoepfe->addWidget(m_bearbeiten);
    knoepfe->addWidget(m_loeschen);
    knoepfe->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);

    ladeFunktionstraeger();
    aktualisiereKnoepfe();
}

VereinFunktionstraegerWidget::~VereinFunktionstraegerWidget() = default;

void VereinFunktionstraegerWidget::log(const QString &text)
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, text);
}

void VereinFunktionstraegerWidget::ladeFunktionstraeger()
{
    if (!m_verein.hasId())
        return;
    FunktionstraegerJoinSearchModel suche;
    suche.setFunktionstraegerVerein(m_verein.getId());
    try {
        m_liste->replaceRows(FunktionstraegerJoinController().search(m_ctx, suche));
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, fehler);
    }
}

void VereinFunktionstraegerWidget::aktualisiereKnoepfe()
{
    const bool markiert = m_liste->isExactlyOneRowSelected();
    m_hinzufuegen->setEnabled(m_editierbar);
    m_bearbeiten->setEnabled(m_editierbar && markiert);
    m_loeschen->setEnabled(m_editierbar && markiert);
}

std::vector<std::unique_ptr<Funktionstraeger>>
VereinFunktionstraegerWidget::geaenderteFunktionstraeger() const
{
    std::vector<std::unique_ptr<Funktionstraeger>> geaendert;
    for (const Record *row : m_liste->rows()) {
        if (m_geaendert.contains(row))
            geaendert.push_back(FunktionstraegerJoinController::toFunktionstraeger(
                *static_cast<const FunktionstraegerJoinModel *>(row)));
    }
    return geaendert;
}

void VereinFunktionstraegerWidget::fuegeFunktionstraegerHinzu()
{
    log(QStringLiteral("Aufruf von Fuege Funktionstraeger hinzu"));
    if (!m_editierbar)
        return;
    Funktionstraeger neu;
    if (m_verein.hasId())
        neu.setVerein(m_verein.getId());
    FunktionstraegerBearbeitenDialog dialog(m_ctx, Modus::NEU, neu, nullptr, -1, this);
    connect(&dialog, &FunktionstraegerBearbeitenDialog::neuerFunktionstraegerHinzugefuegt, this,
            &VereinFunktionstraegerWidget::uebernimmNeuenFunktionstraeger);
    dialog.exec();
}

void VereinFunktionstraegerWidget::bearbeiteFunktionstraeger()
{
    log(QStringLiteral("Aufruf von Bearbeite Funktionstraeger"));
    const int zeile = m_liste->isExactlyOneRowSelected() ? m_liste->selectedRow() : -1;
    const auto *row = m_liste->model()->rowObjectAs<FunktionstraegerJoinModel>(zeile);
    if (!row)
        return;
    const auto funktionstraeger = FunktionstraegerJoinController::toFunktionstraeger(*row);
    const auto mitglied = FunktionstraegerJoinController::toMitglied(*row);
    FunktionstraegerBearbeitenDialog dialog(m_ctx, m_editierbar ? Modus::BEARBEITEN : Modus::ANSEHEN,
                                            *funktionstraeger, mitglied.get(), zeile, this);
    connect(&dialog, &FunktionstraegerBearbeitenDialog::funktionstraegerWurdeBearbeitet, this,
            &VereinFunktionstraegerWidget::uebernimmBearbeitetenFunktionstraeger);
    dialog.exec();
}

void VereinFunktionstraegerWidget::loescheFunktionstraeger()
{
    log(QStringLiteral("Aufruf von Loesche Funktionstraeger"));
    const int zeile = m_liste->isExactlyOneRowSelected() ? m_liste->selectedRow() : -1;
    const auto *row = m_liste->model()->rowObjectAs<FunktionstraegerJoinModel>(zeile);
    if (!m_editierbar || !row)
        return;
    if (!MessageBoxes::current().question(this, tr("Funktion wirklich loeschen?"),
                                          tr("Wollen Sie die Funktion wirklich loeschen?")))
        return;
    if (row->hasFunktionstraegerId())
        m_entfernt.push_back(FunktionstraegerJoinController::toFunktionstraeger(*row));
    m_geaendert.remove(row);
    m_liste->removeRow(zeile);
    aktualisiereKnoepfe();
}

void VereinFunktionstraegerWidget::uebernimmNeuenFunktionstraeger(
    Funktionstraeger *funktionstraeger, Mitglied *mitglied)
{
    auto row = std::make_unique<FunktionstraegerJoinModel>();
    FunktionstraegerJoinController::fromFunktionstraeger(*row, *funktionstraeger);
    if (mitglied)
        FunktionstraegerJoinController::fromMitglied(*row, *mitglied);
    m_geaendert.insert(row.get());
    m_liste->model()->appendRow(std::move(row));
    m_liste->selectRow(m_liste->rowCount() - 1);
    aktualisiereKnoepfe();
}

void VereinFunktionstraegerWidget::uebernimmBearbeitetenFunktionstraeger(
    Funktionstraeger *funktionstraeger, Mitglied *mitglied, int zeile)
{
    auto *row = m_liste->model()->rowObjectAs<FunktionstraegerJoinModel>(zeile);
    if (!row)
        return;
    FunktionstraegerJoinController::fromFunktionstraeger(*row, *funktionstraeger);
    if (mitglied)
        FunktionstraegerJoinController::fromMitglied(*row, *mitglied);
    m_geaendert.insert(row);
}
