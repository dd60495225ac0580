#pragma once
// A message box shown with exactly this text, title and style.

#include "platform/ui/MsgBox.h"

#include <gtest/gtest.h>

inline ::testing::AssertionResult IsBox(const MsgBoxCall& box, const QString& text, const QString& title, int style)
{
    if (box.text == text && box.title == title && box.style == style)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "box \"" << box.text.toStdString() << "\", title \""
                                         << box.title.toStdString() << "\", style " << box.style;
}
