#pragma once

#include <QString>

class QAbstractSpinBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class QWidget;

// The input fields of every form and their colours: grey when the field cannot be changed,
// yellow when it must be filled in, white when it may.
namespace FieldFactory {

constexpr int kNoMaximumLength = 32767;

// The style sheets of the three kinds of field.
QString optionalFieldStyle(bool editable);
QString mandatoryFieldStyle(bool editable);
QString comboBoxStyle(bool editable);

// A form label: right-aligned, vertically centred.
QLabel *createLabel(const QString &text, QWidget *parent = nullptr);

// An input line edit: read-only unless editable, strong focus when editable and click focus
// otherwise, coloured as an optional or a mandatory field.
QLineEdit *createLineEdit(bool editable, int maxLength = kNoMaximumLength, bool mandatory = false,
                          QWidget *parent = nullptr);
// Makes an existing line edit (also a DateLineEdit and the like) editable or read-only, with
// the focus policy and colour that go with it; for switching a form between modes.
void setEditable(QLineEdit *edit, bool editable, bool mandatory = false);

// Colours a field by its read-only state.
void colourOptional(QLineEdit *edit);
void colourOptional(QAbstractSpinBox *spinBox);
void colourMandatory(QLineEdit *edit);
void colourMandatory(QAbstractSpinBox *spinBox);
void colourMandatory(QTextEdit *textEdit);
void colourComboBox(QComboBox *comboBox, bool editable);

} // namespace FieldFactory
