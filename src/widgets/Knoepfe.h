#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>

#include <initializer_list>

class QWidget;

namespace Knoepfe {

// A button of a tab or dialog: its text, an object name (by which tests find it), no
// auto-default (Return in a list presses nothing), and its click connected to a slot of `ziel`.
template <typename Ziel, typename Slot>
QPushButton *knopf(Ziel *ziel, const QString &text, const char *name, Slot slot)
{
    auto *k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    QObject::connect(k, &QPushButton::clicked, ziel, slot);
    return k;
}

// The layout of a list tab: the list to the left, taking the room, the buttons stacked on its
// right from the top.
void listeMitKnoepfen(QWidget *reiter, QWidget *liste,
                      std::initializer_list<QPushButton *> knoepfe);

} // namespace Knoepfe
