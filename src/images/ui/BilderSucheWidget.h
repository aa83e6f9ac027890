#pragma once

#include <QWidget>

class QLineEdit;

// Searches the images of a competition by a text in title, numbers or submitter's name:
// "&Suchen", "Suche &zuruecksetzen".
class BilderSucheWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BilderSucheWidget(QWidget *parent = nullptr);
    QString suchText() const;
    QLineEdit *feld() const { return m_feld; }

public slots:
    void suche();
    void setzeZurueck();

signals:
    void suchen(const QString &text);

private:
    QLineEdit *m_feld;
};
