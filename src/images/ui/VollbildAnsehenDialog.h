#pragma once

#include "AbstractVollbildDialog.h"

#include <QHash>

#include <vector>

class QLabel;

// Shows images full screen one after another. Keys: V hides the control panel, Escape or C
// closes; any other key first shows the panel, then the arrow keys, Page Up/Down, space and
// backspace go to the next or previous image, Home and End to the first and the last.
class VollbildAnsehenDialog : public AbstractVollbildDialog
{
    Q_OBJECT
public:
    // `bildIds` the images (Bild ids) in the order to show them, starting at index `start`.
    VollbildAnsehenDialog(DatabaseContext &ctx, std::vector<qlonglong> bildIds, int start,
                          QWidget *parent = nullptr);

    int index() const { return m_index; }
    QLabel *zaehler() const { return m_zaehler; }

public slots:
    void geheZu(int index);
    void naechstes() { geheZu(m_index + 1); }
    void voriges() { geheZu(m_index - 1); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Angaben
    {
        BildVorlader::Wunsch wunsch;
        QString titel;
    };
    const Angaben &angaben(int index);

    std::vector<qlonglong> m_ids;
    int m_index = -1;
    QHash<qlonglong, Angaben> m_angaben;
    QLabel *m_zaehler;
    QLabel *m_titel;
};
