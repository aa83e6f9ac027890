#pragma once

#include <QWidget>

#include <memory>

class DatabaseContext;
class Formular;
class QLineEdit;
class QPushButton;
class Wettbewerb;

// The tab "&Grunddaten": the master data read-only, the state, "Grunddaten &Bearbeiten" and
// the buttons that move the competition one state back or forward.
class WettbewerbGrunddatenWidget : public QWidget
{
    Q_OBJECT
public:
    // `wettbewerb` is the competition dialog's and must outlive the widget.
    WettbewerbGrunddatenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb, bool editierbar,
                               QWidget *parent = nullptr);
    ~WettbewerbGrunddatenWidget() override;

    QPushButton *zurueckButton() const { return m_zurueck; }
    QPushButton *weiterButton() const { return m_weiter; }
    QPushButton *bearbeitenButton() const { return m_bearbeiten; }

public slots:
    void oeffneGrunddatenBearbeitenDialog();
    void geheZumVorherigenStatus();
    void geheZumNaechstenStatus();
    // Shows the competition's fields, state and buttons anew.
    void aktualisiere();

signals:
    void statusWechselWeiter();
    void statusWechselZurueck();
    // The master data were stored.
    void grunddatenGeaendert();

private:
    DatabaseContext &m_ctx;
    Wettbewerb &m_wettbewerb;
    bool m_editierbar;
    std::unique_ptr<Formular> m_formular;
    QLineEdit *m_status;
    QLineEdit *m_ausrichter;
    QPushButton *m_bearbeiten;
    QPushButton *m_zurueck;
    QPushButton *m_weiter;
};

// Copies every attribute of `von` into `nach` (records of the same class).
void kopiereWerte(const class Record &von, class Record &nach);
