#include "storage/ScheduleValidation.h"

#include "storage/DateTimeConvert.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>

#include <algorithm>

namespace {

// Far beyond every field's range, small enough that one more digit cannot overflow.
constexpr int SaturatedValue = 100'000'000;
constexpr qint64 TooCloseMs = 15000;

// A wall-clock time the clock skips (spring forward) has no QDateTime of its own; the day
// count reads it as the time the clock shows once the skip is over.
QDateTime LocalDateTime(const QDate &date, const QTime &time)
{
    const QDateTime local(date, time, Qt::LocalTime);
    if (local.isValid())
        return local;
    const double days = static_cast<double>(QDate(1899, 12, 30).daysTo(date)) + time.msecsSinceStartOfDay() / 86400000.0;
    return FromTDateTime(days);
}

} // namespace

const std::array<TEndFieldRule, 6> &EndFieldRules()
{
    static const std::array<TEndFieldRule, 6> rules = {{
        {QT_TRANSLATE_NOOP("ScheduleValidation", "Hour"), 0, 23},
        {QT_TRANSLATE_NOOP("ScheduleValidation", "Min."), 0, 59},
        {QT_TRANSLATE_NOOP("ScheduleValidation", "Sec."), 0, 59},
        {QT_TRANSLATE_NOOP("ScheduleValidation", "Day"), 1, 31},
        {QT_TRANSLATE_NOOP("ScheduleValidation", "Month"), 1, 12},
        {QT_TRANSLATE_NOOP("ScheduleValidation", "Year"), 2022, 9999},
    }};
    return rules;
}

QString FieldName(const TEndFieldRule &rule)
{
    return QCoreApplication::translate("ScheduleValidation", rule.Name);
}

QString TooCloseMessage()
{
    return QCoreApplication::translate("ScheduleValidation", "The scheduled time and date is too close");
}

TDecimalRead ReadDecimal(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    int value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), SaturatedValue);
    const bool clean = i > firstDigit && i == text.size();
    return {negative ? -value : value, clean ? 0 : static_cast<int>(i) + 1};
}

QStringList FieldMessages(const TEndFieldRule &rule, const QString &text)
{
    QStringList messages;
    const TDecimalRead read = ReadDecimal(text);
    if (read.ErrorPosition != 0)
        messages << QCoreApplication::translate("ScheduleValidation", "Error in the %1 field at position: %2")
                        .arg(FieldName(rule)).arg(read.ErrorPosition);
    if (read.Value < rule.Low || read.Value > rule.High)
        messages << QCoreApplication::translate("ScheduleValidation",
                                                "Error in the %1 field: %1 must be comprised in between %2 and %3")
                        .arg(FieldName(rule))
                        .arg(rule.Low)
                        .arg(rule.High);
    return messages;
}

TEndFieldsCheck CheckEndFields(const std::array<QString, 6> &texts)
{
    TEndFieldsCheck check;
    std::array<int, 6> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        check.Messages = FieldMessages(EndFieldRules()[i], texts[i]);
        if (!check.Messages.isEmpty())
            return check;
        values[i] = ReadDecimal(texts[i]).Value;
    }
    check.Fields = {values[0], values[1], values[2], values[3], values[4], values[5]};
    return check;
}

int ExpandTwoDigitYear(int twoDigits, int currentYear)
{
    const int windowStart = currentYear - 50;
    const int year = windowStart - windowStart % 100 + twoDigits;
    return year < windowStart ? year + 100 : year;
}

TEndJudgement JudgeEnd(const TEndFields &fields, const QDateTime &now)
{
    const int year = ExpandTwoDigitYear(fields.Year % 100, now.date().year());
    const QDate date(year, fields.Month, fields.Day);
    if (!date.isValid())
        return {TEndVerdict::NotADate, {}};
    const QDateTime end = LocalDateTime(date, QTime(fields.Hour, fields.Min, fields.Sec));
    if (now.msecsTo(end) <= TooCloseMs)
        return {TEndVerdict::TooClose, {}};
    return {TEndVerdict::Accepted, end};
}
