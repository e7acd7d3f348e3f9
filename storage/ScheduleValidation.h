#pragma once
// The checks of the schedule dialog's end row, over the field texts and a "now", so that
// they run without the dialog: the texts are read as the fields' names and ranges demand,
// and the end they give is judged against the clock.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

struct TEndFieldRule {
    const char *Name;  // in English; FieldName gives it as the messages name the field
    int Low;
    int High;
};

// The end fields in the order they are checked: hour, minute, second, day, month, year.
const std::array<TEndFieldRule, 6> &EndFieldRules();
// The rule's name in the user's language.
QString FieldName(const TEndFieldRule &rule);

// A text read as a decimal integer: leading blanks and a sign allowed, nothing after the
// digits. ErrorPosition is the 1-based position of the first character that does not
// belong to the number (where the first digit was missing when there is none), 0 when the
// whole text is the number. Value is what was read up to there; it saturates far beyond
// any field's range instead of overflowing.
struct TDecimalRead {
    int Value = 0;
    int ErrorPosition = 0;
};
TDecimalRead ReadDecimal(const QString &text);

// The messages a field's text earns, in the order they are shown: the position message,
// then the range message. None when the field is accepted.
QStringList FieldMessages(const TEndFieldRule &rule, const QString &text);

// The accepted values, in the order of EndFieldRules().
struct TEndFields {
    int Hour = 0;
    int Min = 0;
    int Sec = 0;
    int Day = 0;
    int Month = 0;
    int Year = 0;
};

// Checks the texts in the order of EndFieldRules() and stops at the first field that
// fails. Messages are that field's, empty when every field passed; Fields is meaningful
// only then.
struct TEndFieldsCheck {
    QStringList Messages;
    TEndFields Fields;
};
TEndFieldsCheck CheckEndFields(const std::array<QString, 6> &texts);

// A two-digit year placed in the hundred years that begin 50 years before currentYear.
int ExpandTwoDigitYear(int twoDigits, int currentYear);

enum class TEndVerdict { Accepted, NotADate, TooClose };

// The end the fields give, judged against now: the year is taken by its last two digits
// through ExpandTwoDigitYear; a day the month does not have is NotADate; an end not more
// than 15 s after now (the past included) is TooClose. End is set when Accepted.
struct TEndJudgement {
    TEndVerdict Verdict = TEndVerdict::NotADate;
    QDateTime End;
};
TEndJudgement JudgeEnd(const TEndFields &fields, const QDateTime &now);

QString TooCloseMessage();
