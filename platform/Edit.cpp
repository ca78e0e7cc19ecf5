#include "platform/Edit.h"

TEdit::TEdit(QWidget* parent)
    : TWidget<QLineEdit>(parent)
{
    setTabStop(TTabStop::Yes);
    // The read-outs are narrow; Qt's text margins would push two digits out.
    setTextMargins(0, 0, 0, 0);
}
