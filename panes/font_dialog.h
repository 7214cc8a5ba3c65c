// The font dialog, opened on the font a control really shows: the face the
// system found for it and its size in points, so that the dialog, the value
// the panes show and the font picked agree.
#pragma once
#include <QFont>
#include <optional>

class QWidget;

// The face actually drawn, its style and the size in points.
QFont shownFont(const QFont& font);

enum class FontEffects { Offered, Hidden };

// The picked font, or nothing when the dialog is cancelled. Hidden effects
// leave underline and strike-out off.
std::optional<QFont> askFont(const QFont& current, QWidget* parent, FontEffects effects);
