// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Scheme.h"
#include "platform/Form.h"
#include "platform/ScrollBar.h"

#include <QPoint>
#include <array>
#include <optional>

class TColorDialog;
class TContrastForm;
class TEdit;
class TOpenDialog;
class TSaveDialog;
class TGroupBox;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPanel;
class TRadioButton;
class TSpeedButton;
class TTimer;

class TColor_Scan;

// What was loaded at start-up; written back at close when "&Save Settings" is off.
struct TStartupSnapshot {
    SchemeValues Colors; // at most six characters each
    int X = 0;
    int Y = 0;
    bool Hints = true;
};

// One of the four attributes as the main window shows and edits it.
struct TSchemeAttribute {
    SchemeSlot slot;
    QChar letter; // ActiveProperty while it is being edited
    TRadioButton* button;
    TLabel* caption; // on the value strip, "BGColor #"
    TLabel* summary;
    TLabel* sample; // nullptr for the background, which is the tile itself
    TMenuItem* copyItem;
    void (TColor_Scan::*propertyHandler)(QObject*);
    void (TColor_Scan::*copyHandler)(QObject*);
    void (TColor_Scan::*setOperation)();
};

// The one working window: tool bar, preview tile, channel sliders with their
// read-outs, the attribute buttons and the value strip. The scheme lives in
// these controls; there is no other copy of it.
class TColor_Scan : public TForm {
public:
    TColor_Scan();
    ~TColor_Scan() override;

    TColorDialog* ColorDlg;
    TMainMenu* MainMenu;
    TMenuItem* FileMnu;
    TMenuItem* NewMnu;
    TMenuItem* OpenMnu;
    TMenuItem* SaveMnu;
    TMenuItem* SaveAsMnu;
    TMenuItem* N2;
    TMenuItem* ExitMnu;
    TMenuItem* OptionsMnu;
    TMenuItem* SaveSettings;
    TMenuItem* HlpHints;
    TMenuItem* ToolBarMnu;
    TMenuItem* Help1;
    TMenuItem* HlpUsage;
    TMenuItem* HlpAbout;
    TSaveDialog* SaveDialog;
    TOpenDialog* OpenDialog;
    TTimer* TmrSplash;
    TMenuItem* Edit1;
    TMenuItem* CopyScheme1;
    TMenuItem* PasteScheme1;
    TMenuItem* CopyBackground1;
    TMenuItem* CopyText1;
    TMenuItem* CopyLink1;
    TMenuItem* CopyVLink1;
    TMenuItem* N1;
    TPanel* PnlMain;
    TPanel* PanelDigit;
    TLabel* TextLbl;
    TLabel* LblTextSum;
    TLabel* LinkLbl;
    TLabel* LblLinkSum;
    TLabel* VLinkLbl;
    TLabel* LblVlinkSum;
    TLabel* BGLbl;
    TLabel* LblBGSum;
    TGroupBox* GBProperty;
    TRadioButton* RBText;
    TRadioButton* RBLink;
    TRadioButton* RBVlink;
    TRadioButton* RBBGColor;
    TEdit* EditBlueDec;
    TEdit* EditBlueHex;
    TEdit* EditGreenHex;
    TEdit* EditGreenDec;
    TEdit* EditRedDec;
    TEdit* EditRedHex;
    TLabel* HexLbl;
    TLabel* DecLbl;
    TScrollBar* ScrollRed;
    TScrollBar* ScrollGreen;
    TScrollBar* ScrollBlue;
    TLabel* LabelBlueSlide;
    TLabel* LabelGreenSlide;
    TLabel* LabelRedSlide;
    TPanel* ColorPanel;
    TLabel* LblText;
    TLabel* LblLink;
    TLabel* LblVLink;
    TPanel* PanelSB;
    TSpeedButton* SBCopy;
    TSpeedButton* SBHelp;
    TSpeedButton* SBQuit;
    TSpeedButton* SBColor;
    TSpeedButton* SBPaste;
    TLabel* LblColor;
    TMenuItem* CustomColor1;

    TStartupSnapshot StartupSnapshot;

    // Built once from the named controls, in slot order; everything done to
    // all four attributes goes through it.
    const std::array<TSchemeAttribute, 4>& attributes() const { return attributes_; }
    const TSchemeAttribute& attribute(SchemeSlot slot) const { return attributes_[slotIndex(slot)]; }

