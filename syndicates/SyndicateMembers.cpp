#include "syndicates/SyndicateMembers.h"

#include <functional>
#include <utility>

QStringList PayByMethods()
{
    return {QStringLiteral("Cash"), QStringLiteral("Cheque"), QStringLiteral("Credit/debit card"),
            QStringLiteral("Internet transfer")};
}

int MemberCount()
{
    int n = 0;
    while (n < kMaxMembers && !Syndicate[n + 1][NameField].isEmpty())
        ++n;
    return n;
}

QStringList MemberNames()
{
    QStringList names;
    const int n = MemberCount();
    for (int r = 1; r <= n; ++r)
        names << Syndicate[r][NameField];
    return names;
}

AddMemberResult AddMember(const MemberFields& fields, int* row)
{
    if (row)
        *row = 0;
    const QString name = SyndicateText(fields[NameField]).trimmed();
    if (name.isEmpty())
        return AddMemberResult::NoName;
    // The member whose name is the one given, as given (a name read from
    // the file comes back so while its box is untouched), else as typed
    // (trimmed), else as the boxes show a name read from the file (with its
    // double quotes made apostrophes, or blanks at its ends from a file
    // written by hand); else the first row after the list.
    const QString given = fields[NameField];
    const std::function<bool(const QString&)> matches[] = {
        [&](const QString& stored) { return stored == given; },
        [&](const QString& stored) { return stored == name; },
        [&](const QString& stored) { return SyndicateText(stored).trimmed() == name; },
    };
    const int count = MemberCount();
    int target = 0;
    for (const auto& same : matches) {
        for (int r = 1; r <= count && target == 0; ++r) {
            if (same(Syndicate[r][NameField]))
                target = r;
        }
    }
    if (target == 0 && count < kMaxMembers)
        target = count + 1;
    if (target == 0)
        return AddMemberResult::Full;
    const bool update = !Syndicate[target][NameField].isEmpty();
    for (int f = update ? 1 : 0; f <= 6; ++f)
        Syndicate[target][SyndicateFieldIndex(f)] = SyndicateText(fields[f]).trimmed();
    if (!update)
        Syndicate[target][NameField] = name;
    Syndicate[target][PayByField] = SyndicateText(fields[PayByField]);
    if (row)
        *row = target;
    return update ? AddMemberResult::Updated : AddMemberResult::Added;
}

bool DeleteMemberAt(int index)
{
    const int n = MemberCount();
    if (index < 0 || index >= n)
        return false;
    for (int r = index + 1; r < n; ++r) {
        Syndicate[r] = Syndicate[r + 1];
    }
    for (QString& field : Syndicate[n])
        field.clear();
    return true;
}

bool SortMembers()
{
    const int n = MemberCount();
    if (n < 2)
        return false;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int r = 2; r <= n; ++r) {
            // QString's operator< compares UTF-16 code units: by character code.
            if (Syndicate[r][NameField] < Syndicate[r - 1][NameField]) {
                std::swap(Syndicate[r], Syndicate[r - 1]);
                swapped = true;
            }
        }
    }
    return true;
}
