#include "Colr_frm/ColorNotation.h"

#include "platform/SysUtils.h"

namespace notation {

QString colorValueText(TColor color)
{
    return IntToHex(static_cast<unsigned>(color), 6);
}

QString swapPairs(const QString& text)
{
    return text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2);
}

QString schemeValue(TColor color)
{
    return swapPairs(colorValueText(color));
}

TColor colorValue(const QString& schemeValue)
{
    return StrToInt(u'$' + swapPairs(schemeValue));
}

int redLevel(TColor color)
{
    return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF);
}

int greenLevel(TColor color)
{
    return static_cast<int>((static_cast<std::uint32_t>(color) >> 8) & 0xFF);
}

int blueLevel(TColor color)
{
    return static_cast<int>((static_cast<std::uint32_t>(color) >> 16) & 0xFF);
}

TColor composeColor(int red, int green, int blue)
{
    return (((blue << 8) | green) << 8) | red;
}

QString hexBoxText(int level)
{
    return IntToHex(static_cast<unsigned>(level), 2);
}

QString decimalBoxText(int level)
{
    return IntToStr(level);
}

QString workingColor(const QString& redHex, const QString& greenHex, const QString& blueHex)
{
    return redHex + greenHex + blueHex;
}

HexBoxes hexBoxes(const QString& schemeValue)
{
    return {schemeValue.mid(0, 2), schemeValue.mid(2, 2), schemeValue.mid(4, 2)};
}

} // namespace notation
