#include "windows/RecordReadProblems.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

void TRecordReadProblems::Set(TPart part, const QString &file, const QString &message)
{
    Problems[part] = {file, message};
}

void TRecordReadProblems::Clear(TPart part)
{
    Problems[part] = {};
}

bool TRecordReadProblems::Empty() const
{
    return Problems[Meta].Message.isEmpty() && Problems[Preview].Message.isEmpty();
}

QString TRecordReadProblems::Messages() const
{
    QStringList messages;
    for (const TProblem &problem : Problems)
        if (!problem.Message.isEmpty())
            messages << problem.Message;
    return messages.join(u'\n');
}

QString TRecordReadProblems::Lines() const
{
    QStringList lines;
    for (const TProblem &problem : Problems) {
        if (problem.Message.isEmpty())
            continue;
        QString reason = problem.Message;
        const QString pathSuffix = QStringLiteral(": ") + QDir::toNativeSeparators(problem.File);
        if (reason.endsWith(pathSuffix))
            reason.chop(pathSuffix.size());
        lines << QFileInfo(problem.File).fileName() + QStringLiteral(": ") + reason;
    }
    return lines.join(u'\n');
}
