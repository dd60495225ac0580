#include "core/ui/TipBox.h"

#include "generators/Tips.h"
#include "platform/ui/MsgBox.h"

void ShowTip(int n)
{
    const QString text = TipText(n);
    if (!text.isEmpty())
        MsgBox(text, vbOKOnly | vbInformation, TipTitle(n));
}
