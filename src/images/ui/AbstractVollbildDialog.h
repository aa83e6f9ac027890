#pragma once

#include "BildVorlader.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <functional>
#include <vector>

class Bild;
class DatabaseContext;
class QFrame;
class QPushButton;
class QScreen;
class QVBoxLayout;

// The screen the full-screen views open on (the projector): the only screen; with several,
// the one the operator chose before (remembered in the settings under "Vollbild/Bildschirm")
// while it is connected, else the one he chooses now.
namespace VollbildSchirm {

// Asks the operator for one of the screens (their descriptions); the index, or -1 when he
// cancels (then the screen of the calling window is used and nothing is remembered).
using Frage = std::function<int(QWidget *parent, const QStringList &schirme)>;

QScreen *waehle(QWidget *parent);
// Replaces the question (tests); an empty function restores the list dialog.
void installiereFrage(Frage frage);

} // namespace VollbildSchirm

// The picture area of a full-screen view: black, the picture centred on it as decoded for
// the area's size; "Kein Bild vorhanden" for an image without readable picture.
class VollbildFlaeche : public QWidget
{
    Q_OBJECT
public:
    explicit VollbildFlaeche(QWidget *parent = nullptr);

    // The picture to show (null: black while it is being decoded, or the text when `fehlt`).
    void setzeBild(qlonglong bildDaten, const QImage &bild, bool fehlt);
    qlonglong bildDaten() const { return m_bildDaten; }
    const QImage &bild() const { return m_bild; }
    // The picture (its BildDaten id) painted last and how many paints have drawn a picture.
    qlonglong zuletztGemalt() const { return m_gemalt; }

signals:
    void angeklickt();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    qlonglong m_bildDaten = -1;
    QImage m_bild;
    bool m_fehlt = false;
    qlonglong m_gemalt = -1;
};

// A dialog that fills the chosen screen: the picture area on black, and a control panel at
// its right edge that lies over the picture and can be hidden, so that hiding and showing it
// never changes the size the pictures are decoded for. Subclasses fill the panel and say
// which picture to show and which ones come next; the pictures are decoded ahead on a worker
// thread that reads them through a database connection of its own.
class AbstractVollbildDialog : public QDialog
{
    Q_OBJECT
public:
    ~AbstractVollbildDialog() override;

    VollbildFlaeche *flaeche() const { return m_flaeche; }
    QFrame *kontrollWidget() const { return m_kontroll; }
    bool kontrollWidgetSichtbar() const;
    BildVorlader &vorlader() { return *m_vorlader; }

    // How many of the following pictures are decoded ahead (default 2); 0 decodes only the
    // picture on screen and keeps no other (for comparison in the benchmark).
    void setzeVorausAnzahl(int anzahl) { m_voraus = anzahl; }
    int vorausAnzahl() const { return m_voraus; }

    void setVisible(bool visible) override;

    // The picture of an image as the decoder ahead wants it: BildDaten id and rotation steps.
    static BildVorlader::Wunsch wunsch(const Bild &bild);
    // The image's title (empty when it has none).
    static QString bildTitel(const Bild &bild);

public slots:
    void zeigeKontrollWidget();
    void verbergeKontrollWidget();

protected:
    AbstractVollbildDialog(DatabaseContext &ctx, QWidget *parent);

    // The layout of the control panel, for the subclass's labels and buttons.
    QVBoxLayout *kontrollLayout() const { return m_kontrollLayout; }
    // Shows the picture as soon as it is decoded (at once when it is cached) and decodes the
    // next pictures (most urgent first) and the previous one ahead.
    void zeigeBild(const BildVorlader::Wunsch &aktuell,
                   const std::vector<BildVorlader::Wunsch> &naechste,
                   const std::vector<BildVorlader::Wunsch> &vorige);
    // Black, nothing decoded.
    void zeigeKeinBild();
    // A button of the panel that never takes the focus, so that every key reaches the dialog.
    QPushButton *knopf(const QString &text, const char *name);

    void resizeEvent(QResizeEvent *event) override;

    DatabaseContext &m_ctx;

private:
    void uebernimm(qlonglong bildDaten, int rotierSchritte);

    VollbildFlaeche *m_flaeche;
    QFrame *m_kontroll;
    QVBoxLayout *m_kontrollLayout;
    BildVorlader *m_vorlader;
    BildVorlader::Wunsch m_aktuell;
    bool m_hatBild = false;
    int m_voraus = 2;
    bool m_platziert = false;
};
