#include "AbstractVollbildDialog.h"

#include "BildDatenLeser.h"
#include "DatabaseContext.h"
#include "entities/Bild.h"

#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace VollbildSchirm {

namespace {

const QString kSchluessel = QStringLiteral("Vollbild/Bildschirm");

Frage &frage()
{
    static Frage installiert;
    return installiert;
}

int frageMitListe(QWidget *parent, const QStringList &schirme)
{
    bool ok = false;
    const QString gewaehlt = QInputDialog::getItem(
        parent, QCoreApplication::translate("VollbildSchirm", "Bildschirm fuer das Vollbild"),
        QCoreApplication::translate("VollbildSchirm",
                                    "Auf welchem Bildschirm (Projektor) sollen die Bilder "
                                    "gezeigt werden?"),
        schirme, 0, false, &ok);
    return ok ? int(schirme.indexOf(gewaehlt)) : -1;
}

} // namespace

QScreen *waehle(QWidget *parent)
{
    const QList<QScreen *> schirme = QGuiApplication::screens();
    QScreen *eigener = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (schirme.size() <= 1)
        return schirme.isEmpty() ? eigener : schirme.front();
    QSettings einstellungen;
    const QString gemerkt = einstellungen.value(kSchluessel).toString();
    for (QScreen *schirm : schirme) {
        if (schirm->name() == gemerkt)
            return schirm;
    }
    QStringList beschreibungen;
    for (QScreen *schirm : schirme) {
        const QRect r = schirm->geometry();
        beschreibungen.append(QStringLiteral("%1 (%2x%3 an %4,%5)")
                                  .arg(schirm->name())
                                  .arg(r.width())
                                  .arg(r.height())
                                  .arg(r.x())
                                  .arg(r.y()));
    }
    const int index = frage() ? frage()(parent, beschreibungen) : frageMitListe(parent, beschreibungen);
    if (index < 0 || index >= schirme.size())
        return eigener;
    einstellungen.setValue(kSchluessel, schirme[index]->name());
    return schirme[index];
}

void installiereFrage(Frage neu)
{
    frage() = std::move(neu);
}

} // namespace VollbildSchirm

VollbildFlaeche::VollbildFlaeche(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void VollbildFlaeche::setzeBild(qlonglong bildDaten, const QImage &bild, bool fehlt)
{
    m_bildDaten = bildDaten;
    m_bild = bild;
    m_fehlt = fehlt;
    update();
}

void VollbildFlaeche::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_bild.isNull()) {
        painter.drawImage((width() - m_bild.width()) / 2, (height() - m_bild.height()) / 2,
                          m_bild);
        m_gemalt = m_bildDaten;
    } else if (m_fehlt) {
        painter.setPen(Qt::gray);
        painter.drawText(rect(), Qt::AlignCenter, tr("Kein Bild vorhanden"));
    }
}

void VollbildFlaeche::mousePressEvent(QMouseEvent *)
{
    emit angeklickt();
}

AbstractVollbildDialog::AbstractVollbildDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    setFocusPolicy(Qt::StrongFocus);
    m_flaeche = new VollbildFlaeche(this);
    connect(m_flaeche, &VollbildFlaeche::angeklickt, this,
            &AbstractVollbildDialog::zeigeKontrollWidget);

    m_kontroll = new QFrame(this);
    m_kontroll->setObjectName(QStringLiteral("kontrollWidget"));
    m_kontroll->setFrameShape(QFrame::StyledPanel);
    m_kontroll->setAutoFillBackground(true);
    QPalette farben = m_kontroll->palette();
    farben.setColor(QPalette::Window, QColor(40, 40, 40));
    farben.setColor(QPalette::WindowText, Qt::white);
    m_kontroll->setPalette(farben);
    m_kontrollLayout = new QVBoxLayout(m_kontroll);

    m_vorlader = new BildVorlader(BildDatenLeser::aufEigenerVerbindung(ctx), this);
    connect(m_vorlader, &BildVorlader::bereit, this, &AbstractVollbildDialog::uebernimm);
}

AbstractVollbildDialog::~AbstractVollbildDialog() = default;

QPushButton *AbstractVollbildDialog::knopf(const QString &text, const char *name)
{
    auto *k = new QPushButton(text, m_kontroll);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    k->setFocusPolicy(Qt::NoFocus);
    return k;
}

BildVorlader::Wunsch AbstractVollbildDialog::wunsch(const Bild &bild)
{
    return {bild.hasBildDaten() ? bild.getBildDaten() : -1,
            bild.hasAnzahlRotierSchritte() ? bild.getAnzahlRotierSchritte() : 0};
}

QString AbstractVollbildDialog::bildTitel(const Bild &bild)
{
    return bild.hasTitel() ? bild.getTitel() : QString();
}

bool AbstractVollbildDialog::kontrollWidgetSichtbar() const
{
    return !m_kontroll->isHidden();
}

void AbstractVollbildDialog::zeigeKontrollWidget()
{
    m_kontroll->show();
    m_kontroll->raise();
}

void AbstractVollbildDialog::verbergeKontrollWidget()
{
    m_kontroll->hide();
}

void AbstractVollbildDialog::setVisible(bool visible)
{
    if (visible && !m_platziert) {
        // Once, before the first show (exec() shows too): full screen on the chosen screen.
        m_platziert = true;
        QScreen *schirm = VollbildSchirm::waehle(parentWidget());
        if (schirm) {
            setScreen(schirm);
            setGeometry(schirm->geometry());
        }
        setWindowState(windowState() | Qt::WindowFullScreen);
    }
    QDialog::setVisible(visible);
}

void AbstractVollbildDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_flaeche->setGeometry(rect());
    const int breite = std::clamp(m_kontroll->sizeHint().width(), 300, std::max(300, width() / 3));
    m_kontroll->setGeometry(width() - breite, 0, breite, height());
    m_vorlader->setzeZiel(size());
    if (m_hatBild)
        uebernimm(m_aktuell.bildDaten, m_aktuell.rotierSchritte);
}

void AbstractVollbildDialog::zeigeBild(const BildVorlader::Wunsch &aktuell,
                                       const std::vector<BildVorlader::Wunsch> &naechste,
                                       const std::vector<BildVorlader::Wunsch> &vorige)
{
    m_aktuell = aktuell;
    m_hatBild = true;
    std::vector<BildVorlader::Wunsch> wuensche{aktuell};
    if (m_voraus > 0) {
        wuensche.insert(wuensche.end(), naechste.begin(),
                        naechste.begin() + std::min<std::ptrdiff_t>(m_voraus, naechste.size()));
        wuensche.insert(wuensche.end(), vorige.begin(), vorige.end());
    }
    m_vorlader->wuensche(wuensche);
    // Black until the picture is decoded: never the previous picture under the new title.
    m_flaeche->setzeBild(aktuell.bildDaten, QImage(), false);
    uebernimm(aktuell.bildDaten, aktuell.rotierSchritte);
}

void AbstractVollbildDialog::zeigeKeinBild()
{
    m_hatBild = false;
    m_vorlader->wuensche({});
    m_flaeche->setzeBild(-1, QImage(), false);
}

void AbstractVollbildDialog::uebernimm(qlonglong bildDaten, int rotierSchritte)
{
    if (!m_hatBild || bildDaten != m_aktuell.bildDaten ||
        rotierSchritte != m_aktuell.rotierSchritte)
        return;
    bool fehlt = false;
    const QImage bild = m_vorlader->bild(m_aktuell, &fehlt);
    if (!bild.isNull() || fehlt)
        m_flaeche->setzeBild(bildDaten, bild, fehlt);
}
