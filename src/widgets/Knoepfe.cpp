#include "Knoepfe.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace Knoepfe {

void listeMitKnoepfen(QWidget *reiter, QWidget *liste, std::initializer_list<QPushButton *> knoepfe)
{
    auto *spalte = new QVBoxLayout;
    for (QPushButton *k : knoepfe)
        spalte->addWidget(k);
    spalte->addStretch();
    auto *layout = new QHBoxLayout(reiter);
    layout->addWidget(liste, 1);
    layout->addLayout(spalte);
}

} // namespace Knoepfe
