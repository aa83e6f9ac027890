#pragma once

#include <QSet>
#include <QWidget>

#include <memory>
#include <vector>

class DatabaseContext;
class Funktionstraeger;
class ListWidget;
class Mitglied;
class QPushButton;
class Record;
class Verein;

// The tab "&Funktionstraeger": the officials of one club with their members. Added, edited
// and removed officials stay in the widget until the club is stored; geaenderteFunktionstraeger()
// and entfernteFunktionstraeger() tell the dialog what to write.
class VereinFunktionstraegerWidget : public QWidget
{
    Q_OBJECT
public:
    // `verein` stays the caller's and must outlive the widget. The stored officials of a
    // stored club are read at once.
    VereinFunktionstraegerWidget(DatabaseContext &ctx, const Verein &verein, bool editierbar,
                                 QWidget *parent = nullptr);
    ~VereinFunktionstraegerWidget() override;

    // The list (columns "Funktion", "Funktion (Freitext)", "Vorname", "Nachname").
    ListWidget *liste() const { return m_liste; }

    // Copies of the officials added or edited since the widget was opened, for storing.
    std::vector<std::unique_ptr<Funktionstraeger>> geaenderteFunktionstraeger() const;
    // The stored officials removed from the list, for deleting.
    const std::vector<std::unique_ptr<Funktionstraeger>> &entfernteFunktionstraeger() const
    {
        return m_entfernt;
    }

public slots:
    // "Hi&nzufuegen": FunktionstraegerBearbeitenDialog in NEU for this club.
    void fuegeFunktionstraegerHinzu();
    // "&Bearbeiten" (or a double click): the selected official in BEARBEITEN, or in ANSEHEN
    // when the club is read-only.
    void bearbeiteFunktionstraeger();
    // "&Loeschen": asks, then removes the selected official from the list.
    void loescheFunktionstraeger();

    // Receive what FunktionstraegerBearbeitenDialog hands back (copied).
    void uebernimmNeuenFunktionstraeger(Funktionstraeger *funktionstraeger, Mitglied *mitglied);
    void uebernimmBearbeitetenFunktionstraeger(Funktionstraeger *funktionstraeger,
                                               Mitglied *mitglied, int zeile);

private:
    void log(const QString &text);
    void ladeFunktionstraeger();
    void aktualisiereKnoepfe();

    DatabaseContext &m_ctx;
    const Verein &m_verein;
    bool m_editierbar;
    ListWidget *m_liste = nullptr;
    QPushButton *m_hinzufuegen = nullptr;
    QPushButton *m_bearbeiten = nullptr;
    QPushButton *m_loeschen = nullptr;
    QSet<const Record *> m_geaendert; // rows of the list
    std::vector<std::unique_ptr<Funktionstraeger>> m_entfernt;
};
