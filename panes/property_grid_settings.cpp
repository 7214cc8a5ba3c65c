#include "panes/property_grid_settings.h"

#include "panes/property_grid_text.h"

SettingsGrid::SettingsGrid(int changedCommand, int fontChangedCommand, QWidget* parent)
    : PropertyGrid(parent), changedCommand_(changedCommand), fontChangedCommand_(fontChangedCommand)
{
}

void SettingsGrid::propertyChanged(GridProperty& property)
{
    if (property.kind() != GridProperty::Kind::Font)
        return;
    if (QFont* font = graphFont())
        *font = property.font();
    emit commandSent(fontChangedCommand_);
}

GridProperty& SettingsGrid::property(const QString& name) const
{
    GridProperty* found = find(name);
    Q_ASSERT(found);
    return *found;
}

void SettingsGrid::showNumber(const QString& name, double value)
{
    GridProperty& shown = property(name);
    shown.setNumber(toSingle(value));
    refresh(shown);
}

void SettingsGrid::showInteger(const QString& name, int value)
{
    GridProperty& shown = property(name);
    shown.setInteger(value);
    refresh(shown);
}

void SettingsGrid::showChoice(const QString& name, const QString& choice)
{
    GridProperty& shown = property(name);
    shown.setChoice(choice);
    refresh(shown);
}
