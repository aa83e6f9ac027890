#include "LineEdits.h"

#include "DateText.h"
#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QIntValidator>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
const QString kDateFormat = QStringLiteral("d.M.yyyy");
} // namespace

DateLineEdit::DateLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[0-3]?[0-9]\\.[0-1]?[0-9]\\.[0-9]{4,4}$")), this));
    connect(this, &QLineEdit::editingFinished, this, &DateLineEdit::checkDate);
    connect(this, &QLineEdit::textChanged, this, [this] { m_reportedText.clear(); });
}

QVariant DateLineEdit::value() const
{
    const QDate date = parseDate(text());
    return date.isValid() ? QVariant(date) : QVariant();
}

void DateLineEdit::setValue(const QVariant &value)
{
    const QDate date = value.isValid() ? value.toDate() : QDate();
    if (date.isValid())
        setText(date.toString(kDateFormat));
    else
        clear();
}

void DateLineEdit::keyPressEvent(QKeyEvent *event)
{
    // Qt ends editing only on acceptable input; a text the expression cannot complete any
    // more is reported here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool incomplete = !hasAcceptableInput();
    QLineEdit::keyPressEvent(event);
    if (enter && incomplete)
        checkDate();
}

void DateLineEdit::focusOutEvent(QFocusEvent *event)
{
    const bool incomplete = !hasAcceptableInput();
    QLineEdit::focusOutEvent(event);
    if (incomplete && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason)
        checkDate();
}

void DateLineEdit::checkDate()
{
    const QString typed = text();
    // Enter and then leaving the field report a wrong text once.
    if (typed.trimmed().isEmpty() || value().isValid() || typed == m_reportedText)
        return;
    m_reportedText = typed;
    MessageBoxes::current().critical(
        this, tr("Datum falsch angegeben"),
        tr("Die Eingabe %1 ist kein gueltiges Datum.\n\nBitte geben Sie das Datum im Format "
           "dd.mm.yyyy an.")
            .arg(typed));
}

QString timeStampToolTip()
{
    return QCoreApplication::translate(
        "TimeStampLineEdit",
        "Zeitstempel koennen als Datum dd.MM.yyyy, als Datum mit minutengenauer Zeit dd.MM.yyyy "
        "hh.mm, oder mit sekundengenauer Zeit dd.MM.yyyy hh.mm.ss eingegeben werden.  Fuehrende "
        "Nullen beim Datum duerfen weggelassen werden, statt dem Punkt bei der Zeit darf auch "
        "ein Doppelpunkt geschrieben werden.");
}

TimeStampLineEdit::TimeStampLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setToolTip(timeStampToolTip());
}

QVariant TimeStampLineEdit::value() const
{
    const QDateTime timeStamp = parseTimeStamp(text());
    return timeStamp.isValid() ? QVariant(timeStamp) : QVariant();
}

void TimeStampLineEdit::setValue(const QVariant &value)
{
    const QDateTime timeStamp = value.isValid() ? value.toDateTime() : QDateTime();
    if (timeStamp.isValid())
        setText(timeStamp.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
    else
        clear();
}

DoubleLineEdit::DoubleLineEdit(QWidget *parent) : QLineEdit(parent) {}

QVariant DoubleLineEdit::value() const
{
    bool ok = false;
    const double number = text().trimmed().toDouble(&ok);
    return ok ? QVariant(number) : QVariant();
}

void DoubleLineEdit::setValue(const QVariant &value)
{
    bool ok = false;
    const double number = value.isValid() ? value.toDouble(&ok) : 0.0;
    if (ok)
        setText(QString::number(number, 'g', 6));
    else
        clear();
}

IntLineEdit::IntLineEdit(QWidget *parent) : QLineEdit(parent)
{
    auto *validator = new QIntValidator(this);
    validator->setLocale(QLocale::c());
    setValidator(validator);
}

IntLineEdit::IntLineEdit(int bottom, int top, QWidget *parent) : QLineEdit(parent)
{
    auto *validator = new QIntValidator(bottom, top, this);
    validator->setLocale(QLocale::c());
    setValidator(validator);
}

QVariant IntLineEdit::value() const
{
    bool ok = false;
    const int number = text().trimmed().toInt(&ok, 10);
    return ok ? QVariant(number) : QVariant();
}

void IntLineEdit::setValue(const QVariant &value)
{
    bool ok = false;
    const int number = value.isValid() ? value.toInt(&ok) : 0;
    if (ok)
        setText(QString::number(number));
    else
        clear();
}
