#include "Modus.h"

#include "DatabaseContext.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QString modusName(Modus modus)
{
    switch (modus) {
    case Modus::NEU:
        return QStringLiteral("NEU");
    case Modus::BEARBEITEN:
        return QStringLiteral("BEARBEITEN");
    case Modus::ANSEHEN:
        break;
    }
    return QStringLiteral("ANSEHEN");
}

DialogModus DialogModus::aus(Modus modus, const QString &titelNeu, const QString &titelBearbeiten,
                             const QString &titelAnsehen, const QString &speichernNeu,
                             const QString &speichernBearbeiten)
{
    switch (modus) {
    case Modus::NEU:
        return {modusName(modus), titelNeu, true, speichernNeu};
    case Modus::BEARBEITEN:
        return {modusName(modus), titelBearbeiten, true, speichernBearbeiten};
    case Modus::ANSEHEN:
        break;
    }
    return {modusName(modus), titelAnsehen, false, QString()};
}

namespace DialogModi {

void oeffne(DatabaseContext &ctx, QDialog &dialog, const QString &dialogName,
            const DialogModus &modus, const QString &zusatz)
{
    QString zeile = QStringLiteral("Oeffne ") + dialogName;
    if (!modus.name.isEmpty())
        zeile += QStringLiteral(" im Modus ") + modus.name;
    ctx.log(QStringLiteral("Dialog"), dialogName, 7, zeile + zusatz);
    dialog.setWindowTitle(modus.titel);
}

DialogKnoepfe knoepfe(QDialog &dialog, const DialogModus &modus, bool speichernAufEnter)
{
    auto knopf = [&](const char *text, const char *name) {
        auto *button = new QPushButton(QCoreApplication::translate("DialogModi", text), &dialog);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        return button;
    };
    DialogKnoepfe k;
    k.zeile = new QHBoxLayout;
    k.zeile->addStretch();
    QPushButton *standard = nullptr;
    if (modus.editierbar && !modus.speichernText.isEmpty()) {
        k.speichern = new QPushButton(modus.speichernText, &dialog);
        k.speichern->setObjectName(QStringLiteral("speichern"));
        k.speichern->setAutoDefault(false);
        k.abbrechen = knopf(QT_TRANSLATE_NOOP("DialogModi", "Abbre&chen"), "abbrechen");
        k.zeile->addWidget(k.speichern);
        k.zeile->addWidget(k.abbrechen);
        standard = k.speichern;
    } else {
        k.schliessen = knopf(QT_TRANSLATE_NOOP("DialogModi", "S&chliessen"), "schliessen");
        k.zeile->addWidget(k.schliessen);
        standard = k.schliessen;
    }
    if (speichernAufEnter)
        standard->setDefault(true);
    return k;
}

} // namespace DialogModi
