// One row of the property grid: a group, or a value of one kind with its name
// and description line.
#pragma once
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

#include "analysis/display_settings.h"

class GridProperty {
public:
    enum class Kind { Group, Number, Integer, Choice, Colour, Font };

    static std::unique_ptr<GridProperty> group(const QString& name);
    static std::unique_ptr<GridProperty> number(const QString& name, float value, const QString& description);
    static std::unique_ptr<GridProperty> integer(const QString& name, long value, const QString& description);
    static std::unique_ptr<GridProperty> choice(const QString& name, const QString& value, const QStringList& choices,
                                                const QString& description);
    // automaticColour is what the "既定値" button of the palette stands for.
    static std::unique_ptr<GridProperty> colour(const QString& name, Colorref value, Colorref automaticColour,
                                                const QString& description);
    static std::unique_ptr<GridProperty> font(const QString& name, const QFont& value, const QString& description);

    Kind kind() const { return kind_; }
    const QString& name() const { return name_; }
    const QString& description() const { return description_; }

    GridProperty* add(std::unique_ptr<GridProperty> child);
    GridProperty* parent() const { return parent_; }
    const std::vector<std::unique_ptr<GridProperty>>& children() const { return children_; }

    // The value as the list shows it.
    QString displayText() const;
    // Whether the user changed the value away from the one it was created with.
    bool isModified() const { return modified_; }

    float number() const { return value_.toFloat(); }
    long integer() const { return static_cast<long>(value_.toLongLong()); }
    QString text() const { return value_.toString(); }  // the chosen choice
    const QStringList& choices() const { return choices_; }
    Colorref colour() const { return value_.toUInt(); }
    Colorref automaticColour() const { return automaticColour_; }
    bool isAutomatic() const { return automatic_; }
    QFont font() const { return value_.value<QFont>(); }

    // Values set by the program; the modified marking stays as it is.
    void setNumber(float value) { value_ = value; }
    void setInteger(long value) { value_ = static_cast<qlonglong>(value); }
    void setChoice(const QString& choice);  // ignored unless it is one of the choices
    void setColour(Colorref value);
    void setAutomatic();
    void setFont(const QFont& value) { value_ = value; }

    // Typed text (numbers, integers) or a picked choice, read as the list reads it.
    void takeText(const QString& typed);
    // After a user edit: the value is marked when it differs from the creation value.
    void markEdited();

    // What a change is measured against: the value and the automatic choice.
    struct Snapshot {
        QVariant value;
        bool automatic = false;
        bool operator==(const Snapshot& other) const { return value == other.value && automatic == other.automatic; }
    };
    Snapshot snapshot() const { return {value_, automatic_}; }

private:
    GridProperty(Kind kind, const QString& name, const QVariant& value, const QString& description);

    Kind kind_;
    QString name_;
    QString description_;
    QVariant value_;
    Snapshot created_;
    QStringList choices_;
    Colorref automaticColour_ = 0;
    bool automatic_ = false;
    bool modified_ = false;
    GridProperty* parent_ = nullptr;
    std::vector<std::unique_ptr<GridProperty>> children_;
};

// The label of the palette's automatic button, shown while it is chosen.
inline const QString kAutomaticColourLabel = QStringLiteral("既定値");
inline const QString kOtherColoursLabel = QStringLiteral("その他...");
