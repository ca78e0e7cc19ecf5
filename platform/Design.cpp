// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Design.h"

#include "platform/Application.h"
#include "platform/Fonts.h"

#include <QShortcut>

namespace {

QFont fontOf(const TFontDesign& font)
{
    return makeFont(QLatin1String(font.name), font.height, font.styles);
}

} // namespace

void applyDesign(TForm& form, const TFormDesign& design, std::initializer_list<TControlDesign> controls)
{
    form.setCaption(design.caption);
    form.setWindowIcon(design.icon);
    form.setBorderStyle(design.borderStyle);
    form.setFormStyle(design.formStyle);
    form.setPosition(design.position);
    form.setVisibleAtCreation(design.visibleAtCreation);
    form.setClientWidth(design.clientWidth);
    form.setClientHeight(design.clientHeight);
    form.setFont(fontOf(design.font));
    if (design.fontColor)
        form.setFontColor(*design.fontColor);
    applyDesign(controls);
}

void applyDesign(std::initializer_list<TControlDesign> controls)
{
    for (const TControlDesign& row : controls) {
        TControl* control = row.control;
        const TBounds& b = row.bounds;
        control->setBounds(b.left, b.top, b.width, b.height);
        if (!row.caption.isNull())
            control->setCaption(row.caption);
        if (!row.hint.isNull())
            control->setHint(row.hint);
        if (row.font)
            control->widget().setFont(fontOf(*row.font));
        if (row.color)
            control->setColor(*row.color);
        if (row.fontColor)
            control->setFontColor(*row.fontColor);
    }
}

void closeOnEscape(TForm& form)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &form);
    QObject::connect(
        shortcut, &QShortcut::activated, &form, [&form] { Application->dispatch([&form] { form.Close(); }); });
}
