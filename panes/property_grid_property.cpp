#include "panes/property_grid_property.h"

#include "panes/property_grid_text.h"

GridProperty::GridProperty(Kind kind, const QString& name, const QVariant& value, const QString& description)
    : kind_(kind), name_(name), description_(description), value_(value), created_{value, false}
{
}

std::unique_ptr<GridProperty> GridProperty::group(const QString& name)
{
    return std::unique_ptr<GridProperty>(new GridProperty(Kind::Group, name, QVariant(), QString()));
}

std::unique_ptr<GridProperty> GridProperty::number(const QString& name, float value, const QString& description)
{
    return std::unique_ptr<GridProperty>(new GridProperty(Kind::Number, name, value, description));
}

std::unique_ptr<GridProperty> GridProperty::integer(const QString& name, long value, const QString& description)
{
    return std::unique_ptr<GridProperty>(
        new GridProperty(Kind::Integer, name, static_cast<qlonglong>(value), description));
}

std::unique_ptr<GridProperty> GridProperty::choice(const QString& name, const QString& value,
                                                   const QStringList& choices, const QString& description)
{
    std::unique_ptr<GridProperty> property(new GridProperty(Kind::Choice, name, value, description));
    property->choices_ = choices;
    return property;
}

std::unique_ptr<GridProperty> GridProperty::colour(const QString& name, Colorref value, Colorref automaticColour,
                                                   const QString& description)
{
    std::unique_ptr<GridProperty> property(new GridProperty(Kind::Colour, name, value, description));
    property->automaticColour_ = automaticColour;
    return property;
}

std::unique_ptr<GridProperty> GridProperty::font(const QString& name, const QFont& value, const QString& description)
{
    return std::unique_ptr<GridProperty>(new GridProperty(Kind::Font, name, value, description));
}

GridProperty* GridProperty::add(std::unique_ptr<GridProperty> child)
{
    child->parent_ = this;
    children_.push_back(std::move(child));
    return children_.back().get();
}

QString GridProperty::displayText() const
{
    switch (kind_) {
    case Kind::Group:
        return QString();
    case Kind::Number:
        return showSingle(number());
    case Kind::Integer:
        return showInteger(integer());
    case Kind::Choice:
        return text();
    case Kind::Colour:
        return automatic_ ? kAutomaticColourLabel : showColour(colour());
    case Kind::Font:
        return showFont(font());
    }
    return QString();
}

void GridProperty::setChoice(const QString& choice)
{
    if (choices_.contains(choice))
        value_ = choice;
}

void GridProperty::setColour(Colorref value)
{
    value_ = value;
    automatic_ = false;
}

void GridProperty::setAutomatic()
{
    value_ = automaticColour_;
    automatic_ = true;
}

void GridProperty::takeText(const QString& typed)
{
    switch (kind_) {
    case Kind::Number:
        setNumber(readSingle(typed));
        break;
    case Kind::Integer:
        setInteger(readInteger(typed));
        break;
    case Kind::Choice:
        setChoice(typed);
        break;
    default:
        break;
    }
}

void GridProperty::markEdited()
{
    modified_ = !(snapshot() == created_);
}
