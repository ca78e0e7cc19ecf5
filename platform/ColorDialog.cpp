// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ColorDialog.h"

#include <QColorDialog>
#include <QPointer>

namespace {

QColor boxColor(TColor value)
{
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

TColor fromQColor(const QColor& color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

} // namespace

TColorDialog::TColorDialog(QWidget* owner)
    : QObject(owner)
    , owner_(owner)
{}

TColorDialog::~TColorDialog()
{
    restoreQtCustomColors();
}

bool TColorDialog::Execute()
{
    const CustomColorBoxes boxes = boxesFromList(customColors_);
    rememberQtCustomColors();
    // Qt keeps custom colours opaque, so a box is known to be untouched
    // when it still shows exactly what was put in, and then keeps its
    // original value (-1 stays FFFFFFFF).
    std::array<QRgb, customColorCount> shown{};
    for (int box = 0; box < customColorCount; ++box) {
        QColorDialog::setCustomColor(box, boxColor(boxes[box]));
        shown[box] = QColorDialog::customColor(box).rgba();
    }

    QPointer<QColorDialog> dialog = new QColorDialog(boxColor(color_), owner_);
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (accepted && dialog) {
        color_ = fromQColor(dialog->selectedColor());
        CustomColorBoxes chosen = boxes;
        for (int box = 0; box < customColorCount; ++box) {
            const QColor now = QColorDialog::customColor(box);
            if (now.rgba() != shown[box])
                chosen[box] = fromQColor(now);
        }
        rewriteList(customColors_, chosen);
    }
    delete dialog;
    restoreQtCustomColors();
    return accepted;
}

void TColorDialog::rememberQtCustomColors()
{
    if (remembered_)
        return;
    for (int box = 0; box < customColorCount; ++box)
        qtCustomColors_[box] = QColorDialog::customColor(box).rgba();
    remembered_ = true;
}

void TColorDialog::restoreQtCustomColors()
{
    // Qt shares custom colours between its programs through QtProject.conf;
    // ours live only in our list and must not leak into theirs.
    if (!remembered_)
        return;
    for (int box = 0; box < customColorCount; ++box)
        QColorDialog::setCustomColor(box, QColor::fromRgba(qtCustomColors_[box]));
}
