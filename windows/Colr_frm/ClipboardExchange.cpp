// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Colr_frm/Colr_frm.h"

#include "core/ColorNotation.h"
#include "core/SchemeText.h"
#include "platform/Clipboard.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/RadioButton.h"

void TColor_Scan::SBCopyClick(QObject*)
{
    Clipboard().Clear();
    // The labels go out as they read, even what a failed paste left there.
    Clipboard().setAsText(schemeText(summaries()));
}

void TColor_Scan::copyAttribute(SchemeSlot slot)
{
    const QString question = QStringLiteral("Copy %1 setting to Windows Clip Board?").arg(keyword(slot));
    if (MessageDlg(question, TMsgDlgType::mtConfirmation) != TModalResult::mrYes)
        return;
    Clipboard().Clear();
    Clipboard().setAsText(attributeText(slot, attribute(slot).summary->caption()));
}

void TColor_Scan::BGLblDblClick(QObject*)
{
    copyAttribute(SchemeSlot::BGCOLOR);
}

void TColor_Scan::TextLblDblClick(QObject*)
{
    copyAttribute(SchemeSlot::TEXT);
}

void TColor_Scan::LinkLblDblClick(QObject*)
{
    copyAttribute(SchemeSlot::LINK);
}

void TColor_Scan::VLinkLblDblClick(QObject*)
{
    copyAttribute(SchemeSlot::VLINK);
}

void TColor_Scan::CopyCssClick(QObject*)
{
    Clipboard().Clear();
    Clipboard().setAsText(cssText(summaries()));
}

void TColor_Scan::SBPasteClick(QObject*)
{
    ProcString(upperCaseAscii(Clipboard().asText()));
}

void TColor_Scan::ProcString(QString Text)
{
    const FoundValues found = findSchemeValues(Text);
    for (const TSchemeAttribute& attribute : attributes_) {
        const std::optional<FoundValue>& value = found[slotIndex(attribute.slot)];
        if (!value)
            continue;
        attribute.summary->setCaption(value->value);
        // A value that is not hex stops here: the label keeps what was read,
        // everything before stays applied and nothing after is handled.
        showAttributeColor(attribute, notation::colorValue(attribute.summary->caption()));
        schemeChanged();
        if (attribute.button->checked())
            (this->*attribute.propertyHandler)(this);
    }
}
