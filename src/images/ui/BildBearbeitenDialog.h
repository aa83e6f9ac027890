#pragma once

#include "Modus.h"

#include <QDialog>
#include <QList>

#include <memory>

class Bild;
class BildAnzeigeWidget;
class BildDaten;
class BilderCache;
class DatabaseContext;
class Formular;
class Mitglied;
class QLineEdit;
class QPushButton;
class Sparte;
class Wettbewerb;

// "Bild hinzufuegen" (NEU), "Bild bearbeiten" (BEARBEITEN), "Bild ansehen" (ANSEHEN): an image
// with its submitter, category, title, subject, numbers and picture. The picture is chosen
// from a file, rotated, removed or exported unchanged; saving checks and stores image and
// picture (with a late entry's score rows) in one transaction.
class BildBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    // `bild` (null in NEU) is copied; its picture comes through the cache (may be null).
    BildBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Wettbewerb &wettbewerb,
                         const Bild *bild, BilderCache *cache, QWidget *parent = nullptr);
    ~BildBearbeitenDialog() override;

    Bild &bild() const { return *m_bild; }
    BildDaten &bildDaten() const { return *m_daten; }
    BildAnzeigeWidget *anzeige() const { return m_anzeige; }
    // The ids of the images this dialog saved, in order.
    const QList<qlonglong> &gespeicherteBilder() const { return m_gespeichert; }

    // What the member and category choices do with the chosen entity (tests call them directly).
    void setzeEinreicher(const Mitglied &mitglied);
    void setzeSparte(const Sparte *sparte);
    // Reads and checks the picture file; true when it was taken.
    bool ladeBild(const QString &pfad);

public slots:
    void waehleBild();
    void entferneBild();
    void bildExportieren();
    void rotiereBildImUhrzeigersinn();
    void rotiereBildGegenUhrzeigersinn();
    void waehleEinreicher();
    void waehleSparte();
    void schliessenMitSpeichern();
    void speichernOhneSchliessen();
    void schliessenOhneSpeichern();
    void aktualisiereBildNummer();

signals:
    void nummerProWettbewerbChanged(BildDaten *daten);
    void bildGespeichert(qlonglong id);

private:
    bool speichere();
    void zeigeBild();
    void zeigeEinreicherUndSparte();
    void aufruf(const QString &was);

    DatabaseContext &m_ctx;
    Modus m_modus;
    const Wettbewerb &m_wettbewerb;
    BilderCache *m_cache;
    std::unique_ptr<Bild> m_bild;
    std::unique_ptr<BildDaten> m_daten;
    std::unique_ptr<Formular> m_bildFormular;
    std::unique_ptr<Formular> m_datenFormular;
    QLineEdit *m_einreicher;
    QLineEdit *m_sparte;
    QLineEdit *m_dateiname;
    BildAnzeigeWidget *m_anzeige;
    QList<qlonglong> m_gespeichert;
};
