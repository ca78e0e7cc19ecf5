// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art/NameLetters.h"

#include "art/ProgramArt.h"
#include "platform/Image.h"
#include "platform/Label.h"

#include <QFontMetrics>

void placeNameLetters(std::span<const NameLetter> letters, const QFont& font, int left, int top, int height, int step)
{
    const QFontMetrics metrics(font);
    for (const NameLetter& letter : letters) {
        letter.label->setFont(font);
        letter.label->setCaption(letter.letter);
        letter.label->setTransparent(true);
        letter.label->setFontColor(letter.fontColor);
        // The italic overhang would be clipped by a box only the advance wide.
        const int width =
            std::max(metrics.horizontalAdvance(letter.letter), metrics.boundingRect(letter.letter).right() + 1);
        letter.label->setBounds(left, top, width, height);
        left += step > 0 ? step : metrics.horizontalAdvance(letter.letter);
    }
}

void placeProgramPicture(TImage* image)
{
    image->setAutoSize(true);
    image->setStretch(true);
    image->setBounds(8, 8, 96, 96);
    image->setPicture(programPicture());
}
