#include "panes/font_dialog.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QFontInfo>

QFont shownFont(const QFont& font)
{
    const QFontInfo real(font);
    QFont shown(real.family());
    shown.setPointSize(real.pointSize());
    shown.setWeight(static_cast<QFont::Weight>(real.weight()));
    shown.setItalic(real.italic());
    // The face's own style name: the dialog would otherwise look for the
    // translated "Normal" among "Regular", "Bold"... and take the first.
    shown.setStyleName(real.styleName());
    return shown;
}

std::optional<QFont> askFont(const QFont& current, QWidget* parent, FontEffects effects)
{
    QFontDialog dialog(shownFont(current), parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (effects == FontEffects::Hidden)
        for (QCheckBox* effect : dialog.findChildren<QCheckBox*>())
            effect->parentWidget()->hide();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont picked = dialog.selectedFont();
    if (effects == FontEffects::Hidden) {
        picked.setUnderline(false);
        picked.setStrikeOut(false);
    }
    return picked;
}
