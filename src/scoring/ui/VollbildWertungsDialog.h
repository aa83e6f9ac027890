#pragma once

#include "AbstractVollbildDialog.h"

#include <memory>
#include <vector>

class Durchgang;
class JuriertBei;
class KeyboardManager;
class QLabel;
class QTableWidget;
class WertungsAblauf;
class Wettbewerb;

// Scoring one round full screen: the picture of the current image; the control panel with
// its title, its number, the jurors' scores and the buttons; the jurors' key presses from
// their keypads. Every decision lies with the round's WertungsAblauf; the dialog shows its
// state and its messages. Keys of the ordinary keyboard: N confirms; Return confirms when the
// image has its total (or no image is left), else enters a score by hand; B enters a score by
// hand; U interrupts; V and Z switch the hiding mode of the control panel on and off; Escape
// shows the panel; digits, Home, End, the arrows and the Page keys (and Clear and Insert, the
// keypad's 5 and 0 without NumLock) do nothing.
class VollbildWertungsDialog : public AbstractVollbildDialog
{
    Q_OBJECT
public:
    VollbildWertungsDialog(DatabaseContext &ctx, Wettbewerb &wettbewerb, Durchgang &durchgang,
                           KeyboardManager *tastaturen,
                           std::vector<std::unique_ptr<JuriertBei>> juroren,
                           QWidget *parent = nullptr);
    ~VollbildWertungsDialog() override;

    // Chooses the image to score (the first without total) and listens to the keypads.
    void setup();

    WertungsAblauf &ablauf() const { return *m_ablauf; }
    QTableWidget *liste() const { return m_liste; }
    QLabel *titel() const { return m_titel; }
    QLabel *nummer() const { return m_nummer; }
    // Whether the panel is hidden while the jurors score.
    bool verbergenModus() const { return m_verbergen; }

public slots:
    void kontrollWidgetVerbergen();
    void kontrollWidgetZeigen();
    void bewertungManuellSetzen();
    void zurueck();
    void bewertungBestaetigen();
    void jurierungUnterbrechen();
    void numericKeyPressed(qlonglong device, int number);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void reagiereAufEinzelwertung();
    void zeigeAktuellesBild();
    void zeigeWertungen();
    void passeKontrollWidgetAn();
    // Runs a step that writes; a database failure is shown (once, also when further steps
    // fail while its box is open) and false returned.
    template <typename Schritt>
    bool schreibe(Schritt &&schritt);
    void log(int level, const QString &text);

    KeyboardManager *m_tastaturen;
    std::unique_ptr<WertungsAblauf> m_ablauf;
    QLabel *m_titel;
    QLabel *m_nummer;
    QTableWidget *m_liste;
    bool m_verbergen = false;
    bool m_zeigtFehler = false;
};