    // Added after the original menus, at the end of Edit and Options.
    TMenuItem* N3;
    TMenuItem* CopyCss1;
    TMenuItem* N4;
    TMenuItem* ContrastCheck1;
    // Made on first use, then the same window each time, opened beside this one.
    TContrastForm* ContrastForm = nullptr;
    void CopyCssClick(QObject* Sender);
    void ContrastCheckClick(QObject* Sender);

    void ColorPanelClick(QObject* Sender);
    void OpenMnuClick(QObject* Sender);
    void SaveMnuClick(QObject* Sender);
    void SaveAsMnuClick(QObject* Sender);
    void ExitMnuClick(QObject* Sender);
    void NewMnuClick(QObject* Sender);
    void TextLblDblClick(QObject* Sender);
    void HlpAboutClick(QObject* Sender);
    void HlpUsageClick(QObject* Sender);
    void SBHelpClick(QObject* Sender);
    void SBQuitClick(QObject* Sender);
    void SBCopyClick(QObject* Sender);
    void ToolBarMnuClick(QObject* Sender);
    void SetBGColor();
    void SetTextColor();
    void SetLinkColor();
    void SetVLinkColor();
    void FormCreate(QObject* Sender);
    void RBBGColorClick(QObject* Sender);
    void RBTextClick(QObject* Sender);
    void RBLinkClick(QObject* Sender);
    void RBVlinkClick(QObject* Sender);
    void ScrollGreenScroll(QObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
    void ScrollBlueScroll(QObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
    void ScrollRedScroll(QObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
    void BGLblDblClick(QObject* Sender);
    void LinkLblDblClick(QObject* Sender);
    void VLinkLblDblClick(QObject* Sender);
    void SBPasteClick(QObject* Sender);
    // A value typed into a box and entered: it moves the channel's slider
    // there and runs the slider's scroll handler. A whole colour typed into
    // a hex box moves all three.
    void EditHexAccept(QObject* Sender);
    void EditDecAccept(QObject* Sender);
    // Each turns its option over; two calls in a row change nothing.
    void SwitchHints();
    void SwitchToolBar();
    // Applies the colours a scheme text carries; raises EConvertError at the
    // first value that is not hexadecimal, with the attributes before it applied.
    void ProcString(QString Text);
    void SaveSettingsClick(QObject* Sender);
    void FormClose(QObject* Sender, TCloseAction& Action);
    void HlpHintsClick(QObject* Sender);
    void TmrSplashTimer(QObject* Sender);

private:
    void createControls();
    void createMenus();
    void createAttributeTable();
    void applyDesign();
    void applyTabOrder();
    void wireEvents();

    // The Set operation that ActiveProperty names; any other letter does nothing.
    void applyToActiveProperty();
    TColor sliderColor() const;
    void scrollChannel(TScrollBar* bar, TEdit* hexBox, TEdit* decimalBox);
    struct Channel {
        TScrollBar* bar;
        TEdit* hexBox;
        TEdit* decimalBox;
        void (TColor_Scan::*scrollHandler)(QObject*, TScrollCode, int&);
    };
    // Red, green, blue.
    std::array<Channel, 3> channels() const;
    void moveChannelsTo(const std::array<std::optional<int>, 3>& levels);
    // The working colour into the attribute's summary, the sliders' colour
    // onto the preview.
    void applyWorkingColor(SchemeSlot slot);
    void loadAttribute(SchemeSlot slot);
    // What the preview shows for an attribute: the tile's colour or a sample's.
    TColor attributeColor(const TSchemeAttribute& attribute) const;
    void showAttributeColor(const TSchemeAttribute& attribute, TColor color);
    SchemeValues summaries() const;
    SchemeColors previewColors() const;
    void copyAttribute(SchemeSlot slot);
    void loadSettings();
    void saveSettings();
    void applyStoredOptions();
    // Brings an open Contrast window up to the colours now shown.
    void schemeChanged();
    void placeContrastForm();

    std::array<TSchemeAttribute, 4> attributes_{};
    // Where the Contrast window was last placed, to tell when it was moved.
    std::optional<QPoint> contrastPlacedAt_;
    bool contrastMoved_ = false;
};

// The one-letter marker of the attribute being edited: B, T, L or V.
extern QChar ActiveProperty;

extern TColor_Scan* Color_Scan;
