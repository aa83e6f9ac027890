#include "FieldFactory.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace FieldFactory {

namespace {
const QString kGrey = QStringLiteral("background-color: rgb(225, 225, 225)");
const QString kWhite = QStringLiteral("background-color: white");
const QString kYellow = QStringLiteral("background-color: rgb(240, 240, 120)");
} // namespace

QString optionalFieldStyle(bool editable)
{
    return editable ? kWhite : kGrey;
}

QString mandatoryFieldStyle(bool editable)
{
    return editable ? kYellow : kGrey;
}

QString comboBoxStyle(bool editable)
{
    return editable ? kYellow : kGrey;
}

QLabel *createLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit *createLineEdit(bool editable, int maxLength, bool mandatory, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    setEditable(edit, editable, mandatory);
    return edit;
}

void setEditable(QLineEdit *edit, bool editable, bool mandatory)
{
    edit->setReadOnly(!editable);
    edit->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
    if (mandatory)
        colourMandatory(edit);
    else
        colourOptional(edit);
}

void colourOptional(QLineEdit *edit)
{
    edit->setStyleSheet(optionalFieldStyle(!edit->isReadOnly()));
}

void colourOptional(QAbstractSpinBox *spinBox)
{
    spinBox->setStyleSheet(optionalFieldStyle(!spinBox->isReadOnly()));
}

void colourMandatory(QLineEdit *edit)
{
    edit->setStyleSheet(mandatoryFieldStyle(!edit->isReadOnly()));
}

void colourMandatory(QAbstractSpinBox *spinBox)
{
    spinBox->setStyleSheet(mandatoryFieldStyle(!spinBox->isReadOnly()));
}

void colourMandatory(QTextEdit *textEdit)
{
    textEdit->setStyleSheet(mandatoryFieldStyle(!textEdit->isReadOnly()));
}

void colourComboBox(QComboBox *comboBox, bool editable)
{
    comboBox->setStyleSheet(comboBoxStyle(editable));
}

} // namespace FieldFactory
