#pragma once

#include "DateText.h"

#include <QDateTime>
#include <QLineEdit>
#include <QVariant>

// Every line edit here has a `value` (the USER property, so that widget mappers bind it):
// an invalid variant stands for an empty or unusable field.

// A date typed as d.M.yyyy (leading zeros optional). When editing ends on a text that is no
// date, a critical message box says so.
class DateLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ value WRITE setValue USER true)
public:
    explicit DateLineEdit(QWidget *parent = nullptr);

    // The date as a date variant; invalid when the text is empty or no valid date.
    QVariant value() const;
    // Shows a valid date as d.M.yyyy; anything else empties the field.
    void setValue(const QVariant &value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void checkDate();

    QString m_reportedText; // the wrong text last reported, until the text changes
};

// The tool tip of every timestamp field, explaining these formats.
QString timeStampToolTip();

// A timestamp field: parses with parseTimeStamp(), shows "dd.MM.yyyy hh:mm:ss".
class TimeStampLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ value WRITE setValue USER true)
public:
    explicit TimeStampLineEdit(QWidget *parent = nullptr);

    QVariant value() const;
    void setValue(const QVariant &value);
};

class DoubleLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ value WRITE setValue USER true)
public:
    explicit DoubleLineEdit(QWidget *parent = nullptr);

    // The trimmed text as a double variant; invalid when empty or no number.
    QVariant value() const;
    // Shows a number with 6 significant digits; anything else empties the field.
    void setValue(const QVariant &value);
};

class IntLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ value WRITE setValue USER true)
public:
    explicit IntLineEdit(QWidget *parent = nullptr);
    // Accepts only integers from `bottom` to `top`.
    IntLineEdit(int bottom, int top, QWidget *parent = nullptr);

    // The trimmed text as a decimal int variant; invalid when empty or no integer.
    QVariant value() const;
    // Shows an integer in decimal; anything else empties the field.
    void setValue(const QVariant &value);
};
