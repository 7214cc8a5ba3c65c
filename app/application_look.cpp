#include "app/application_look.h"

#include "app/application_look_style.h"
#include "app/command_ids.h"

#include <QApplication>
#include <QSettings>
#include <QWidget>

namespace {

const char kLookSetting[] = "ApplicationLook";

struct LookEntry {
    int id;
    LookColors colors;
};

// Colours modelled on each look's namesake; Windows 2000 keeps the classic
// bevelled style underneath, every other look draws its own bars over Fusion.
const LookEntry kLooks[] = {
    {ID_VIEW_APPLOOK_WIN_2000,
     {"Windows", true, 0xD4D0C8, 0x000000, 0xD4D0C8, 0x000000, 0xFFFFFF, 0x000000, 0x0A246A, 0xFFFFFF,
      0xD4D0C8, 0xD4D0C8, 0x808080, 0xD4D0C8, 0x808080, 0x0A246A, 0xA6CAF0, 0xFFFFFF}},
    {ID_VIEW_APPLOOK_OFF_XP,
     {"Fusion", false, 0xD6D3CE, 0x000000, 0xE8E6DE, 0x000000, 0xFFFFFF, 0x000000, 0xC1D2EE, 0x000000,
      0xF7F6F1, 0xEFEDE6, 0xA7A6AA, 0xC1D2EE, 0x316AC5, 0xD6D3CE, 0xC9C6C0, 0x000000}},
    {ID_VIEW_APPLOOK_WIN_XP,
     {"Fusion", false, 0xECE9D8, 0x000000, 0xF5F4EA, 0x000000, 0xFFFFFF, 0x000000, 0x316AC5, 0xFFFFFF,
      0xFBFAF5, 0xE3DFCB, 0xC2BFA9, 0xE1E7F4, 0x7DA2CE, 0x0054E3, 0x3D95FF, 0xFFFFFF}},
    {ID_VIEW_APPLOOK_OFF_2003,
     {"Fusion", false, 0xC3DAF9, 0x000000, 0xDDECFE, 0x000000, 0xFFFFFF, 0x000000, 0xFFEEC2, 0x000000,
      0xE3EFFF, 0x87ADE4, 0x3B619C, 0xFFEEC2, 0x000080, 0xDDECFE, 0x7BA2E7, 0x15428B}},
    {ID_VIEW_APPLOOK_VS_2005,
     {"Fusion", false, 0xEEEDE5, 0x000000, 0xF7F6F0, 0x000000, 0xFFFFFF, 0x000000, 0x316AC5, 0xFFFFFF,
      0xFAFAF7, 0xD7D4C6, 0xC5C2B2, 0xC1D2EE, 0x316AC5, 0xECE9D8, 0xCCC7BA, 0x000000}},
    {ID_VIEW_APPLOOK_VS_2008,
     {"Fusion", false, 0xBCC7D8, 0x000000, 0xF0F2F8, 0x000000, 0xFFFFFF, 0x000000, 0x3399FF, 0xFFFFFF,
      0xFAFBFD, 0xCAD3E6, 0x9BA7C2, 0xC1D2EE, 0x3399FF, 0x99B4D1, 0x6C89B5, 0xFFFFFF}},
    {ID_VIEW_APPLOOK_OFF_2007_BLUE,
     {"Fusion", false, 0xBFDBFF, 0x15428B, 0xD7E6F9, 0x15428B, 0xFFFFFF, 0x000000, 0xFFE794, 0x000000,
      0xE3EFFF, 0xAFD2FF, 0x6593CF, 0xFFE794, 0xDBCE99, 0xE3EFFF, 0xBFDBFF, 0x15428B}},
    {ID_VIEW_APPLOOK_OFF_2007_BLACK,
     {"Fusion", false, 0x535353, 0xFFFFFF, 0x6B6B6B, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xFFC34A, 0x000000,
      0x7B7B7B, 0x3E3E3E, 0x2A2A2A, 0xFFE794, 0xDBCE99, 0x7B7B7B, 0x4C4C4C, 0xFFFFFF}},
    {ID_VIEW_APPLOOK_OFF_2007_SILVER,
     {"Fusion", false, 0xE0E3E8, 0x4C535C, 0xEEF0F3, 0x4C535C, 0xFFFFFF, 0x000000, 0xFFE794, 0x000000,
      0xF5F6F8, 0xC5CAD3, 0x9199A4, 0xFFE794, 0xDBCE99, 0xECEEF2, 0xC7CBD1, 0x4C535C}},
    {ID_VIEW_APPLOOK_OFF_2007_AQUA,
     {"Fusion", false, 0xABD5D9, 0x1B4A4F, 0xD3ECEE, 0x1B4A4F, 0xFFFFFF, 0x000000, 0xFFE794, 0x000000,
      0xE2F4F5, 0x87C3C9, 0x4D9CA5, 0xFFE794, 0xDBCE99, 0xD3ECEE, 0x87C3C9, 0x1B4A4F}},
};

const LookEntry* findLook(int id)
{
    for (const LookEntry& look : kLooks) {
        if (look.id == id)
            return &look;
    }
    return nullptr;
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

bool isApplicationLook(int id)
{
    return findLook(id) != nullptr;
}

int readApplicationLook(const QSettings& store)
{
    bool isNumber = false;
    const int look = store.value(kLookSetting).toInt(&isNumber);
    return isNumber && isApplicationLook(look) ? look : kDefaultAppLook;
}

void storeApplicationLook(QSettings& store, int look)
{
    store.setValue(kLookSetting, look);
}

void applyApplicationLook(int look)
{
    const LookEntry* entry = findLook(look);
    if (!entry)
        return;
    WaitCursor waitCursor;
    QApplication::setStyle(new ApplicationLookStyle(entry->id, entry->colors));
    QApplication::setPalette(lookPalette(entry->colors));
    for (QWidget* window : QApplication::topLevelWidgets())
        window->update();
}

int appliedApplicationLook()
{
    const auto* style = qobject_cast<const ApplicationLookStyle*>(QApplication::style());
    return style ? style->lookId() : 0;
}
