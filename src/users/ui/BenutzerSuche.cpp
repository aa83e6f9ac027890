#include "BenutzerSuche.h"

#include "DatabaseContext.h"
#include "FieldFactory.h"
#include "controllers/BenutzerController.h"
#include "controllers/MitgliedController.h"
#include "joins/BenutzerListeJoinController.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace {

QLineEdit *suchfeld(const char *name)
{
    QLineEdit *edit = FieldFactory::createLineEdit(true);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QCheckBox *box(const char *name, const QString &text = QString(), bool an = false)
{
    auto *check = new QCheckBox(text);
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(an);
    return check;
}

bool passt(const QLineEdit *feld, const Record &zeile, int row)
{
    const QString gesucht = feld->text().trimmed();
    if (gesucht.isEmpty())
        return true;
    return zeile.isSetAt(row) &&
           zeile.rawValueAt(row).toString().contains(gesucht, Qt::CaseInsensitive);
}

bool flagPasst(const QCheckBox *flag, const QCheckBox *egal, const Record &zeile, int row)
{
    if (egal->isChecked())
        return true;
    return (zeile.isSetAt(row) && zeile.rawValueAt(row).toBool()) == flag->isChecked();
}

} // namespace

std::unique_ptr<BenutzerListeJoinModel> benutzerZeile(DatabaseContext &ctx, const Benutzer &benutzer)
{
    auto zeile = std::make_unique<BenutzerListeJoinModel>();
    BenutzerListeJoinController::fromBenutzer(*zeile, benutzer);
    if (benutzer.hasMitglied()) {
        if (const auto mitglied = MitgliedController().readById(ctx, benutzer.getMitglied()))
            BenutzerListeJoinController::fromMitglied(*zeile, *mitglied);
    }
    return zeile;
}

BenutzerSuche::BenutzerSuche(DatabaseContext &ctx, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_name(suchfeld("benutzername")),
      m_nummer(suchfeld("mitgliedsNummer")), m_vorname(suchfeld("vorname")),
      m_nachname(suchfeld("nachname")), m_gui(box("guiBenutzer")),
      m_guiEgal(box("guiEgal", tr("Egal?"), true)), m_web(box("webBenutzer")),
      m_webEgal(box("webEgal", tr("Egal?"), true))
{
    auto *grid = new QGridLayout(this);
    const auto zeile = [grid](int r, const QString &label, QWidget *feld, QWidget *egal = nullptr) {
        grid->addWidget(FieldFactory::createLabel(label), r, 0);
        grid->addWidget(feld, r, 1);
        if (egal)
            grid->addWidget(egal, r, 2);
    };
    zeile(0, tr("Benutzername"), m_name);
    zeile(1, tr("Mitgliedsnummer"), m_nummer);
    zeile(2, tr("Vorname"), m_vorname);
    zeile(3, tr("Nachname"), m_nachname);
    zeile(4, tr("Anmeldeberechtigt für GUI-Anwendung"), m_gui, m_guiEgal);
    zeile(5, tr("Anmeldeberechtigt für Webschnittstelle"), m_web, m_webEgal);
    for (auto [flag, egal] : {std::pair(m_gui, m_guiEgal), std::pair(m_web, m_webEgal)}) {
        flag->setEnabled(false);
        connect(egal, &QCheckBox::toggled, flag, [flag = flag](bool an) { flag->setEnabled(!an); });
    }
}

void BenutzerSuche::setzeZurueck()
{
    for (QLineEdit *feld : {m_name, m_nummer, m_vorname, m_nachname})
        feld->clear();
    m_gui->setChecked(false);
    m_web->setChecked(false);
    m_guiEgal->setChecked(true);
    m_webEgal->setChecked(true);
}

std::vector<std::unique_ptr<BenutzerListeJoinModel>> BenutzerSuche::suche() const
{
    using J = BenutzerListeJoinModel;
    std::vector<std::unique_ptr<J>> gefunden;
    for (const auto &benutzer : BenutzerController().select(m_ctx, {})) {
        auto zeile = benutzerZeile(m_ctx, *benutzer);
        if (passt(m_name, *zeile, J::benutzerBenutzernameRow) &&
            passt(m_nummer, *zeile, J::mitgliedMitgliedsNummerKomplettRow) &&
            passt(m_vorname, *zeile, J::mitgliedVornameRow) &&
            passt(m_nachname, *zeile, J::mitgliedNachnameRow) &&
            flagPasst(m_gui, m_guiEgal, *zeile, J::benutzerGuiBenutzerRow) &&
            flagPasst(m_web, m_webEgal, *zeile, J::benutzerWebBenutzerRow))
            gefunden.push_back(std::move(zeile));
    }
    return gefunden;
}

void AuswahlListe::richteEin()
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
    connect(tableView(), &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { emit doppelklick(index.row()); });
}

BenutzerListe::BenutzerListe(DatabaseContext &ctx, QWidget *parent) : AuswahlListe(ctx, parent)
{
    richteEin();
}

void BenutzerListe::createTableView()
{
    using J = BenutzerListeJoinModel;
    std::map<int, ColumnDescription> columns;
    columns.emplace(J::benutzerBenutzernameRow, ColumnDescription(tr("Benutzername"), 150));
    columns.emplace(J::mitgliedMitgliedsNummerKomplettRow, ColumnDescription(tr("Mitgliedsnummer"), 120));
    columns.emplace(J::mitgliedVornameRow, ColumnDescription(tr("Vorname"), 150));
    columns.emplace(J::mitgliedNachnameRow, ColumnDescription(tr("Nachname"), 150));
    setTableView(new QTableView,
                 new CompositeTableModel({J::benutzerBenutzernameRow, J::mitgliedMitgliedsNummerKomplettRow,
                                          J::mitgliedVornameRow, J::mitgliedNachnameRow},
                                         std::move(columns)));
}

std::unique_ptr<Benutzer> BenutzerListe::benutzerInZeile(int row) const
{
    const auto *zeile = model()->rowObjectAs<BenutzerListeJoinModel>(row);
    return zeile ? BenutzerListeJoinController::toBenutzer(*zeile) : nullptr;
}

void BenutzerListe::zeigeBenutzer(const Benutzer &benutzer, int row)
{
    if (row >= 0 && row < rowCount())
        model()->removeRowAt(row);
    model()->insertRow(row < 0 ? rowCount() : row, benutzerZeile(context(), benutzer));
}
