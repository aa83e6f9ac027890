#pragma once

#include <QString>
#include <QWidget>

class CodeValueComboBox;
class DatabaseContext;
class QCheckBox;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class Verein;

// The tab "&Vereinsdaten": number, name, parent club and address of one club. The fields
// are bound to the club object; the complete number follows every change of the own number
// and of the parent at once, the other fields reach the club through uebernehmeFelder().
class VereinBearbeitenWidget : public QWidget
{
    Q_OBJECT
public:
    // `verein` stays the caller's and must outlive the widget.
    VereinBearbeitenWidget(DatabaseContext &ctx, Verein &verein, bool editierbar,
                           QWidget *parent = nullptr);
    ~VereinBearbeitenWidget() override;

    // Writes the fields into the club; an empty text field leaves its attribute null.
    void uebernehmeFelder();

    // The text of the field "Uebergeordneter Verein".
    QString dachverbandText() const;

    // Makes `dachverband` the club's parent, or removes the parent for null, and recomputes
    // the complete number. Refuses (with an error box, returning false) a parent that is the
    // club itself or lies below it, since the tree would become a cycle.
    bool setzeDachverband(const Verein *dachverband);

    // The width of a text column as its field's maximum length.
    static int feldLaenge(DatabaseContext &ctx, const QString &entity, const QString &attribut);

public slots:
    // "A&uswaehlen": the club search, with the choice of no parent.
    void waehleDachverbandAus();

private:
    void eigeneNummerGeaendert(const QString &text);
    void berechneGesamteNummer();
    void zeigeGesamteNummer();
    void zeigeDachverband();
    bool liegtUnterDemVerein(const Verein &kandidat);

    DatabaseContext &m_ctx;
    Verein &m_verein;
    bool m_editierbar;
    QDataWidgetMapper *m_mapper = nullptr;
    QLineEdit *m_eigeneNummer = nullptr;
    QLineEdit *m_gesamteNummer = nullptr;
    QLineEdit *m_name = nullptr;
    QCheckBox *m_inaktiv = nullptr;
    QLineEdit *m_dachverband = nullptr;
    QPushButton *m_dachverbandWaehlen = nullptr;
    QLineEdit *m_strasse = nullptr;
    QLineEdit *m_plz = nullptr;
    QLineEdit *m_ort = nullptr;
    CodeValueComboBox *m_staat = nullptr;
    QLineEdit *m_email = nullptr;
    QLineEdit *m_homepage = nullptr;
};
