#include "VollbildAnsehenDialog.h"

#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "controllers/BildController.h"
#include "entities/Bild.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

VollbildAnsehenDialog::VollbildAnsehenDialog(DatabaseContext &ctx, std::vector<qlonglong> bildIds,
                                             int start, QWidget *parent)
    : AbstractVollbildDialog(ctx, parent), m_ids(std::move(bildIds))
{
    m_ctx.log(QStringLiteral("Dialog"), QStringLiteral("VollbildAnsehenDialog"), 7,
              QStringLiteral("Oeffne VollbildAnsehenDialog"));
    m_zaehler = new QLabel;
    m_zaehler->setObjectName(QStringLiteral("zaehler"));
    m_titel = new QLabel;
    m_titel->setWordWrap(true);
    QPushButton *verbergen = knopf(tr("Schaltflaeche &verbergen"), "verbergen");
    QPushButton *schliessen = knopf(tr("S&chliessen"), "schliessen");
    connect(verbergen, &QPushButton::clicked, this, &VollbildAnsehenDialog::verbergeKontrollWidget);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    kontrollLayout()->addWidget(m_zaehler);
    kontrollLayout()->addWidget(m_titel);
    kontrollLayout()->addStretch();
    kontrollLayout()->addWidget(verbergen);
    kontrollLayout()->addWidget(schliessen);
    geheZu(std::clamp(start, 0, std::max(0, int(m_ids.size()) - 1)));
}

const VollbildAnsehenDialog::Angaben &VollbildAnsehenDialog::angaben(int index)
{
    const qlonglong id = m_ids[size_t(index)];
    auto it = m_angaben.find(id);
    if (it == m_angaben.end()) {
        Angaben neu;
        try {
            if (const auto bild = BildController().readById(m_ctx, id, true)) {
                neu.wunsch = wunsch(*bild);
                neu.titel = bildTitel(*bild);
            }
        } catch (const PersistenceException &) {
            // An image that cannot be read shows "Kein Bild vorhanden".
        }
        it = m_angaben.insert(id, neu);
    }
    return *it;
}

void VollbildAnsehenDialog::geheZu(int index)
{
    const int anzahl = int(m_ids.size());
    if (index < 0 || index >= anzahl || index == m_index) {
        if (anzahl == 0)
            m_zaehler->setText(tr("Aktuelles Bild: %1 von %2").arg(0).arg(0));
        return;
    }
    m_index = index;
    m_zaehler->setText(tr("Aktuelles Bild: %1 von %2").arg(index + 1).arg(anzahl));
    m_titel->setText(angaben(index).titel);
    std::vector<BildVorlader::Wunsch> naechste;
    for (int i = index + 1; i < std::min(anzahl, index + 1 + vorausAnzahl()); ++i)
        naechste.push_back(angaben(i).wunsch);
    std::vector<BildVorlader::Wunsch> vorige;
    if (index > 0)
        vorige.push_back(angaben(index - 1).wunsch);
    zeigeBild(angaben(index).wunsch, naechste, vorige);
}

void VollbildAnsehenDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_V:
        verbergeKontrollWidget();
        return;
    case Qt::Key_Escape:
    case Qt::Key_C:
        accept();
        return;
    default:
        break;
    }
    zeigeKontrollWidget();
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        naechstes();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Backspace:
        voriges();
        break;
    case Qt::Key_Home:
        geheZu(0);
        break;
    case Qt::Key_End:
        geheZu(int(m_ids.size()) - 1);
        break;
    default:
        AbstractVollbildDialog::keyPressEvent(event);
    }
}
