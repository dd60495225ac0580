#include "generators/Tips.h"

#include <QStringList>

namespace {
struct Tip {
    const char* title;
    QStringList lines;
};

const Tip* tip(int n)
{
    static const Tip tips[6] = {
        {"Did you know...",
         {" It is rare for a lottery draw to have     ", " numbers that are all odd or all even. Most     ",
          " draws have a mixture of odd and even     ", " numbers. Setting this option ensures your     ",
          " lottery entries have the right mix.     "}},
        {"Did you know...",
         {" It is rare for a lottery draw to have     ", " numbers that are all very high or all very     ",
          " low. Most draws have a mixture of low and     ", " high numbers. Setting this option ensures     ",
          " your lottery entries have the right mix.     "}},
        {"Did you know...",
         {" Lightning never strikes the same place twice,     ", " at least not in lotteries. The same draw     ",
          " numbers have never come up twice, so you don't     ", " want to pick a set of numbers that have come     ",
          " up before. This option checks all previous     ", " draws to make sure this doesn't happen.     "}},
        {"Feeling lucky?",
         {"      ", " This method of selecting numbers is     ", " not suitable for Hot Picks. Here are     ",
          " some lucky dips you can try instead.     "}},
        {"Top tip",
         {" If you enter a name here, these lottery  ", " entries will be associated with that person  ",
          " when they are saved. This is useful if  ", " different people play different lotteries,  ",
          " or people in a syndicate have specific  ", " entries. Leave it blank if you are the only  ",
          " person that uses this program.  "}},
        {"Error", {" There was a problem with the input.  ", " Please check it and try again.  "}},
    };
    return (n >= 1 && n <= 6) ? &tips[n - 1] : nullptr;
}
} // namespace

QString TipText(int n)
{
    const Tip* t = tip(n);
    if (!t)
        return {};
    QString text;
    for (const QString& line : t->lines)
        text += line + "\r\n";
    return text;
}

QString TipTitle(int n)
{
    const Tip* t = tip(n);
    return t ? QString::fromLatin1(t->title) : QString();
}
