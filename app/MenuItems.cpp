#include "app/MenuItems.h"

#include <array>

namespace {
const std::array<const char*, kMenuItemCount> kNames = {
#define VANTREL_MENU_ITEM_NAME(name) #name,
    VANTREL_MENU_ITEMS(VANTREL_MENU_ITEM_NAME)
#undef VANTREL_MENU_ITEM_NAME
};
} // namespace

QString MenuItemName(MenuItem item) { return QString::fromLatin1(kNames.at(std::size_t(item))); }

std::optional<MenuItem> MenuItemNamed(const QString& name)
{
    for (int i = 0; i < kMenuItemCount; ++i)
        if (name == QLatin1String(kNames[std::size_t(i)]))
            return MenuItem(i);
    return std::nullopt;
}

MenuItem WebLinkItem(int index) { return MenuItem(int(MenuItem::LinksLink_0) + index); }

int WebLinkIndex(MenuItem item)
{
    const int i = int(item) - int(MenuItem::LinksLink_0);
    return i >= 0 && i <= 9 ? i : -1;
}
