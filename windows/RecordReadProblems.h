#pragma once
// What the file manager could not read of the highlighted record: the error of its .meta file
// and that of its .histo file, for the line of the information panel and for the one box.

#include <QString>

#include <array>

class TRecordReadProblems {
public:
    enum TPart { Meta, Preview };

    void Set(TPart part, const QString &file, const QString &message);
    void Clear(TPart part);
    bool Empty() const;
    // The errors as the readers gave them, one a line.
    QString Messages() const;
    // "name.meta: reason", one a line: the file without its folder, the reason without the
    // path the reader's error ends with.
    QString Lines() const;

private:
    struct TProblem {
        QString File;
        QString Message;
    };
    std::array<TProblem, 2> Problems;
};
