#include "TastaturZuordnungsDialog.h"

#include "DatabaseContext.h"
#include "KeyboardManager.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("TastaturZuordnungsDialog");
}

TastaturZuordnungsDialog::TastaturZuordnungsDialog(DatabaseContext &ctx, KeyboardManager &keyboards,
                                                   const QString &vorname, const QString &nachname,
                                                   QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne TastaturZuordnungsDialog"));
    setWindowTitle(tr("Tastatur zuordnen"));
    setModal(true);
    keyboards.registerKeyboards();
    connect(&keyboards, &KeyboardManager::numericKeyPressed, this,
            &TastaturZuordnungsDialog::numericKeyPressed);

    auto *text = new QLabel(
        tr("Damit das Programm weiss, mit welcher Tastatur ein Juror wertet, ist es noetig diese "
           "vorher zuzuordnen.  Dazu dient dieses Fenster. \n\n Aktuell soll damit %1 %2 eine "
           "Tastatur zugeordnet werden.  %1 %2, bitte druecken Sie jetzt auf ihrem "
           "Jurierungsgeraet eine beliebige Zifferntaste.  Alle anderen Juroren benuetzen bitte "
           "waehrenddessen ihre Tastaturen nicht. \n\n Der erkannte Wertungscode wird "
           "anschliessend hier angezeigt.  Sie koennen also diesen Dialog auch zum Testen Ihrer "
           "Tastatur verwenden.")
            .arg(vorname, nachname));
    text->setWordWrap(true);
    m_zugriff = new QLabel(keyboards.accessProblem());
    m_zugriff->setWordWrap(true);
    m_zugriff->setStyleSheet(QStringLiteral("color: #b00000"));
    m_zugriff->setVisible(!m_zugriff->text().isEmpty());
    m_wertung = new QLineEdit;
    m_wertung->setReadOnly(true);
    m_wertung->setObjectName(QStringLiteral("wertung"));
    auto *feld = new QFormLayout;
    feld->addRow(tr("Erkannte Wertung"), m_wertung);

    m_bestaetigen = new QPushButton(tr("Tastaturzuordnung \nbestaetigen"));
    m_bestaetigen->setObjectName(QStringLiteral("bestaetigen"));
    m_bestaetigen->setEnabled(false);
    auto *abbrechen = new QPushButton(tr("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("abbrechen"));
    connect(m_bestaetigen, &QPushButton::clicked, this,
            &TastaturZuordnungsDialog::schliessenUndZuordnen);
    connect(abbrechen, &QPushButton::clicked, this,
            &TastaturZuordnungsDialog::schliessenUndAbbrechen);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton *k : {m_bestaetigen, abbrechen}) {
        k->setAutoDefault(false); // a keypad's Enter confirms nothing
        knoepfe->addWidget(k);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_zugriff);
    layout->addLayout(feld);
    layout->addStretch();
    layout->addLayout(knoepfe);
    resize(520, 320);
}

TastaturZuordnungsDialog::~TastaturZuordnungsDialog() = default;

void TastaturZuordnungsDialog::logAufruf(const QString &text)
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von ") + text);
}

void TastaturZuordnungsDialog::numericKeyPressed(qlonglong device, int number)
{
    logAufruf(
        QStringLiteral("numericKeyPressed fuer device %1 und number %2").arg(device).arg(number));
    m_wertung->setText(QString::number(number));
    m_zuletzt = device;
    m_bestaetigen->setEnabled(true);
}

void TastaturZuordnungsDialog::schliessenUndZuordnen()
{
    logAufruf(QStringLiteral("Schliessen und Zuordnen"));
    m_gewaehlt = m_zuletzt;
    accept();
}

void TastaturZuordnungsDialog::schliessenUndAbbrechen()
{
    logAufruf(QStringLiteral("Schliessen und Abbrechen"));
    m_gewaehlt.reset();
    reject();
}
