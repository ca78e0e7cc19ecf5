#include "windows/Colr_frm/Colr_frm.h"

#include "core/ColorNotation.h"
#include "platform/Clipboard.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Panel.h"
#include "platform/RadioButton.h"

TLabel* TColor_Scan::summaryLabel(SchemeSlot slot) const
{
    switch (slot) {
    case SchemeSlot::BGCOLOR: return LblBGSum;
    case SchemeSlot::TEXT: return LblTextSum;
    case SchemeSlot::LINK: return LblLinkSum;
    case SchemeSlot::VLINK: return LblVlinkSum;
    }
    return nullptr;
}

void TColor_Scan::SBCopyClick(QObject*)
{
    Clipboard().Clear();
    // The labels go out as they read, even what a failed paste left there.
    Clipboard().setAsText(schemeText({LblBGSum->caption(), LblTextSum->caption(), LblLinkSum->caption(),
        LblVlinkSum->caption()}));
}

void TColor_Scan::copyAttribute(SchemeSlot slot)
{
    const QString question = QStringLiteral("Copy %1 setting to Windows Clip Board?").arg(keyword(slot));
    if (MessageDlg(question, TMsgDlgType::mtConfirmation) != TModalResult::mrYes)
        return;
    Clipboard().Clear();
    Clipboard().setAsText(attributeText(slot, summaryLabel(slot)->caption()));
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
    Clipboard().setAsText(cssText({LblBGSum->caption(), LblTextSum->caption(), LblLinkSum->caption(),
        LblVlinkSum->caption()}));
}

void TColor_Scan::SBPasteClick(QObject*)
{
    ProcString(upperCaseAscii(Clipboard().asText()));
}

void TColor_Scan::ProcString(QString Text)
{
    const SchemeValueOffsets found = findSchemeValues(Text);
    const struct {
        SchemeSlot slot;
        TLabel* sample; // nullptr: the tile
        TRadioButton* button;
        void (TColor_Scan::*propertyHandler)(QObject*);
    } attributes[] = {
        {SchemeSlot::BGCOLOR, nullptr, RBBGColor, &TColor_Scan::RBBGColorClick},
        {SchemeSlot::TEXT, LblText, RBText, &TColor_Scan::RBTextClick},
        {SchemeSlot::LINK, LblLink, RBLink, &TColor_Scan::RBLinkClick},
        {SchemeSlot::VLINK, LblVLink, RBVlink, &TColor_Scan::RBVlinkClick},
    };
    for (const auto& attribute : attributes) {
        const std::optional<qsizetype> at = found[static_cast<int>(attribute.slot)];
        if (!at)
            continue;
        TLabel* summary = summaryLabel(attribute.slot);
        summary->setCaption(Text.mid(*at, 6));
        // A value that is not hex stops here: the label keeps what was read,
        // everything before stays applied and nothing after is handled.
        const TColor value = notation::colorValue(summary->caption());
        if (attribute.sample) {
            attribute.sample->setFontColor(value);
        } else {
            ColorPanel->setColor(value);
            for (TLabel* sample : {LblText, LblLink, LblVLink})
                sample->setColor(ColorPanel->color());
        }
        schemeChanged();
        if (attribute.button->checked())
            (this->*attribute.propertyHandler)(this);
    }
}
