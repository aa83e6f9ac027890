#include "BilderSucheWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BilderSucheWidget::BilderSucheWidget(QWidget *parent) : QWidget(parent)
{
    m_feld = new QLineEdit;
    m_feld->setObjectName(QStringLiteral("suchText"));
    auto *suchen = new QPushButton(tr("&Suchen"));
    suchen->setObjectName(QStringLiteral("suchen"));
    auto *zurueck = new QPushButton(tr("Suche &zuruecksetzen"));
    zurueck->setObjectName(QStringLiteral("sucheZuruecksetzen"));
    for (QPushButton *k : {suchen, zurueck})
        k->setAutoDefault(false);
    connect(suchen, &QPushButton::clicked, this, &BilderSucheWidget::suche);
    connect(zurueck, &QPushButton::clicked, this, &BilderSucheWidget::setzeZurueck);
    connect(m_feld, &QLineEdit::returnPressed, this, &BilderSucheWidget::suche);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Titel, Nummer oder Einreicher")));
    layout->addWidget(m_feld, 1);
    layout->addWidget(suchen);
    layout->addWidget(zurueck);
}

QString BilderSucheWidget::suchText() const
{
    return m_feld->text();
}

void BilderSucheWidget::suche()
{
    emit suchen(m_feld->text());
}

void BilderSucheWidget::setzeZurueck()
{
    m_feld->clear();
    emit suchen(QString());
}
